# Users' stories played against the program in the test process, written once
# for both builds: the simulated desktop's script runs the steps there, a
# thread timer on Windows (see scenario/Story.h).
set(VINTRA_STORY_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/scenario/StoryCommon.cpp)
if(VINTRA_SIM)
  list(APPEND VINTRA_STORY_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/scenario/StorySim.cpp)
else()
  list(APPEND VINTRA_STORY_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/scenario/StoryWindows.cpp)
endif()

vintra_test(story_harness_test
  SOURCES stories/StoryHarnessTest.cpp ${VINTRA_STORY_SOURCES}
  LIBS GTest::gtest_main)

# The program's first starts, exits, second copies and bad stored values.
vintra_test(program_stories_test
  SOURCES stories/FirstStartStoriesTest.cpp stories/SecondCopyStoriesTest.cpp
          stories/BadStoredValuesStoriesTest.cpp stories/StoredValues.cpp ${VINTRA_STORY_SOURCES}
  LIBS GTest::gtest_main)
