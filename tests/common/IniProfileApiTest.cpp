// What the INI backend expects of the private-profile functions: counts,
// truncation, encodings and the handling of lines they do not understand.
// Run on both platforms, it keeps the simulated profile functions honest.
#include "common/StorageTestSupport.h"

#include <gtest/gtest.h>

using namespace storage_test;

namespace {

class IniProfileApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        place.Remove();
        CreateDirectoryW(place.firmFolder.Buffer(), nullptr);
        CreateDirectoryW(place.appFolder.Buffer(), nullptr);
    }
    void TearDown() override { place.Remove(); }

    LPCWSTR File() const { return place.file.Buffer(); }
    // Everything the call put in the buffer, NULs shown as '|'.
    static std::u16string Shown(const WCHAR* buffer, DWORD count) {
        std::u16string out;
        for (DWORD i = 0; i < count; ++i) out.push_back(buffer[i] != 0 ? static_cast<char16_t>(buffer[i]) : u'|');
        return out;
    }

    IniPlace place{TEXT("VintraStorageTestsFirm"), TEXT("Profile"), TEXT("api.ini")};
};

TEST_F(IniProfileApiTest, ReadingValuesAndTheirLimits) {
    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("S"), TEXT("K"), TEXT("  \"quoted value\"  "), File()));
    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("S"), TEXT("Second"), TEXT("2"), File()));
    WCHAR buffer[64];
    struct Case {
        const char* what;
        LPCWSTR section;
        LPCWSTR key;
        LPCWSTR fallback;
        DWORD size;
        DWORD count;
        std::u16string shown;
    };
    const Case cases[] = {
        {"blanks and quotes go", TEXT("s"), TEXT("k"), TEXT("d"), 64, 12, u"quoted value"},
        {"a cut value gives size - 1", TEXT("S"), TEXT("K"), TEXT("d"), 5, 4, u"quot"},
        {"a missing key gives the default", TEXT("S"), TEXT("None"), TEXT("def  "), 64, 3, u"def"},
        {"key names", TEXT("S"), nullptr, TEXT(""), 64, 9, u"K|Second|"},
        {"cut key names give size - 2", TEXT("S"), nullptr, TEXT(""), 6, 4, u"K|Se"},
        {"section names", nullptr, nullptr, TEXT(""), 64, 2, u"S|"},
    };
    for (const Case& c : cases) {
        const DWORD count = GetPrivateProfileStringW(c.section, c.key, c.fallback, buffer, c.size, File());
        EXPECT_EQ(count, c.count) << c.what;
        EXPECT_EQ(Shown(buffer, count), c.shown) << c.what;
        EXPECT_EQ(buffer[count], 0) << c.what;
    }
    EXPECT_EQ(GetPrivateProfileSectionW(TEXT("S"), buffer, 4, File()), 2u) << "a cut section gives size - 2";
}

// Names and values lose the ASCII blanks around them; other spaces are part
// of the text.
TEST_F(IniProfileApiTest, OnlyAsciiBlanksAreTrimmed) {
    ASSERT_TRUE(WriteUtf16File(File(), u"[S]\r\n"
                                       u"Blanks=\v\f \tv\t \f\v\r\n"
                                       u"\v\fName\f\v=n\r\n"
                                       u"NoBreak=\u00A0v\u00A0\r\n"
                                       u"Ideographic=\u3000v\u3000\r\n"
                                       u"EmSpace=\u2003v\u2003\r\n"));
    struct Case {
        const char* what;
        LPCWSTR key;
        std::u16string value;
    };
    const Case cases[] = {
        {"space, tab, vertical tab and form feed", TEXT("Blanks"), u"v"},
        {"around a name", TEXT("Name"), u"n"},
        {"no-break space", TEXT("NoBreak"), u"\u00A0v\u00A0"},
        {"ideographic space", TEXT("Ideographic"), u"\u3000v\u3000"},
        {"em space", TEXT("EmSpace"), u"\u2003v\u2003"},
    };
    for (const Case& c : cases) {
        WCHAR buffer[16];
        GetPrivateProfileStringW(TEXT("S"), c.key, TEXT("<missing>"), buffer, 16, File());
        EXPECT_EQ(Text(buffer), c.value) << c.what;
    }
}

TEST_F(IniProfileApiTest, MissingFilesAndFolders) {
    WCHAR buffer[16];
    EXPECT_EQ(GetPrivateProfileStringW(TEXT("S"), TEXT("K"), TEXT("d"), buffer, 16, File()), 1u);
    EXPECT_EQ(Text(buffer), u"d");
    EXPECT_TRUE(WritePrivateProfileStringW(TEXT("S"), TEXT("K"), nullptr, File()));
    EXPECT_TRUE(WritePrivateProfileSectionW(TEXT("S"), nullptr, File()));
    EXPECT_FALSE(PathFileExistsW(File())) << "deleting from a missing file does not create it";

    const WString nowhere = place.appFolder + TEXT("\\Missing\\x.ini");
    EXPECT_FALSE(WritePrivateProfileStringW(TEXT("S"), TEXT("K"), TEXT("v"), nowhere.Buffer()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

// A section written whole keeps only its key=value strings (comments and
// other strings are dropped); entries are trimmed around "=".
TEST_F(IniProfileApiTest, WritingAWholeSection) {
    const WCHAR lines[] = TEXT("no equals\0; comment\0  spaced  =  v w  \0=empty key\0");
    ASSERT_TRUE(WritePrivateProfileSectionW(TEXT("A"), lines, File()));
    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("B"), TEXT("x"), TEXT("1"), File()));
    WCHAR buffer[64];
    DWORD count = GetPrivateProfileSectionW(TEXT("A"), buffer, 64, File());
    EXPECT_EQ(Shown(buffer, count), u"spaced=v w|=empty key|");
    GetPrivateProfileStringW(TEXT("A"), TEXT("spaced"), TEXT("d"), buffer, 64, File());
    EXPECT_EQ(Text(buffer), u"v w");

    ASSERT_TRUE(WritePrivateProfileStringW(TEXT("A"), TEXT("new"), TEXT("2"), File()));
    count = GetPrivateProfileSectionW(TEXT("A"), buffer, 64, File());
    EXPECT_EQ(Shown(buffer, count), u"spaced=v w|=empty key|new=2|");
    EXPECT_EQ(GetPrivateProfileStringW(TEXT("B"), TEXT("x"), TEXT(""), buffer, 64, File()), 1u);
}

TEST_F(IniProfileApiTest, StructureEncoding) {
    BYTE block[3] = {0x01, 0xAB, 0xFF};
    ASSERT_TRUE(WritePrivateProfileStructW(TEXT("S"), TEXT("B"), block, sizeof(block), File()));
    WCHAR buffer[16];
    GetPrivateProfileStringW(TEXT("S"), TEXT("B"), TEXT(""), buffer, 16, File());
    EXPECT_EQ(Text(buffer), u"01ABFFAB");
    BYTE read[4] = {9, 9, 9, 9};
    EXPECT_TRUE(GetPrivateProfileStructW(TEXT("S"), TEXT("B"), read, 3, File()));
    EXPECT_EQ(read[1], 0xAB);
    EXPECT_EQ(read[3], 9);
    read[0] = 9;
    EXPECT_FALSE(GetPrivateProfileStructW(TEXT("S"), TEXT("B"), read, 4, File()));
    EXPECT_EQ(read[0], 9) << "a block larger than the data is not touched";
    // A smaller block fails too, but the call may already have written into
    // it: why the store reads through a block of its own.
    EXPECT_FALSE(GetPrivateProfileStructW(TEXT("S"), TEXT("B"), read, 2, File()));
}

}  // namespace
