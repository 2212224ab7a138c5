// End-to-end stories of Vintra.exe's life on a real Win32 desktop (Wine): the
// first start with its agreement, quitting, the next start, a second copy,
// and the stored key combination after a restart. The driver is another
// process; it acts through Win32 calls as another program can.
//
//   vintra_e2e_lifecycle.exe           the whole life, in a non-Russian locale
//   vintra_e2e_lifecycle.exe --ru      only the Russian-layout restriction, for
//                                      a run whose locale is Russian
//
// Exit code 0 when every check passed.
#include "e2e/Keyboard.h"
#include "e2e/ProgramUi.h"
#include "e2e/Report.h"
#include "e2e/StoredSettings.h"
#include "e2e/TestWindow.h"
#include "e2e/Typing.h"
#include "e2e/VintraProcess.h"

#include <string>

namespace {

constexpr DWORD kAppearMs = 10000;
constexpr DWORD kExitMs = 10000;
// Long enough for a window that would come to have come.
constexpr DWORD kAbsentMs = 1500;

const WCHAR kDialogClass[] = L"#32770";
const WCHAR kMainCaption[] = L"Vintra Light";
const WCHAR kAgreementCaption[] = L"Dialog";
const WCHAR kConfirmCaption[] = L"Vintra";
const WCHAR kCommon[] = L"Options\\Common";
const WCHAR kMain[] = L"Options\\Windows\\Main";

constexpr int kAcceptBox = 1091;
constexpr int kAgreementText = 1092;
constexpr int kHide = 1;
constexpr int kQuit = 2;

std::wstring vintraPath;

std::wstring DefaultVintraPath() {
    WCHAR path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, length);
    const std::size_t slash = text.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : text.substr(0, slash + 1)) + L"Vintra.exe";
}

bool Launch(VintraProcess& vintra) {
    std::string error;
    if (vintra.Launch(vintraPath, error)) return true;
    Fail("starting Vintra.exe: " + error);
    return false;
}

bool EndsWith(VintraProcess& vintra, DWORD code, const std::string& story) {
    if (!vintra.WaitForExit(kExitMs)) {
        Fail(story + ": Vintra.exe is still running");
        return false;
    }
    return Check(vintra.ExitCode() == code,
                 story + ": Vintra.exe ends with exit code " + std::to_string(code) + " (got " +
                     std::to_string(vintra.ExitCode()) + ")");
}

HWND WaitForMainWindow(const VintraProcess& vintra) {
    return WaitForWindow(vintra.ProcessId(), kDialogClass, kMainCaption, kAppearMs);
}

// "Выйти", then the confirmation answered with OK or Cancel.
bool QuitWithConfirmation(const VintraProcess& vintra, HWND mainWindow, bool confirm) {
    ClickControl(mainWindow, kQuit);
    HWND box = WaitForWindow(vintra.ProcessId(), kDialogClass, kConfirmCaption, kAppearMs);
    if (!Check(box != nullptr, "\"Выйти\" asks for confirmation")) return false;
    Check(ControlText(box, 0xFFFF) == L"Выйти?", "the confirmation asks \"Выйти?\"");
    ClickControl(box, confirm ? IDOK : IDCANCEL);
    return WaitUntilGone(box, kAppearMs);
}

void CheckAgreementAsShown(HWND agreement) {
    Check(!ControlEnabled(agreement, IDOK), "the agreement opens with OK disabled");
    Check(!ButtonChecked(agreement, kAcceptBox), "the agreement opens with its box clear");
    const std::wstring text = ControlText(agreement, kAgreementText);
    Check(text.rfind(L"      ", 0) == 0 && text.find(L"Vintra") != std::wstring::npos &&
              text.find(L"Ostrelix") != std::wstring::npos && text.find(L"\r\n 5.") != std::wstring::npos,
          "the agreement shows its whole text, names filled in");
    Check(text.find(L"*app*") == std::wstring::npos && text.find(L"*APP*") == std::wstring::npos &&
              text.find(L"*firm*") == std::wstring::npos,
          "no placeholder is left in the agreement text");
    if (Failures() != 0) Note("agreement text: " + Narrow(text.substr(0, 200)));
}

// A fresh account: the agreement, the shortcut made before it is answered,
// and declining.
void FirstStartDeclined() {
    ForgetVintra();
    VintraProcess vintra;
    if (!Launch(vintra)) return;
    HWND agreement = WaitForWindow(vintra.ProcessId(), kDialogClass, kAgreementCaption, kAppearMs);
    if (!Check(agreement != nullptr, "a first start shows the agreement titled \"Dialog\"")) {
        Note("Vintra's windows: " + vintra.DescribeWindows());
        return;
    }
    CheckAgreementAsShown(agreement);
    Check(StartupShortcutExists(), "the Startup shortcut exists before the agreement is answered");
    ClickControl(agreement, IDOK);
    Check(IsWindow(agreement) && IsWindowVisible(agreement) && !ControlEnabled(agreement, IDOK),
          "OK with the box clear leaves the agreement open");
    PostMessageW(agreement, WM_CLOSE, 0, 0);
    if (!EndsWith(vintra, 0, "declining the agreement")) return;
    Check(!SectionExists(kMain), "declining leaves no \"Options\\Windows\\Main\"");
    Check(StartupShortcutExists(), "declining leaves the Startup shortcut");
}

void CheckStoredAfterExit() {
    struct Expected {
        LPCWSTR name;
        LPCWSTR text;  // null: absent
    };
    const Expected common[] = {{L"HotKey2", nullptr},      {L"Ru", nullptr},          {L"MinimizeToTray", L"1"},
                               {L"HideInTray", L"0"},      {L"KeepInTray", L"1"},     {L"StartMinimize", L"2"},
                               {L"CloseMinimize", L"0"},   {L"ConfirmExit", L"1"}};
    bool allAsExpected = true;
    for (const Expected& value : common) {
        const auto stored = StoredText(kCommon, value.name);
        const bool ok = value.text == nullptr ? !stored.has_value() : stored && *stored == value.text;
        if (!ok) {
            allAsExpected = false;
            Note(Narrow(std::wstring(L"Options\\Common\\") + value.name + L": " +
                        (stored ? L"\"" + *stored + L"\"" : std::wstring(L"absent"))));
        }
    }
    Check(allAsExpected, "\"Options\\Common\" holds the eight options as stored at exit");
    const auto placement = StoredBytes(kMain, L"plmnt");
    Check(placement && placement->size() == sizeof(WINDOWPLACEMENT),
          "the main window's placement is stored (" + std::to_string(sizeof(WINDOWPLACEMENT)) + " bytes)");
    Check(!StoredText(kMain, L"topmost") && !StoredText(kMain, L"Handle"), "no \"topmost\", no \"Handle\" after exit");
    const auto profile = StoredText(L"Profiles", L"Profile");
    Check(profile && *profile == L"Default" && !SectionExists(L"Profiles\\Default"),
          "\"Profiles\" names the profile \"Default\", which has no section of its own");
}

// Accepting the agreement shows the main window; "Выйти" confirmed ends with
// 0 and stores everything.
void FirstStartAccepted() {
    ForgetVintra();
    VintraProcess vintra;
    if (!Launch(vintra)) return;
    HWND agreement = WaitForWindow(vintra.ProcessId(), kDialogClass, kAgreementCaption, kAppearMs);
    if (!Check(agreement != nullptr, "the agreement is shown again")) return;
    ClickControl(agreement, kAcceptBox);
    Check(ControlEnabled(agreement, IDOK), "ticking the box enables OK");
    ClickControl(agreement, kAcceptBox);
    Check(!ControlEnabled(agreement, IDOK), "clearing the box disables OK again");
    ClickControl(agreement, kAcceptBox);
    ClickControl(agreement, IDOK);
    HWND mainWindow = WaitForMainWindow(vintra);
    if (!Check(mainWindow != nullptr, "accepting shows the main window \"Vintra Light\"")) {
        Note("Vintra's windows: " + vintra.DescribeWindows());
        return;
    }
    Check(ControlText(mainWindow, kHide) == L"Скрыть" && ControlText(mainWindow, kQuit) == L"Выйти",
          "the main window offers \"Скрыть\" and \"Выйти\"");
    Check(!StoredText(kMain, L"Handle"), "a first run records no \"Handle\"");
    if (!QuitWithConfirmation(vintra, mainWindow, true)) return;
    if (!EndsWith(vintra, 0, "\"Выйти\" confirmed")) return;
    CheckStoredAfterExit();
}

// The next start: no agreement, the handle recorded; a cancelled "Выйти?"
// keeps it running; a second copy brings it forward and ends with 1.
void NextStartAndSecondCopy() {
    VintraProcess first;
    if (!Launch(first)) return;
    HWND mainWindow = WaitForMainWindow(first);
    if (!Check(mainWindow != nullptr, "the next start shows the main window")) return;
    Check(StaysAbsent(first.ProcessId(), kDialogClass, kAgreementCaption, kAbsentMs),
          "the next start shows no agreement");
    const auto handle = StoredText(kMain, L"Handle");
    Check(handle && *handle == std::to_wstring(static_cast<int>(reinterpret_cast<LONG_PTR>(mainWindow))),
          "the next start records its main window under \"Handle\"");

    QuitWithConfirmation(first, mainWindow, false);
    Check(first.IsRunning() && IsWindowVisible(mainWindow), "\"Выйти?\" cancelled keeps the program running");

    ShowWindow(mainWindow, SW_MINIMIZE);
    TestWindow other(L"Vintra e2e: another window");
    other.TakeFocus();
    VintraProcess second;
    if (!Launch(second)) return;
    EndsWith(second, 1, "a second copy");
    Check(!IsIconic(mainWindow) && GetForegroundWindow() == mainWindow,
          "the second copy brings the running window forward, restored");
    Check(first.IsRunning(), "the first copy keeps running");

    if (QuitWithConfirmation(first, mainWindow, true)) EndsWith(first, 0, "quitting the first copy");
    Check(!StoredText(kMain, L"Handle"), "a normal exit deletes \"Handle\"");
}

// One run of Vintra with stored "HotKey2" and "Ru", typing into the driver's
// own window: does each combination give '@'?
void TypeWithStored(LPCWSTR hotKey2, LPCWSTR ru, const std::string& story,
                    std::initializer_list<std::pair<std::initializer_list<WORD>, bool>> combinations,
                    std::initializer_list<std::string> names) {
    StoreText(kCommon, L"HotKey2", hotKey2);
    StoreText(kCommon, L"Ru", ru);
    TestWindow decoy(L"Vintra e2e: decoy");
    TestWindow target(L"Vintra e2e: target");
    VintraProcess vintra;
    if (!Launch(vintra)) return;
    HWND mainWindow = WaitForMainWindow(vintra);
    if (!Check(mainWindow != nullptr, story + ": Vintra shows its main window")) return;
    if (!WakeFocusEvents(decoy, target)) return;
    auto name = names.begin();
    for (const auto& [keys, expectAt] : combinations) {
        const ReceivedInput received = TypeCombination(keys, decoy, target, expectAt);
        const bool ok = expectAt ? received.atCharacters == 1 : received.atCharacters == 0;
        if (!Check(ok, story + ": " + *name + (expectAt ? " gives '@'" : " gives no '@'")))
            Note("received: " + received.Describe());
        ++name;
    }
    if (QuitWithConfirmation(vintra, mainWindow, true)) EndsWith(vintra, 0, story + ": quitting");
}

void StoredCombination() {
    TypeWithStored(L"1", L"0", "\"HotKey2\" 1",
                   {{{VK_MENU, VK_SHIFT, '2'}, true}, {{VK_LWIN, VK_SHIFT, '2'}, false}},
                   {"[Alt]+[Shift]+[2]", "[Left Win]+[Shift]+[2]"});
    TypeWithStored(L"0", L"1", "\"Ru\" 1 with a non-Russian layout", {{{VK_LWIN, VK_SHIFT, '2'}, false}},
                   {"[Left Win]+[Shift]+[2]"});
}

void RussianLayout() {
    const DWORD language = LOWORD(reinterpret_cast<ULONG_PTR>(GetKeyboardLayout(0)));
    if (!Check(language == 0x0419, "this run's keyboard layout is Russian (0x0419)")) return;
    TypeWithStored(L"0", L"1", "\"Ru\" 1 with the Russian layout", {{{VK_LWIN, VK_SHIFT, '2'}, true}},
                   {"[Left Win]+[Shift]+[2]"});
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool russian = false;
    vintraPath = DefaultVintraPath();
    for (int i = 1; i < argc; ++i) {
        if (lstrcmpW(argv[i], L"--ru") == 0)
            russian = true;
        else
            vintraPath = argv[i];
    }
    if (russian) {
        ForgetVintra();
        CreateSection(kMain);  // not a first start: no agreement
        RussianLayout();
    } else {
        FirstStartDeclined();
        FirstStartAccepted();
        NextStartAndSecondCopy();
        StoredCombination();
    }
    ReleaseModifiers();
    ForgetVintra();
    return Finish();
}
