// The settings store in INI mode, in a firm and application folder of the
// suite's own under the user's application data, removed after each test.
#include "common/StorageTestSupport.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace storage_test;

namespace {

class IniStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        place.Remove();
        store.SetProgramNames(firm, app);
        store.SetIniFileName(WString(TEXT("settings.ini")));
    }
    void TearDown() override { place.Remove(); }

    // The stored text, or "<missing>" when the read fails; a failed INI read
    // leaves the empty text.
    std::u16string Read(LPCWSTR section, LPCWSTR key) {
        WString text(TEXT("untouched"));
        if (!store.ReadString(WString(section), WString(key), text)) {
            EXPECT_EQ(Text(text), u"") << "a failed INI read leaves the empty text";
            return u"<missing>";
        }
        return Text(text);
    }
    std::u16string FileValue(LPCWSTR section, LPCWSTR key) {
        WCHAR buffer[64];
        GetPrivateProfileStringW(section, key, TEXT("<missing>"), buffer, 64, place.file.Buffer());
        return Text(buffer);
    }

    WString firm{TEXT("VintraStorageTestsFirm")};
    WString app{TEXT("Ini")};
    IniPlace place{TEXT("VintraStorageTestsFirm"), TEXT("Ini"), TEXT("settings.ini")};
    SettingsStore store{false};
};

TEST_F(IniStorageTest, FirstUseMakesTheFoldersAndTheFile) {
    EXPECT_FALSE(PathFileExistsW(place.firmFolder.Buffer()));
    ASSERT_TRUE(store.WriteString(WString(TEXT("Options\\Common")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_TRUE(PathFileExistsW(place.appFolder.Buffer()));
    EXPECT_TRUE(PathFileExistsW(place.file.Buffer()));
    EXPECT_EQ(FileValue(TEXT("Options\\Common"), TEXT("K")), u"v") << "the composed path is the section name";
}

TEST_F(IniStorageTest, StructuresNeedTheirExactSize) {
    const BYTE stored[3] = {0x01, 0xAB, 0xFF};
    ASSERT_TRUE(store.WriteStruct(WString(TEXT("S")), WString(TEXT("B")), stored, sizeof(stored)));
    EXPECT_EQ(FileValue(TEXT("S"), TEXT("B")), u"01ABFFAB") << "hex digits and the checksum byte";

    BYTE same[3] = {};
    EXPECT_TRUE(store.ReadStruct(WString(TEXT("S")), WString(TEXT("B")), same, sizeof(same)));
    EXPECT_EQ(std::memcmp(same, stored, sizeof(stored)), 0);
    BYTE other[4] = {9, 9, 9, 9};
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("S")), WString(TEXT("B")), other, sizeof(other)));
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("S")), WString(TEXT("B")), other, 2));
    EXPECT_EQ(other[0], 9) << "a failed read leaves the block";
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("S")), WString(TEXT("B")), nullptr, 0));

    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("S"), TEXT("B"), TEXT("01ABFF00"), place.file.Buffer()));
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("S")), WString(TEXT("B")), same, sizeof(same))) << "bad checksum";
}

// Entries another program wrote with its own spacing and comments: the
// store reads them and keeps them when it adds its own. (Hand-edited lines
// without "=" are judged on the simulated desktop, which can write raw files.)
TEST_F(IniStorageTest, EntriesWrittenByOthersReadAndStay) {
    ASSERT_TRUE(store.WriteString(WString(TEXT("S")), WString(TEXT("First")), WString(TEXT("1"))));
    const WCHAR lines[] = TEXT("; a comment\0First=1\0Spaced  =  two words  \0");
    ASSERT_TRUE(WritePrivateProfileSectionW(TEXT("S"), lines, place.file.Buffer()));

    EXPECT_EQ(Read(TEXT("S"), TEXT("Spaced")), u"two words");
    ASSERT_TRUE(store.WriteString(WString(TEXT("S")), WString(TEXT("Added")), WString(TEXT("3"))));
    WCHAR section[256];
    const DWORD count = GetPrivateProfileSectionW(TEXT("S"), section, 256, place.file.Buffer());
    std::u16string all;
    for (DWORD i = 0; i < count; ++i) all.push_back(section[i] != 0 ? static_cast<char16_t>(section[i]) : u'|');
    EXPECT_EQ(all, u"First=1|Spaced=two words|Added=3|");
}

// The firm's folder itself would fit in MAX_PATH, the file's path would not:
// the operation fails before any folder is made.
TEST_F(IniStorageTest, APathThatCannotFitFailsAndMakesNothing) {
    const int firmLength = MAX_PATH - 9 - lstrlenW(place.appData) - 1;
    WString longFirm = Repeated(static_cast<std::size_t>(firmLength), TEXT('f'));
    const WString folder = WString(place.appData) + TEXT("\\") + longFirm;
    store.SetProgramNames(longFirm, app);
    EXPECT_FALSE(store.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    WString text(TEXT("untouched"));
    EXPECT_FALSE(store.ReadString(WString(TEXT("S")), WString(TEXT("K")), text));
    EXPECT_EQ(Text(text), u"untouched");
    EXPECT_FALSE(PathFileExistsW(folder.Buffer()));
    RemoveDirectoryW(folder.Buffer());
}

TEST_F(IniStorageTest, NamesThatWouldLeaveTheirFolderAreRefused) {
    struct Case {
        const char* what;
        LPCWSTR firmName;
        LPCWSTR appName;
        LPCWSTR fileName;
    };
    const Case cases[] = {
        {"empty firm", TEXT(""), TEXT("Ini"), TEXT("settings.ini")},
        {"firm climbs up", TEXT(".."), TEXT("Ini"), TEXT("settings.ini")},
        {"application with a separator", TEXT("VintraStorageTestsFirm"), TEXT("a\\b"), TEXT("settings.ini")},
        {"file name with a drive", TEXT("VintraStorageTestsFirm"), TEXT("Ini"), TEXT("C:x.ini")},
        {"no file name", TEXT("VintraStorageTestsFirm"), TEXT("Ini"), nullptr},
    };
    for (const Case& c : cases) {
        SettingsStore other(false);
        other.SetProgramNames(WString(c.firmName), WString(c.appName));
        other.SetIniFileName(WString(c.fileName));
        EXPECT_FALSE(other.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v")))) << c.what;
    }
    SettingsStore unnamed(false);
    unnamed.SetIniFileName(WString(TEXT("settings.ini")));
    EXPECT_FALSE(unnamed.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v")))) << "no names given";
    EXPECT_FALSE(PathFileExistsW(place.firmFolder.Buffer()));
}

// A file stands where the firm's folder should be: nothing can be stored,
// and the file is left alone.
TEST_F(IniStorageTest, AFileInTheFoldersPlaceFailsTheOperations) {
    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("Other"), TEXT("Data"), TEXT("precious"), place.firmFolder.Buffer()));
    EXPECT_FALSE(store.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_FALSE(store.SectionExists(WString(TEXT("S"))));
    WCHAR buffer[32];
    GetPrivateProfileStringW(TEXT("Other"), TEXT("Data"), TEXT(""), buffer, 32, place.firmFolder.Buffer());
    EXPECT_EQ(Text(buffer), u"precious");
}

// The store keeps its own copies of the names: their first owner may be
// gone, and only naming the program again moves the file.
TEST_F(IniStorageTest, TheStoreKeepsItsOwnCopiesOfTheNames) {
    {
        WString firmOfAnOwnerThatGoes(TEXT("VintraStorageTestsFirm"));
        WString appOfAnOwnerThatGoes(TEXT("Ini2"));
        store.SetProgramNames(firmOfAnOwnerThatGoes, appOfAnOwnerThatGoes);
        app = TEXT("Changed");
    }
    IniPlace renamed(TEXT("VintraStorageTestsFirm"), TEXT("Ini2"), TEXT("settings.ini"));
    ASSERT_TRUE(store.WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_TRUE(PathFileExistsW(renamed.file.Buffer()));
    renamed.Remove();
}

}  // namespace
