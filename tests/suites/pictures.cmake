# The picture decoder: GIF files built byte by byte in the tests. Pure logic,
# so the suites also run on Windows (under Wine here).
vintra_test(gif_test
  SOURCES common/GifDecoderTest.cpp common/GifPicturePixelsTest.cpp
  LIBS GTest::gtest_main)
# Random damage to well-formed files under the sanitizers, a fixed number of
# inputs from a fixed seed; GIF_FUZZ_COUNT (or the first argument) runs more.
# The driver compiles the decoder's sources itself at -O1, as fuzz targets
# are, so that the fixed count runs in seconds; the library's copy stays unused.
set(VINTRA_GIF_SOURCES
  ${CMAKE_SOURCE_DIR}/menus/GifDecoder.cpp ${CMAKE_SOURCE_DIR}/menus/GifLzw.cpp
  ${CMAKE_SOURCE_DIR}/menus/PicturePixels.cpp)
vintra_test(gif_fuzz_test SIM_ONLY SOURCES fuzz/GifFuzz.cpp ${VINTRA_GIF_SOURCES})
if(TARGET gif_fuzz_test)
  target_compile_options(gif_fuzz_test PRIVATE -O1)
endif()
