// CreateShortcut through the shell's link object: what a saved shortcut
// holds, overwriting, failures, and COM left as the caller had it.
#include "app/Shortcut.h"
#include "common/ShortcutTestSupport.h"

using namespace shortcut_test;

namespace {

class ShortcutTest : public ShortcutFolderTest {};

TEST_F(ShortcutTest, SavedShortcutLoadsBackWithTargetFolderAndDescription) {
    const WString program = ProgramPath();
    struct Case {
        const char* what;
        WString target;
        WString description;
        std::u16string workingDirectory;
    } cases[] = {
        {"the program in its folder", program, TEXT("Vintra"), Text(FolderOf(program).Buffer())},
        {"a Cyrillic description", program, TEXT("Утилита вставки спец-символа @"), Text(FolderOf(program).Buffer())},
        {"a target without a backslash starts nowhere in particular", TEXT("Vintra.exe"), TEXT("Vintra"), u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WString link = File(TEXT("Case.lnk"));
        ASSERT_TRUE(SUCCEEDED(CreateShortcut(c.target.Buffer(), link.Buffer(), c.description.Buffer())));
        ASSERT_TRUE(PathFileExistsW(link.Buffer()));
        const LoadedShortcut loaded = LoadShortcut(link);
        ASSERT_TRUE(SUCCEEDED(loaded.load));
        if (c.workingDirectory.empty()) {
            // Not a full path: the shell may complete it; its name stays.
            EXPECT_NE(loaded.target.find(u"Vintra.exe"), std::u16string::npos) << Narrow(loaded.target);
        } else {
            EXPECT_EQ(loaded.target, Text(c.target.Buffer())) << Narrow(loaded.target);
        }
        EXPECT_EQ(loaded.workingDirectory, c.workingDirectory) << Narrow(loaded.workingDirectory);
        EXPECT_EQ(loaded.description, Text(c.description.Buffer()));
        EXPECT_EQ(loaded.arguments, u"");
        DeleteFileW(link.Buffer());
    }
}

TEST_F(ShortcutTest, SavingAgainOverwritesTheShortcut) {
    const WString program = ProgramPath();
    const WString link = File(TEXT("Twice.lnk"));
    ASSERT_TRUE(SUCCEEDED(CreateShortcut(program.Buffer(), link.Buffer(), TEXT("first"))));
    ASSERT_TRUE(SUCCEEDED(CreateShortcut(program.Buffer(), link.Buffer(), TEXT("second"))));
    EXPECT_EQ(LoadShortcut(link).description, u"second");
}

TEST_F(ShortcutTest, AShortcutInAMissingFolderFailsAndLeavesNothing) {
    const WString link = folder + TEXT("\\Missing\\Vintra.lnk");
    EXPECT_TRUE(FAILED(CreateShortcut(ProgramPath().Buffer(), link.Buffer(), TEXT("Vintra"))));
    EXPECT_FALSE(PathFileExistsW(link.Buffer()));
}

// CoInitialize returns S_OK on a thread without COM and S_FALSE on one that
// has it, so a second call tells whether COM is still initialised.
TEST_F(ShortcutTest, LeavesComOnTheThreadAsTheCallerHadIt) {
    const WString program = ProgramPath();
    const WString link = File(TEXT("Com.lnk"));

    ASSERT_TRUE(SUCCEEDED(CreateShortcut(program.Buffer(), link.Buffer(), TEXT("Vintra"))));
    EXPECT_EQ(CoInitialize(nullptr), S_OK) << "COM stayed initialised after the shortcut";
    CoUninitialize();

    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_TRUE(SUCCEEDED(CreateShortcut(program.Buffer(), link.Buffer(), TEXT("Vintra"))));
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE) << "the shortcut undid the caller's initialisation";
    CoUninitialize();
    CoUninitialize();

    // A caller in the multithreaded apartment: the shortcut's CoInitialize
    // fails with RPC_E_CHANGED_MODE, which must not be undone.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_TRUE(SUCCEEDED(CreateShortcut(program.Buffer(), link.Buffer(), TEXT("Vintra"))));
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the caller's apartment was torn down";
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    CoUninitialize();
}

}  // namespace
