# cmake -DRES_FILE=<compiled .res> -DOUTPUT=<.cpp> -P EmbedResources.cmake
#
# Writes a C++ source that carries the bytes of the compiled resource file and
# hands them to the simulated desktop at static initialisation, so the
# simulated build reads exactly what the resource compiler made of Vintra.rc.
if(NOT RES_FILE OR NOT OUTPUT)
  message(FATAL_ERROR "EmbedResources.cmake needs RES_FILE and OUTPUT")
endif()

file(READ "${RES_FILE}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "${RES_FILE} is empty")
endif()
math(EXPR byte_count "${hex_length} / 2")

# Sixteen bytes a line: "0x12, " for each.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f], ){16})" "\\1\n    " bytes "${bytes}")

file(WRITE "${OUTPUT}.tmp"
"// Generated from the compiled resource script by cmake/EmbedResources.cmake; do not edit.
#include \"simdesk/Resources.h\"

namespace {

const unsigned char kProgramResources[${byte_count}] = {
    ${bytes}
};

const bool kRegistered =
    (simdesk::detail::RegisterBuiltInResources(kProgramResources, sizeof(kProgramResources)), true);

}  // namespace
")
# Only a changed file makes its object rebuild.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
