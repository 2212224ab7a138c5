// What the settings store expects of the registry calls themselves, below a
// key of the suite's own. Run on both platforms, it keeps the simulated
// registry honest against the real one.
#include "common/StorageTestSupport.h"

#include <gtest/gtest.h>

using namespace storage_test;

namespace {

class RegistryApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestKey();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &base, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (base != nullptr) RegCloseKey(base);
        RemoveTestKey();
    }

    LSTATUS Create(LPCWSTR subKey, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        const LSTATUS status =
            RegCreateKeyExW(base, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, disposition);
        if (status == ERROR_SUCCESS) RegCloseKey(key);
        return status;
    }
    LSTATUS Open(LPCWSTR subKey) {
        HKEY key = nullptr;
        const LSTATUS status = RegOpenKeyExW(base, subKey, 0, KEY_READ, &key);
        if (status == ERROR_SUCCESS) RegCloseKey(key);
        return status;
    }

    HKEY base = nullptr;
};

TEST_F(RegistryApiTest, KeyPaths) {
    DWORD disposition = 0;
    ASSERT_EQ(Create(TEXT("A\\B"), &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(Create(TEXT("a\\b"), &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY)) << "names compare without regard to case";

    struct Case {
        const char* what;
        LPCWSTR path;
        LSTATUS status;
    };
    const Case cases[] = {
        {"case differs", TEXT("a\\B"), ERROR_SUCCESS},
        {"trailing backslash", TEXT("A\\B\\"), ERROR_SUCCESS},
        {"empty path opens the key itself", TEXT(""), ERROR_SUCCESS},
        {"missing key", TEXT("A\\C"), ERROR_FILE_NOT_FOUND},
        {"leading backslash", TEXT("\\A"), ERROR_BAD_PATHNAME},
        {"a lone backslash", TEXT("\\"), ERROR_BAD_PATHNAME},
        {"dot-dot is a name, not the parent", TEXT("A\\..\\A"), ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) EXPECT_EQ(Open(c.path), c.status) << c.what;
    EXPECT_EQ(Create(TEXT("\\A")), ERROR_BAD_PATHNAME);
}

TEST_F(RegistryApiTest, QueryingValues) {
    const std::vector<BYTE> text = Utf16Bytes(u"abcdef", true);
    ASSERT_EQ(RegSetValueExW(base, TEXT("Value"), 0, REG_SZ, text.data(), static_cast<DWORD>(text.size())), ERROR_SUCCESS);

    DWORD type = REG_NONE;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(base, TEXT("VALUE"), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, text.size()) << "a null buffer asks for the size";

    BYTE small[4] = {};
    size = sizeof(small);
    EXPECT_EQ(RegQueryValueExW(base, TEXT("Value"), nullptr, nullptr, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, text.size()) << "a small buffer learns the size it needs";

    std::vector<BYTE> large(32, 0xEE);
    size = static_cast<DWORD>(large.size());
    EXPECT_EQ(RegQueryValueExW(base, TEXT("Value"), nullptr, nullptr, large.data(), &size), ERROR_SUCCESS);
    EXPECT_EQ(size, text.size());
    EXPECT_EQ(large[text.size()], 0xEE) << "nothing is written past the value";

    EXPECT_EQ(RegQueryValueExW(base, TEXT("Missing"), nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueW(base, TEXT("Missing")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueW(base, TEXT("value")), ERROR_SUCCESS);

    ASSERT_EQ(RegSetValueExW(base, TEXT("Empty"), 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);
    size = 99;
    EXPECT_EQ(RegQueryValueExW(base, TEXT("Empty"), nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
}

// A string-typed value whose last whole unit is not zero takes the unit
// after the caller's count along when that unit is zero: the system reads
// past the count. Here the bytes after the count are part of the buffer.
TEST_F(RegistryApiTest, AStringTypeTakesAZeroUnitAfterTheCountAlong) {
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> buffer;
        DWORD count;
        DWORD stored;
    };
    const Case cases[] = {
        {"last unit set, next zero", REG_SZ, {'a', 0, 'b', 0, 0, 0}, 4, 6},
        {"last unit set, next set", REG_SZ, {'a', 0, 'b', 0, 'c', 0}, 4, 4},
        {"last unit zero", REG_SZ, {'a', 0, 0, 0, 0, 0}, 4, 4},
        {"zero unit earlier, last set", REG_SZ, {0, 0, 'a', 0, 0, 0}, 4, 6},
        {"a negative LONG at the end", REG_SZ, {0x9C, 0xFF, 0xFF, 0xFF, 0, 0}, 4, 6},
        {"odd count: the unit after straddles it", REG_SZ, {'a', 0, 'b', 0, 0, 0, 0}, 5, 7},
        {"odd count, that unit set", REG_SZ, {'a', 0, 'b', 0, 'c', 0}, 3, 3},
        {"one unit, next set", REG_SZ, {'a', 0, 'b', 0}, 2, 2},
        {"REG_EXPAND_SZ too", REG_EXPAND_SZ, {'a', 0, 'b', 0, 0, 0}, 4, 6},
        {"REG_MULTI_SZ too", REG_MULTI_SZ, {'a', 0, 'b', 0, 0, 0}, 4, 6},
        {"not REG_BINARY", REG_BINARY, {'a', 0, 'b', 0, 0, 0}, 4, 4},
        {"nothing", REG_SZ, {0, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(RegSetValueExW(base, TEXT("V"), 0, c.type, c.buffer.data(), c.count), ERROR_SUCCESS) << c.what;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExW(base, TEXT("V"), nullptr, nullptr, nullptr, &size), ERROR_SUCCESS) << c.what;
        EXPECT_EQ(size, c.stored) << c.what;
    }
}

TEST_F(RegistryApiTest, AccessRightsOfAHandle) {
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    const std::vector<BYTE> text = Utf16Bytes(u"a", true);
    EXPECT_EQ(RegSetValueExW(readOnly, TEXT("V"), 0, REG_SZ, text.data(), static_cast<DWORD>(text.size())),
              ERROR_ACCESS_DENIED);
    RegCloseKey(readOnly);
}

TEST_F(RegistryApiTest, DeletingTrees) {
    HKEY deep = nullptr;
    ASSERT_EQ(RegCreateKeyExW(base, TEXT("Tree\\Deep"), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &deep, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(Create(TEXT("Sibling")), ERROR_SUCCESS);

    EXPECT_EQ(SHDeleteKeyW(base, TEXT("TREE")), ERROR_SUCCESS);
    EXPECT_EQ(Open(TEXT("Tree")), ERROR_FILE_NOT_FOUND);
    const std::vector<BYTE> text = Utf16Bytes(u"a", true);
    EXPECT_EQ(RegSetValueExW(deep, TEXT("V"), 0, REG_SZ, text.data(), static_cast<DWORD>(text.size())),
              ERROR_KEY_DELETED)
        << "a handle outlives its deleted key but cannot use it";
    RegCloseKey(deep);
    EXPECT_EQ(SHDeleteKeyW(base, TEXT("Tree")), ERROR_FILE_NOT_FOUND);

    // An empty sub-key path empties the key itself and reports success:
    // why the store never hands the deletion an empty path.
    ASSERT_EQ(Create(TEXT("Emptied\\Child")), ERROR_SUCCESS);
    HKEY emptied = nullptr;
    ASSERT_EQ(RegOpenKeyExW(base, TEXT("Emptied"), 0, KEY_ALL_ACCESS, &emptied), ERROR_SUCCESS);
    EXPECT_EQ(SHDeleteKeyW(emptied, TEXT("")), ERROR_SUCCESS);
    RegCloseKey(emptied);
    EXPECT_EQ(Open(TEXT("Emptied\\Child")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(TEXT("Emptied")), ERROR_SUCCESS);
    EXPECT_EQ(Open(TEXT("Sibling")), ERROR_SUCCESS);
}

}  // namespace
