// The program's resources and version record, read the way the program reads
// them: through its own module and its own file path. The suite links the
// resources like Vintra.exe, so it judges the simulated desktop and Windows alike.
#include "Platform.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::u16string Text(LPCWSTR s) {
    return s != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s)) : u"<null>";
}

std::u16string Utf16(const char* ascii) {
    std::u16string out;
    while (*ascii != 0) out.push_back(static_cast<char16_t>(*ascii++));
    return out;
}

// The bytes of one resource of the program module; empty when it is missing.
std::vector<BYTE> ProgramResource(LPCWSTR name, LPCWSTR type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = static_cast<const BYTE*>(LockResource(loaded));
    const DWORD size = SizeofResource(module, found);
    if (data == nullptr) return {};
    return std::vector<BYTE>(data, data + size);
}

// The icon groups and their images have a suite of their own (IconTest).

TEST(ProgramResourcesTest, ManifestAsksForVisualStylesDpiAwarenessAndNoElevation) {
    const std::vector<BYTE> manifest = ProgramResource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
}

TEST(ProgramResourcesTest, LookupsByNumberAndByNumberText) {
    HMODULE module = GetModuleHandleW(nullptr);
    EXPECT_NE(FindResourceW(module, TEXT("#102"), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON), nullptr);

    SetLastError(0);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(9999), RT_GROUP_ICON), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), TEXT("PICT")), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
}

// The program's own file and its version record, as the About dialog reads it.
class ProgramVersionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
        DWORD handle = 1;
        const DWORD size = GetFileVersionInfoSizeW(path, &handle);
        ASSERT_GT(size, 0u);
        EXPECT_EQ(handle, 0u);
        record.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, record.data()));
    }

    // The value under a query path, or "<missing>".
    std::u16string Query(const std::u16string& subBlock) {
        LPVOID value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(record.data(), reinterpret_cast<LPCWSTR>(subBlock.c_str()), &value, &length))
            return u"<missing>";
        return Text(static_cast<LPCWSTR>(value));
    }

    WCHAR path[MAX_PATH] = {};
    std::vector<BYTE> record;
};

TEST_F(ProgramVersionTest, FixedPartCarriesFileAndProductVersion1002) {
    LPVOID value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), TEXT("\\"), &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof(fixed));
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00000002u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00000002u);
}

TEST_F(ProgramVersionTest, OneTranslationRussianUnicode) {
    LPVOID value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), TEXT("\\VarFileInfo\\Translation"), &value, &length));
    ASSERT_EQ(length, 4u);
    WORD pair[2] = {};
    std::memcpy(pair, value, sizeof(pair));
    EXPECT_EQ(pair[0], 0x0419);
    EXPECT_EQ(pair[1], 0x04B0);
}

TEST_F(ProgramVersionTest, StringTableValues) {
    struct Case {
        const char* key;
        std::u16string value;
    };
    const Case cases[] = {
        {"Comments", u"@-inserter"},
        {"CompanyName", u"Ostrelix"},
        {"FileDescription", u"Vintra Light"},
        {"FileVersion", u"1.0"},
        {"InternalName", u"Vintra Light"},
        {"OriginalFilename", u"Vintra.exe"},
        {"ProductName", u"Ostrelix Vintra Light"},
        {"ProductVersion", u"1.0"},
        {"LegalTrademarks", u""},
        {"PrivateBuild", u""},
        {"SpecialBuild", u""},
        {"NoSuchKey", u"<missing>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Query(u"\\StringFileInfo\\041904B0\\" + Utf16(c.key)), c.value) << c.key;

    const std::u16string copyright = Query(u"\\StringFileInfo\\041904B0\\LegalCopyright");
    EXPECT_NE(copyright.find(u"Ostrelix"), std::u16string::npos);
    // The script is UTF-8; the sign must arrive as one character, not as its bytes.
    EXPECT_NE(copyright.find(u"\u00A9"), std::u16string::npos);
    EXPECT_EQ(Query(u"\\StringFileInfo\\040904B0\\FileVersion"), u"<missing>");
}

TEST(FileVersionInfoTest, FileWithoutRecordHasNone) {
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeW(TEXT("C:\\no such folder\\nothing.exe"), &handle), 0u);
    BYTE block[64] = {};
    EXPECT_FALSE(GetFileVersionInfoW(TEXT("C:\\no such folder\\nothing.exe"), 0, sizeof(block), block));
}

}  // namespace
