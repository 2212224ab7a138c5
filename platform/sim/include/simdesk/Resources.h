// The resources carried by the program's executable on the simulated desktop.
// Builds embed the compiled resource script (a .res file); a test can give the
// executable other resources, e.g. to see how the program copes without a
// version record. Reset() brings back the built-in ones.
#pragma once

#include <cstddef>
#include <vector>

namespace simdesk {

// The bytes of a compiled resource file (.res) become the executable's
// resources; false (and no change) when they are not a well-formed .res file.
bool ReplaceProgramResources(std::vector<unsigned char> resFile);

}  // namespace simdesk

namespace simdesk::detail {

// Called once at static initialisation by the build's embedded resources.
void RegisterBuiltInResources(const unsigned char* resFile, std::size_t size);

}  // namespace simdesk::detail
