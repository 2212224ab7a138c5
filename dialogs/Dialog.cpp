#include "dialogs/Dialog.h"

#include "app/InserterApp.h"

namespace {

const WCHAR* const entityProperty = TEXT("DLG_ENTITY");

// Mouse positions are signed 16-bit values: a captured mouse left of or
// above the client area gives negative coordinates.
int SignedLow(LPARAM value) {
    return static_cast<short>(LOWORD(value));
}
int SignedHigh(LPARAM value) {
    return static_cast<short>(HIWORD(value));
}

}  // namespace

INT_PTR Dialog::DefaultDispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOVE:
        OnMove(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != 0, static_cast<UINT>(lParam));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), SignedLow(lParam), SignedHigh(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), SignedLow(lParam), SignedHigh(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), SignedLow(lParam), SignedHigh(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), SignedLow(lParam), SignedHigh(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(static_cast<UINT>(wParam), SignedLow(lParam), SignedHigh(lParam));
        return 0;
    case WM_SIZING:
        OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    default:
        return 0;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultDispatch(message, wParam, lParam);
}

INT_PTR Dialog::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    if (wParam == IDOK) OnOK();
    else if (wParam == IDCANCEL) OnCancel();
    return 0;
}

INT_PTR Dialog::OnNotify(int /*controlId*/, NMHDR* /*header*/) {
    return 1;
}

INT_PTR Dialog::OnSetCursor(HWND /*underCursor*/, UINT /*hitTest*/, UINT /*mouseMessage*/) {
    return 0;
}

void Dialog::OnSize(UINT /*sizeType*/, UINT /*width*/, UINT /*height*/) {}
void Dialog::OnMove(UINT /*x*/, UINT /*y*/) {}
void Dialog::OnSizing(UINT /*edge*/, RECT* /*rect*/) {}
void Dialog::OnShowWindow(bool /*shown*/, UINT /*status*/) {}

void Dialog::OnOK() {
    EndDialog(window, IDOK);
}

void Dialog::OnCancel() {
    EndDialog(window, IDCANCEL);
}

INT_PTR Dialog::OnInitDialog() {
    return 1;
}

void Dialog::OnDestroy() {}

INT_PTR Dialog::OnCreate(CREATESTRUCTW* /*creation*/) {
    return 0;
}

void Dialog::OnLButtonDown(UINT /*keys*/, int /*x*/, int /*y*/) {}
void Dialog::OnLButtonUp(UINT /*keys*/, int /*x*/, int /*y*/) {}
void Dialog::OnRButtonDown(UINT /*keys*/, int /*x*/, int /*y*/) {}
void Dialog::OnRButtonUp(UINT /*keys*/, int /*x*/, int /*y*/) {}
void Dialog::OnMouseMove(UINT /*keys*/, int /*x*/, int /*y*/) {}
void Dialog::OnMouseLeave() {}
void Dialog::OnTimer(UINT_PTR /*timerId*/) {}
void Dialog::OnPaint() {}
void Dialog::OnDrawItem(int /*controlId*/, DRAWITEMSTRUCT* /*item*/) {}

HWND Dialog::Create(UINT templateId, HWND parent) {
    HWND created = CreateDialogParamW(TheApp().instance, MAKEINTRESOURCEW(templateId), parent, DialogProc,
                                      reinterpret_cast<LPARAM>(this));
    window = created;
    return created;
}

INT_PTR Dialog::ShowModal(UINT templateId, HWND parent) {
    return DialogBoxParamW(TheApp().instance, MAKEINTRESOURCEW(templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The font comes before WM_INITDIALOG and is the system's business.
    if (message == WM_SETFONT) return 0;
    if (message == WM_INITDIALOG) {
        auto* created = reinterpret_cast<Dialog*>(lParam);
        if (created == nullptr) return 0;
        SetPropW(window, entityProperty, reinterpret_cast<HANDLE>(created));
        created->window = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetPropW(window, entityProperty));
    if (dialog == nullptr) return 0;
    const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
    // The last message of the window: the binding goes with it, so that a
    // property is never left behind on a dying window.
    if (message == WM_NCDESTROY) RemovePropW(window, entityProperty);
    return result;
}
