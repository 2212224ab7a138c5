# The window manager, dialog manager and controls: the same suites judge the
# simulated desktop and, under Wine, the platform; the control interface has
# sim-only suites.
vintra_test(window_manager_test
  SOURCES common/WindowTreeTest.cpp common/WindowStateTest.cpp common/DialogManagerTest.cpp
          common/ControlsTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/WindowManagerTest.rc
  LIBS GTest::gtest_main)
vintra_test(sim_user_test SIM_ONLY
  SOURCES sim/UserActionsTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/WindowManagerTest.rc
  LIBS GTest::gtest_main)
