// Helpers of the shortcut suites that run on both platforms: a folder of
// their own for shortcut files, and reading a shortcut back through the
// shell's link object.
#pragma once

#include "app/ComGuards.h"
#include "settings/WString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shortcut_test {

inline std::u16string Text(LPCWSTR text) {
    std::u16string out;
    for (; text != nullptr && *text != 0; ++text) out.push_back(static_cast<char16_t>(*text));
    return out;
}

inline std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

// What the properties of a shortcut show, as the link object reads them.
struct LoadedShortcut {
    HRESULT load = E_FAIL;
    std::u16string target;
    std::u16string workingDirectory;
    std::u16string description;
    std::u16string arguments;
};

inline LoadedShortcut LoadShortcut(const WString& path) {
    LoadedShortcut loaded;
    ComInit com;
    ComPtr<IShellLinkW> link;
    loaded.load = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put());
    if (FAILED(loaded.load)) return loaded;
    ComPtr<IPersistFile> file;
    loaded.load = link->QueryInterface(IID_IPersistFile, file.put());
    if (FAILED(loaded.load)) return loaded;
    loaded.load = file->Load(path.Buffer(), STGM_READ);
    if (FAILED(loaded.load)) return loaded;
    WCHAR text[1024] = {};
    if (SUCCEEDED(link->GetPath(text, 1024, nullptr, SLGP_RAWPATH))) loaded.target = Text(text);
    text[0] = 0;
    if (SUCCEEDED(link->GetWorkingDirectory(text, 1024))) loaded.workingDirectory = Text(text);
    text[0] = 0;
    if (SUCCEEDED(link->GetDescription(text, 1024))) loaded.description = Text(text);
    text[0] = 0;
    if (SUCCEEDED(link->GetArguments(text, 1024))) loaded.arguments = Text(text);
    return loaded;
}

// The test program's own file: a target that exists on both platforms.
inline WString ProgramPath() {
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return WString(path);
}

inline WString FolderOf(const WString& path) {
    std::basic_string<WCHAR> text(path.Buffer());
    const std::size_t slash = text.rfind(TEXT('\\'));
    text.resize(slash == std::basic_string<WCHAR>::npos ? 0 : slash);
    return WString(text.c_str());
}

// A folder of the suite's own below the application-data folder, removed
// with everything the test left in it.
class ShortcutFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        WCHAR appData[MAX_PATH] = {};
        ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)));
        folder = WString(appData) + TEXT("\\VintraShortcutTests");
        CreateDirectoryW(folder.Buffer(), nullptr);
        ASSERT_TRUE(PathFileExistsW(folder.Buffer()));
    }
    void TearDown() override {
        for (const WString& file : made) DeleteFileW(file.Buffer());
        EXPECT_TRUE(RemoveDirectoryW(folder.Buffer())) << "a file was left in the test folder";
    }

    // A file name in the test folder, deleted after the test.
    WString File(LPCWSTR name) {
        WString path = folder + TEXT("\\") + name;
        made.push_back(path);
        return path;
    }

    WString folder;
    std::vector<WString> made;
};

}  // namespace shortcut_test
