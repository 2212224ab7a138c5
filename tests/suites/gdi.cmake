# The drawing calls: device contexts, bitmaps and their bits, blits, text,
# colours, edges and the non-client metrics. The common suite uses only the
# Win32 surface and also runs on Windows (under Wine here); the sim suite
# reads the simulated desktop's object counts, pixels and fixed-cell font.
vintra_test(gdi_api_test SOURCES common/GdiApiTest.cpp LIBS GTest::gtest_main)
vintra_test(sim_gdi_test SIM_ONLY SOURCES sim/GdiSimTest.cpp LIBS GTest::gtest_main)
