// The settings store in registry mode, below a key of the suite's own: what
// reaches the registry, and how values that other programs left there read.
#include "common/StorageTestSupport.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace storage_test;

namespace {

class RegistryStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestKey();
        store.SetRoot(WString(kTestRoot));
    }
    void TearDown() override { RemoveTestKey(); }

    // The stored text, or "<missing>" when the read fails.
    std::u16string Read(LPCWSTR section, LPCWSTR key) {
        WString text(TEXT("untouched"));
        if (!store.ReadString(WString(section), WString(key), text)) {
            EXPECT_EQ(Text(text), u"untouched") << "a failed registry read keeps the output";
            return u"<missing>";
        }
        return Text(text);
    }

    SettingsStore store{true};
};

TEST_F(RegistryStorageTest, EveryValueIsStoredAsText) {
    const BYTE block[5] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(store.WriteString(WString(TEXT("Kinds")), WString(TEXT("Text")), WString(TEXT("abc"))));
    ASSERT_TRUE(store.WriteInt(WString(TEXT("Kinds")), WString(TEXT("Number")), 42));
    ASSERT_TRUE(store.WriteStruct(WString(TEXT("Kinds")), WString(TEXT("Block")), block, sizeof(block)));

    const RawValue text = GetRawValue(TEXT("Kinds"), TEXT("Text"));
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.bytes, Utf16Bytes(u"abc", true)) << "the text with its terminator";
    const RawValue number = GetRawValue(TEXT("Kinds"), TEXT("Number"));
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(number.bytes, Utf16Bytes(u"42", true));
    const RawValue raw = GetRawValue(TEXT("Kinds"), TEXT("Block"));
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ)) << "even a raw block is REG_SZ";
    EXPECT_EQ(raw.bytes, std::vector<BYTE>(block, block + sizeof(block)));
}

TEST_F(RegistryStorageTest, WritingCreatesTheKeysAlongThePath) {
    ASSERT_TRUE(store.WriteString(WString(TEXT("Profiles\\Default\\Deep")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_TRUE(KeyExists(TEXT("Software\\VintraStorageTests\\Profiles\\Default\\Deep")));
    EXPECT_EQ(Read(TEXT("profiles\\DEFAULT\\deep"), TEXT("k")), u"v") << "names compare without regard to case";
}

TEST_F(RegistryStorageTest, MissingPlacesReadAsNothing) {
    ASSERT_TRUE(store.WriteString(WString(TEXT("Here")), WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_EQ(Read(TEXT("Nowhere"), TEXT("K")), u"<missing>") << "missing key";
    EXPECT_EQ(Read(TEXT("Here"), TEXT("Other")), u"<missing>") << "missing value";
    BYTE block[4] = {9, 9, 9, 9};
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("Nowhere")), WString(TEXT("K")), block, sizeof(block)));
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("Here")), WString(TEXT("Other")), block, sizeof(block)));
    EXPECT_EQ(block[0], 9);
}

// Values that other programs or an edited registry left under the key.
TEST_F(RegistryStorageTest, ForeignValuesReadAsTheirBytes) {
    const DWORD one = 1;
    const std::vector<BYTE> odd = {'a', 0, 'b', 0, 'c'};
    const std::vector<BYTE> unterminated = Utf16Bytes(u"abc", false);
    const std::vector<BYTE> embeddedNul = Utf16Bytes(std::u16string(u"ab\0cd", 5), true);
    const std::vector<BYTE> multi = Utf16Bytes(std::u16string(u"one\0two\0", 8), true);
    const std::u16string longText(100000, u'x');
    const std::vector<BYTE> longBytes = Utf16Bytes(longText, false);
    struct Case {
        const char* what;
        DWORD type;
        const void* data;
        DWORD size;
        std::u16string text;
    };
    const Case cases[] = {
        {"REG_DWORD 1 is the code unit 1", REG_DWORD, &one, sizeof(one), std::u16string(1, u'\x0001')},
        {"REG_BINARY of an odd byte count", REG_BINARY, odd.data(), static_cast<DWORD>(odd.size()), u"abc"},
        {"REG_SZ of an odd byte count", REG_SZ, odd.data(), static_cast<DWORD>(odd.size()), u"abc"},
        {"text without a terminator", REG_SZ, unterminated.data(), static_cast<DWORD>(unterminated.size()), u"abc"},
        {"text ends at the first NUL", REG_SZ, embeddedNul.data(), static_cast<DWORD>(embeddedNul.size()), u"ab"},
        {"REG_MULTI_SZ gives its first text", REG_MULTI_SZ, multi.data(), static_cast<DWORD>(multi.size()), u"one"},
        {"very long text without a terminator", REG_SZ, longBytes.data(), static_cast<DWORD>(longBytes.size()), longText},
        {"zero bytes is no value", REG_SZ, nullptr, 0, u"<missing>"},
    };
    for (const Case& c : cases) {
        SetRawValue(TEXT("Foreign"), TEXT("Value"), c.type, c.data, c.size);
        EXPECT_EQ(Read(TEXT("Foreign"), TEXT("Value")), c.text) << c.what;
    }
}

TEST_F(RegistryStorageTest, StructuresReadOnlyIntoBlocksTheyFit) {
    const BYTE stored[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(store.WriteStruct(WString(TEXT("Blocks")), WString(TEXT("B")), stored, sizeof(stored)));

    BYTE same[8] = {};
    EXPECT_TRUE(store.ReadStruct(WString(TEXT("Blocks")), WString(TEXT("B")), same, sizeof(same)));
    EXPECT_EQ(std::memcmp(same, stored, sizeof(stored)), 0);

    BYTE small[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("Blocks")), WString(TEXT("B")), small, sizeof(small)));
    for (BYTE b : small) EXPECT_EQ(b, 0xEE) << "a block too small for the value stays unchanged";

    BYTE large[12];
    std::memset(large, 0xEE, sizeof(large));
    EXPECT_TRUE(store.ReadStruct(WString(TEXT("Blocks")), WString(TEXT("B")), large, sizeof(large)));
    EXPECT_EQ(std::memcmp(large, stored, sizeof(stored)), 0);
    for (std::size_t i = sizeof(stored); i < sizeof(large); ++i) EXPECT_EQ(large[i], 0xEE) << "tail byte " << i;

    EXPECT_TRUE(store.ReadStruct(WString(TEXT("Blocks")), WString(TEXT("Whatever")), nullptr, 0))
        << "a null block only asks whether the key exists";
    EXPECT_FALSE(store.ReadStruct(WString(TEXT("NoSuchKey")), WString(TEXT("B")), nullptr, 0));
}

TEST_F(RegistryStorageTest, DeletingASectionTakesEverythingBelow) {
    const WString main(TEXT("Options\\Windows\\Main"));
    ASSERT_TRUE(store.WriteString(main, WString(TEXT("Handle")), WString(TEXT("0"))));
    ASSERT_TRUE(store.WriteString(WString(TEXT("Options\\Windows\\Main\\Sub")), WString(TEXT("K")), WString(TEXT("v"))));
    ASSERT_TRUE(store.WriteString(WString(TEXT("Options\\Common")), WString(TEXT("K")), WString(TEXT("v"))));

    EXPECT_TRUE(store.DeleteSection(WString(TEXT("Options\\Windows"))));
    EXPECT_FALSE(store.SectionExists(main));
    EXPECT_FALSE(KeyExists(TEXT("Software\\VintraStorageTests\\Options\\Windows\\Main\\Sub")));
    EXPECT_TRUE(store.SectionExists(WString(TEXT("Options\\Common")))) << "a sibling section stays";
    EXPECT_FALSE(store.DeleteSection(WString(TEXT("Options\\Windows")))) << "nothing left to delete";
}

// The application's own layout: placeholders in the root, a profile
// placeholder in sections.
TEST_F(RegistryStorageTest, PlaceholdersPlaceValuesUnderTheRoot) {
    SettingsStore app(true);
    app.AddPlaceholder(WString(TEXT("*firm*")), WString(TEXT("VintraStorageTests\\")));
    app.AddPlaceholder(WString(TEXT("*app*")), WString(TEXT("App\\")));
    app.SetRoot(WString(TEXT("Software\\*firm**app*")));
    app.AddPlaceholder(WString(TEXT("*prof*")), WString(TEXT("Profiles\\Default\\")));

    EXPECT_FALSE(app.SectionExists(WString(TEXT("Options\\Windows\\Main"))));
    ASSERT_TRUE(app.WriteInt(WString(TEXT("Options\\Common")), WString(TEXT("ConfirmExit")), 1));
    ASSERT_TRUE(app.WriteString(WString(TEXT("*prof*")), WString(TEXT("TopMost")), WString(TEXT("0"))));
    EXPECT_TRUE(KeyExists(TEXT("Software\\VintraStorageTests\\App\\Options\\Common")));
    EXPECT_EQ(GetRawValue(TEXT("App\\Profiles\\Default"), TEXT("TopMost")).status, ERROR_SUCCESS);

    app.AddPlaceholder(WString(TEXT("*prof*")), WString(TEXT("Profiles\\Other\\")));
    ASSERT_TRUE(app.WriteString(WString(TEXT("*prof*")), WString(TEXT("TopMost")), WString(TEXT("1"))));
    EXPECT_EQ(GetRawValue(TEXT("App\\Profiles\\Other"), TEXT("TopMost")).status, ERROR_SUCCESS)
        << "a replaced placeholder takes effect for the next operation";
}

// "." and ".." are ordinary key names to the registry, so keys of those
// names exist here: only the store's refusal keeps them, and what they
// would mean in a path, from being deleted. The cases that would reach the
// hive's root are judged on the simulated desktop only.
TEST_F(RegistryStorageTest, DeleteSectionRefusesDotNames) {
    const LPCWSTR sections[] = {TEXT("Guard\\.."), TEXT("Guard\\."), TEXT("..\\Guard")};
    for (LPCWSTR section : sections) {
        ASSERT_TRUE(store.WriteString(WString(section), WString(TEXT("K")), WString(TEXT("v"))));
        ASSERT_TRUE(store.SectionExists(WString(section))) << Narrow(Text(section)) << " is a key of its own";
        EXPECT_FALSE(store.DeleteSection(WString(section))) << Narrow(Text(section));
        EXPECT_TRUE(store.SectionExists(WString(section))) << Narrow(Text(section));
    }
}

// A block whose last unit is not zero, stored by an earlier build, may hold
// one zero unit more than the block (the system appended it). It reads back
// as the block; any other longer value does not fit.
TEST_F(RegistryStorageTest, ABlockStoredWithAnAppendedTerminatorReadsBack) {
    const BYTE block[6] = {1, 0, 2, 0, 0x9C, 0xFF};
    struct Case {
        const char* what;
        std::vector<BYTE> stored;
        bool reads;
    };
    const Case cases[] = {
        {"one zero unit more", {1, 0, 2, 0, 0x9C, 0xFF, 0, 0}, true},
        {"one other unit more", {1, 0, 2, 0, 0x9C, 0xFF, 7, 0}, false},
        {"two zero units more", {1, 0, 2, 0, 0x9C, 0xFF, 0, 0, 0, 0}, false},
        {"one zero byte more", {1, 0, 2, 0, 0x9C, 0xFF, 0}, false},
    };
    for (const Case& c : cases) {
        SetRawValue(TEXT("Old"), TEXT("plmnt"), REG_BINARY, c.stored.data(), static_cast<DWORD>(c.stored.size()));
        BYTE read[6] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(store.ReadStruct(WString(TEXT("Old")), WString(TEXT("plmnt")), read, sizeof(read)), c.reads) << c.what;
        if (c.reads) {
            EXPECT_EQ(std::memcmp(read, block, sizeof(block)), 0) << c.what;
        } else {
            EXPECT_EQ(read[0], 9) << c.what << ": the block stays";
        }
    }
}

}  // namespace
