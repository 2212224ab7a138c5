vintra_test(strings_test SOURCES common/StringsTest.cpp LIBS GTest::gtest_main)
