// Names compare without regard to case in the registry, in profile files and
// in lstrcmpiW, one UTF-16 unit at a time: every letter with a one-to-one
// upper-case counterpart folds, in whatever script; a letter without one
// does not. Run on both platforms, it pins the simulated desktop's rule.
#include "common/StorageTestSupport.h"

#include <gtest/gtest.h>

using namespace storage_test;

namespace {

// lstrcmpiW compares linguistically on the platform, which also equates a few
// letters that names keep apart; those rows are not judged there.
enum class Compare { Equal, Different, NotJudged };

struct Case {
    const char* what;
    WCHAR lower;
    WCHAR upper;
    bool folds;  // the registry and profile files take both as one name
    Compare compare;
};

const Case kCases[] = {
    {"Latin", 0x0061, 0x0041, true, Compare::Equal},
    {"Cyrillic yo", 0x0451, 0x0401, true, Compare::Equal},
    {"Cyrillic ghe with upturn", 0x0491, 0x0490, true, Compare::Equal},
    {"Greek alpha", 0x03B1, 0x0391, true, Compare::Equal},
    {"Armenian ayb", 0x0561, 0x0531, true, Compare::Equal},
    {"fullwidth Latin a", 0xFF41, 0xFF21, true, Compare::Equal},
    {"Latin Extended a with macron", 0x0101, 0x0100, true, Compare::Equal},
    {"Latin Extended dz digraph with caron", 0x01C6, 0x01C4, true, Compare::Equal},
    {"y with diaeresis", 0x00FF, 0x0178, true, Compare::Equal},
    {"Glagolitic az", 0x2C30, 0x2C00, true, Compare::Equal},
    {"small Roman numeral one", 0x2170, 0x2160, true, Compare::Equal},
    {"circled a", 0x24D0, 0x24B6, true, Compare::Equal},
    {"dotless i has no counterpart", 0x0131, 0x0049, false, Compare::Different},
    {"long s has no counterpart", 0x017F, 0x0053, false, Compare::Different},
    {"micro sign is not Greek mu", 0x00B5, 0x039C, false, Compare::Different},
    {"final sigma has no counterpart", 0x03C2, 0x03A3, false, Compare::NotJudged},
    {"sharp s has no counterpart", 0x00DF, 0x1E9E, false, Compare::NotJudged},
    {"title-case dz is not upper case", 0x01C5, 0x01C4, false, Compare::NotJudged},
};

// A name of each case's own: a letter, the case's row and the letter under
// test, so that no row finds a name another row made.
std::u16string Name(char16_t prefix, const Case& c, WCHAR letter) {
    const auto row = static_cast<char16_t>(u'A' + (&c - kCases));
    return std::u16string{prefix, row, static_cast<char16_t>(letter)};
}

TEST(NameCaseTest, RegistryKeysAndValues) {
    RemoveTestKey();
    for (const Case& c : kCases) {
        const std::u16string lower = Name(u'k', c, c.lower);
        const std::u16string upper = Name(u'K', c, c.upper);
        const WString lowerPath = WString(kTestRoot) + reinterpret_cast<LPCWSTR>(lower.c_str());
        const WString upperPath = WString(kTestRoot) + reinterpret_cast<LPCWSTR>(upper.c_str());
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, lowerPath.Buffer(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS)
            << c.what;
        const std::vector<BYTE> one = Utf16Bytes(u"1", true);
        EXPECT_EQ(RegSetValueExW(key, reinterpret_cast<LPCWSTR>(lower.c_str()), 0, REG_SZ, one.data(),
                                 static_cast<DWORD>(one.size())),
                  ERROR_SUCCESS);
        DWORD size = 0;
        const LSTATUS value = RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(upper.c_str()), nullptr, nullptr,
                                               nullptr, &size);
        EXPECT_EQ(value == ERROR_SUCCESS, c.folds) << c.what << ": value name";
        RegCloseKey(key);
        EXPECT_EQ(KeyExists(upperPath.Buffer()), c.folds) << c.what << ": key name";
    }
    RemoveTestKey();
}

// Wine's profile functions (seen with Wine 8) fold ASCII letters only in
// section and key names, where Windows folds every letter as the registry
// does; the simulated desktop follows Windows.
bool ProfileNamesFoldAsciiOnly() {
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

TEST(NameCaseTest, ProfileSectionsAndKeys) {
    const bool asciiOnly = ProfileNamesFoldAsciiOnly();
    IniPlace place(TEXT("VintraStorageTestsFirm"), TEXT("Case"), TEXT("case.ini"));
    place.Remove();
    CreateDirectoryW(place.firmFolder.Buffer(), nullptr);
    CreateDirectoryW(place.appFolder.Buffer(), nullptr);
    std::u16string text;
    for (const Case& c : kCases) {
        text.append(u"[").append(Name(u's', c, c.lower)).append(u"]\r\n");
        text.append(Name(u'k', c, c.lower)).append(u"=found\r\n");
    }
    ASSERT_TRUE(WriteUtf16File(place.file.Buffer(), text));
    for (const Case& c : kCases) {
        const std::u16string section = Name(u'S', c, c.upper);
        const std::u16string key = Name(u'K', c, c.upper);
        WCHAR buffer[16];
        GetPrivateProfileStringW(reinterpret_cast<LPCWSTR>(section.c_str()), reinterpret_cast<LPCWSTR>(key.c_str()),
                                 TEXT("missing"), buffer, 16, place.file.Buffer());
        const bool folds = c.folds && (!asciiOnly || c.lower < 0x80);
        EXPECT_EQ(Text(buffer), folds ? u"found" : u"missing") << c.what;
    }
    place.Remove();
}

TEST(NameCaseTest, LstrcmpiW) {
    for (const Case& c : kCases) {
        if (c.compare == Compare::NotJudged) continue;
        const std::u16string lower = Name(u'x', c, c.lower);
        const std::u16string upper = Name(u'X', c, c.upper);
        const int result = lstrcmpiW(reinterpret_cast<LPCWSTR>(lower.c_str()), reinterpret_cast<LPCWSTR>(upper.c_str()));
        EXPECT_EQ(result == 0, c.compare == Compare::Equal) << c.what;
    }
}

}  // namespace
