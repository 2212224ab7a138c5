// The variable-length-code LZW decompression of GIF image data.
#pragma once

#include "Platform.h"

#include <cstddef>

// Minimum code sizes whose root codes are byte-sized colour indices. Larger
// ones could name indices a byte cannot hold, or start past 12-bit codes.
bool IsValidMinimumCodeSize(int minimumCodeSize);

// Decodes the data sub-blocks at `blocks` (`size` bytes, starting with the
// first block's length byte) into at most `capacity` indices at `out`, and
// returns how many it wrote. Stops at the end code, at the block terminator,
// at the end of the bytes, at a code that is not yet defined, or when `out`
// is full; never reads or writes outside the given ranges.
std::size_t DecodeLzw(int minimumCodeSize, const BYTE* blocks, std::size_t size, BYTE* out, std::size_t capacity);
