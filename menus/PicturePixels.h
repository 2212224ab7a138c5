// What a picture is made of before it meets a device context: its size, its
// colours, the palette its mask refers to, and for every pixel a colour index
// and a mask index. A black mask colour shows the picture's pixel, a white
// one the background; the drawing side blends with them.
#pragma once

#include "menus/GifDecoder.h"

#include <cstddef>
#include <memory>

struct PixelRecord {
    BYTE colourIndex = 0;
    BYTE maskIndex = 0;
};

struct PicturePixels {
    int width = 0;
    int height = 0;
    Palette colours;
    Palette maskColours;
    // width × height records, row by row from the top; null while empty.
    // Every index is a valid position in its 256-entry palette.
    std::unique_ptr<PixelRecord[]> pixels;

    bool IsEmpty() const { return pixels == nullptr; }
};

// A picture without a mask resource: the pixels of its transparent colour (the
// highest palette entry whose blue byte is 255, else the last entry) get the
// white mask entry, all others the black one. False, leaving `picture` empty,
// when the image does not decode.
bool MakePicturePixels(const BYTE* image, std::size_t imageSize, PicturePixels& picture);

// A picture with a mask resource, whose colour table becomes the mask palette
// and whose indices the mask indices. A mask that is missing (null), does not
// decode or has another size than the image leaves the picture without
// transparency: every pixel shows. False, leaving `picture` empty, only when
// the image does not decode.
bool MakePicturePixels(const BYTE* image, std::size_t imageSize, const BYTE* mask, std::size_t maskSize,
                       PicturePixels& picture);

// The palette index whose pixels a picture without a mask leaves transparent.
int TransparentIndex(const Palette& colours);
