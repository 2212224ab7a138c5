// gdi32 and user32 text: fonts, ExtTextOutW, DrawTextW and the text colours
// and background mode of a device context.
//
// Text is drawn in a simple fixed-cell font of the simulation's own: every
// character takes a cell as tall as the font and half as wide, and a visible
// character is a solid block one pixel inside its cell. Glyph shapes are not
// simulated (the program cannot observe them); extents, colours, the
// background of the cells and where the text lands are.
#include "GdiState.h"

#include <algorithm>
#include <utility>
#include <string>
#include <vector>

using namespace simdesk::detail;

namespace {

struct CellSize {
    int width;
    int height;
};

// A negative height asks for the character height; the cell adds the
// internal leading, about a third more, as the platform's fonts do.
CellSize FontCell(const LOGFONTW& font) {
    int height = 16;
    if (font.lfHeight < 0) height = (-font.lfHeight * 4 + 2) / 3;
    if (font.lfHeight > 0) height = font.lfHeight;
    height = std::clamp(height, 1, 4096);
    const int width = font.lfWidth > 0 ? std::min<int>(font.lfWidth, 4096) : std::max(1, height / 2);
    return {width, height};
}

bool Visible(char16_t character) { return character != u' ' && character != u'\t' && character != 0; }

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Draws a run of characters with its top-left corner at (x, y), within clip.
void DrawRun(Surface& surface, const DeviceContext& dc, int x, int y, std::u16string_view text, const RECT& clip) {
    const CellSize cell = FontCell(SelectedFont(dc));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int left = x + static_cast<int>(i) * cell.width;
        const RECT cellRect{left, y, left + cell.width, y + cell.height};
        if (dc.backgroundMode == OPAQUE) surface.Fill(Intersect(cellRect, clip), dc.backgroundColor);
        if (Visible(text[i])) {
            const RECT glyph{cellRect.left + 1, cellRect.top + 1, cellRect.right - 1, cellRect.bottom - 1};
            surface.Fill(Intersect(glyph, clip), dc.textColor);
        }
    }
}

// The text as shown: '&' marks the next character as a mnemonic and is not
// drawn, "&&" shows one '&'.
std::u16string WithoutPrefixes(std::u16string_view text) {
    std::u16string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        else if (text[i] == u'&') continue;
        shown.push_back(text[i]);
    }
    return shown;
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines(1);
    for (char16_t character : text) {
        if (character == u'\r') continue;
        if (character == u'\n') lines.emplace_back();
        else lines.back().push_back(character);
    }
    return lines;
}

constexpr RECT kNoClip{-0x40000000, -0x40000000, 0x40000000, 0x40000000};

}  // namespace

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font) {
    if (font == nullptr) return nullptr;
    GdiObject object;
    object.kind = GdiKind::Font;
    object.font = *font;
    return static_cast<HFONT>(AddGdiObject(std::move(object)));
}

BOOL WINAPI ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                        const INT*) {
    DeviceContext* context = FindDeviceContext(dc);
    Surface* surface = DrawingSurface(dc);
    if (context == nullptr || surface == nullptr || (count > 0 && text == nullptr)) return FALSE;
    if (rect != nullptr && (options & ETO_OPAQUE) != 0) surface->Fill(*rect, context->backgroundColor);
    const RECT clip = rect != nullptr && (options & ETO_CLIPPED) != 0 ? *rect : kNoClip;
    if (count > 0) DrawRun(*surface, *context, x, y, std::u16string_view(text, count), clip);
    return TRUE;
}

// Word breaking and tab expansion are not simulated: lines break at line
// feeds only (none with DT_SINGLELINE).
int WINAPI DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* context = FindDeviceContext(dc);
    Surface* surface = DrawingSurface(dc);
    if (context == nullptr || surface == nullptr || text == nullptr || rect == nullptr) return 0;
    const std::u16string_view raw =
        count < 0 ? std::u16string_view(text) : std::u16string_view(text, static_cast<std::size_t>(count));
    const std::u16string shown = (format & DT_NOPREFIX) != 0 ? std::u16string(raw) : WithoutPrefixes(raw);
    const CellSize cell = FontCell(SelectedFont(*context));
    std::vector<std::u16string> lines =
        (format & DT_SINGLELINE) != 0 ? std::vector<std::u16string>{shown} : SplitLines(shown);
    if (shown.empty() && (format & DT_SINGLELINE) == 0) lines.clear();

    int width = 0;
    for (const auto& line : lines) width = std::max(width, static_cast<int>(line.size()) * cell.width);
    const int height = std::max(1, static_cast<int>(lines.size())) * cell.height;
    if ((format & DT_CALCRECT) != 0) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + (lines.empty() ? 0 : height);
        return height;
    }

    int top = rect->top;
    if ((format & DT_SINGLELINE) != 0 && (format & DT_VCENTER) != 0)
        top = rect->top + (rect->bottom - rect->top - cell.height) / 2;
    else if ((format & DT_SINGLELINE) != 0 && (format & DT_BOTTOM) != 0)
        top = rect->bottom - cell.height;
    const RECT clip = (format & DT_NOCLIP) != 0 ? kNoClip : *rect;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineWidth = static_cast<int>(lines[i].size()) * cell.width;
        int left = rect->left;
        if ((format & DT_CENTER) != 0) left = rect->left + (rect->right - rect->left - lineWidth) / 2;
        else if ((format & DT_RIGHT) != 0) left = rect->right - lineWidth;
        DrawRun(*surface, *context, left, top + static_cast<int>(i) * cell.height, lines[i], clip);
    }
    // Centred or bottom-aligned text reports where its bottom landed.
    if ((format & DT_SINGLELINE) != 0 && (format & (DT_VCENTER | DT_BOTTOM)) != 0)
        return top - rect->top + cell.height;
    return height;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* context = FindDeviceContext(dc);
    if (context == nullptr) return CLR_INVALID;
    return std::exchange(context->textColor, color);
}

COLORREF WINAPI GetTextColor(HDC dc) {
    const DeviceContext* context = FindDeviceContext(dc);
    return context == nullptr ? CLR_INVALID : context->textColor;
}

COLORREF WINAPI SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* context = FindDeviceContext(dc);
    if (context == nullptr) return CLR_INVALID;
    return std::exchange(context->backgroundColor, color);
}

COLORREF WINAPI GetBkColor(HDC dc) {
    const DeviceContext* context = FindDeviceContext(dc);
    return context == nullptr ? CLR_INVALID : context->backgroundColor;
}

int WINAPI SetBkMode(HDC dc, int mode) {
    DeviceContext* context = FindDeviceContext(dc);
    if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(context->backgroundMode, mode);
}

int WINAPI GetBkMode(HDC dc) {
    const DeviceContext* context = FindDeviceContext(dc);
    return context == nullptr ? 0 : context->backgroundMode;
}
