# AddressSanitizer and UndefinedBehaviorSanitizer for the whole simulated build,
# so the simulated desktop's own code is checked along with the program's.
if(VINTRA_SANITIZE AND NOT MSVC)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
