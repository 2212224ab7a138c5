// What the settings store promises whichever backend it uses: one table of
// cases run against the registry and against an INI file, with a column
// wherever the two differ by design.
#include "common/StorageTestSupport.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace storage_test;

namespace {

enum class Backend { Registry, Ini };

// The text a read gives, or "<missing>" when it fails.
constexpr char16_t kMissing[] = u"<missing>";

class StoreBackendsTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        RemoveTestKey();
        place.Remove();
        registryStore.SetRoot(WString(kTestRoot));
        iniStore.SetProgramNames(WString(TEXT("VintraStorageTestsFirm")), WString(TEXT("Shared")));
        iniStore.SetIniFileName(WString(TEXT("settings.ini")));
    }
    void TearDown() override {
        RemoveTestKey();
        place.Remove();
    }

    bool OnRegistry() const { return GetParam() == Backend::Registry; }
    SettingsStore& Store() { return OnRegistry() ? registryStore : iniStore; }

    // The stored text, or kMissing. A failed read keeps the output with the
    // registry and empties it with an INI file.
    std::u16string Read(LPCWSTR section, LPCWSTR key) {
        WString text(TEXT("untouched"));
        if (!Store().ReadString(WString(section), WString(key), text)) {
            EXPECT_EQ(Text(text), OnRegistry() ? u"untouched" : u"") << "what a failed read leaves";
            return kMissing;
        }
        return Text(text);
    }

    // Whether a value of that name is stored, looked up without the store.
    bool Stored(LPCWSTR section, LPCWSTR key) {
        if (OnRegistry()) return GetRawValue(section, key).status == ERROR_SUCCESS;
        WCHAR buffer[16];
        GetPrivateProfileStringW(section, key, TEXT("\x1"), buffer, 16, place.file.Buffer());
        return !(buffer[0] == 1 && buffer[1] == 0);
    }

    SettingsStore registryStore{true};
    SettingsStore iniStore{false};
    IniPlace place{TEXT("VintraStorageTestsFirm"), TEXT("Shared"), TEXT("settings.ini")};
};

TEST_P(StoreBackendsTest, ValuesReadBackAsTheyWereWritten) {
    struct Case {
        const char* what;
        WString value;
        std::u16string registry;
        std::u16string ini;  // empty: not judged (an INI file is in the machine's ANSI code page)
    };
    const Case cases[] = {
        {"text", WString(TEXT("Default")), u"Default", u"Default"},
        {"Cyrillic text", WString(TEXT("Профиль")), u"Профиль", std::u16string()},
        {"integer", WString(42), u"42", u"42"},
        {"negative integer", WString(-1), u"-1", u"-1"},
        {"smallest integer", WString(-2147483647 - 1), u"-2147483648", u"-2147483648"},
        {"empty text: stored in the registry, nothing in a file", WString(TEXT("")), u"", kMissing},
        {"767 characters: an INI read's first buffer exactly", Repeated(767, TEXT('a')), std::u16string(767, u'a'),
         std::u16string(767, u'a')},
        {"1000 characters: an INI read's buffer grows", Repeated(1000, TEXT('b')), std::u16string(1000, u'b'),
         std::u16string(1000, u'b')},
    };
    for (const Case& c : cases) {
        const std::u16string& expected = OnRegistry() ? c.registry : c.ini;
        ASSERT_TRUE(Store().WriteString(WString(TEXT("Values")), WString(TEXT("Key")), c.value)) << c.what;
        if (!expected.empty() || OnRegistry()) {
            EXPECT_EQ(Read(TEXT("Values"), TEXT("Key")), expected) << c.what;
        }
    }
    ASSERT_TRUE(Store().WriteInt(WString(TEXT("Values")), WString(TEXT("Number")), -1));
    WString number;
    ASSERT_TRUE(Store().ReadString(WString(TEXT("Values")), WString(TEXT("Number")), number));
    EXPECT_EQ(number.ToInt(), -1);
    EXPECT_EQ(Read(TEXT("Values"), TEXT("Missing")), kMissing) << "missing value";
    EXPECT_EQ(Read(TEXT("Nowhere"), TEXT("Key")), kMissing) << "missing section";
}

TEST_P(StoreBackendsTest, WritingNothingDeletesTheValue) {
    const BYTE block[2] = {7, 8};
    ASSERT_TRUE(Store().WriteString(WString(TEXT("Gone")), WString(TEXT("Text")), WString(TEXT("abc"))));
    ASSERT_TRUE(Store().WriteStruct(WString(TEXT("Gone")), WString(TEXT("Block")), block, sizeof(block)));
    ASSERT_TRUE(Store().WriteString(WString(TEXT("Gone")), WString(TEXT("Keep")), WString(TEXT("k"))));

    EXPECT_TRUE(Store().WriteString(WString(TEXT("Gone")), WString(TEXT("Text")), WString()));
    EXPECT_TRUE(Store().WriteStruct(WString(TEXT("Gone")), WString(TEXT("Block")), nullptr, 0));
    EXPECT_TRUE(Store().WriteString(WString(TEXT("Gone")), WString(TEXT("NeverWritten")), WString()))
        << "a value that is already missing is deleted as asked";

    EXPECT_FALSE(Stored(TEXT("Gone"), TEXT("Text")));
    EXPECT_FALSE(Stored(TEXT("Gone"), TEXT("Block")));
    EXPECT_EQ(Read(TEXT("Gone"), TEXT("Text")), kMissing);
    EXPECT_EQ(Read(TEXT("Gone"), TEXT("Keep")), u"k");
}

TEST_P(StoreBackendsTest, SectionsExistOnceWrittenUntilDeleted) {
    const WString main(TEXT("Options\\Windows\\Main"));
    const WString common(TEXT("Options\\Common"));
    EXPECT_FALSE(Store().SectionExists(main));
    ASSERT_TRUE(Store().WriteString(main, WString(TEXT("Handle")), WString(TEXT("0"))));
    ASSERT_TRUE(Store().WriteString(common, WString(TEXT("K")), WString(TEXT("v"))));
    EXPECT_TRUE(Store().SectionExists(main));

    ASSERT_TRUE(Store().WriteString(main, WString(TEXT("Handle")), WString()));
    EXPECT_EQ(Store().SectionExists(main), OnRegistry())
        << "a key without values still exists; a file's section without entries does not";

    EXPECT_TRUE(Store().DeleteSection(common));
    EXPECT_FALSE(Store().SectionExists(common));
    EXPECT_FALSE(Stored(TEXT("Options\\Common"), TEXT("K")));
}

// A value is always named: with a null or empty key the registry would
// address the key's default value, and a profile call the whole section.
TEST_P(StoreBackendsTest, EveryValueNeedsItsKey) {
    const BYTE block[4] = {1, 2, 3, 4};
    ASSERT_TRUE(Store().WriteString(WString(TEXT("S")), WString(TEXT("K")), WString(TEXT("v"))));
    for (const WString& key : {WString(), WString(TEXT(""))}) {
        const char* what = key.IsSet() ? "empty key" : "null key";
        EXPECT_FALSE(Store().WriteString(WString(TEXT("S")), key, WString(TEXT("x")))) << what;
        EXPECT_FALSE(Store().WriteInt(WString(TEXT("S")), key, 1)) << what;
        EXPECT_FALSE(Store().WriteStruct(WString(TEXT("S")), key, block, sizeof(block))) << what;
        EXPECT_FALSE(Store().WriteString(WString(TEXT("S")), key, WString())) << what << ": deleting";
        WString text(TEXT("untouched"));
        EXPECT_FALSE(Store().ReadString(WString(TEXT("S")), key, text)) << what;
        BYTE read[4] = {};
        EXPECT_FALSE(Store().ReadStruct(WString(TEXT("S")), key, read, sizeof(read))) << what;
    }
    if (OnRegistry()) {
        EXPECT_EQ(GetRawValue(TEXT("S"), TEXT("")).status, ERROR_FILE_NOT_FOUND) << "no default value";
    }
    EXPECT_EQ(Read(TEXT("S"), TEXT("K")), u"v") << "the section's entries stay";
}

// Blocks whose last unit is and is not zero, and of an odd size: each reads
// back exactly into a block of its own size.
TEST_P(StoreBackendsTest, BlocksReadBackIntoTheirOwnSize) {
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        {"last unit zero", {1, 2, 3, 4, 0, 0}},
        {"last unit not zero", {0, 0, 0, 0, 0x9C, 0xFF}},
        {"a negative last LONG", {10, 0, 0, 0, 0x9C, 0xFF, 0xFF, 0xFF}},
        {"odd size, last byte zero", {'a', 0, 'b', 0, 0}},
        {"one unit", {'x', 0}},
    };
    for (const Case& c : cases) {
        const UINT size = static_cast<UINT>(c.bytes.size());
        ASSERT_TRUE(Store().WriteStruct(WString(TEXT("Blocks")), WString(TEXT("B")), c.bytes.data(), size)) << c.what;
        std::vector<BYTE> read(size, 0xEE);
        EXPECT_TRUE(Store().ReadStruct(WString(TEXT("Blocks")), WString(TEXT("B")), read.data(), size)) << c.what;
        EXPECT_EQ(read, c.bytes) << c.what;
        if (OnRegistry()) {
            EXPECT_EQ(GetRawValue(TEXT("Blocks"), TEXT("B")).bytes, c.bytes) << c.what << ": stored exactly";
        }
    }
}

// Placeholders apply in list order; re-adding one moves it to the end and
// removing one closes the gap. A pair with a null value removes its name,
// and keeps doing so wherever the list moves it.
TEST(SettingsStorePlaceholdersTest, ExpandInListOrderAfterRemovalsAndReAdds) {
    struct Step {
        LPCWSTR name;
        LPCWSTR value;  // null: a pair with a null value
        bool remove;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        LPCWSTR path;
        std::u16string expanded;
    };
    const Case cases[] = {
        {"re-adding a pair that is not last", {{TEXT("*a*"), TEXT("X"), false}, {TEXT("*b*"), nullptr, false},
                                               {TEXT("*a*"), TEXT("Y"), false}},
         TEXT("[*b*][*a*]"), u"[][Y]"},
        {"removing a pair in the middle", {{TEXT("*a*"), TEXT("1"), false}, {TEXT("*b*"), TEXT("2"), false},
                                           {TEXT("*c*"), nullptr, false}, {TEXT("*d*"), TEXT("4"), false},
                                           {TEXT("*b*"), nullptr, true}},
         TEXT("*a*|*b*|*c*|*d*"), u"1|*b*||4"},
        {"removing the first pair", {{TEXT("*a*"), TEXT("1"), false}, {TEXT("*b*"), nullptr, false},
                                     {TEXT("*c*"), TEXT("3"), false}, {TEXT("*a*"), nullptr, true}},
         TEXT("*a*|*b*|*c*"), u"*a*||3"},
        {"a later pair acts on an earlier one's text", {{TEXT("*a*"), TEXT("*b*"), false}, {TEXT("*b*"), TEXT("x"), false}},
         TEXT("*a*"), u"x"},
        {"after a re-add the earlier pair comes last", {{TEXT("*a*"), TEXT("*b*"), false}, {TEXT("*b*"), TEXT("x"), false},
                                                        {TEXT("*a*"), TEXT("*b*"), false}},
         TEXT("*a*"), u"*b*"},
    };
    for (const Case& c : cases) {
        SettingsStore store(true);
        for (const Step& step : c.steps) {
            if (step.remove) EXPECT_TRUE(store.RemovePlaceholder(WString(step.name))) << c.what;
            else store.AddPlaceholder(WString(step.name), WString(step.value));
        }
        EXPECT_EQ(Text(store.ExpandPath(WString(c.path))), c.expanded) << c.what;
    }
    SettingsStore empty(true);
    EXPECT_FALSE(empty.RemovePlaceholder(WString(TEXT("*a*")))) << "nothing to remove";
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreBackendsTest, ::testing::Values(Backend::Registry, Backend::Ini),
                         [](const ::testing::TestParamInfo<Backend>& backend) {
                             return backend.param == Backend::Registry ? "Registry" : "Ini";
                         });

}  // namespace
