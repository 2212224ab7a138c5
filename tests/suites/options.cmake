# Option values, their storage and the option list; they need only the Win32
# surface (the registry through the settings store), so they also run on Windows.
vintra_test(options_test
  SOURCES common/OptionValueTest.cpp common/OptionStorageTest.cpp common/OptionListTest.cpp
  LIBS GTest::gtest_main)
