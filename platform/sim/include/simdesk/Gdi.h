// Control interface of the simulated desktop's GDI: what a test reads to see
// the program's device contexts and drawing objects, and the pixels drawn.
#pragma once

#include "simwin/Win32.h"

#include <vector>

namespace simdesk {

// Drawing objects the program created and has not deleted (stock objects
// never count), and device contexts it got or made and has not given back.
int LiveGdiObjects();
int LiveDeviceContexts();

// The screen's colour depth: 32 (the default) or 16 bits per pixel; bitmaps
// made compatible with the screen get it. Set it before the program draws.
void SetScreenBitsPerPixel(int bitsPerPixel);
int ScreenBitsPerPixel();

// A bitmap's pixels as colours, row by row from the top; empty for a handle
// that is not a bitmap. 16-bit pixels come back widened (5 or 6 bits to 8).
struct BitmapPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
BitmapPixels ReadBitmap(HBITMAP bitmap);
// The bitmap selected into a memory device context, or nullptr.
HBITMAP SelectedBitmap(HDC dc);

}  // namespace simdesk
