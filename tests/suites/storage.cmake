# Settings storage: the registry and INI backends behind the settings store,
# and the Win32 calls they rely on. The common suites need only the Win32
# surface and also run on Windows; the sim suite uses the simulated desktop's
# control interface (broken folders, foreign files, runs of the program).
vintra_test(storage_test
  SOURCES common/StoreBackendsTest.cpp common/RegistryStorageTest.cpp common/IniStorageTest.cpp
          common/NameCaseTest.cpp
          common/RegistryApiTest.cpp common/IniProfileApiTest.cpp
  LIBS GTest::gtest_main)
vintra_test(sim_storage_test SIM_ONLY
  SOURCES sim/StorageSimTest.cpp
  LIBS GTest::gtest_main)
