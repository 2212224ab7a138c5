// The GIF decoder on files built byte by byte: well-formed pictures decoded
// pixel by pixel, and every kind of damage, which must leave an empty image or
// a partial one without a read or write out of bounds (the sanitizers watch
// on the simulated desktop's build).
#include "menus/GifDecoder.h"

#include "common/GifBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gif::Bytes;

void ExpectImage(const GifImage& image, int width, int height, const std::vector<PaletteEntry>& colours,
                 const Bytes& pixels) {
    ASSERT_FALSE(image.IsEmpty());
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.colours.count, static_cast<int>(colours.size()));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(image.colours.entries[i].red, colours[i].red) << "entry " << i;
        EXPECT_EQ(image.colours.entries[i].green, colours[i].green) << "entry " << i;
        EXPECT_EQ(image.colours.entries[i].blue, colours[i].blue) << "entry " << i;
    }
    EXPECT_EQ(image.decodedPixels, static_cast<long long>(pixels.size()));
    int wrong = 0;
    for (std::size_t i = 0; i < pixels.size() && wrong < 5; ++i) {
        if (image.indices[i] != pixels[i]) {
            ADD_FAILURE() << "pixel (" << i % width << ", " << i / width << "): " << int{image.indices[i]}
                          << " instead of " << int{pixels[i]};
            ++wrong;
        }
    }
}

TEST(GifDecoderTest, DecodesWellFormedPicturesPixelByPixel) {
    struct Case {
        const char* what;
        int width;
        int height;
        int tableBits;
        std::size_t blockSize;
        bool uniform;
    };
    const Case cases[] = {
        {"a single pixel", 1, 1, 0, 255, false},
        {"a menu-sized picture, 16 colours", 16, 16, 3, 255, false},
        {"a picture wider than high, 4 colours", 23, 5, 1, 255, false},
        {"sub-blocks of one byte", 16, 16, 3, 1, false},
        {"sub-blocks of an odd length", 31, 7, 2, 7, false},
        {"256 colours with noise: the table fills and clears, 12-bit codes", 120, 80, 7, 255, false},
        {"one colour: codes defined by the code that uses them, long strings", 200, 90, 0, 255, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto colours = gif::Colours(c.tableBits);
        const Bytes pixels = c.uniform ? Bytes(static_cast<std::size_t>(c.width * c.height), 1)
                                       : gif::PatternPixels(c.width, c.height, static_cast<int>(colours.size()));
        const Bytes file = gif::MakeGif(c.width, c.height, colours, pixels, 0, c.blockSize);
        GifImage image;
        ASSERT_TRUE(DecodeGif(file.data(), file.size(), image));
        ExpectImage(image, c.width, c.height, colours, pixels);
    }
}

TEST(GifDecoderTest, ExtensionsAndALocalTableBeforeTheImageDataAreSteppedOver) {
    const auto colours = gif::Colours(1);
    const Bytes pixels = gif::PatternPixels(6, 4, 4);
    Bytes file = gif::Header(6, 4, 1);
    gif::AppendColours(file, colours);
    // A graphic control extension whose delay and transparent index are 0x2C,
    // and a comment that holds image separators.
    file.insert(file.end(), {0x21, 0xF9, 4, 0x01, 0x2C, 0x00, 0x2C, 0});
    file.insert(file.end(), {0x21, 0xFE, 3, 0x2C, 0x2C, 0x2C, 0});
    gif::AppendImageDescriptor(file, 6, 4, 1);
    gif::AppendColours(file, gif::Colours(1));  // the local table: skipped, not used
    gif::AppendImageData(file, 2, gif::EncodeLzw(2, pixels));
    file.push_back(0x3B);

    GifImage image;
    ASSERT_TRUE(DecodeGif(file.data(), file.size(), image));
    ExpectImage(image, 6, 4, colours, pixels);
}

TEST(GifDecoderTest, FilesWithoutAUsablePictureLeaveTheImageEmpty) {
    const auto colours = gif::Colours(1);
    const Bytes pixels = gif::PatternPixels(4, 4, 4);
    const Bytes good = gif::MakeGif(4, 4, colours, pixels);
    auto withHeader = [&](int width, int height, int tableBits) {
        Bytes file = gif::Header(width, height, tableBits);
        file.insert(file.end(), good.begin() + 13, good.end());
        return file;
    };
    auto withCodeSize = [&](int size) {
        Bytes file = good;
        file[13 + 12 + 10] = static_cast<BYTE>(size);
        return file;
    };
    struct Case {
        std::string what;
        Bytes file;
    };
    const Case cases[] = {
        {"no bytes", {}},
        {"shorter than the screen descriptor", Bytes(good.begin(), good.begin() + 12)},
        {"no global colour table", withHeader(4, 4, -1)},
        {"zero width", withHeader(0, 4, 1)},
        {"zero height", withHeader(4, 0, 1)},
        {"the largest size GIF can state", withHeader(65535, 65535, 1)},
        {"more pixels than a picture may have", withHeader(1025, 1024, 1)},
        {"a colour table shorter than declared", Bytes(good.begin(), good.begin() + 13 + 11)},
        {"a 256-entry table declared, four given", withHeader(4, 4, 7)},
        {"no image separator", Bytes(good.begin(), good.begin() + 13 + 12)},
        {"an image descriptor cut short", Bytes(good.begin(), good.begin() + 13 + 12 + 6)},
        {"nothing after the image descriptor", Bytes(good.begin(), good.begin() + 13 + 12 + 10)},
        {"minimum code size 0", withCodeSize(0)},
        {"minimum code size 1", withCodeSize(1)},
        {"minimum code size 9: indices past a byte", withCodeSize(9)},
        {"minimum code size 12: codes past 12 bits", withCodeSize(12)},
        {"minimum code size 255", withCodeSize(255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GifImage image;
        image.width = 7;  // a used image is emptied first
        EXPECT_FALSE(DecodeGif(c.file.empty() ? nullptr : c.file.data(), c.file.size(), image));
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_EQ(image.width, 0);
        EXPECT_EQ(image.height, 0);
    }
    GifImage image;
    EXPECT_FALSE(DecodeGif(nullptr, 100, image));
}

// Damaged image data keeps what came before the damage; the other pixels are
// index 0, and nothing past width × height is written.
TEST(GifDecoderTest, DamagedImageDataKeepsThePixelsBeforeTheDamage) {
    const int width = 5;
    const int height = 3;
    const auto colours = gif::Colours(1);  // 4 colours, minimum code size 2
    // Codes of minimum size 2: clear 4, end 5, the first new code 6; three
    // bits wide until the table reaches 8.
    auto stream = [](std::initializer_list<int> codes) {
        gif::CodeStream s;
        for (int code : codes) {
            s.Put(code, 3);
        }
        return s.Data();
    };
    struct Case {
        const char* what;
        Bytes codes;
        bool terminator;
        Bytes expected;  // the pixels that must come out, the rest 0
    };
    const Case cases[] = {
        {"a code not yet defined", stream({4, 1, 7, 3}), true, {1}},
        {"a string code right after the clear code", stream({4, 1, 4, 6, 2}), true, {1}},
        {"the end code before the last pixel", stream({4, 3, 3, 5, 1}), true, {3, 3}},
        // Whole bytes of codes, so no padding bits are left to read as a code.
        {"no end code, a block terminator", stream({4, 1, 2, 4, 3, 3, 4, 1}), true, {1, 2, 3, 3, 1}},
        {"no end code, no block terminator", stream({4, 2, 2, 4, 2, 2, 4, 1}), false, {2, 2, 2, 2, 1}},
        {"only clear codes", stream({4, 4, 4, 4, 4, 4, 4, 4}), true, {}},
        {"no clear code first", stream({1, 3, 5}), true, {1, 3}},
        {"no codes at all", {}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = gif::Header(width, height, 1);
        gif::AppendColours(file, colours);
        gif::AppendImageDescriptor(file, width, height);
        gif::AppendImageData(file, 2, c.codes, 255, c.terminator);
        GifImage image;
        ASSERT_TRUE(DecodeGif(file.data(), file.size(), image));
        ASSERT_EQ(image.PixelCount(), width * height);
        EXPECT_EQ(image.decodedPixels, static_cast<long long>(c.expected.size()));
        for (int i = 0; i < width * height; ++i) {
            const BYTE want = i < static_cast<int>(c.expected.size()) ? c.expected[static_cast<std::size_t>(i)] : 0;
            EXPECT_EQ(image.indices[static_cast<std::size_t>(i)], want) << "pixel " << i;
        }
    }
}

TEST(GifDecoderTest, DataForMorePixelsThanTheScreenIsIgnored) {
    const auto colours = gif::Colours(2);
    const Bytes pixels = gif::PatternPixels(20, 20, 8);
    // The screen says 10 × 3; the image data holds 400 pixels (and a uniform
    // run whose last string crosses the end of the screen).
    const Bytes uniform(400, 5);
    for (const Bytes* data : {&pixels, &uniform}) {
        Bytes file = gif::Header(10, 3, 2);
        gif::AppendColours(file, colours);
        gif::AppendImageDescriptor(file, 20, 20);
        gif::AppendImageData(file, 3, gif::EncodeLzw(3, *data));
        GifImage image;
        ASSERT_TRUE(DecodeGif(file.data(), file.size(), image));
        ExpectImage(image, 10, 3, colours, Bytes(data->begin(), data->begin() + 30));
    }
}

TEST(GifDecoderTest, IndicesPastTheColourTableNameBlackEntries) {
    const std::vector<PaletteEntry> colours = {{10, 20, 30}, {40, 50, 60}};
    const Bytes pixels = {0, 1, 200, 255};
    const Bytes file = gif::MakeGif(2, 2, colours, pixels, 8);
    GifImage image;
    ASSERT_TRUE(DecodeGif(file.data(), file.size(), image));
    ExpectImage(image, 2, 2, colours, pixels);
    for (int index : {2, 200, 255}) {
        const PaletteEntry& entry = image.colours.entries[index];
        EXPECT_EQ(entry.red + entry.green + entry.blue, 0) << "entry " << index;
    }
}

// Every prefix of a well-formed file: the decoder stays inside the bytes it
// is given, and what it decodes is the beginning of the picture.
TEST(GifDecoderTest, EveryTruncationDecodesSafely) {
    const auto colours = gif::Colours(3);
    const Bytes pixels = gif::PatternPixels(12, 9, 16);
    const Bytes file = gif::MakeGif(12, 9, colours, pixels, 0, 16);
    for (std::size_t length = 0; length < file.size(); ++length) {
        SCOPED_TRACE("first " + std::to_string(length) + " bytes");
        // An exact-size copy, so that a read past the end is a sanitizer's error.
        std::unique_ptr<BYTE[]> cut(new BYTE[length + 1]);
        std::copy(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length), cut.get());
        GifImage image;
        if (!DecodeGif(cut.get(), length, image)) {
            EXPECT_TRUE(image.IsEmpty());
            continue;
        }
        ASSERT_EQ(image.PixelCount(), 12 * 9);
        ASSERT_LE(image.decodedPixels, 12 * 9);
        for (long long i = 0; i < image.PixelCount(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            ASSERT_EQ(image.indices[at], i < image.decodedPixels ? pixels[at] : 0) << "pixel " << i;
        }
    }
}

}  // namespace
