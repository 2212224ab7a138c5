# The picture decoder: GIF files built byte by byte in the tests. Pure logic,
# so the suites also run on Windows (under Wine here).
vintra_test(gif_test
  SOURCES common/GifDecoderTest.cpp common/GifPicturePixelsTest.cpp
  LIBS GTest::gtest_main)
# Random damage to well-formed files under the sanitizers, a fixed number of
# inputs from a fixed seed. GIF_FUZZ_COUNT (or the first argument) runs more.
vintra_test(gif_fuzz_test SIM_ONLY SOURCES fuzz/GifFuzz.cpp)
