#include "menus/GifDecoder.h"

#include "menus/GifLzw.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kScreenDescriptorEnd = 13;  // signature (6) + logical screen descriptor (7)
constexpr std::size_t kImageDescriptorSize = 10;  // separator, left, top, width, height, packed
constexpr BYTE kImageSeparator = 0x2C;
constexpr BYTE kExtensionIntroducer = 0x21;
constexpr BYTE kColourTableFlag = 0x80;

int ReadWord(const BYTE* at) { return at[0] | (at[1] << 8); }

// Skips the data sub-blocks starting at `pos` up to and past their terminator;
// returns `size` when they run past the end.
std::size_t SkipSubBlocks(const BYTE* data, std::size_t size, std::size_t pos) {
    while (pos < size) {
        const std::size_t length = data[pos];
        if (length == 0) {
            return pos + 1;
        }
        pos += 1 + length;
    }
    return size;
}

// The position of the first image descriptor at or after `pos`, or `size`.
// Extension blocks are stepped over whole, so that a 0x2C among their bytes
// (a delay or a transparent index of 44, say) is not taken for an image; any
// other byte is skipped one at a time, as a plain search for 0x2C would.
std::size_t FindImageDescriptor(const BYTE* data, std::size_t size, std::size_t pos) {
    while (pos < size) {
        if (data[pos] == kImageSeparator) {
            return pos;
        }
        if (data[pos] == kExtensionIntroducer && size - pos >= 2) {
            pos = SkipSubBlocks(data, size, pos + 2);
        } else {
            ++pos;
        }
    }
    return size;
}

}  // namespace

bool DecodeGif(const BYTE* data, std::size_t size, GifImage& image) {
    image = GifImage{};
    if (data == nullptr || size < kScreenDescriptorEnd) {
        return false;
    }
    const BYTE packed = data[10];
    if ((packed & kColourTableFlag) == 0) {
        return false;
    }
    const int width = ReadWord(data + 6);
    const int height = ReadWord(data + 8);
    if (width == 0 || height == 0 || static_cast<long long>(width) * height > kMaxGifPixels) {
        return false;
    }

    const int colourCount = 1 << ((packed & 7) + 1);
    const std::size_t tableBytes = static_cast<std::size_t>(colourCount) * 3;
    if (size - kScreenDescriptorEnd < tableBytes) {
        return false;
    }
    Palette colours;
    colours.count = colourCount;
    for (int i = 0; i < colourCount; ++i) {
        const BYTE* entry = data + kScreenDescriptorEnd + static_cast<std::size_t>(i) * 3;
        colours.entries[i] = PaletteEntry{entry[0], entry[1], entry[2]};
    }

    const std::size_t descriptor = FindImageDescriptor(data, size, kScreenDescriptorEnd + tableBytes);
    if (size - descriptor <= kImageDescriptorSize) {
        return false;  // no image, or nothing after its descriptor
    }
    std::size_t pos = descriptor + kImageDescriptorSize;
    // A local colour table is not used, but the image data comes after it.
    const BYTE imagePacked = data[descriptor + 9];
    if ((imagePacked & kColourTableFlag) != 0) {
        const std::size_t localBytes = (std::size_t{1} << ((imagePacked & 7) + 1)) * 3;
        if (size - pos <= localBytes) {
            return false;
        }
        pos += localBytes;
    }

    const int minimumCodeSize = data[pos];
    if (!IsValidMinimumCodeSize(minimumCodeSize)) {
        return false;
    }

    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::unique_ptr<BYTE[]> indices(new (std::nothrow) BYTE[pixelCount]);
    if (indices == nullptr) {
        return false;
    }
    std::memset(indices.get(), 0, pixelCount);
    const std::size_t decoded =
        DecodeLzw(minimumCodeSize, data + pos + 1, size - pos - 1, indices.get(), pixelCount);

    image.width = width;
    image.height = height;
    image.colours = colours;
    image.indices = std::move(indices);
    image.decodedPixels = static_cast<long long>(decoded);
    return true;
}
