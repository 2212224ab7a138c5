// The "Edit" window class: single- and multi-line text, read-only or not,
// with a selection. It tells its parent EN_UPDATE, EN_CHANGE, EN_SETFOCUS and
// EN_KILLFOCUS itself. Nothing is drawn, so there is no scrolling.
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

struct EditState {
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
    bool modified = false;
};

std::map<HWND, EditState>& Edits() {
    static std::map<HWND, EditState> edits;
    return edits;
}

const bool kRegistered = [] {
    OnReset([] { Edits().clear(); });
    return true;
}();

DWORD Style(HWND edit) {
    return static_cast<DWORD>(GetWindowLongW(edit, GWL_STYLE));
}

bool IsMultiLine(HWND edit) {
    return (Style(edit) & ES_MULTILINE) != 0;
}

std::u16string& TextOf(HWND edit) {
    return FindWindow(edit)->text;
}

// The text changed: EN_UPDATE before it would be drawn, EN_CHANGE after.
void Changed(HWND edit, bool sendChange) {
    NotifyParent(edit, EN_UPDATE);
    if (sendChange && IsWindow(edit)) NotifyParent(edit, EN_CHANGE);
}

void ReplaceSelection(HWND edit, const std::u16string& replacement) {
    EditState& state = Edits()[edit];
    std::u16string& text = TextOf(edit);
    const std::size_t start = std::min(state.selectionStart, text.size());
    const std::size_t end = std::min(std::max(state.selectionEnd, start), text.size());
    text.replace(start, end - start, replacement);
    state.selectionStart = state.selectionEnd = start + replacement.size();
    state.modified = true;
}

void DeleteBack(HWND edit) {
    EditState& state = Edits()[edit];
    if (state.selectionStart == state.selectionEnd && state.selectionStart > 0) {
        const std::u16string& text = TextOf(edit);
        // A line break is one step back.
        const bool lineBreak = state.selectionStart >= 2 && text[state.selectionStart - 2] == u'\r' &&
                               text[state.selectionStart - 1] == u'\n';
        state.selectionStart -= lineBreak ? 2 : 1;
    }
    ReplaceSelection(edit, u"");
}

// A typed character; the user cannot change a read-only edit.
LRESULT Typed(HWND edit, WCHAR character) {
    if ((Style(edit) & ES_READONLY) != 0) return 0;
    if (character == VK_BACK) {
        DeleteBack(edit);
    } else if (character == u'\r') {
        if (!IsMultiLine(edit)) return 0;
        ReplaceSelection(edit, u"\r\n");
    } else if (character < 0x20) {
        return 0;
    } else {
        ReplaceSelection(edit, std::u16string(1, character));
    }
    Changed(edit, true);
    return 0;
}

LRESULT SetSelection(HWND edit, WPARAM start, LPARAM end) {
    EditState& state = Edits()[edit];
    const std::size_t length = TextOf(edit).size();
    const auto clamp = [length](LONG_PTR value) {
        return value < 0 ? length : std::min(static_cast<std::size_t>(value), length);
    };
    if (static_cast<int>(start) == -1) {
        // No selection: the caret stays where it is.
        state.selectionStart = state.selectionEnd;
        return 0;
    }
    std::size_t from = clamp(static_cast<int>(start));
    std::size_t to = clamp(static_cast<int>(end));
    if (from > to) std::swap(from, to);
    state.selectionStart = from;
    state.selectionEnd = to;
    return 0;
}

LRESULT GetSelection(HWND edit, WPARAM startOut, LPARAM endOut) {
    const EditState& state = Edits()[edit];
    if (startOut != 0) *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(state.selectionStart);
    if (endOut != 0) *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(state.selectionEnd);
    if (state.selectionStart > 0xFFFF || state.selectionEnd > 0xFFFF) return -1;
    return MAKELONG(state.selectionStart, state.selectionEnd);
}

// Which keys the edit keeps from the dialog manager: a multi-line edit takes
// Enter when it has ES_WANTRETURN; Tab and Esc stay the dialog's.
LRESULT DialogCode(HWND edit, const MSG* message) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (IsMultiLine(edit) && message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN &&
        (Style(edit) & ES_WANTRETURN) != 0)
        code |= DLGC_WANTMESSAGE;
    return code;
}

}  // namespace

namespace simdesk::detail {

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)kRegistered;
    switch (message) {
        case WM_NCCREATE: {
            Edits()[edit] = EditState{};
            // A bordered edit draws a sunken edge instead of its border, as
            // the platform's edit control turns the one into the other.
            const LONG style = GetWindowLongW(edit, GWL_STYLE);
            if ((style & WS_BORDER) != 0) {
                SetWindowLongW(edit, GWL_STYLE, style & ~WS_BORDER);
                SetWindowLongW(edit, GWL_EXSTYLE, GetWindowLongW(edit, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
            }
            return DefWindowProcW(edit, message, wParam, lParam);
        }
        case WM_NCDESTROY:
            Edits().erase(edit);
            return DefWindowProcW(edit, message, wParam, lParam);
        case WM_SETTEXT: {
            DefWindowProcW(edit, message, wParam, lParam);
            EditState& state = Edits()[edit];
            state.selectionStart = state.selectionEnd = 0;
            state.modified = false;
            // A multi-line edit tells nothing of a text set this way.
            if (!IsMultiLine(edit)) Changed(edit, true);
            return TRUE;
        }
        case WM_GETDLGCODE:
            return DialogCode(edit, reinterpret_cast<const MSG*>(lParam));
        case WM_CHAR:
            return Typed(edit, static_cast<WCHAR>(wParam));
        case WM_LBUTTONDOWN:
            if (GetFocus() != edit) SetFocus(edit);
            return 0;
        case EM_SETSEL:
            return SetSelection(edit, wParam, lParam);
        case EM_GETSEL:
            return GetSelection(edit, wParam, lParam);
        case EM_REPLACESEL:
            ReplaceSelection(edit, lParam != 0 ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string());
            Changed(edit, true);
            return 0;
        case EM_SETREADONLY: {
            const LONG style = GetWindowLongW(edit, GWL_STYLE);
            SetWindowLongW(edit, GWL_STYLE, wParam != 0 ? (style | ES_READONLY) : (style & ~ES_READONLY));
            return TRUE;
        }
        case EM_GETMODIFY:
            return Edits()[edit].modified ? TRUE : FALSE;
        case EM_GETFIRSTVISIBLELINE:
            // Nothing is drawn, so nothing ever scrolls: the text shows from
            // its first line.
            return 0;
        case EM_SETMODIFY:
            Edits()[edit].modified = wParam != 0;
            return 0;
        case WM_SETFOCUS:
            NotifyParent(edit, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            NotifyParent(edit, EN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProcW(edit, message, wParam, lParam);
    }
}

}  // namespace simdesk::detail
