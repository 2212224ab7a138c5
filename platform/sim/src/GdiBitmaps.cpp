// gdi32: device-dependent bitmaps with real pixels, their bits and SRCCOPY
// blits between device contexts.
#include "GdiState.h"
#include "simdesk/Gdi.h"

#include <algorithm>
#include <cstring>

namespace simdesk::detail {

namespace {

// 5- and 6-bit channels widen by repeating their top bits, so that full
// intensity stays 255 and black stays 0.
BYTE Widen5(unsigned value) { return static_cast<BYTE>((value << 3) | (value >> 2)); }
BYTE Widen6(unsigned value) { return static_cast<BYTE>((value << 2) | (value >> 4)); }

}  // namespace

void Surface::Allocate(int newWidth, int newHeight, int newBitsPerPixel) {
    width = newWidth;
    height = newHeight;
    bitsPerPixel = newBitsPerPixel;
    bytes.assign(static_cast<std::size_t>(RowBytes()) * static_cast<std::size_t>(height), 0);
}

COLORREF Surface::Get(int x, int y) const {
    if (!Contains(x, y)) return CLR_INVALID;
    const BYTE* row = bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes());
    switch (bitsPerPixel) {
        case 32: {
            const BYTE* pixel = row + x * 4;
            return RGB(pixel[2], pixel[1], pixel[0]);
        }
        case 16: {
            const unsigned word = row[x * 2] | (row[x * 2 + 1] << 8);
            return RGB(Widen5(word >> 11), Widen6((word >> 5) & 0x3F), Widen5(word & 0x1F));
        }
        default:
            return (row[x / 8] & (0x80 >> (x % 8))) != 0 ? RGB(255, 255, 255) : RGB(0, 0, 0);
    }
}

void Surface::Set(int x, int y, COLORREF color) {
    if (!Contains(x, y)) return;
    BYTE* row = bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes());
    switch (bitsPerPixel) {
        case 32: {
            BYTE* pixel = row + x * 4;
            pixel[0] = GetBValue(color);
            pixel[1] = GetGValue(color);
            pixel[2] = GetRValue(color);
            pixel[3] = 0;
            break;
        }
        case 16: {
            const unsigned word = ((GetRValue(color) >> 3) << 11) | ((GetGValue(color) >> 2) << 5) |
                                  (GetBValue(color) >> 3);
            row[x * 2] = static_cast<BYTE>(word & 0xFF);
            row[x * 2 + 1] = static_cast<BYTE>(word >> 8);
            break;
        }
        default: {
            // Monochrome: only white sets a bit. The platform compares with
            // the background colour; the program never draws in monochrome.
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            if ((color & 0xFFFFFF) == RGB(255, 255, 255))
                row[x / 8] = static_cast<BYTE>(row[x / 8] | bit);
            else
                row[x / 8] = static_cast<BYTE>(row[x / 8] & ~bit);
        }
    }
}

void Surface::Fill(const RECT& rect, COLORREF color) {
    const int left = std::max<int>(rect.left, 0), right = std::min<int>(rect.right, width);
    const int top = std::max<int>(rect.top, 0), bottom = std::min<int>(rect.bottom, height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) Set(x, y, color);
}

}  // namespace simdesk::detail

using namespace simdesk::detail;

namespace {

HBITMAP AddBitmap(int width, int height, int bitsPerPixel) {
    GdiObject object;
    object.kind = GdiKind::Bitmap;
    object.surface.Allocate(width, height, bitsPerPixel);
    return static_cast<HBITMAP>(AddGdiObject(std::move(object)));
}

// Sizes past this are refused as the platform refuses what it cannot allocate.
constexpr int kMaxBitmapSide = 16384;

}  // namespace

// The bitmap takes the format of the device context: the screen's, or that
// of the bitmap a memory device context holds (a fresh one holds the
// monochrome default bitmap, so its compatible bitmaps are monochrome).
HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height) {
    const Surface* surface = DrawingSurface(dc);
    if (surface == nullptr || width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return nullptr;
    if (width == 0 || height == 0) return DefaultBitmap();
    return AddBitmap(width, height, surface->bitsPerPixel);
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 16 && bitsPerPixel != 32)) return nullptr;
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return nullptr;
    if (width == 0 || height == 0) return DefaultBitmap();
    HBITMAP bitmap = AddBitmap(width, height, static_cast<int>(bitsPerPixel));
    if (bits != nullptr) {
        Surface& surface = FindGdiObject(bitmap, GdiKind::Bitmap)->surface;
        std::memcpy(surface.bytes.data(), bits, surface.bytes.size());
    }
    return bitmap;
}

LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
    const GdiObject* object = FindGdiObject(bitmap, GdiKind::Bitmap);
    if (object == nullptr || size < 0) return 0;
    const auto total = static_cast<LONG>(object->surface.bytes.size());
    if (bits == nullptr) return total;
    const LONG copied = std::min(size, total);
    std::memcpy(bits, object->surface.bytes.data(), static_cast<std::size_t>(copied));
    return copied;
}

LONG WINAPI SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
    GdiObject* object = FindGdiObject(bitmap, GdiKind::Bitmap);
    if (object == nullptr || bits == nullptr) return 0;
    const std::size_t copied = std::min<std::size_t>(size, object->surface.bytes.size());
    std::memcpy(object->surface.bytes.data(), bits, copied);
    return static_cast<LONG>(copied);
}

// Only SRCCOPY, the one operation the program uses; other operations fail.
BOOL WINAPI BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   DWORD rop) {
    Surface* to = DrawingSurface(target);
    const Surface* from = DrawingSurface(source);
    if (to == nullptr || from == nullptr || rop != SRCCOPY) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;
    if (from->bitsPerPixel == to->bitsPerPixel && from->bitsPerPixel != 1) {
        // Same format: whole pixels as they are, unused byte included.
        const int pixelBytes = from->bitsPerPixel / 8;
        // A blit within one surface reads the pixels as they were before it.
        Surface copy;
        if (from == to) copy = *from;
        const Surface& snapshot = from == to ? copy : *from;
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column) {
                const int fx = sourceX + column, fy = sourceY + row, tx = x + column, ty = y + row;
                if (!snapshot.Contains(fx, fy) || !to->Contains(tx, ty)) continue;
                std::memcpy(to->bytes.data() + ty * to->RowBytes() + tx * pixelBytes,
                            snapshot.bytes.data() + fy * snapshot.RowBytes() + fx * pixelBytes,
                            static_cast<std::size_t>(pixelBytes));
            }
        return TRUE;
    }
    // Copy through a buffer so that a blit within one surface reads the old pixels.
    std::vector<COLORREF> copied(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            copied[static_cast<std::size_t>(row * width + column)] = from->Get(sourceX + column, sourceY + row);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const COLORREF color = copied[static_cast<std::size_t>(row * width + column)];
            // Pixels outside the source are left as they are in the target.
            if (color != CLR_INVALID) to->Set(x + column, y + row, color);
        }
    return TRUE;
}

namespace simdesk {

BitmapPixels ReadBitmap(HBITMAP bitmap) {
    BitmapPixels result;
    const GdiObject* object = FindGdiObject(bitmap, GdiKind::Bitmap);
    if (object == nullptr) return result;
    result.width = object->surface.width;
    result.height = object->surface.height;
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) result.pixels.push_back(object->surface.Get(x, y));
    return result;
}

}  // namespace simdesk
