// The simulated desktop's side of resources: the executable's resources can be
// exchanged for a test and come back with a fresh desktop, and version records
// follow the program's path.
#include "Platform.h"
#include "res/resource.h"
#include "simdesk/Resources.h"
#include "support/DesktopFixture.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// A compiled resource file of one entry, laid out as the resource compiler
// writes it: the leading empty entry, then header and data, each padded to 4.
std::vector<unsigned char> ResFileWith(WORD type, WORD name, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> out;
    auto word = [&out](WORD w) {
        out.push_back(static_cast<unsigned char>(w & 0xFF));
        out.push_back(static_cast<unsigned char>(w >> 8));
    };
    auto dword = [&word](DWORD d) {
        word(static_cast<WORD>(d & 0xFFFF));
        word(static_cast<WORD>(d >> 16));
    };
    auto entry = [&](DWORD size, WORD typeId, WORD nameId, WORD language) {
        dword(size);
        dword(32);
        word(0xFFFF);
        word(typeId);
        word(0xFFFF);
        word(nameId);
        dword(0);
        word(0x1030);
        word(language);
        dword(0);
        dword(0);
    };
    entry(0, 0, 0, 0);
    entry(static_cast<DWORD>(data.size()), type, name, 0x0419);
    out.insert(out.end(), data.begin(), data.end());
    while (out.size() % 4 != 0) out.push_back(0);
    return out;
}

std::u16string ProgramPath() {
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::u16string(path);
}

class SimResourcesTest : public DesktopTest {};

TEST_F(SimResourcesTest, TestResourcesReplaceTheBuiltInOnesUntilTheNextFreshDesktop) {
    const std::vector<unsigned char> picture = {'P', 'I', 'C', 'T', 1, 2, 3};
    ASSERT_TRUE(simdesk::ReplaceProgramResources(ResFileWith(10, 7, picture)));

    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(7), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, found), picture.size());
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(nullptr, found)), picture.data(), picture.size()), 0);
    // Without a version record the program's own file has none either.
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON), nullptr);
    EXPECT_EQ(GetFileVersionInfoSizeW(reinterpret_cast<LPCWSTR>(ProgramPath().c_str()), nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));

    simdesk::Reset();
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(7), RT_RCDATA), nullptr);
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON), nullptr);
}

TEST_F(SimResourcesTest, MalformedResourceFilesAreRefusedAndChangeNothing) {
    std::vector<unsigned char> good = ResFileWith(10, 7, {1, 2, 3, 4});
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
    };
    std::vector<unsigned char> truncated(good.begin(), good.end() - 6);
    std::vector<unsigned char> hugeData = good;
    hugeData[32] = 0xFF;  // data size of the second entry far past the end
    hugeData[35] = 0x7F;
    std::vector<unsigned char> tinyHeader = good;
    tinyHeader[36] = 4;  // header size smaller than its own fields
    const Case cases[] = {
        {"empty", {}},
        {"truncated data", truncated},
        {"data size past the end", hugeData},
        {"header too small", tinyHeader},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(simdesk::ReplaceProgramResources(c.bytes)) << c.what;
        EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON), nullptr) << c.what;
    }
}

TEST_F(SimResourcesTest, VersionRecordFollowsTheProgramPathWhateverItsCase) {
    simdesk::SetProgramPath(u"D:\\Tools\\Vintra.exe");
    EXPECT_GT(GetFileVersionInfoSizeW(TEXT("d:\\tools\\VINTRA.EXE"), nullptr), 0u);
    SetLastError(0);
    EXPECT_EQ(GetFileVersionInfoSizeW(TEXT("C:\\Program Files\\Vintra\\Vintra.exe"), nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(SimResourcesTest, ShortBufferGetsTheRecordCutAndQueriesStayInsideIt) {
    const std::u16string path = ProgramPath();
    LPCWSTR file = reinterpret_cast<LPCWSTR>(path.c_str());
    const DWORD size = GetFileVersionInfoSizeW(file, nullptr);
    ASSERT_GT(size, 200u);
    // Enough for the fixed part, not for the string table at the end.
    std::vector<BYTE> cut(200);
    ASSERT_TRUE(GetFileVersionInfoW(file, 0, static_cast<DWORD>(cut.size()), cut.data()));
    LPVOID value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(cut.data(), TEXT("\\"), &value, &length));
    EXPECT_FALSE(VerQueryValueW(cut.data(), TEXT("\\StringFileInfo\\041904B0\\ProductVersion"), &value, &length));
    EXPECT_FALSE(VerQueryValueW(cut.data(), TEXT("\\VarFileInfo\\Translation"), &value, &length));
}

}  // namespace
