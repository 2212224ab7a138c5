// Reads the first image of a GIF file held in memory (a "PICT" resource) into
// its logical screen size, its global colour table and one colour index per
// pixel. Pure logic: no window, device context or resource call, so the
// picture store decodes with it and tests feed it bytes directly.
#pragma once

#include "Platform.h"

#include <cstddef>
#include <memory>

struct PaletteEntry {
    BYTE red = 0;
    BYTE green = 0;
    BYTE blue = 0;
};

// A colour table of `count` entries. Every byte value is a valid position:
// the entries past `count` stay black, so an index the image data names but
// the table lacks still draws (as black) instead of reading past the table.
struct Palette {
    static constexpr int kMaxEntries = 256;
    PaletteEntry entries[kMaxEntries];
    int count = 0;
};

struct GifImage {
    int width = 0;
    int height = 0;
    Palette colours;
    // width × height colour indices, row by row from the top; null while empty.
    std::unique_ptr<BYTE[]> indices;
    // How many indices came from the image data; the rest are index 0.
    long long decodedPixels = 0;

    bool IsEmpty() const { return indices == nullptr; }
    long long PixelCount() const { return static_cast<long long>(width) * height; }
};

// Pictures are for menu entries; a logical screen past this many pixels is
// taken as damaged rather than allocated.
inline constexpr long long kMaxGifPixels = 1024LL * 1024;

// Decodes `size` bytes at `data` into `image` and returns true; never reads
// outside them and never writes more than width × height indices. Fails,
// leaving `image` empty, without a global colour table, with a zero or too
// large size, a colour table cut short, no image or an impossible code size.
// Damaged image data (an undefined code, no end code, data cut short) ends the
// decoding early: the pixels decoded so far are kept and the rest are index 0.
// Image data beyond width × height pixels is ignored.
bool DecodeGif(const BYTE* data, std::size_t size, GifImage& image);
