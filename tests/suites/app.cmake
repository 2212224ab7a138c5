vintra_test(hotkey_test SIM_ONLY SOURCES sim/HotKeyHookTest.cpp LIBS GTest::gtest_main)
vintra_test(entry_test SIM_ONLY SOURCES sim/ProgramEntryTest.cpp ${CMAKE_SOURCE_DIR}/app/Main.cpp LIBS GTest::gtest_main)
vintra_test(app_options_test SIM_ONLY SOURCES sim/AppOptionsTest.cpp LIBS GTest::gtest_main)
