# The tab control and the notification area: the same suites judge the
# simulated desktop and, under Wine, the platform; the user's clicks on tabs
# and tray icons have a sim-only suite.
vintra_test(tab_control_test
  SOURCES common/TabControlTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/ShellTest.rc
  LIBS GTest::gtest_main)
vintra_test(tray_icon_test SOURCES common/TrayIconTest.cpp LIBS GTest::gtest_main)
vintra_test(sim_tabs_and_tray_user_test SIM_ONLY
  SOURCES sim/TabsAndTrayUserTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/ShellTest.rc
  LIBS GTest::gtest_main)
