// The settings store on the simulated desktop, where a test can break what a
// real machine would not let it break safely: deletions that would reach the
// hive's root, a missing application-data folder, a folder the user may not
// write to, INI files edited by hand, and a second run of the program.
#include "settings/SettingsStore.h"
#include "simdesk/Storage.h"
#include "support/DesktopFixture.h"

#include <gtest/gtest.h>

namespace {

const std::u16string kIniFolder = simdesk::AppDataFolder() + u"\\Ostrelix\\Vintra";
const std::u16string kIniFile = kIniFolder + u"\\Vintra.ini";

class StorageSimTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        iniStore.SetProgramNames(firm, app);
        iniStore.SetIniFileName(WString(TEXT("Vintra.ini")));
        appStore.AddPlaceholder(WString(TEXT("*firm*")), firm + TEXT("\\"));
        appStore.AddPlaceholder(WString(TEXT("*app*")), app + TEXT("\\"));
        appStore.SetRoot(WString(TEXT("Software\\*firm**app*")));
    }
    static std::u16string Text(const WString& s) { return s.Buffer() != nullptr ? std::u16string(s.Buffer()) : u"<null>"; }

    WString firm{TEXT("Ostrelix")};
    WString app{TEXT("Vintra")};
    SettingsStore appStore{true};
    SettingsStore iniStore{false};
};

// Whatever root and placeholders are set, a deletion that would address the
// hive itself, or one of its top-level keys, deletes nothing.
TEST_F(StorageSimTest, DeleteSectionNeverReachesTheTopOfTheHive) {
    simdesk::SetRegistryText(u"Software\\Other Program", u"Data", u"precious");
    simdesk::SetRegistryText(u"Environment", u"Path", u"C:\\Tools");
    simdesk::SetRegistryText(u"Software\\Ostrelix\\Vintra\\Options\\Common", u"ConfirmExit", u"1");
    const std::string before = simdesk::DumpRegistry();
    struct Case {
        const char* what;
        WString root;
        LPCWSTR placeholderValue;  // for "*x*"
        WString section;
    };
    const Case cases[] = {
        {"null root, empty section", WString(), nullptr, WString(TEXT(""))},
        {"empty root, empty section", WString(TEXT("")), nullptr, WString(TEXT(""))},
        {"null root, null section", WString(), nullptr, WString()},
        {"a lone backslash", WString(), nullptr, WString(TEXT("\\"))},
        {"backslashes only", WString(TEXT("\\\\")), nullptr, WString(TEXT("\\"))},
        {"leading backslash", WString(TEXT("\\Software\\")), nullptr, WString(TEXT("Other Program"))},
        {"a forward slash", WString(), nullptr, WString(TEXT("/"))},
        {"placeholder expanding to nothing", WString(TEXT("*x*")), TEXT(""), WString(TEXT(""))},
        {"placeholder expanding to a backslash", WString(TEXT("*x*")), TEXT("\\"), WString(TEXT(""))},
        {"the whole Software key", WString(TEXT("Software\\")), nullptr, WString(TEXT(""))},
        {"a top-level key with a trailing backslash", WString(), nullptr, WString(TEXT("Environment\\\\"))},
        {"the firm and application names empty", WString(TEXT("Software\\*firm**app*")), nullptr, WString(TEXT(""))},
    };
    for (const Case& c : cases) {
        SettingsStore store(true);
        store.SetRoot(c.root);
        if (c.placeholderValue != nullptr) store.AddPlaceholder(WString(TEXT("*x*")), WString(c.placeholderValue));
        store.AddPlaceholder(WString(TEXT("*firm*")), WString(TEXT("")));
        store.AddPlaceholder(WString(TEXT("*app*")), WString(TEXT("")));
        EXPECT_FALSE(store.DeleteSection(c.section)) << c.what;
        EXPECT_EQ(simdesk::DumpRegistry(), before) << c.what;
    }
    EXPECT_TRUE(appStore.DeleteSection(WString(TEXT("Options"))));
    EXPECT_FALSE(simdesk::RegistryKeyExists(u"Software\\Ostrelix\\Vintra\\Options"));
    EXPECT_TRUE(simdesk::RegistryKeyExists(u"Software\\Other Program"));
}

TEST_F(StorageSimTest, TheApplicationsSettingsLandUnderItsOwnKey) {
    EXPECT_FALSE(appStore.SectionExists(WString(TEXT("Options\\Windows\\Main")))) << "a fresh user account";
    const BYTE placement[4] = {'a', 0, 'b', 0};  // read back as the text "ab"
    ASSERT_TRUE(appStore.WriteInt(WString(TEXT("Options\\Common")), WString(TEXT("ConfirmExit")), 1));
    ASSERT_TRUE(appStore.WriteStruct(WString(TEXT("Options\\Windows\\Main")), WString(TEXT("plmnt")), placement, 4));
    ASSERT_TRUE(appStore.WriteString(WString(TEXT("Options\\Windows\\Main")), WString(TEXT("Handle")), WString()));
    EXPECT_TRUE(appStore.SectionExists(WString(TEXT("Options\\Windows\\Main"))));
    EXPECT_EQ(simdesk::DumpRegistry(),
              "Software\n"
              "Software\\Ostrelix\n"
              "Software\\Ostrelix\\Vintra\n"
              "Software\\Ostrelix\\Vintra\\Options\n"
              "Software\\Ostrelix\\Vintra\\Options\\Common\n"
              "  ConfirmExit = REG_SZ \"1\"\n"
              "Software\\Ostrelix\\Vintra\\Options\\Windows\n"
              "Software\\Ostrelix\\Vintra\\Options\\Windows\\Main\n"
              "  plmnt = REG_SZ \"ab\"\n");
    EXPECT_EQ(simdesk::OpenRegistryKeyCount(), 0) << "every operation closes its key";
}

// Reading a block that is too small must not hand it to the registry: the
// platform may write part of the value into it (the simulation does).
TEST_F(StorageSimTest, ATooSmallBlockIsNeverHandedToTheRegistry) {
    simdesk::SetRegistryValue(u"Software\\Ostrelix\\Vintra\\Options\\Windows\\Main", u"plmnt", REG_BINARY,
                              {1, 2, 3, 4, 5, 6, 7, 8});
    BYTE block[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_FALSE(appStore.ReadStruct(WString(TEXT("Options\\Windows\\Main")), WString(TEXT("plmnt")), block, 4));
    for (BYTE b : block) EXPECT_EQ(b, 0xEE);
    EXPECT_EQ(simdesk::OpenRegistryKeyCount(), 0);
}

TEST_F(StorageSimTest, WithoutAnApplicationDataFolderNothingIsStored) {
    simdesk::MakeShellFolderUnavailable(CSIDL_APPDATA);
    WString text(TEXT("untouched"));
    BYTE block[2] = {9, 9};
    EXPECT_FALSE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_FALSE(iniStore.WriteInt(WString(TEXT("S")), WString(TEXT("K")), 1));
    EXPECT_FALSE(iniStore.WriteStruct(WString(TEXT("S")), WString(TEXT("K")), block, 2));
    EXPECT_FALSE(iniStore.ReadString(WString(TEXT("S")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"untouched");
    EXPECT_FALSE(iniStore.ReadStruct(WString(TEXT("S")), WString(TEXT("K")), block, 2));
    EXPECT_FALSE(iniStore.SectionExists(WString(TEXT("S"))));
    EXPECT_FALSE(iniStore.DeleteSection(WString(TEXT("S"))));
    EXPECT_FALSE(simdesk::FolderExists(simdesk::AppDataFolder() + u"\\Ostrelix"));
}

TEST_F(StorageSimTest, AFolderThatCannotBeCreatedFailsTheOperations) {
    struct Case {
        const char* what;
        std::u16string readOnly;
    };
    const Case cases[] = {
        {"application data is read-only", simdesk::AppDataFolder()},
        {"the firm's folder is read-only", simdesk::AppDataFolder() + u"\\Ostrelix"},
    };
    for (const Case& c : cases) {
        simdesk::Reset();
        if (c.readOnly != simdesk::AppDataFolder()) simdesk::WriteFileText(c.readOnly + u"\\readme.txt", "mine");
        simdesk::MakeFolderReadOnly(c.readOnly);
        EXPECT_FALSE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v")))) << c.what;
        WString text(TEXT("untouched"));
        EXPECT_FALSE(iniStore.ReadString(WString(TEXT("S")), WString(TEXT("K")), text)) << c.what;
        EXPECT_FALSE(simdesk::FolderExists(kIniFolder)) << c.what;
    }
}

TEST_F(StorageSimTest, AWriteIntoAReadOnlyFileIsReportedAsFailed) {
    ASSERT_TRUE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    simdesk::MakeFolderReadOnly(kIniFolder);
    EXPECT_FALSE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("changed"))));
    EXPECT_FALSE(iniStore.DeleteSection(WString(TEXT("S"))));
    WString text;
    EXPECT_TRUE(iniStore.ReadString(WString(TEXT("S")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"v");
}

// A file edited by hand: text before the first section, comments, lines
// without "=", odd spacing, blank lines. The store reads what it can and
// loses nothing when it writes.
TEST_F(StorageSimTest, AHandEditedIniFileKeepsEveryLine) {
    const std::string edited =
        "written by hand\r\n"
        "[Options\\Common]\r\n"
        "; keep this comment\r\n"
        "garbage without equals\r\n"
        "  ConfirmExit =  0  \r\n"
        "\r\n"
        "[options\\windows\\main]\r\n"
        "Handle=12\r\n";
    simdesk::WriteFileText(kIniFile, edited);
    WString text;
    ASSERT_TRUE(iniStore.ReadString(WString(TEXT("Options\\Common")), WString(TEXT("ConfirmExit")), text));
    EXPECT_EQ(Text(text), u"0");
    EXPECT_FALSE(iniStore.ReadString(WString(TEXT("Options\\Common")), WString(TEXT("garbage without equals")), text));
    EXPECT_TRUE(iniStore.SectionExists(WString(TEXT("Options\\Windows\\Main"))));

    ASSERT_TRUE(iniStore.WriteInt(WString(TEXT("Options\\Common")), WString(TEXT("HotKey2")), 1));
    ASSERT_TRUE(iniStore.WriteString(WString(TEXT("Options\\Windows\\Main")), WString(TEXT("Handle")), WString()));
    std::string after;
    ASSERT_TRUE(simdesk::ReadFileText(kIniFile, after));
    EXPECT_EQ(after,
              "written by hand\r\n"
              "[Options\\Common]\r\n"
              "; keep this comment\r\n"
              "garbage without equals\r\n"
              "  ConfirmExit =  0  \r\n"
              "HotKey2=1\r\n"
              "\r\n"
              "[options\\windows\\main]\r\n");
}

TEST_F(StorageSimTest, ReadingAMissingFileCreatesNoFile) {
    WString text(TEXT("old"));
    EXPECT_FALSE(iniStore.ReadString(WString(TEXT("S")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"");
    EXPECT_FALSE(iniStore.SectionExists(WString(TEXT("S"))));
    EXPECT_TRUE(simdesk::FolderExists(kIniFolder)) << "the folders are made on first use";
    EXPECT_FALSE(simdesk::FileExists(kIniFile));
}

TEST_F(StorageSimTest, FileNamesCompareWithoutRegardToCase) {
    ASSERT_TRUE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_TRUE(PathFileExistsW(TEXT("c:\\users\\user\\appdata\\roaming\\OSTRELIX\\vintra\\VINTRA.INI")));
    EXPECT_TRUE(PathFileExistsW(TEXT("C:/Users/User/AppData/Roaming/Ostrelix/./x/../Vintra/Vintra.ini")));
    EXPECT_FALSE(PathFileExistsW(TEXT("C:\\Users\\User\\AppData\\Roaming\\Ostrelix\\Vintra\\Vintra.ini\\more")));
    EXPECT_TRUE(simdesk::FileExists(u"C:\\..\\..\\Users\\User\\AppData\\Roaming\\Ostrelix\\Vintra\\Vintra.ini"))
        << "'..' stops at the drive's root";
}

TEST_F(StorageSimTest, TheNextRunFindsWhatTheLastOneStored) {
    ASSERT_TRUE(appStore.WriteString(WString(TEXT("Options\\Common")), WString(TEXT("K")), WString(TEXT("reg"))));
    ASSERT_TRUE(iniStore.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("ini"))));
    HKEY leftOpen = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, TEXT("Software"), 0, KEY_READ, &leftOpen), ERROR_SUCCESS);

    simdesk::StartNextRun();
    EXPECT_EQ(simdesk::OpenRegistryKeyCount(), 0) << "the ended run's handles are gone";
    SettingsStore nextApp(true);
    nextApp.SetRoot(WString(TEXT("Software\\Ostrelix\\Vintra\\")));
    WString text;
    EXPECT_TRUE(nextApp.ReadString(WString(TEXT("Options\\Common")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"reg");
    EXPECT_TRUE(iniStore.ReadString(WString(TEXT("S")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"ini");

    simdesk::Reset();
    EXPECT_EQ(simdesk::DumpRegistry(), "") << "a fresh desktop has an empty registry";
    EXPECT_FALSE(simdesk::FileExists(kIniFile));
    EXPECT_TRUE(simdesk::FolderExists(simdesk::StartupFolder()));
}

}  // namespace
