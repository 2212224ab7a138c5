vintra_test(hotkey_test SIM_ONLY SOURCES sim/HotKeyHookTest.cpp LIBS GTest::gtest_main)
vintra_test(entry_test SIM_ONLY SOURCES sim/ProgramEntryTest.cpp ${CMAKE_SOURCE_DIR}/app/Main.cpp LIBS GTest::gtest_main)
vintra_test(app_options_test SIM_ONLY SOURCES sim/AppOptionsTest.cpp LIBS GTest::gtest_main)
# A user's first start with the mouse and keys on desktops the program cannot
# fully use (no Startup folder, or one it may not write).
vintra_test(user_stories_test SIM_ONLY SOURCES sim/UserStoriesTest.cpp LIBS GTest::gtest_main)
