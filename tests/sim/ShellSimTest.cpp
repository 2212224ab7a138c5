// The Startup shortcut on the simulated desktop: what the shortcut file
// holds, a Startup folder that is missing or cannot be written, COM left
// balanced with no object alive after every call, and the process handles.
#include "app/Shortcut.h"
#include "simdesk/Shell.h"
#include "simdesk/Storage.h"
#include "support/ProgramFixture.h"

namespace {

const std::u16string kProgram = u"C:\\Program Files\\Vintra\\Vintra.exe";

std::u16string VintraLink() {
    return simdesk::StartupFolder() + u"\\Vintra.lnk";
}

class ShellSimTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        simdesk::SetProgramPath(kProgram);
    }
    // Whatever happened, COM is as the program found it.
    void TearDown() override {
        EXPECT_EQ(simdesk::ComInitialisations(), 0);
        EXPECT_EQ(simdesk::LiveComObjects(), 0);
        EXPECT_EQ(simdesk::OpenProcessHandles(), 0);
        ProgramTest::TearDown();
    }
};

TEST_F(ShellSimTest, TheShortcutStartsTheProgramFromItsFolder) {
    app().autostart.Set(true);
    app().ApplyAutostart();
    simdesk::ShortcutFile shortcut;
    ASSERT_TRUE(simdesk::ReadShortcut(VintraLink(), shortcut));
    EXPECT_EQ(shortcut.target, kProgram);
    EXPECT_EQ(shortcut.workingDirectory, u"C:\\Program Files\\Vintra");
    EXPECT_EQ(shortcut.description, u"Vintra");
    EXPECT_EQ(shortcut.arguments, u"");
    EXPECT_EQ(simdesk::ComInitialisations(), 0);
    EXPECT_EQ(simdesk::LiveComObjects(), 0);
}

TEST_F(ShellSimTest, ABrokenStartupFolderChangesNothingAndReadsAsOff) {
    struct Case {
        const char* what;
        void (*breakIt)();
        bool shortcutBefore;
        bool autostart;
        bool shortcutAfter;
        bool readAs;
    } cases[] = {
        {"unavailable: nothing created", [] { simdesk::MakeShellFolderUnavailable(CSIDL_STARTUP); }, false, true,
         false, false},
        {"unavailable: an existing shortcut is neither deleted nor seen",
         [] { simdesk::MakeShellFolderUnavailable(CSIDL_STARTUP); }, true, false, true, false},
        {"read-only: the shortcut cannot be written",
         [] { simdesk::MakeFolderReadOnly(simdesk::StartupFolder()); }, false, true, false, false},
        {"read-only: the shortcut cannot be deleted",
         [] { simdesk::MakeFolderReadOnly(simdesk::StartupFolder()); }, true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        simdesk::Reset();
        simdesk::SetProgramPath(kProgram);
        if (c.shortcutBefore) simdesk::WriteShortcut(VintraLink(), {kProgram, u"C:\\Program Files\\Vintra", u"Vintra", u""});
        c.breakIt();
        app().autostart.Set(c.autostart);
        app().ApplyAutostart();
        EXPECT_EQ(simdesk::FileExists(VintraLink()), c.shortcutAfter);
        app().autostart.Set(!c.readAs);
        app().ReadAutostart();
        EXPECT_EQ(app().autostart.Get(), c.readAs);
        EXPECT_EQ(simdesk::ComInitialisations(), 0);
        EXPECT_EQ(simdesk::LiveComObjects(), 0);
    }
}

TEST_F(ShellSimTest, AFailedSaveIsReportedWithComStillBalanced) {
    simdesk::MakeFolderReadOnly(simdesk::StartupFolder());
    EXPECT_EQ(CreateShortcut(kProgram.c_str(), VintraLink().c_str(), TEXT("Vintra")), E_ACCESSDENIED);
    EXPECT_EQ(CreateShortcut(kProgram.c_str(), (simdesk::StartupFolder() + u"\\No\\Vintra.lnk").c_str(),
                             TEXT("Vintra")),
              HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(simdesk::FileExists(VintraLink()));
}

TEST_F(ShellSimTest, AProgramPathCutShortByItsBufferMakesNoShortcut) {
    // GetModuleFileNameW fills all 260 units and cuts the path: a shortcut to
    // the cut text would start nothing.
    simdesk::SetProgramPath(u"C:\\" + std::u16string(300, u'a') + u"\\Vintra.exe");
    app().autostart.Set(true);
    app().ApplyAutostart();
    EXPECT_FALSE(simdesk::FileExists(VintraLink()));
}

TEST_F(ShellSimTest, ProcessHandlesOfOtherProgramsAndTheirErrors) {
    const simdesk::OtherProgram other = simdesk::StartOtherProgram("Notepad");
    HANDLE handle = OpenProcess(PROCESS_SET_QUOTA, FALSE, other.processId);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(simdesk::OpenProcessHandles(), 1);
    EXPECT_TRUE(SetProcessWorkingSetSize(handle, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_EQ(simdesk::WorkingSetTrims(), 0) << "another program's trim is not the program's";
    SetLastError(0);
    EXPECT_FALSE(SetProcessWorkingSetSize(handle, 200, 100));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(CloseHandle(handle));
    SetLastError(0);
    EXPECT_FALSE(SetProcessWorkingSetSize(handle, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    HANDLE own = OpenProcess(PROCESS_SET_QUOTA, FALSE, GetCurrentProcessId());
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(SetProcessWorkingSetSize(own, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_EQ(simdesk::WorkingSetTrims(), 1);
    EXPECT_TRUE(CloseHandle(own));
}

// Windows checks the handle and its rights before it trims; Wine's
// SetProcessWorkingSetSize is a stub that accepts any handle, so these rules
// are pinned here only, where the simulation follows Windows.
TEST_F(ShellSimTest, TrimmingNeedsAnOpenHandleWithTheQuotaRight) {
    const SIZE_T trim = static_cast<SIZE_T>(-1);
    SetLastError(0);
    EXPECT_FALSE(SetProcessWorkingSetSize(nullptr, trim, trim));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    HANDLE process = OpenProcess(STANDARD_RIGHTS_REQUIRED, FALSE, GetCurrentProcessId());
    ASSERT_NE(process, nullptr);
    SetLastError(0);
    EXPECT_FALSE(SetProcessWorkingSetSize(process, trim, trim));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(simdesk::WorkingSetTrims(), 0);
    EXPECT_TRUE(CloseHandle(process));
}

TEST_F(ShellSimTest, ANewRunStartsWithoutTheOldRunsHandlesOrCom) {
    ASSERT_NE(OpenProcess(PROCESS_SET_QUOTA, FALSE, GetCurrentProcessId()), nullptr);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    simdesk::StartNextRun();
    EXPECT_EQ(simdesk::OpenProcessHandles(), 0);
    EXPECT_EQ(simdesk::ComInitialisations(), 0);
}

}  // namespace
