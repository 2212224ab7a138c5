// The application object's options as a fresh process has them, before
// anything is loaded.
#include "support/ProgramFixture.h"

#include <string>

namespace {

using AppOptionsTest = ProgramTest;

TEST_F(AppOptionsTest, InitialValuesAndDefaults) {
    struct BoolCase {
        const char* what;
        CheckBoxOption& option;
        bool initial;
    };
    const BoolCase bools[] = {
        {"autostart", app().autostart, true},          {"ConfirmExit", app().confirmExit, true},
        {"CloseMinimize", app().closeMinimize, false}, {"MinimizeToTray", app().minimizeToTray, true},
        {"HideInTray", app().hideInTray, false},       {"KeepInTray", app().keepInTray, true},
    };
    for (const BoolCase& c : bools) {
        EXPECT_EQ(c.option.GetValue(), c.initial) << c.what;
        // `saved` still holds the zero value, so a non-zero start counts as a change.
        EXPECT_EQ(c.option.IsModified(), c.initial) << c.what;
        EXPECT_FALSE(c.option.GetKey().IsSet()) << c.what << " has no key before it is registered";
    }
    EXPECT_EQ(app().startMinimize.GetValue(), 2);
    EXPECT_EQ(app().hotKey2.GetValue(), 0);
    EXPECT_EQ(app().hotKey2.GetDefault(), 0);
    EXPECT_FALSE(app().ru.GetValue());
    EXPECT_FALSE(app().ru.GetDefault());
    EXPECT_EQ(app().hotKeyMode, 0);
    EXPECT_FALSE(app().ruOnly);
}

TEST_F(AppOptionsTest, NamesStoreAndStateOfAFreshObject) {
    EXPECT_TRUE(app().appName == WString(TEXT("Vintra")));
    EXPECT_TRUE(app().firmName == WString(TEXT("Ostrelix")));
    EXPECT_FALSE(app().errorText.IsSet());
    EXPECT_TRUE(app().profileName == WString(TEXT("Default")));
    EXPECT_TRUE(app().store.UsesRegistry());
    EXPECT_FALSE(app().store.GetRoot().IsSet());
    EXPECT_FALSE(app().firstStart);
    EXPECT_TRUE(app().singleInstance);
    EXPECT_EQ(app().instance, nullptr);
    EXPECT_EQ(app().lastFocus, nullptr);
    EXPECT_EQ(app().keyboardHook, nullptr);
}

TEST_F(AppOptionsTest, TheCommonListWritesThroughTheApplicationsStore) {
    app().store.SetRoot(TEXT("Software\\VintraAppOptionsTest\\"));
    app().options.Add(&app().confirmExit, TEXT("ConfirmExit"));
    app().options.Add(&app().hotKey2, TEXT("HotKey2"));
    app().hotKey2.SetValue(1);

    app().options.SaveAll(TEXT("Options\\Common"));

    WString stored;
    EXPECT_TRUE(app().store.ReadString(TEXT("Options\\Common"), TEXT("ConfirmExit"), stored));
    EXPECT_TRUE(stored == WString(TEXT("1")));
    EXPECT_TRUE(app().store.ReadString(TEXT("Options\\Common"), TEXT("HotKey2"), stored));
    EXPECT_TRUE(stored == WString(TEXT("1")));

    // Back at its default, HotKey2 leaves nothing in the store.
    app().hotKey2.SetValue(0);
    app().options.SaveAll(TEXT("Options\\Common"));
    WString gone(TEXT("unchanged"));
    EXPECT_FALSE(app().store.ReadString(TEXT("Options\\Common"), TEXT("HotKey2"), gone));
    EXPECT_TRUE(gone == WString(TEXT("unchanged")));
}

TEST_F(AppOptionsTest, TheHookCopiesFollowTheLoadedOptions) {
    app().store.SetRoot(TEXT("Software\\VintraAppOptionsTest\\"));
    app().store.WriteString(TEXT("Options\\Common"), TEXT("HotKey2"), TEXT("1"));
    app().store.WriteString(TEXT("Options\\Common"), TEXT("Ru"), TEXT("1"));
    app().options.Add(&app().hotKey2, TEXT("HotKey2"));
    app().options.Add(&app().ru, TEXT("Ru"));
    app().options.LoadAll(TEXT("Options\\Common"));
    EXPECT_EQ(app().hotKeyMode, 0) << "the copies change only at the moments the start-up names";

    // Start-up refreshes the hook's copies from the options after loading.
    ASSERT_TRUE(app().InitInstance());
    EXPECT_EQ(app().hotKeyMode, 1);
    EXPECT_TRUE(app().ruOnly);
}

}  // namespace
