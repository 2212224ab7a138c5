// Shared internal state of the simulated GDI: the object and device-context
// tables, and the pixel surfaces they draw on.
#pragma once

#include "simwin/Win32.h"

#include <cstdint>
#include <vector>

namespace simdesk::detail {

// Pixels in the platform's device-dependent layouts: rows padded to whole
// WORDs, 32-bit pixels as blue, green, red and an unused byte, 16-bit pixels
// as 5-6-5 words, 1-bit pixels most significant bit first.
struct Surface {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<BYTE> bytes;

    int RowBytes() const { return (width * bitsPerPixel + 15) / 16 * 2; }
    void Allocate(int newWidth, int newHeight, int newBitsPerPixel);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    COLORREF Get(int x, int y) const;
    void Set(int x, int y, COLORREF color);
    // Fills the rectangle, clipped to the surface.
    void Fill(const RECT& rect, COLORREF color);
};

enum class GdiKind { Bitmap, Font, Brush };

struct GdiObject {
    GdiKind kind = GdiKind::Bitmap;
    bool stock = false;
    // Deleted by the program while selected: it goes when it is deselected.
    bool deletePending = false;
    // Device contexts it is selected into (a bitmap: at most one).
    int selections = 0;
    Surface surface;  // bitmaps
    LOGFONTW font{};  // fonts
    COLORREF color = 0;  // brushes
};

struct DeviceContext {
    // From GetDC (the screen) or a memory device context of its own.
    bool memory = false;
    HBITMAP bitmap = nullptr;
    HFONT font = nullptr;
    HBRUSH brush = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backgroundColor = RGB(255, 255, 255);
    int backgroundMode = OPAQUE;
};

GdiObject* FindGdiObject(HGDIOBJ handle);
GdiObject* FindGdiObject(HGDIOBJ handle, GdiKind kind);
HGDIOBJ AddGdiObject(GdiObject object);
DeviceContext* FindDeviceContext(HDC dc);
// Where the device context's drawing lands: its bitmap, or the screen.
Surface* DrawingSurface(HDC dc);
Surface& ScreenSurface();
// The font selected into the device context.
const LOGFONTW& SelectedFont(const DeviceContext& dc);
HBITMAP DefaultBitmap();

}  // namespace simdesk::detail
