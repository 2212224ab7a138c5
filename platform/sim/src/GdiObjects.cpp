// gdi32: device contexts and the object table (select, delete, stock
// objects, GetObjectW), with the control interface's counts.
#include "GdiState.h"
#include "State.h"
#include "simdesk/Gdi.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace simdesk::detail {

namespace {

struct GdiTables {
    std::map<std::uintptr_t, GdiObject> objects;
    std::map<std::uintptr_t, DeviceContext> contexts;
    std::map<int, HGDIOBJ> stock;
    std::uintptr_t next = 0x0B000010;
    int screenBitsPerPixel = 32;
    Surface screen;
};

GdiTables& Tables() {
    static GdiTables tables;
    return tables;
}

const bool registered = [] {
    // A new run of the program is a new process: its objects are gone.
    OnReset([] { Tables() = GdiTables{}; });
    return true;
}();

std::uintptr_t NextHandle() {
    const std::uintptr_t value = Tables().next;
    Tables().next += 4;
    return value;
}

LOGFONTW StockFont(LONG height, const char16_t* face) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = 400;
    std::u16string_view name(face);
    std::copy(name.begin(), name.end(), font.lfFaceName);
    return font;
}

HGDIOBJ MakeStock(int index) {
    GdiObject object;
    object.stock = true;
    switch (index) {
        case WHITE_BRUSH: object.kind = GdiKind::Brush; object.color = RGB(255, 255, 255); break;
        case LTGRAY_BRUSH: object.kind = GdiKind::Brush; object.color = RGB(192, 192, 192); break;
        case GRAY_BRUSH: object.kind = GdiKind::Brush; object.color = RGB(128, 128, 128); break;
        case DKGRAY_BRUSH: object.kind = GdiKind::Brush; object.color = RGB(64, 64, 64); break;
        case BLACK_BRUSH: object.kind = GdiKind::Brush; object.color = RGB(0, 0, 0); break;
        case NULL_BRUSH: object.kind = GdiKind::Brush; break;
        case SYSTEM_FONT: object.kind = GdiKind::Font; object.font = StockFont(16, u"System"); break;
        case DEFAULT_GUI_FONT: object.kind = GdiKind::Font; object.font = StockFont(-11, u"MS Shell Dlg"); break;
        default: return nullptr;
    }
    return AddGdiObject(std::move(object));
}

// The stock 1×1 monochrome bitmap every memory device context starts with;
// not an index of GetStockObject, but as permanent as the stock objects.
constexpr int kDefaultBitmapIndex = -1;

void Deselect(HGDIOBJ handle) {
    if (handle == nullptr) return;
    auto found = Tables().objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == Tables().objects.end()) return;
    GdiObject& object = found->second;
    if (object.selections > 0) --object.selections;
    if (object.selections == 0 && object.deletePending) Tables().objects.erase(found);
}

}  // namespace

GdiObject* FindGdiObject(HGDIOBJ handle) {
    auto found = Tables().objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == Tables().objects.end() || found->second.deletePending) return nullptr;
    return &found->second;
}

GdiObject* FindGdiObject(HGDIOBJ handle, GdiKind kind) {
    GdiObject* object = FindGdiObject(handle);
    return object != nullptr && object->kind == kind ? object : nullptr;
}

HGDIOBJ AddGdiObject(GdiObject object) {
    const std::uintptr_t value = NextHandle();
    Tables().objects[value] = std::move(object);
    return reinterpret_cast<HGDIOBJ>(value);
}

DeviceContext* FindDeviceContext(HDC dc) {
    auto found = Tables().contexts.find(reinterpret_cast<std::uintptr_t>(dc));
    return found == Tables().contexts.end() ? nullptr : &found->second;
}

Surface& ScreenSurface() {
    Surface& screen = Tables().screen;
    if (screen.bytes.empty())
        screen.Allocate(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Tables().screenBitsPerPixel);
    return screen;
}

Surface* DrawingSurface(HDC dc) {
    DeviceContext* context = FindDeviceContext(dc);
    if (context == nullptr) return nullptr;
    if (!context->memory) return &ScreenSurface();
    GdiObject* bitmap = FindGdiObject(context->bitmap, GdiKind::Bitmap);
    return bitmap == nullptr ? nullptr : &bitmap->surface;
}

const LOGFONTW& SelectedFont(const DeviceContext& dc) {
    GdiObject* font = FindGdiObject(dc.font, GdiKind::Font);
    if (font == nullptr) font = FindGdiObject(GetStockObject(SYSTEM_FONT), GdiKind::Font);
    return font->font;
}

HBITMAP DefaultBitmap() {
    HGDIOBJ& bitmap = Tables().stock[kDefaultBitmapIndex];
    if (bitmap == nullptr) {
        GdiObject object;
        object.stock = true;
        object.surface.Allocate(1, 1, 1);
        bitmap = AddGdiObject(std::move(object));
    }
    return static_cast<HBITMAP>(bitmap);
}

}  // namespace simdesk::detail

using namespace simdesk::detail;

namespace {

HDC AddDeviceContext(bool memory) {
    DeviceContext context;
    context.memory = memory;
    context.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    context.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (memory) context.bitmap = DefaultBitmap();
    const std::uintptr_t value = NextHandle();
    Tables().contexts[value] = context;
    HDC dc = reinterpret_cast<HDC>(value);
    // The starting objects count as selected so that the rules hold for them too.
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(context.font), static_cast<HGDIOBJ>(context.brush),
                           static_cast<HGDIOBJ>(context.bitmap)})
        if (GdiObject* found = FindGdiObject(object)) ++found->selections;
    return dc;
}

}  // namespace

// A window's own drawing surface is not simulated (nothing the program draws
// into a window is observed): a window's device context draws on the screen.
HDC WINAPI GetDC(HWND window) {
    if (window != nullptr && FindWindow(window) == nullptr) return nullptr;
    return AddDeviceContext(false);
}

int WINAPI ReleaseDC(HWND, HDC dc) {
    auto found = Tables().contexts.find(reinterpret_cast<std::uintptr_t>(dc));
    if (found == Tables().contexts.end() || found->second.memory) return 0;
    const DeviceContext context = found->second;
    Tables().contexts.erase(found);
    Deselect(context.font);
    Deselect(context.brush);
    return 1;
}

HDC WINAPI CreateCompatibleDC(HDC dc) {
    if (dc != nullptr && FindDeviceContext(dc) == nullptr) return nullptr;
    return AddDeviceContext(true);
}

// The objects still selected are released from it; the program may then
// delete them (and must: they are its own).
BOOL WINAPI DeleteDC(HDC dc) {
    auto found = Tables().contexts.find(reinterpret_cast<std::uintptr_t>(dc));
    if (found == Tables().contexts.end()) return FALSE;
    const DeviceContext context = found->second;
    Tables().contexts.erase(found);
    Deselect(context.font);
    Deselect(context.brush);
    Deselect(context.bitmap);
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ handle) {
    DeviceContext* context = FindDeviceContext(dc);
    GdiObject* object = FindGdiObject(handle);
    if (context == nullptr || object == nullptr) return nullptr;
    HGDIOBJ* slot = nullptr;
    switch (object->kind) {
        case GdiKind::Bitmap:
            // Only a memory device context takes a bitmap, and a bitmap goes
            // into one device context at a time.
            if (!context->memory) return nullptr;
            if (context->bitmap == handle) return handle;
            if (object->selections > 0 && !object->stock) return nullptr;
            // A memory context draws for the screen's device: only bitmaps of
            // its format, or monochrome ones, go in.
            if (object->surface.bitsPerPixel != 1 && object->surface.bitsPerPixel != Tables().screenBitsPerPixel)
                return nullptr;
            slot = reinterpret_cast<HGDIOBJ*>(&context->bitmap);
            break;
        case GdiKind::Font: slot = reinterpret_cast<HGDIOBJ*>(&context->font); break;
        case GdiKind::Brush: slot = reinterpret_cast<HGDIOBJ*>(&context->brush); break;
    }
    const HGDIOBJ previous = *slot;
    if (previous == handle) return previous;
    *slot = handle;
    ++object->selections;
    Deselect(previous);
    return previous;
}

// A selected bitmap cannot be deleted, as the platform documents (Wine
// answers TRUE and deletes it when deselected; a program that deselects
// first never sees the difference). A selected font or brush is deleted as
// far as the program is concerned, and goes when it is deselected.
BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    auto found = Tables().objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == Tables().objects.end() || found->second.deletePending) return FALSE;
    GdiObject& object = found->second;
    if (object.stock) return TRUE;
    if (object.selections > 0) {
        if (object.kind == GdiKind::Bitmap) return FALSE;
        object.deletePending = true;
        return TRUE;
    }
    Tables().objects.erase(found);
    return TRUE;
}

HGDIOBJ WINAPI GetStockObject(int index) {
    if (index < 0) return nullptr;
    HGDIOBJ& stock = Tables().stock[index];
    if (stock == nullptr) stock = MakeStock(index);
    return stock;
}

int WINAPI GetObjectW(HANDLE handle, int size, LPVOID buffer) {
    const GdiObject* object = FindGdiObject(handle);
    if (object == nullptr || size < 0) return 0;
    switch (object->kind) {
        case GdiKind::Bitmap: {
            if (buffer == nullptr) return static_cast<int>(sizeof(BITMAP));
            if (static_cast<std::size_t>(size) < sizeof(BITMAP)) return 0;
            BITMAP info{};
            info.bmWidth = object->surface.width;
            info.bmHeight = object->surface.height;
            info.bmWidthBytes = object->surface.RowBytes();
            info.bmPlanes = 1;
            info.bmBitsPixel = static_cast<WORD>(object->surface.bitsPerPixel);
            std::memcpy(buffer, &info, sizeof(info));
            return static_cast<int>(sizeof(BITMAP));
        }
        case GdiKind::Font: {
            if (buffer == nullptr) return static_cast<int>(sizeof(LOGFONTW));
            const std::size_t copied = std::min(static_cast<std::size_t>(size), sizeof(LOGFONTW));
            std::memcpy(buffer, &object->font, copied);
            return static_cast<int>(copied);
        }
        case GdiKind::Brush:
            // LOGBRUSH is not needed by the program: the brush's size only.
            return 0;
    }
    return 0;
}

namespace simdesk {

int LiveGdiObjects() {
    int count = 0;
    for (const auto& [value, object] : Tables().objects)
        if (!object.stock) ++count;
    return count;
}

int LiveDeviceContexts() { return static_cast<int>(Tables().contexts.size()); }

void SetScreenBitsPerPixel(int bitsPerPixel) {
    Tables().screenBitsPerPixel = bitsPerPixel == 16 ? 16 : 32;
    Tables().screen = Surface{};
}

int ScreenBitsPerPixel() { return Tables().screenBitsPerPixel; }

HBITMAP SelectedBitmap(HDC dc) {
    const DeviceContext* context = FindDeviceContext(dc);
    return context != nullptr && context->memory ? context->bitmap : nullptr;
}

}  // namespace simdesk
