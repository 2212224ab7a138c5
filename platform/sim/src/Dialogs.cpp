// user32's dialog manager: dialogs built from templates, modeless and modal
// runs, EndDialog and the default dialog procedure.
#include "DialogTemplate.h"
#include "WindowManager.h"

#include <algorithm>

using namespace simdesk::detail;

namespace {

// Dialog units become pixels through one fixed base unit: the simulated
// dialog font is 6 x 13 pixels (its average character width and height),
// whatever the template names. Text is never drawn, so nothing else of the
// font matters.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
// The simulated dialog font, handed out with WM_SETFONT; no GDI object
// stands behind it.
HFONT DialogFont() {
    return reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(0x0A0A0040));
}

int UnitsToX(int units) {
    return units * kBaseUnitX / 4;
}

int UnitsToY(int units) {
    return units * kBaseUnitY / 8;
}

void SetDialogProcedure(HWND dialog, DLGPROC procedure) {
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
}

DLGPROC DialogProcedure(HWND dialog) {
    Window* window = FindWindow(dialog);
    if (window == nullptr || !window->isDialog) return nullptr;
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
}

// The window rectangle for the template: its client area is the template's
// size; DS_CENTER centres the window on the screen; otherwise the client area
// of a top-level dialog stands at the template's position in its owner's
// client area, moved only to keep the frame on the screen.
RECT DialogRect(const DialogTemplate& dialog, HWND owner) {
    const DWORD exStyle = dialog.exStyle | ((dialog.style & DS_MODALFRAME) != 0 ? WS_EX_DLGMODALFRAME : 0);
    const RECT insets = FrameInsets(dialog.style, exStyle);
    const int width = UnitsToX(dialog.cx) + insets.left + insets.right;
    const int height = UnitsToY(dialog.cy) + insets.top + insets.bottom;
    POINT at{UnitsToX(dialog.x), UnitsToY(dialog.y)};
    if ((dialog.style & WS_CHILD) == 0) {
        if ((dialog.style & DS_CENTER) != 0) {
            at = POINT{(kScreenWidth - width) / 2, (kScreenHeight - height) / 2};
        } else {
            if (owner != nullptr && (dialog.style & DS_ABSALIGN) == 0) ClientToScreen(owner, &at);
            at.x = std::max<LONG>(0, at.x - insets.left);
            at.y = std::max<LONG>(0, at.y - insets.top);
        }
    }
    return RECT{at.x, at.y, at.x + width, at.y + height};
}

bool CreateControls(HWND dialog, const DialogTemplate& dialogTemplate, HINSTANCE instance, HFONT font) {
    for (const DialogItem& item : dialogTemplate.items) {
        std::u16string ordinalName;
        LPCWSTR title = item.title.text.c_str();
        if (item.title.isOrdinal) {
            ordinalName = {static_cast<char16_t>(0xFFFF), static_cast<char16_t>(item.title.ordinal), 0};
            title = ordinalName.c_str();
        }
        const LPVOID data = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
        HWND control = CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), title,
                                       item.style | WS_CHILD, UnitsToX(item.x), UnitsToY(item.y), UnitsToX(item.cx),
                                       UnitsToY(item.cy), dialog,
                                       reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(item.id & 0xFFFF)),
                                       instance, data);
        if (!IsWindow(dialog)) return false;
        if (control == nullptr) {
            if ((dialogTemplate.style & DS_NOFAILCREATE) != 0) continue;
            return false;
        }
        if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        DialogData* dialogData = DialogOf(dialog);
        if (dialogData != nullptr && dialogData->defaultId == 0 && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
            SameTextIgnoringCase(item.className, u"Button"))
            dialogData->defaultId = static_cast<WORD>(item.id);
    }
    return true;
}

// Builds the dialog: window, WM_SETFONT, controls, WM_INITDIALOG and the
// first focus. A modal dialog is shown by its run; a modeless one when its
// template says WS_VISIBLE.
HWND CreateFromTemplate(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC procedure, LPARAM param,
                        bool modal) {
    DialogTemplate dialogTemplate;
    if (!LoadDialogTemplate(name, dialogTemplate)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const bool child = (dialogTemplate.style & WS_CHILD) != 0;
    HWND owner = child ? parent : RootOf(parent);
    const RECT rect = DialogRect(dialogTemplate, owner);
    DWORD exStyle = dialogTemplate.exStyle;
    if ((dialogTemplate.style & DS_MODALFRAME) != 0) exStyle |= WS_EX_DLGMODALFRAME;
    if ((dialogTemplate.style & DS_CONTROL) != 0) exStyle |= WS_EX_CONTROLPARENT;
    std::u16string className = u"#32770";
    if (!dialogTemplate.className.isOrdinal && !dialogTemplate.className.text.empty())
        className = dialogTemplate.className.text;
    HWND dialog = CreateWindowExW(exStyle, className.c_str(), dialogTemplate.title.c_str(),
                                  dialogTemplate.style & ~static_cast<DWORD>(WS_VISIBLE), rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, instance, nullptr);
    if (dialog == nullptr) return nullptr;
    Window* window = FindWindow(dialog);
    window->isDialog = true;
    if (window->extra.size() < static_cast<std::size_t>(kDialogExtraBytes))
        window->extra.resize(static_cast<std::size_t>(kDialogExtraBytes), 0);
    SetDialogProcedure(dialog, procedure);

    HFONT font = nullptr;
    if ((dialogTemplate.style & DS_SETFONT) != 0) {
        font = DialogFont();
        window->dialog.font = font;
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!IsWindow(dialog)) return nullptr;
    }
    if (!CreateControls(dialog, dialogTemplate, instance, font)) {
        if (IsWindow(dialog)) DestroyWindow(dialog);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT setFocus = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog)) return nullptr;
    if (setFocus != 0) {
        first = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (first != nullptr) SetFocus(first);
    }
    if (!modal && (dialogTemplate.style & WS_VISIBLE) != 0 && IsWindow(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
    return IsWindow(dialog) ? dialog : nullptr;
}

bool IsDefaultButton(HWND control) {
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
}

LRESULT DefaultId(HWND dialog) {
    DialogData* data = DialogOf(dialog);
    // The template's first default push button, or what the program set; an
    // ended dialog has none.
    if (data != nullptr && !data->ended && data->defaultId != 0) return MAKELONG(data->defaultId, DC_HASDEFID);
    return 0;
}

void SetDefaultId(HWND dialog, WORD id) {
    DialogData* data = DialogOf(dialog);
    if (data == nullptr) return;
    // The button that looked like the default one stops looking so.
    if (Window* window = FindWindow(dialog)) {
        const std::vector<HWND> children = window->children;
        for (HWND child : children)
            if (IsDefaultButton(child) && GetDlgCtrlID(child) != id) SendMessageW(child, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    data = DialogOf(dialog);
    if (data == nullptr) return;
    data->defaultId = id;
    HWND next = GetDlgItem(dialog, id);
    if (next != nullptr && (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0)
        SendMessageW(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// The focus goes back where it was, or to the first tab stop.
void RestoreFocus(HWND dialog) {
    DialogData* data = DialogOf(dialog);
    if (data == nullptr) return;
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(dialog, focus)) return;
    HWND target = data->savedFocus;
    if (target == nullptr || !IsChild(dialog, target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target != nullptr) SetFocus(target);
}

void SaveFocus(HWND dialog) {
    DialogData* data = DialogOf(dialog);
    HWND focus = GetFocus();
    if (data != nullptr && focus != nullptr && IsChild(dialog, focus)) data->savedFocus = focus;
}

// Messages whose dialog-procedure result is the message's result itself.
bool ReturnsValueDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case 0x0039:  // WM_COMPAREITEM
        case 0x002E:  // WM_VKEYTOITEM
        case 0x002F:  // WM_CHARTOITEM
        case 0x0037:  // WM_QUERYDRAGICON
            return true;
        default:
            return message >= 0x0132 && message <= 0x0138;  // WM_CTLCOLOR...
    }
}

LRESULT DefaultDialogProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                SaveFocus(dialog);
            } else if (!IsIconic(dialog)) {
                RestoreFocus(dialog);
            }
            return 0;
        case WM_SETFOCUS:
            RestoreFocus(dialog);
            return 0;
        case WM_SHOWWINDOW:
            if (wParam == FALSE) SaveFocus(dialog);
            return DefWindowProcW(dialog, message, wParam, lParam);
        case DM_GETDEFID:
            return DefaultId(dialog);
        case DM_SETDEFID:
            SetDefaultId(dialog, static_cast<WORD>(wParam));
            return TRUE;
        case WM_NEXTDLGCTL: {
            HWND target = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                                      : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
            if (target != nullptr) SetFocus(target);
            return 0;
        }
        case WM_GETFONT: {
            DialogData* data = DialogOf(dialog);
            return data != nullptr ? reinterpret_cast<LRESULT>(data->font) : 0;
        }
        case WM_CLOSE: {
            // Closing a dialog is its Cancel button, unless that is disabled.
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (cancel == nullptr || IsWindowEnabled(cancel))
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            return 0;
        }
        default:
            return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

}  // namespace

// The dialog procedure's answer decides: non-zero means handled, and the
// result is DWLP_MSGRESULT (or the value itself for a few messages); zero
// leaves the message to the default processing here.
LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FindWindow(dialog);
    if (window == nullptr) return 0;
    if (DLGPROC procedure = DialogProcedure(dialog)) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        const INT_PTR handled = procedure(dialog, message, wParam, lParam);
        if (!IsWindow(dialog)) return handled;
        if (handled != 0) {
            if (ReturnsValueDirectly(message)) return handled;
            return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        }
    }
    return DefaultDialogProcessing(dialog, message, wParam, lParam);
}

HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                               LPARAM param) {
    return CreateFromTemplate(instance, templateName, parent, procedure, param, false);
}

INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                               LPARAM param) {
    HWND owner = RootOf(parent);
    HWND dialog = CreateFromTemplate(instance, templateName, parent, procedure, param, true);
    if (dialog == nullptr) return -1;
    // The owner takes no input while the dialog runs.
    if (owner != nullptr && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        if (DialogData* data = DialogOf(dialog)) data->disabledOwner = owner;
    }
    DialogData result;
    const auto ended = [&] {
        DialogData* data = DialogOf(dialog);
        if (data == nullptr) return true;
        result = *data;
        return data->ended;
    };
    if (!ended()) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        RunModalLoop(ended,
                     [dialog](MSG& message) {
                         if (!IsDialogMessageW(dialog, &message)) {
                             TranslateMessage(&message);
                             DispatchMessageW(&message);
                         }
                     },
                     "a modal dialog");
        ended();
    }
    if (result.disabledOwner != nullptr && IsWindow(result.disabledOwner)) EnableWindow(result.disabledOwner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result.ended ? result.result : 0;
}

// Marks the dialog as ended with its result; a modal run then returns. The
// owner is enabled again and the dialog hidden at once, as on the platform.
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    DialogData* data = DialogOf(dialog);
    if (data == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    data->ended = true;
    data->result = result;
    HWND owner = data->disabledOwner;
    data->disabledOwner = nullptr;
    if (owner != nullptr && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindowVisible(dialog)) {
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    if (DialogOf(dialog) == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{UnitsToX(rect->left), UnitsToY(rect->top), UnitsToX(rect->right), UnitsToY(rect->bottom)};
    return TRUE;
}
