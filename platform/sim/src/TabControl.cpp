// The "SysTabControl32" window class: a row of tabs above a display area.
// It tells its parent TCN_SELCHANGING (which may veto) and TCN_SELCHANGE
// through WM_NOTIFY when the user picks another tab, as the button goes
// down, and NM_CLICK as it comes up.
//
// Nothing is drawn, so the layout is fixed and simple: one row of tabs at the
// top, each as wide as its text in the simulated dialog font (6 pixels a
// character) plus a margin, all of one height; no scrolling arrows, no
// multi-line rows. The program reads only relations of these rectangles.
#include "WindowManager.h"

#include <string>
#include <vector>

using namespace simdesk::detail;

namespace {

constexpr int kTabsLeft = 2;
constexpr int kTabsTop = 2;
constexpr int kTabHeight = 20;
constexpr int kCharWidth = 6;
constexpr int kTabMargin = 12;
// The display area's frame inside the control on each side.
constexpr int kBorder = 4;

struct TabItem {
    std::u16string text;
    int image = -1;
    LPARAM param = 0;
};

struct TabState {
    std::vector<TabItem> items;
    int selected = -1;
};

std::map<HWND, TabState>& Tabs() {
    static std::map<HWND, TabState> tabs;
    return tabs;
}

const bool kRegistered = [] {
    OnReset([] { Tabs().clear(); });
    return true;
}();

TabState* StateOf(HWND control) {
    auto found = Tabs().find(control);
    return found != Tabs().end() ? &found->second : nullptr;
}

int Rows(const TabState& state) {
    return state.items.empty() ? 0 : 1;
}

bool ItemRect(const TabState& state, int index, RECT& rect) {
    if (index < 0 || index >= static_cast<int>(state.items.size())) return false;
    int left = kTabsLeft;
    for (int i = 0; i < index; ++i)
        left += kTabMargin + kCharWidth * static_cast<int>(state.items[static_cast<std::size_t>(i)].text.size());
    const int width = kTabMargin + kCharWidth * static_cast<int>(state.items[static_cast<std::size_t>(index)].text.size());
    rect = RECT{left, kTabsTop, left + width, kTabsTop + kTabHeight};
    return true;
}

int TabAt(const TabState& state, int x, int y) {
    for (int i = 0; i < static_cast<int>(state.items.size()); ++i) {
        RECT rect{};
        ItemRect(state, i, rect);
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return i;
    }
    return -1;
}

// The parent's answer to the notification; for TCN_SELCHANGING nonzero vetoes.
LRESULT Notify(HWND control, UINT code) {
    HWND parent = GetParent(control);
    if (parent == nullptr) return 0;
    NMHDR header{};
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = code;
    return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// The user's choice of a tab: the parent may refuse it while the old tab is
// still current, and hears of the change once the new one is.
void ChooseTab(HWND control, int index) {
    TabState* state = StateOf(control);
    if (state == nullptr || index < 0 || index >= static_cast<int>(state->items.size()) || index == state->selected)
        return;
    if (Notify(control, TCN_SELCHANGING) != 0) return;
    state = StateOf(control);
    if (state == nullptr || index >= static_cast<int>(state->items.size())) return;
    state->selected = index;
    Notify(control, TCN_SELCHANGE);
}

LRESULT InsertItem(TabState& state, WPARAM where, const TCITEMW* item) {
    if (item == nullptr) return -1;
    TabItem inserted;
    if ((item->mask & TCIF_TEXT) != 0 && item->pszText != nullptr) inserted.text = item->pszText;
    if ((item->mask & TCIF_IMAGE) != 0) inserted.image = item->iImage;
    if ((item->mask & TCIF_PARAM) != 0) inserted.param = item->lParam;
    const int count = static_cast<int>(state.items.size());
    const int index = std::min(static_cast<int>(where), count);
    if (index < 0) return -1;
    state.items.insert(state.items.begin() + index, std::move(inserted));
    // The first tab becomes current; a tab inserted before the current one
    // keeps the same tab current.
    if (state.selected < 0) state.selected = 0;
    else if (index <= state.selected) ++state.selected;
    return index;
}

LRESULT GetItem(const TabState& state, WPARAM index, TCITEMW* item) {
    if (item == nullptr || index >= state.items.size()) return FALSE;
    const TabItem& found = state.items[index];
    if ((item->mask & TCIF_TEXT) != 0 && item->pszText != nullptr && item->cchTextMax > 0) {
        const std::size_t room = static_cast<std::size_t>(item->cchTextMax) - 1;
        const std::size_t length = std::min(room, found.text.size());
        found.text.copy(item->pszText, length);
        item->pszText[length] = 0;
    }
    if ((item->mask & TCIF_IMAGE) != 0) item->iImage = found.image;
    if ((item->mask & TCIF_PARAM) != 0) item->lParam = found.param;
    return TRUE;
}

LRESULT DeleteItem(TabState& state, WPARAM index) {
    if (index >= state.items.size()) return FALSE;
    state.items.erase(state.items.begin() + static_cast<std::ptrdiff_t>(index));
    const int removed = static_cast<int>(index);
    if (state.selected == removed) state.selected = -1;
    else if (state.selected > removed) --state.selected;
    return TRUE;
}

// TRUE: a display area to the window rectangle that holds it; FALSE: the
// window rectangle to its display area.
void AdjustRect(const TabState& state, BOOL larger, RECT* rect) {
    if (rect == nullptr) return;
    const int top = kTabsTop + Rows(state) * kTabHeight + kBorder;
    const int sign = larger ? -1 : 1;
    rect->left += sign * kBorder;
    rect->top += sign * top;
    rect->right -= sign * kBorder;
    rect->bottom -= sign * kBorder;
}

}  // namespace

namespace simdesk::detail {

LRESULT CALLBACK TabControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)kRegistered;
    switch (message) {
        case WM_NCCREATE:
            Tabs()[control] = TabState{};
            return DefWindowProcW(control, message, wParam, lParam);
        case WM_NCDESTROY:
            Tabs().erase(control);
            return DefWindowProcW(control, message, wParam, lParam);
        default:
            break;
    }
    TabState* state = StateOf(control);
    if (state == nullptr) return DefWindowProcW(control, message, wParam, lParam);
    switch (message) {
        case WM_LBUTTONDOWN:
            ChooseTab(control, TabAt(*state, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
            return 0;
        case WM_LBUTTONUP:
            Notify(control, NM_CLICK);
            return 0;
        case TCM_GETITEMCOUNT:
            return static_cast<LRESULT>(state->items.size());
        case TCM_INSERTITEMW:
            return InsertItem(*state, wParam, reinterpret_cast<const TCITEMW*>(lParam));
        case TCM_GETITEMW:
            return GetItem(*state, wParam, reinterpret_cast<TCITEMW*>(lParam));
        case TCM_DELETEITEM:
            return DeleteItem(*state, wParam);
        case TCM_DELETEALLITEMS:
            state->items.clear();
            state->selected = -1;
            return TRUE;
        case TCM_GETITEMRECT: {
            RECT* rect = reinterpret_cast<RECT*>(lParam);
            return rect != nullptr && ItemRect(*state, static_cast<int>(wParam), *rect) ? TRUE : FALSE;
        }
        case TCM_GETROWCOUNT:
            return Rows(*state);
        case TCM_GETCURSEL:
        case TCM_GETCURFOCUS:
            return state->selected;
        case TCM_SETCURSEL: {
            // The program's own choice: no notification.
            const int previous = state->selected;
            const int index = static_cast<int>(wParam);
            if (index < 0 || index >= static_cast<int>(state->items.size())) return -1;
            state->selected = index;
            return previous;
        }
        case TCM_SETCURFOCUS:
            // Tabs that are not buttons move the selection with the focus,
            // as a user's choice does.
            ChooseTab(control, static_cast<int>(wParam));
            return 0;
        case TCM_ADJUSTRECT:
            AdjustRect(*state, static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
            return 0;
        default:
            return DefWindowProcW(control, message, wParam, lParam);
    }
}

}  // namespace simdesk::detail
