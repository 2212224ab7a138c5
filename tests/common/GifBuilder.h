// Builds GIF files byte by byte for the decoder's suites: a real LZW encoder
// for pictures given pixel by pixel, and raw code streams for damaged ones.
#pragma once

#include "menus/GifDecoder.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace gif {

using Bytes = std::vector<BYTE>;

// Codes packed least significant bit first, as GIF stores them.
class CodeStream {
public:
    void Put(int code, int width) {
        for (int i = 0; i < width; ++i) {
            if (bitCount % 8 == 0) {
                bytes.push_back(0);
            }
            if ((code >> i) & 1) {
                bytes.back() = static_cast<BYTE>(bytes.back() | (1 << (bitCount % 8)));
            }
            ++bitCount;
        }
    }
    const Bytes& Data() const { return bytes; }

private:
    Bytes bytes;
    int bitCount = 0;
};

struct EncodeOptions {
    bool endCode = true;
};

// The LZW code stream of `pixels`: a clear code first, a clear code whenever
// the table fills, the end code last (unless left out).
inline Bytes EncodeLzw(int minimumCodeSize, const Bytes& pixels, EncodeOptions options = {}) {
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    CodeStream stream;
    std::map<std::pair<int, int>, int> table;
    int next = clear + 2;
    int width = minimumCodeSize + 1;
    // The decoder learns each code one code later than the encoder makes it,
    // so the width grows once the next code no longer fits.
    auto added = [&] {
        ++next;
        if (next > (1 << width) && width < 12) {
            ++width;
        }
    };
    stream.Put(clear, width);
    if (!pixels.empty()) {
        int prefix = pixels[0];
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const auto found = table.find({prefix, pixels[i]});
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            stream.Put(prefix, width);
            table[{prefix, pixels[i]}] = next;
            added();
            if (next == 4096) {
                stream.Put(clear, width);
                table.clear();
                next = clear + 2;
                width = minimumCodeSize + 1;
            }
            prefix = pixels[i];
        }
        stream.Put(prefix, width);
        if (next < 4096) {
            added();
        }
    }
    if (options.endCode) {
        stream.Put(end, width);
    }
    return stream.Data();
}

inline void AppendWord(Bytes& out, int value) {
    out.push_back(static_cast<BYTE>(value & 0xFF));
    out.push_back(static_cast<BYTE>((value >> 8) & 0xFF));
}

// Signature and logical screen descriptor; `tableBits` is the packed field's
// size (2^(tableBits+1) entries), -1 for no global colour table.
inline Bytes Header(int width, int height, int tableBits) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    AppendWord(out, width);
    AppendWord(out, height);
    out.push_back(static_cast<BYTE>(tableBits < 0 ? 0 : 0x80 | tableBits));
    out.push_back(0);  // background colour
    out.push_back(0);  // aspect ratio
    return out;
}

inline void AppendColours(Bytes& out, const std::vector<PaletteEntry>& colours) {
    for (const auto& c : colours) {
        out.insert(out.end(), {c.red, c.green, c.blue});
    }
}

// An image descriptor covering the screen, with a local table of 2^(bits+1)
// entries when `localTableBits` is not -1.
inline void AppendImageDescriptor(Bytes& out, int width, int height, int localTableBits = -1) {
    out.push_back(0x2C);
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, width);
    AppendWord(out, height);
    out.push_back(static_cast<BYTE>(localTableBits < 0 ? 0 : 0x80 | localTableBits));
}

// The minimum code size, the code stream in sub-blocks of `blockSize` bytes,
// and the block terminator (unless left out).
inline void AppendImageData(Bytes& out, int minimumCodeSize, const Bytes& codes, std::size_t blockSize = 255,
                            bool terminator = true) {
    out.push_back(static_cast<BYTE>(minimumCodeSize));
    for (std::size_t at = 0; at < codes.size(); at += blockSize) {
        const std::size_t length = std::min(blockSize, codes.size() - at);
        out.push_back(static_cast<BYTE>(length));
        out.insert(out.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                   codes.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    if (terminator) {
        out.push_back(0);
    }
}

// A palette of 2^(tableBits+1) distinct colours: entry i is (i, 255 - i, i / 2).
inline std::vector<PaletteEntry> Colours(int tableBits) {
    std::vector<PaletteEntry> colours;
    for (int i = 0; i < (2 << tableBits); ++i) {
        colours.push_back(PaletteEntry{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2)});
    }
    return colours;
}

// A whole, well-formed file of one image.
inline Bytes MakeGif(int width, int height, const std::vector<PaletteEntry>& colours, const Bytes& pixels,
                     int minimumCodeSize = 0, std::size_t blockSize = 255) {
    int tableBits = 0;
    while ((2 << tableBits) < static_cast<int>(colours.size())) {
        ++tableBits;
    }
    if (minimumCodeSize == 0) {
        minimumCodeSize = tableBits + 1 < 2 ? 2 : tableBits + 1;
    }
    Bytes out = Header(width, height, tableBits);
    AppendColours(out, colours);
    AppendImageDescriptor(out, width, height);
    AppendImageData(out, minimumCodeSize, EncodeLzw(minimumCodeSize, pixels), blockSize);
    out.push_back(0x3B);
    return out;
}

// Pixels that change in a pattern the encoder compresses well in places and
// badly in others: runs, repeats and noise from a fixed generator.
inline Bytes PatternPixels(int width, int height, int colourCount, unsigned seed = 1) {
    Bytes pixels;
    unsigned state = seed;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            BYTE value = 0;
            switch ((y / 4) % 3) {
                case 0: value = static_cast<BYTE>(x / 3); break;
                case 1: value = static_cast<BYTE>((x + y) % 3); break;
                default: value = static_cast<BYTE>(state >> 16); break;
            }
            pixels.push_back(static_cast<BYTE>(value % colourCount));
        }
    }
    return pixels;
}

}  // namespace gif
