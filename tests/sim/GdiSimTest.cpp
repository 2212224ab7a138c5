// The simulated GDI's own side: live object and device-context counts that
// show a leak, the screen's 16-bit format, and the fixed-cell font whose
// extents and glyph blocks the owner-draw tests measure against.
#include "Platform.h"
#include "simdesk/Desktop.h"
#include "simdesk/Gdi.h"

#include <gtest/gtest.h>

namespace {

class GdiSimTest : public ::testing::Test {
protected:
    void SetUp() override { simdesk::Reset(); }
    void TearDown() override { simdesk::Reset(); }
};

TEST_F(GdiSimTest, CountsShowEveryObjectAndContextUntilGivenBack) {
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 0) << "stock objects are not the program's";
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_EQ(simdesk::LiveDeviceContexts(), 2);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    LOGFONTW logFont{};
    HFONT font = CreateFontIndirectW(&logFont);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 2);

    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font);
    EXPECT_EQ(simdesk::SelectedBitmap(memory), bitmap);
    EXPECT_FALSE(DeleteObject(bitmap)) << "a selected bitmap stays, as Windows documents";
    // A font deleted while selected is gone for the program but lives on in
    // the context until put back.
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(simdesk::LiveGdiObjects(), 2);
    SelectObject(memory, oldFont);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 1);
    EXPECT_EQ(SelectObject(memory, font), nullptr) << "a deleted font is no handle";

    SelectObject(memory, oldBitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(ReleaseDC(nullptr, memory), 0) << "already deleted";
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 0);
    EXPECT_EQ(simdesk::LiveDeviceContexts(), 0);
}

TEST_F(GdiSimTest, ASixteenBitScreenMakesFiveSixFiveBitmapsReadBackWidened) {
    simdesk::SetScreenBitsPerPixel(16);
    HDC screen = GetDC(nullptr);
    HBITMAP narrow = CreateCompatibleBitmap(screen, 3, 1);
    BITMAP info{};
    GetObjectW(narrow, sizeof(info), &info);
    EXPECT_EQ(info.bmBitsPixel, 16);
    HDC from = CreateCompatibleDC(screen);
    HGDIOBJ oldFrom = SelectObject(from, narrow);
    const COLORREF colors[] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(200, 100, 50)};
    for (int x = 0; x < 3; ++x) {
        RECT pixel{x, 0, x + 1, 1};
        SetBkColor(from, colors[x]);
        ExtTextOutW(from, 0, 0, ETO_OPAQUE, &pixel, nullptr, 0, nullptr);
    }
    // A 32-bit bitmap does not go into a 16-bit screen's memory context.
    HBITMAP wide = CreateBitmap(3, 1, 1, 32, nullptr);
    HDC to = CreateCompatibleDC(screen);
    EXPECT_EQ(SelectObject(to, wide), nullptr);
    HBITMAP copy = CreateCompatibleBitmap(screen, 3, 1);
    HGDIOBJ oldTo = SelectObject(to, copy);
    ASSERT_TRUE(BitBlt(to, 0, 0, 3, 1, from, 0, 0, SRCCOPY));
    WORD words[3] = {};
    GetBitmapBits(narrow, sizeof(words), words);
    EXPECT_EQ(words[0], 0xFFFF);
    EXPECT_EQ(words[2], (25 << 11) | (25 << 5) | 6) << "5-6-5";
    const simdesk::BitmapPixels pixels = simdesk::ReadBitmap(copy);
    EXPECT_EQ(pixels.At(0, 0), RGB(255, 255, 255)) << "full intensity stays full";
    EXPECT_EQ(pixels.At(1, 0), RGB(0, 0, 0));
    // 200 → 25 of 31 → 206; 100 → 25 of 63 → 101; 50 → 6 of 31 → 49.
    EXPECT_EQ(pixels.At(2, 0), RGB(206, 101, 49));
    SelectObject(to, oldTo);
    SelectObject(from, oldFrom);
    DeleteObject(wide);
    DeleteObject(copy);
    DeleteObject(narrow);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 0);
}

// The fixed-cell font: a cell is as tall as the font (a character height
// of 12 gets 16 with its leading) and half as wide; a glyph is a block one
// pixel inside its cell.
TEST_F(GdiSimTest, TextIsDrawnInFixedCells) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ oldFont = SelectObject(dc, font);

    RECT measured{5, 5, 5, 5};
    EXPECT_EQ(DrawTextW(dc, TEXT("&Ab c"), -1, &measured, DT_CALCRECT | DT_SINGLELINE), 16);
    EXPECT_EQ(measured.right, 5 + 4 * 8) << "the prefix mark takes no cell";
    EXPECT_EQ(measured.bottom, 5 + 16);

    RECT fill{0, 0, 40, 24};
    SetBkColor(dc, RGB(0, 0, 255));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &fill, nullptr, 0, nullptr);
    SetTextColor(dc, RGB(0, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT row{0, 0, 40, 24};
    // Centred in 24 rows: the 16-row cell starts at row 4; the answer is its bottom.
    EXPECT_EQ(DrawTextW(dc, TEXT("a b"), -1, &row, DT_SINGLELINE | DT_VCENTER), 20);
    const simdesk::BitmapPixels pixels = simdesk::ReadBitmap(bitmap);
    struct Probe {
        int x, y;
        COLORREF color;
        const char* what;
    };
    const Probe probes[] = {
        {1, 5, RGB(0, 255, 0), "first glyph's top-left"},
        {6, 18, RGB(0, 255, 0), "first glyph's bottom-right"},
        {0, 10, RGB(0, 0, 255), "the cell's margin"},
        {1, 4, RGB(0, 0, 255), "the cell's top row"},
        {11, 10, RGB(0, 0, 255), "a space draws nothing"},
        {17, 10, RGB(0, 255, 0), "third glyph"},
    };
    for (const Probe& p : probes) EXPECT_EQ(pixels.At(p.x, p.y), p.color) << p.what;

    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(simdesk::LiveGdiObjects(), 0);
}

TEST_F(GdiSimTest, MenuMetricsAreTheDesktopsOwn) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_EQ(metrics.iMenuHeight, 19);
    EXPECT_EQ(metrics.lfMenuFont.lfHeight, -12);
    EXPECT_EQ(std::u16string(metrics.lfMenuFont.lfFaceName), u"Segoe UI");

    // An unknown size is refused and nothing past it written (Windows' rule;
    // Wine fills the structure whatever the size says).
    NONCLIENTMETRICSW unknown{};
    unknown.cbSize = 123;
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 123, &unknown, 0));
    EXPECT_EQ(unknown.iBorderWidth, 0);
}

}  // namespace
