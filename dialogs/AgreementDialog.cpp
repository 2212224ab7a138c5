#include "dialogs/AgreementDialog.h"

#include "app/InserterApp.h"
#include "dialogs/WindowIcons.h"

namespace {

const int programIcon = 102;

}  // namespace

INT_PTR AgreementDialog::OnInitDialog() {
    // The dialog window is not known to the bindings until AttachAll.
    bindings.Add(nullptr, &agreementText, textControl);
    bindings.Add(nullptr, &accepted, acceptControl);
    Dialog::OnInitDialog();
    bindings.AttachAll(window);

    agreementText.SetValue(BuildText(TheApp().appName, TheApp().firmName));
    agreementText.Refresh();

    SetWindowIcon(window, ICON_SMALL, LoadProgramIcon(programIcon, 16));
    SetWindowIcon(window, ICON_BIG, LoadProgramIcon(programIcon, 32));
    return 1;
}

INT_PTR AgreementDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND ok = GetDlgItem(window, IDOK);
    // An OK while the box is clear (another program can send one) leaves the
    // dialog open, so the bindings must stay attached: the user may still
    // tick the box and accept.
    if (LOWORD(wParam) == IDOK && IsDlgButtonChecked(window, acceptControl) != BST_CHECKED) {
        EnableWindow(ok, FALSE);
        return 0;
    }
    bindings.DispatchCommand(window, wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDOK:
        EndDialog(window, IDOK);
        break;
    case acceptControl:
        EnableWindow(ok, accepted.GetValue() ? TRUE : FALSE);
        break;
    default:
        break;
    }
    return Dialog::OnCommand(wParam, lParam);
}

void AgreementDialog::OnDestroy() {
    DestroyWindowIcon(window, ICON_SMALL);
    DestroyWindowIcon(window, ICON_BIG);
    Dialog::OnDestroy();
}
