# Starting with Windows: the Startup shortcut, the shell link object and COM
# beneath it, and the process calls of the memory trimming. The common suites
# use only the Win32 surface and also run on Windows (under Wine here); the
# sim suite reads the simulated desktop's bookkeeping and breaks its folders.
vintra_test(shortcut_test
  SOURCES common/ShortcutTest.cpp common/ShellLinkApiTest.cpp common/AutostartTest.cpp
  LIBS GTest::gtest_main)
vintra_test(process_api_test
  SOURCES common/ProcessApiTest.cpp
  LIBS GTest::gtest_main)
vintra_test(sim_shell_test SIM_ONLY
  SOURCES sim/ShellSimTest.cpp
  LIBS GTest::gtest_main)
