#include "menus/PicturePixels.h"

#include <new>
#include <utility>

namespace {

constexpr BYTE kBlackMask = 0;
constexpr BYTE kWhiteMask = 1;

Palette BlackAndWhite() {
    Palette palette;
    palette.count = 2;
    palette.entries[kBlackMask] = PaletteEntry{0, 0, 0};
    palette.entries[kWhiteMask] = PaletteEntry{255, 255, 255};
    return palette;
}

// Takes the decoded image's size and colours, with every mask index black.
bool TakeImage(const BYTE* image, std::size_t imageSize, GifImage& decoded, PicturePixels& picture) {
    picture = PicturePixels{};
    if (!DecodeGif(image, imageSize, decoded)) {
        return false;
    }
    const auto count = static_cast<std::size_t>(decoded.PixelCount());
    std::unique_ptr<PixelRecord[]> pixels(new (std::nothrow) PixelRecord[count]);
    if (pixels == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        pixels[i] = PixelRecord{decoded.indices[i], kBlackMask};
    }
    picture.width = decoded.width;
    picture.height = decoded.height;
    picture.colours = decoded.colours;
    picture.maskColours = BlackAndWhite();
    picture.pixels = std::move(pixels);
    return true;
}

}  // namespace

int TransparentIndex(const Palette& colours) {
    for (int i = colours.count - 1; i >= 0; --i) {
        if (colours.entries[i].blue == 255) {
            return i;
        }
    }
    return colours.count - 1;
}

bool MakePicturePixels(const BYTE* image, std::size_t imageSize, PicturePixels& picture) {
    GifImage decoded;
    if (!TakeImage(image, imageSize, decoded, picture)) {
        return false;
    }
    const int transparent = TransparentIndex(picture.colours);
    const auto count = static_cast<std::size_t>(decoded.PixelCount());
    for (std::size_t i = 0; i < count; ++i) {
        if (picture.pixels[i].colourIndex == transparent) {
            picture.pixels[i].maskIndex = kWhiteMask;
        }
    }
    return true;
}

bool MakePicturePixels(const BYTE* image, std::size_t imageSize, const BYTE* mask, std::size_t maskSize,
                       PicturePixels& picture) {
    GifImage decoded;
    if (!TakeImage(image, imageSize, decoded, picture)) {
        return false;
    }
    GifImage decodedMask;
    if (!DecodeGif(mask, maskSize, decodedMask) || decodedMask.width != decoded.width ||
        decodedMask.height != decoded.height) {
        return true;  // drawn without transparency
    }
    picture.maskColours = decodedMask.colours;
    const auto count = static_cast<std::size_t>(decoded.PixelCount());
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i].maskIndex = decodedMask.indices[i];
    }
    return true;
}
