// The GDI rules the owner-drawn menu entries and pictures rely on: what
// SelectObject and DeleteObject answer, bitmap formats and bits, SRCCOPY
// blits, fills, text colours and modes, DrawEdge and the non-client metrics.
// Only the Win32 surface is used, so the suite judges the simulated desktop
// and Windows alike; where pixels depend on a font's glyphs, only relations
// are checked.
#include "Platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A memory device context holding a 32-bit bitmap compatible with the
// screen, filled with one colour; released at the end of the test.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        Fill({0, 0, width, height}, fill);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    void Fill(RECT rect, COLORREF color) {
        const COLORREF old = SetBkColor(dc_, color);
        ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        SetBkColor(dc_, old);
    }
    // The pixels read back through the bitmap's bits (blue, green, red, unused).
    std::vector<COLORREF> Pixels() const {
        BITMAP info{};
        GetObjectW(bitmap_, sizeof(info), &info);
        std::vector<BYTE> bytes(static_cast<std::size_t>(info.bmWidthBytes * info.bmHeight));
        GetBitmapBits(bitmap_, static_cast<LONG>(bytes.size()), bytes.data());
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const BYTE* p = bytes.data() + y * info.bmWidthBytes + x * 4;
                pixels.push_back(RGB(p[2], p[1], p[0]));
            }
        return pixels;
    }
    COLORREF At(int x, int y) const { return Pixels()[static_cast<std::size_t>(y * width_ + x)]; }
    int Count(COLORREF color) const {
        int count = 0;
        for (COLORREF pixel : Pixels()) count += pixel == color ? 1 : 0;
        return count;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

BITMAP BitmapInfo(HBITMAP bitmap) {
    BITMAP info{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(info), &info), static_cast<int>(sizeof(BITMAP)));
    return info;
}

TEST(GdiApiTest, SelectObjectAnswersWithThePreviousObjectAndABitmapGoesIntoOneContextOnly) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    HDC first = CreateCompatibleDC(screen);
    HDC second = CreateCompatibleDC(screen);
    HBITMAP a = CreateCompatibleBitmap(screen, 4, 4);
    HBITMAP b = CreateCompatibleBitmap(screen, 4, 4);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);

    // A fresh memory context holds the 1×1 monochrome default bitmap.
    HGDIOBJ original = SelectObject(first, a);
    ASSERT_NE(original, nullptr);
    const BITMAP defaultInfo = BitmapInfo(static_cast<HBITMAP>(original));
    EXPECT_EQ(defaultInfo.bmWidth, 1);
    EXPECT_EQ(defaultInfo.bmBitsPixel, 1);

    EXPECT_EQ(SelectObject(second, a), nullptr) << "selected elsewhere";
    // Deleting a selected bitmap is left out: Windows refuses it, Wine defers
    // it; the simulated desktop answers as Windows (its own suite).
    EXPECT_EQ(SelectObject(first, b), a);
    EXPECT_EQ(SelectObject(second, a), original) << "free again once replaced";
    EXPECT_TRUE(DeleteDC(second)) << "with a bitmap selected";
    EXPECT_TRUE(DeleteObject(a)) << "the deleted context let go of it";
    EXPECT_EQ(SelectObject(first, original), b);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_FALSE(DeleteObject(b)) << "already deleted";
    EXPECT_TRUE(DeleteDC(first));
}

TEST(GdiApiTest, StockObjectsOutliveDeletion) {
    for (int index : {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        DeleteObject(stock);
        EXPECT_EQ(GetStockObject(index), stock) << index;
    }
    LOGFONTW font{};
    EXPECT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font), static_cast<int>(sizeof(font)));
}

TEST(GdiApiTest, BitmapFormatsAndTheirRows) {
    HDC screen = GetDC(nullptr);
    HBITMAP screenBitmap = CreateCompatibleBitmap(screen, 3, 2);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    // Compatible with a fresh memory context is compatible with its monochrome bitmap.
    HBITMAP fromMemory = CreateCompatibleBitmap(memory, 3, 2);
    HBITMAP mono = CreateBitmap(3, 2, 1, 1, nullptr);
    HBITMAP word = CreateBitmap(3, 2, 1, 16, nullptr);

    struct Case {
        const char* what;
        HBITMAP bitmap;
        int bitsPerPixel;
        int rowBytes;
    };
    const Case cases[] = {
        {"screen-compatible", screenBitmap, 32, 12},
        {"compatible with a fresh memory context", fromMemory, 1, 2},
        {"monochrome, rows padded to a WORD", mono, 1, 2},
        {"16 bits per pixel", word, 16, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetObjectW(c.bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP))) << c.what;
        const BITMAP info = BitmapInfo(c.bitmap);
        EXPECT_EQ(info.bmWidth, 3) << c.what;
        EXPECT_EQ(info.bmHeight, 2) << c.what;
        EXPECT_EQ(info.bmBitsPixel, c.bitsPerPixel) << c.what;
        EXPECT_EQ(info.bmWidthBytes, c.rowBytes) << c.what;
        EXPECT_EQ(info.bmBits, nullptr) << c.what;
        EXPECT_EQ(GetBitmapBits(c.bitmap, 0, nullptr), c.rowBytes * 2) << c.what;
    }
    for (HBITMAP bitmap : {screenBitmap, fromMemory, mono, word}) EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(memory);

    LOGFONTW font{};
    font.lfHeight = -12;
    HFONT created = CreateFontIndirectW(&font);
    EXPECT_EQ(GetObjectW(created, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    LOGFONTW back{};
    EXPECT_EQ(GetObjectW(created, sizeof(back), &back), static_cast<int>(sizeof(back)));
    EXPECT_EQ(back.lfHeight, -12);
    DeleteObject(created);
}

TEST(GdiApiTest, BitsAndBlitsKeepEveryPixel) {
    Canvas source(4, 3, RGB(0, 0, 0));
    std::vector<BYTE> bits(4 * 3 * 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        bits[i] = static_cast<BYTE>(i);           // blue
        bits[i + 1] = static_cast<BYTE>(i * 3);   // green
        bits[i + 2] = static_cast<BYTE>(255 - i); // red
    }
    EXPECT_EQ(SetBitmapBits(source.bitmap(), static_cast<DWORD>(bits.size()), bits.data()),
              static_cast<LONG>(bits.size()));

    Canvas target(6, 5, RGB(9, 8, 7));
    ASSERT_TRUE(BitBlt(target.dc(), 1, 2, 3, 2, source.dc(), 1, 1, SRCCOPY));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool copied = x >= 1 && x < 4 && y >= 2 && y < 4;
            COLORREF expected = RGB(9, 8, 7);
            if (copied) {
                const std::size_t i = static_cast<std::size_t>(((y - 1) * 4 + x) * 4);
                expected = RGB(bits[i + 2], bits[i + 1], bits[i]);
            }
            EXPECT_EQ(target.At(x, y), expected) << x << "," << y;
        }
}

// A memory context of a 32-bit screen takes no 16-bit bitmap; the bits still
// go in and out as they are.
TEST(GdiApiTest, SixteenBitBitmapsKeepTheirBitsButStayOutOfAThirtyTwoBitContext) {
    HDC screen = GetDC(nullptr);
    HBITMAP probe = CreateCompatibleBitmap(screen, 1, 1);
    const bool screenIs32 = BitmapInfo(probe).bmBitsPixel == 32;
    DeleteObject(probe);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const WORD words[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
    HBITMAP bitmap = CreateBitmap(4, 1, 1, 16, words);
    ASSERT_NE(bitmap, nullptr);
    if (screenIs32) {
        EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
    }
    WORD back[4] = {};
    EXPECT_EQ(GetBitmapBits(bitmap, sizeof(back), back), static_cast<LONG>(sizeof(back)));
    EXPECT_EQ(std::memcmp(back, words, sizeof(words)), 0);
    const WORD other[2] = {0x1234, 0x5678};
    EXPECT_EQ(SetBitmapBits(bitmap, sizeof(other), other), static_cast<LONG>(sizeof(other))) << "a part";
    EXPECT_EQ(GetBitmapBits(bitmap, sizeof(back), back), static_cast<LONG>(sizeof(back)));
    EXPECT_EQ(back[0], 0x1234);
    EXPECT_EQ(back[2], 0x001F) << "the rest as it was";
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(dc);
}

TEST(GdiApiTest, ColoursAndModesAnswerWithThePreviousValue) {
    Canvas canvas(2, 2, RGB(0, 0, 0));
    EXPECT_EQ(SetTextColor(canvas.dc(), RGB(1, 2, 3)), RGB(0, 0, 0)) << "black by default";
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(canvas.dc(), RGB(4, 5, 6)), RGB(255, 255, 255)) << "white by default";
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(4, 5, 6));
    EXPECT_EQ(SetBkMode(canvas.dc(), TRANSPARENT), OPAQUE) << "opaque by default";
    EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
    EXPECT_EQ(SetBkMode(canvas.dc(), OPAQUE), TRANSPARENT);
}

TEST(GdiApiTest, OpaqueFillCoversExactlyItsRectangle) {
    Canvas canvas(6, 5, RGB(0, 0, 255));
    SetBkColor(canvas.dc(), RGB(255, 0, 0));
    SetBkMode(canvas.dc(), TRANSPARENT);  // ETO_OPAQUE fills whatever the mode
    RECT rect{1, 1, 4, 3};
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(canvas.At(x, y), inside ? RGB(255, 0, 0) : RGB(0, 0, 255)) << x << "," << y;
        }
}

TEST(GdiApiTest, TransparentTextLeavesTheBackgroundOpaqueTextPaintsIt) {
    const COLORREF ground = RGB(0, 0, 255), text = RGB(0, 255, 0), background = RGB(255, 0, 0);
    for (int mode : {TRANSPARENT, OPAQUE}) {
        Canvas canvas(40, 30, ground);
        SetTextColor(canvas.dc(), text);
        SetBkColor(canvas.dc(), background);
        SetBkMode(canvas.dc(), mode);
        const WCHAR label[] = TEXT("ЖШ");
        ASSERT_TRUE(ExtTextOutW(canvas.dc(), 2, 2, 0, nullptr, label, 2, nullptr));
        EXPECT_GT(canvas.Count(text), 0) << mode;
        if (mode == TRANSPARENT) EXPECT_EQ(canvas.Count(background), 0);
        else EXPECT_GT(canvas.Count(background), 0);
    }
}

TEST(GdiApiTest, CalculatedTextRectangleMatchesTheReturnedHeight) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    ASSERT_NE(font, nullptr);
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    ASSERT_NE(previous, nullptr);

    RECT shortRect{0, 0, 0, 0};
    const int height = DrawTextW(screen, TEXT("Выход"), -1, &shortRect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_EQ(shortRect.bottom - shortRect.top, height);
    EXPECT_GT(shortRect.right, 0);
    RECT longRect{10, 20, 10, 20};
    EXPECT_EQ(DrawTextW(screen, TEXT("Выход Выход"), -1, &longRect, DT_CALCRECT | DT_SINGLELINE), height);
    EXPECT_EQ(longRect.top, 20);
    EXPECT_GT(longRect.right - longRect.left, shortRect.right) << "a longer label is wider";

    EXPECT_EQ(SelectObject(screen, previous), font);
    EXPECT_TRUE(DeleteObject(font));
    ReleaseDC(nullptr, screen);
}

TEST(GdiApiTest, CentredTextStaysInsideItsRectangle) {
    Canvas canvas(60, 40, RGB(0, 0, 255));
    SetTextColor(canvas.dc(), RGB(0, 255, 0));
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rect{10, 5, 60, 35};
    DrawTextW(canvas.dc(), TEXT("ЖЖ"), -1, &rect, DT_SINGLELINE | DT_VCENTER);
    const std::vector<COLORREF> pixels = canvas.Pixels();
    int top = 40, bottom = -1, left = 60;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (pixels[static_cast<std::size_t>(y * 60 + x)] != RGB(0, 0, 255)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    ASSERT_GE(bottom, 0) << "something drawn";
    EXPECT_GE(left, 10);
    EXPECT_GE(top, 5);
    EXPECT_LT(bottom, 35);
    // Centred: about as much room above the ink as below it.
    EXPECT_LE(std::abs((top - 5) - (34 - bottom)), 8);
}

// An unknown size is refused on Windows; Wine fills the structure anyway, so
// that case is pinned in the simulated desktop's own suite.
TEST(GdiApiTest, NonClientMetricsFillOnlyTheSizeTheCallerDeclares) {
    struct Case {
        const char* what;
        UINT size;
        bool accepted;
    };
    const Case cases[] = {
        {"without the padded border", static_cast<UINT>(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth)), true},
        {"the whole structure", sizeof(NONCLIENTMETRICSW), true},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> buffer(sizeof(NONCLIENTMETRICSW) + 16, 0xA5);
        std::memcpy(buffer.data(), &c.size, sizeof(c.size));
        EXPECT_EQ(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, c.size, buffer.data(), 0) != FALSE, c.accepted)
            << c.what;
        for (std::size_t i = c.accepted ? c.size : sizeof(UINT); i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xA5) << c.what << ": byte " << i << " written";
        if (!c.accepted) continue;
        NONCLIENTMETRICSW metrics{};
        std::memcpy(&metrics, buffer.data(), c.size);
        EXPECT_GT(metrics.iMenuHeight, 0) << c.what;
        EXPECT_NE(metrics.lfMenuFont.lfHeight, 0) << c.what;
    }
}

TEST(GdiApiTest, EdgesUseTheSystemsThreeDimensionalColours) {
    struct Case {
        const char* what;
        UINT edge;
        int topLeft;
        int bottomRight;
    };
    const Case cases[] = {
        {"raised inner", BDR_RAISEDINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"sunken outer", BDR_SUNKENOUTER, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
    };
    const COLORREF ground = RGB(1, 2, 3);
    for (const Case& c : cases) {
        Canvas canvas(10, 8, ground);
        RECT rect{1, 1, 9, 7};
        EXPECT_TRUE(DrawEdge(canvas.dc(), &rect, c.edge, BF_RECT)) << c.what;
        const COLORREF light = GetSysColor(c.topLeft), dark = GetSysColor(c.bottomRight);
        EXPECT_EQ(canvas.At(4, 1), light) << c.what << ": top";
        EXPECT_EQ(canvas.At(1, 4), light) << c.what << ": left";
        EXPECT_EQ(canvas.At(1, 1), light) << c.what << ": top-left corner";
        EXPECT_EQ(canvas.At(4, 6), dark) << c.what << ": bottom";
        EXPECT_EQ(canvas.At(8, 4), dark) << c.what << ": right";
        EXPECT_EQ(canvas.At(8, 6), dark) << c.what << ": bottom-right corner";
        EXPECT_EQ(canvas.At(8, 1), dark) << c.what << ": top-right corner";
        EXPECT_EQ(canvas.At(1, 6), dark) << c.what << ": bottom-left corner";
        EXPECT_EQ(canvas.At(4, 3), ground) << c.what << ": the middle is left alone";
        EXPECT_EQ(canvas.At(0, 0), ground) << c.what << ": outside";
        EXPECT_EQ(canvas.At(9, 7), ground) << c.what << ": outside";
    }
}

}  // namespace
