// Starting with Windows: the application object reads the autostart option
// from its shortcut in the user's real Startup folder and makes the folder
// follow the option. The suite runs under an application name of its own,
// so a real Vintra.lnk is never touched, and removes its shortcut after.
#include "app/InserterApp.h"
#include "app/Shortcut.h"
#include "common/ShortcutTestSupport.h"

using namespace shortcut_test;

namespace {

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedName = app().appName;
        app().appName = TEXT("VintraAutostartTest");
        WCHAR startup[MAX_PATH] = {};
        ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, startup)));
        shortcut = WString(startup) + TEXT("\\VintraAutostartTest.lnk");
        DeleteFileW(shortcut.Buffer());
    }
    void TearDown() override {
        DeleteFileW(shortcut.Buffer());
        EXPECT_FALSE(PathFileExistsW(shortcut.Buffer()));
        app().appName = savedName;
        app().autostart.Set(true);
    }

    static InserterApp& app() { return TheApp(); }
    bool ShortcutExists() const { return PathFileExistsW(shortcut.Buffer()) == TRUE; }

    WString savedName;
    WString shortcut;
};

TEST_F(AutostartTest, TurnedOnCreatesAShortcutThatStartsTheProgramInItsFolder) {
    app().autostart.Set(true);
    app().ApplyAutostart();
    ASSERT_TRUE(ShortcutExists());
    const LoadedShortcut loaded = LoadShortcut(shortcut);
    ASSERT_TRUE(SUCCEEDED(loaded.load));
    EXPECT_EQ(loaded.target, Text(ProgramPath().Buffer())) << Narrow(loaded.target);
    EXPECT_EQ(loaded.workingDirectory, Text(FolderOf(ProgramPath()).Buffer()));
    EXPECT_EQ(loaded.description, u"VintraAutostartTest");
    EXPECT_EQ(loaded.arguments, u"");
}

TEST_F(AutostartTest, TheOptionFollowsTheShortcutsExistence) {
    struct Step {
        const char* what;
        void (*act)(const WString& shortcut);
        bool expected;
    } steps[] = {
        {"no shortcut", [](const WString&) {}, false},
        {"the program made one", [](const WString&) {
             app().autostart.Set(true);
             app().ApplyAutostart();
         },
         true},
        {"the user deleted it", [](const WString& path) { DeleteFileW(path.Buffer()); }, false},
        {"the user put one back", [](const WString& path) {
             CreateShortcut(ProgramPath().Buffer(), path.Buffer(), TEXT("by hand"));
         },
         true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(shortcut);
        app().autostart.Set(!step.expected);
        app().ReadAutostart();
        EXPECT_EQ(app().autostart.Get(), step.expected);
    }
}

TEST_F(AutostartTest, TurnedOffDeletesTheShortcutAndAMissingOneIsNoError) {
    app().autostart.Set(true);
    app().ApplyAutostart();
    ASSERT_TRUE(ShortcutExists());
    app().autostart.Set(false);
    app().ApplyAutostart();
    EXPECT_FALSE(ShortcutExists());
    app().ApplyAutostart();
    EXPECT_FALSE(ShortcutExists());
    EXPECT_FALSE(app().autostart.Get()) << "applying never changes the option";
}

TEST_F(AutostartTest, TurnedOnAgainRewritesAShortcutMadeByHand) {
    ASSERT_TRUE(SUCCEEDED(CreateShortcut(TEXT("C:\\Elsewhere\\Other.exe"), shortcut.Buffer(), TEXT("by hand"))));
    app().autostart.Set(true);
    app().ApplyAutostart();
    const LoadedShortcut loaded = LoadShortcut(shortcut);
    EXPECT_EQ(loaded.target, Text(ProgramPath().Buffer()));
    EXPECT_EQ(loaded.description, u"VintraAutostartTest");
}

}  // namespace
