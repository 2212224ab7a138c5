// A user's first start told with the mouse and the keyboard, on desktops the
// program cannot fully use: no Startup folder, or one it may not write. The
// program still starts, runs and exits normally, and leaves no icon, COM
// object or initialisation behind.
#include "app/ProgramEntry.h"
#include "simdesk/Resources.h"
#include "simdesk/Shell.h"
#include "simdesk/Storage.h"
#include "simdesk/User.h"
#include "support/ProgramFixture.h"

namespace {

// The main window's icon control shows the program icon at the system's
// icon size.
void ExpectTheProgramIconShown(HWND main) {
    for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        simdesk::IconFacts facts;
        ASSERT_TRUE(simdesk::DescribeIcon(reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)), facts));
        EXPECT_EQ(facts.width, 32);
        return;
    }
    ADD_FAILURE() << "the main window has no icon control";
}

class FirstStartUserStory : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // A fresh account: nothing stored yet.
        SHDeleteKeyW(HKEY_CURRENT_USER, TEXT("Software\\Ostrelix\\Vintra"));
    }

    // Ticks the box, presses Enter for OK, then quits with the close box and
    // confirms with Enter.
    static void AcceptThenQuit(bool& mainWindowShown) {
        simdesk::Then([] {
            HWND agreement = simdesk::FindWindowByTitle("Dialog");
            ASSERT_TRUE(simdesk::Tick(agreement, 1091));
            simdesk::PressEnter();
        });
        simdesk::Then([&mainWindowShown] {
            HWND main = simdesk::FindWindowByTitle("Vintra Light");
            mainWindowShown = simdesk::IsShown(main);
            ExpectTheProgramIconShown(main);
            ASSERT_TRUE(simdesk::CloseWithCloseBox(main));
        });
        simdesk::Then([] { simdesk::AnswerMessageBox(IDOK); });
    }
};

TEST_F(FirstStartUserStory, WorksWithoutAUsableStartupFolder) {
    struct Case {
        const char* what;
        void (*breakIt)();
    };
    const Case cases[] = {
        {"no Startup folder", [] { simdesk::MakeShellFolderUnavailable(CSIDL_STARTUP); }},
        {"a Startup folder that cannot be written", [] { simdesk::MakeFolderReadOnly(simdesk::StartupFolder()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        simdesk::Reset();
        RestartProgramObject();
        c.breakIt();
        const int iconsBefore = simdesk::LiveIconCount();
        bool mainWindowShown = false;
        AcceptThenQuit(mainWindowShown);

        EXPECT_EQ(RunProgram(app()), kExitNormal);

        EXPECT_TRUE(mainWindowShown);
        EXPECT_TRUE(simdesk::RegistryKeyExists(u"Software\\Ostrelix\\Vintra\\Options\\Common"));
        EXPECT_FALSE(simdesk::FileExists(simdesk::StartupFolder() + u"\\Vintra.lnk"));
        EXPECT_EQ(simdesk::LiveIconCount(), iconsBefore) << "every icon the windows loaded is destroyed";
        EXPECT_EQ(simdesk::ComInitialisations(), 0);
        EXPECT_EQ(simdesk::LiveComObjects(), 0);
    }
}

TEST_F(FirstStartUserStory, TheShortcutStartsTheProgramFromItsOwnFolder) {
    simdesk::SetProgramPath(u"C:\\Program Files\\Ostrelix\\Vintra.exe");
    bool mainWindowShown = false;
    AcceptThenQuit(mainWindowShown);

    EXPECT_EQ(RunProgram(app()), kExitNormal);

    simdesk::ShortcutFile shortcut;
    ASSERT_TRUE(simdesk::ReadShortcut(simdesk::StartupFolder() + u"\\Vintra.lnk", shortcut));
    EXPECT_EQ(shortcut.target, u"C:\\Program Files\\Ostrelix\\Vintra.exe");
    EXPECT_EQ(shortcut.workingDirectory, u"C:\\Program Files\\Ostrelix");
    EXPECT_EQ(shortcut.description, u"Vintra");
    EXPECT_TRUE(shortcut.arguments.empty());
    EXPECT_EQ(simdesk::LiveComObjects(), 0);
}

}  // namespace
