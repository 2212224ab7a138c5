// The base of every window of the program: a dialog made from a template,
// bound to its object through the window property "DLG_ENTITY", with each
// message the program cares about unpacked once and handed to a typed
// virtual handler. A derived dialog overrides only what it needs; everything
// else gets the base's result, and 0 leaves a message to the system's
// default dialog processing.
#pragma once

#include "Platform.h"

class Dialog {
public:
    Dialog() = default;
    // Does nothing to the window: a modal run has ended before its object
    // dies, and the owner of a modeless one destroys the window itself.
    virtual ~Dialog() = default;

    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The base message table. No class overrides it; an overriding Dispatch
    // calls it for what it does not consume.
    virtual INT_PTR DefaultDispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Every message that reaches a bound object comes here first.
    virtual INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    // IDOK and IDCANCEL only when the whole wParam matches, so a command
    // with a notification code never ends the dialog.
    virtual INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    virtual INT_PTR OnNotify(int controlId, NMHDR* header);
    virtual INT_PTR OnSetCursor(HWND underCursor, UINT hitTest, UINT mouseMessage);
    virtual void OnSize(UINT sizeType, UINT width, UINT height);
    virtual void OnMove(UINT x, UINT y);
    virtual void OnSizing(UINT edge, RECT* rect);
    virtual void OnShowWindow(bool shown, UINT status);
    virtual void OnOK();
    virtual void OnCancel();
    // 1 lets the system focus the first control that takes the focus.
    virtual INT_PTR OnInitDialog();
    virtual void OnDestroy();
    // Never reached by a window made from a template: WM_CREATE comes
    // before WM_INITDIALOG binds the object.
    virtual INT_PTR OnCreate(CREATESTRUCTW* creation);
    // Client coordinates, signed: left of or above the client area is
    // negative.
    virtual void OnLButtonDown(UINT keys, int x, int y);
    virtual void OnLButtonUp(UINT keys, int x, int y);
    virtual void OnRButtonDown(UINT keys, int x, int y);
    virtual void OnRButtonUp(UINT keys, int x, int y);
    virtual void OnMouseMove(UINT keys, int x, int y);
    virtual void OnMouseLeave();
    virtual void OnTimer(UINT_PTR timerId);
    virtual void OnPaint();
    virtual void OnDrawItem(int controlId, DRAWITEMSTRUCT* item);

    // A modeless dialog; null when the system could not make it.
    HWND Create(UINT templateId, HWND parent);
    // Returns once the dialog has ended, with the value given to EndDialog,
    // or the system's failure value (-1) when it could not be made.
    INT_PTR ShowModal(UINT templateId, HWND parent);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle() const { return window; }

protected:
    HWND window = nullptr;
};
