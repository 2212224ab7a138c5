// A picture's pixel records from its image and its mask: the transparent
// colour of a picture without a mask, a mask resource's palette and indices,
// and masks the program never ships (missing, broken, of another size), which
// must leave a picture that draws without transparency.
#include "menus/PicturePixels.h"

#include "common/GifBuilder.h"

#include <gtest/gtest.h>

namespace {

using gif::Bytes;

std::vector<PaletteEntry> WithBlues(std::initializer_list<int> blues) {
    std::vector<PaletteEntry> colours;
    for (int blue : blues) {
        colours.push_back(PaletteEntry{7, 8, static_cast<BYTE>(blue)});
    }
    return colours;
}

void ExpectBlackAndWhite(const Palette& mask) {
    ASSERT_EQ(mask.count, 2);
    EXPECT_EQ(mask.entries[0].red + mask.entries[0].green + mask.entries[0].blue, 0);
    EXPECT_EQ(mask.entries[1].red & mask.entries[1].green & mask.entries[1].blue, 255);
}

TEST(GifPicturePixelsTest, WithoutAMaskTheTransparentColourGetsTheWhiteMask) {
    struct Case {
        const char* what;
        std::vector<PaletteEntry> colours;
        int transparent;
    };
    const Case cases[] = {
        {"the highest entry with blue 255", WithBlues({255, 0, 255, 254}), 2},
        {"the last entry itself", WithBlues({255, 0, 0, 255}), 3},
        {"no entry with blue 255: the last entry", WithBlues({0, 254, 1, 128}), 3},
    };
    const Bytes pixels = {0, 1, 2, 3, 3, 2, 1, 0};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = gif::MakeGif(4, 2, c.colours, pixels);
        PicturePixels picture;
        ASSERT_TRUE(MakePicturePixels(file.data(), file.size(), picture));
        ASSERT_EQ(picture.width, 4);
        ASSERT_EQ(picture.height, 2);
        ExpectBlackAndWhite(picture.maskColours);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            EXPECT_EQ(picture.pixels[i].colourIndex, pixels[i]) << "pixel " << i;
            EXPECT_EQ(picture.pixels[i].maskIndex, pixels[i] == c.transparent ? 1 : 0) << "pixel " << i;
        }
    }
}

TEST(GifPicturePixelsTest, AMaskOfTheSameSizeGivesItsPaletteAndIndices) {
    const auto colours = gif::Colours(1);
    const Bytes pixels = {0, 1, 2, 3, 3, 2};
    const std::vector<PaletteEntry> maskColours = {{0, 0, 0}, {255, 255, 255}, {128, 128, 128}, {1, 2, 3}};
    const Bytes maskPixels = {1, 0, 0, 2, 3, 1};
    const Bytes image = gif::MakeGif(3, 2, colours, pixels);
    const Bytes mask = gif::MakeGif(3, 2, maskColours, maskPixels);

    PicturePixels picture;
    ASSERT_TRUE(MakePicturePixels(image.data(), image.size(), mask.data(), mask.size(), picture));
    ASSERT_EQ(picture.maskColours.count, 4);
    EXPECT_EQ(picture.maskColours.entries[2].green, 128);
    EXPECT_EQ(picture.maskColours.entries[3].blue, 3);
    EXPECT_EQ(picture.colours.entries[3].green, colours[3].green);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_EQ(picture.pixels[i].colourIndex, pixels[i]) << "pixel " << i;
        EXPECT_EQ(picture.pixels[i].maskIndex, maskPixels[i]) << "pixel " << i;
    }
}

TEST(GifPicturePixelsTest, AMaskThatCannotBeUsedLeavesEveryPixelShown) {
    const auto colours = gif::Colours(1);
    const Bytes pixels = {3, 3, 3, 3, 0, 1};  // 3 would be the transparent colour
    const Bytes image = gif::MakeGif(3, 2, colours, pixels);
    const auto maskColours = gif::Colours(0);
    Bytes noTable = gif::MakeGif(3, 2, maskColours, Bytes(6, 1));
    noTable[10] = 0;
    struct Case {
        const char* what;
        Bytes mask;
    };
    const Case cases[] = {
        {"a missing mask", {}},
        {"a wider mask", gif::MakeGif(4, 2, maskColours, Bytes(8, 1))},
        {"a lower mask", gif::MakeGif(3, 1, maskColours, Bytes(3, 1))},
        {"a larger mask", gif::MakeGif(30, 20, maskColours, Bytes(600, 1))},
        {"a mask without a colour table", noTable},
        {"a truncated mask", Bytes(noTable.begin(), noTable.begin() + 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PicturePixels picture;
        ASSERT_TRUE(MakePicturePixels(image.data(), image.size(), c.mask.empty() ? nullptr : c.mask.data(),
                                      c.mask.size(), picture));
        ASSERT_FALSE(picture.IsEmpty());
        ExpectBlackAndWhite(picture.maskColours);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            EXPECT_EQ(picture.pixels[i].colourIndex, pixels[i]) << "pixel " << i;
            EXPECT_EQ(picture.pixels[i].maskIndex, 0) << "pixel " << i;
        }
    }
}

TEST(GifPicturePixelsTest, AnImageThatDoesNotDecodeLeavesThePictureEmpty) {
    const Bytes good = gif::MakeGif(2, 2, gif::Colours(0), Bytes{0, 1, 1, 0});
    Bytes zeroWidth = good;
    zeroWidth[6] = 0;
    for (const bool withMask : {false, true}) {
        PicturePixels picture;
        picture.width = 5;
        const bool made = withMask
                              ? MakePicturePixels(zeroWidth.data(), zeroWidth.size(), good.data(), good.size(), picture)
                              : MakePicturePixels(zeroWidth.data(), zeroWidth.size(), picture);
        EXPECT_FALSE(made);
        EXPECT_TRUE(picture.IsEmpty());
        EXPECT_EQ(picture.width, 0);
    }
}

}  // namespace
