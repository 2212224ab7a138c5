# The program's resources and version record: what the resource script gives
# on both platforms, and the simulated desktop's handling of resource files.
vintra_test(resources_test SOURCES common/ResourcesTest.cpp LIBS GTest::gtest_main)
vintra_test(sim_resources_test SIM_ONLY SOURCES sim/ResourcesTest.cpp LIBS GTest::gtest_main)
# A test program with resources of its own beside the program's.
vintra_test(test_resource_script_test
  SOURCES common/TestResourceScriptTest.cpp
  RC ${CMAKE_CURRENT_SOURCE_DIR}/common/res/ResourceScriptTest.rc
  LIBS GTest::gtest_main)
# Icon groups, the image each size gets, icon handles; the dialog templates
# read from their raw bytes.
vintra_test(icon_test SOURCES common/IconTest.cpp LIBS GTest::gtest_main)
vintra_test(sim_icon_test SIM_ONLY SOURCES sim/IconTest.cpp LIBS GTest::gtest_main)
vintra_test(dialog_template_test SOURCES common/DialogTemplateTest.cpp LIBS GTest::gtest_main)
# The same templates made into windows by the dialog manager.
vintra_test(dialog_template_window_test SOURCES common/DialogTemplateWindowTest.cpp LIBS GTest::gtest_main)
