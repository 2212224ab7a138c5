# Keeps the release Vintra.exe small when it is built with MinGW and linked
# statically (docs/architecture.md, "Size", has the measurements). Other
# compilers keep their own release settings.
#
#   vintra_lean_code(target)     program code: no exceptions
#   vintra_lean_runtime(target)  the shipped executable: the small C++ runtime
if(MINGW)
  # Every target: code for size, each function and datum in a section of its
  # own so that the linker drops what nothing calls, no symbol table.
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options($<$<CONFIG:Release,MinSizeRel>:-ffunction-sections>
                      $<$<CONFIG:Release,MinSizeRel>:-fdata-sections>)
  add_link_options($<$<CONFIG:Release,MinSizeRel>:-Wl,--gc-sections>
                   $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

function(vintra_lean_code target)
  if(MINGW)
    # The program throws and catches nothing. Unwind tables stay: x64 Windows
    # walks every frame with them, for its own exceptions through callbacks.
    target_compile_options(${target} PRIVATE -fno-exceptions)
  endif()
endfunction()

function(vintra_lean_runtime target)
  if(MINGW)
    # Built with the target's options, so with vintra_lean_code's too.
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/runtime/LeanRuntime.cpp)
  endif()
endfunction()
