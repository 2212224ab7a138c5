// The resources carried by the program's executable on the simulated desktop.
// Builds embed the compiled resource script (a .res file); a test can give the
// executable other resources, e.g. to see how the program copes without a
// version record. Reset() brings back the built-in ones.
#pragma once

#include "simwin/Types.h"

#include <cstddef>
#include <vector>

namespace simdesk {

// The bytes of a compiled resource file (.res) become the executable's
// resources; false (and no change) when they are not a well-formed .res file.
bool ReplaceProgramResources(std::vector<unsigned char> resFile);

// What an icon handle the program holds is made of: the size it was loaded
// at and the image of its group it was made from.
struct IconFacts {
    int width = 0;
    int height = 0;
    WORD imageId = 0;  // the RT_ICON resource chosen
    int imageWidth = 0;
    int imageHeight = 0;
    int bitsPerPixel = 0;
};

// Icons loaded and not yet destroyed; a fresh desktop has none.
int LiveIconCount();

// False when the handle is not a live icon.
bool DescribeIcon(HICON icon, IconFacts& facts);

}  // namespace simdesk

namespace simdesk::detail {

// Called once at static initialisation by the build's embedded resources.
void RegisterBuiltInResources(const unsigned char* resFile, std::size_t size);

}  // namespace simdesk::detail
