// user32 drawing: the system colours and DrawEdge's three-dimensional borders.
#include "GdiState.h"

using namespace simdesk::detail;

namespace {

// The light theme's defaults; the simulated desktop has no colour settings.
COLORREF SystemColor(int index) {
    switch (index) {
        case COLOR_SCROLLBAR: return RGB(200, 200, 200);
        case COLOR_BACKGROUND: return RGB(0, 0, 0);
        case COLOR_ACTIVECAPTION: return RGB(153, 180, 209);
        case COLOR_INACTIVECAPTION: return RGB(191, 205, 219);
        case COLOR_MENU: return RGB(240, 240, 240);
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_WINDOWFRAME: return RGB(100, 100, 100);
        case COLOR_MENUTEXT: return RGB(0, 0, 0);
        case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
        case COLOR_CAPTIONTEXT: return RGB(0, 0, 0);
        case COLOR_ACTIVEBORDER: return RGB(180, 180, 180);
        case COLOR_INACTIVEBORDER: return RGB(244, 247, 252);
        case COLOR_APPWORKSPACE: return RGB(171, 171, 171);
        case COLOR_HIGHLIGHT: return RGB(0, 120, 215);
        case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
        case COLOR_BTNFACE: return RGB(240, 240, 240);
        case COLOR_BTNSHADOW: return RGB(160, 160, 160);
        case COLOR_GRAYTEXT: return RGB(109, 109, 109);
        case COLOR_BTNTEXT: return RGB(0, 0, 0);
        case COLOR_INACTIVECAPTIONTEXT: return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
        case COLOR_3DDKSHADOW: return RGB(105, 105, 105);
        case COLOR_3DLIGHT: return RGB(227, 227, 227);
        case COLOR_INFOTEXT: return RGB(0, 0, 0);
        case COLOR_INFOBK: return RGB(255, 255, 225);
        default: return 0;
    }
}

// One ring of a border, on the rectangle's outermost pixels: the top and
// left lines in one colour, the bottom and right lines in the other, which
// also takes the top-right and bottom-left corners.
void DrawRing(Surface& surface, const RECT& r, COLORREF topLeft, COLORREF bottomRight, UINT sides) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if ((sides & BF_TOP) != 0) surface.Fill({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    if ((sides & BF_LEFT) != 0) surface.Fill({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    if ((sides & BF_BOTTOM) != 0) surface.Fill({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    if ((sides & BF_RIGHT) != 0) surface.Fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace

DWORD WINAPI GetSysColor(int index) { return SystemColor(index); }

BOOL WINAPI DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    Surface* surface = DrawingSurface(dc);
    if (surface == nullptr || rect == nullptr) return FALSE;
    RECT ring = *rect;
    const UINT outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const UINT inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (outer == BDR_RAISEDOUTER)
        DrawRing(*surface, ring, SystemColor(COLOR_3DLIGHT), SystemColor(COLOR_3DDKSHADOW), flags);
    else if (outer == BDR_SUNKENOUTER)
        DrawRing(*surface, ring, SystemColor(COLOR_BTNSHADOW), SystemColor(COLOR_BTNHIGHLIGHT), flags);
    if (outer != 0) {
        if ((flags & BF_LEFT) != 0) ++ring.left;
        if ((flags & BF_TOP) != 0) ++ring.top;
        if ((flags & BF_RIGHT) != 0) --ring.right;
        if ((flags & BF_BOTTOM) != 0) --ring.bottom;
    }
    if (inner == BDR_RAISEDINNER)
        DrawRing(*surface, ring, SystemColor(COLOR_BTNHIGHLIGHT), SystemColor(COLOR_BTNSHADOW), flags);
    else if (inner == BDR_SUNKENINNER)
        DrawRing(*surface, ring, SystemColor(COLOR_3DDKSHADOW), SystemColor(COLOR_3DLIGHT), flags);
    if (inner != 0) {
        if ((flags & BF_LEFT) != 0) ++ring.left;
        if ((flags & BF_TOP) != 0) ++ring.top;
        if ((flags & BF_RIGHT) != 0) --ring.right;
        if ((flags & BF_BOTTOM) != 0) --ring.bottom;
    }
    if ((flags & BF_MIDDLE) != 0) surface->Fill(ring, SystemColor(COLOR_BTNFACE));
    return TRUE;
}
