#include "app/MainDialog.h"

#include "app/InserterApp.h"
#include "dialogs/WindowIcons.h"
#include "res/resource.h"
#include "settings/WindowPlacement.h"

namespace {

const WCHAR kPlacementSection[] = TEXT("Options\\Windows\\Main");

}  // namespace

MainDialog::MainDialog() = default;

MainDialog::~MainDialog() = default;

INT_PTR MainDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    // The window keeps these until it is destroyed; OnDestroy frees them.
    SetWindowIcon(Handle(), ICON_SMALL, LoadProgramIcon(IDI_PROGRAM, 16));
    SetWindowIcon(Handle(), ICON_BIG, LoadProgramIcon(IDI_PROGRAM, 32));
    // Shows the window: where it was left, or centred on a first start.
    RestoreWindowPlacement(Handle(), kPlacementSection, 1);
    return 1;
}

void MainDialog::OnDestroy() {
    // On the first run this creates the section whose absence marks a first
    // start.
    SaveWindowPlacement(Handle(), kPlacementSection);
    DestroyWindowIcon(Handle(), ICON_SMALL);
    DestroyWindowIcon(Handle(), ICON_BIG);
    Dialog::OnDestroy();
}

INT_PTR MainDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDCANCEL) {
        if (!ConfirmExit()) return 0;
        DestroyWindow(Handle());
        TheApp().Exit();
    }
    return Dialog::OnCommand(wParam, lParam);
}

bool MainDialog::ConfirmExit() {
    InserterApp& app = TheApp();
    if (!app.confirmExit.GetValue()) return true;
    return MessageBoxW(Handle(), TEXT("Выйти?"), app.appName.Buffer(),
                       MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SYSTEMMODAL) == IDOK;
}
