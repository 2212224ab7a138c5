# The dialog base, control-bound options, the agreement dialog and the saved
# window placement. They use only the Win32 surface and the program's
# classes, so they run on both builds; their test templates (9200-9299) and
# the agreement's come with their own resource script.
vintra_test(dialogs_test
  SOURCES common/DialogBaseTest.cpp common/ControlBindingTest.cpp
          common/AgreementDialogTest.cpp common/WindowPlacementTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/DialogTests.rc
  LIBS GTest::gtest_main)
