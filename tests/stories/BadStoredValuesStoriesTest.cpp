// Stored values that the program did not write (missing, empty, no numbers,
// out of range, of another registry type, a placement block of the wrong
// size): the program starts, runs and exits normally with each.
#include "app/InserterApp.h"
#include "app/ProgramEntry.h"
#include "scenario/Story.h"
#include "stories/StoredValues.h"

#include <cstring>

namespace {

using BadStoredValuesStory = StoryTest;

struct Case {
    const char* what;
    const char16_t* section;
    const char16_t* name;
    DWORD type;
    std::vector<BYTE> data;
    bool asksToConfirm;
    std::optional<std::u16string> afterExit;  // what the exit leaves in this value
};

std::vector<BYTE> Text(const std::u16string& text) {
    std::vector<BYTE> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<BYTE>(unit & 0xFF));
        bytes.push_back(static_cast<BYTE>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

std::vector<BYTE> Dword(DWORD value) {
    std::vector<BYTE> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

std::vector<BYTE> Block(size_t size, BYTE fill) {
    return std::vector<BYTE>(size, fill);
}

TEST_F(BadStoredValuesStory, TheProgramStartsRunsAndExitsNormally) {
    const std::u16string common = u"Options\\Common";
    const std::u16string main = u"Options\\Windows\\Main";
    const Case cases[] = {
        {"HotKey2 empty", u"Options\\Common", u"HotKey2", REG_SZ, Text(u""), true, std::nullopt},
        {"HotKey2 no number", u"Options\\Common", u"HotKey2", REG_SZ, Text(u"Alt"), true, std::nullopt},
        {"HotKey2 as a DWORD", u"Options\\Common", u"HotKey2", REG_DWORD, Dword(1), true, std::nullopt},
        {"Ru out of range", u"Options\\Common", u"Ru", REG_SZ, Text(u"7"), true, u"1"},
        {"Ru no number", u"Options\\Common", u"Ru", REG_SZ, Text(u"да"), true, std::nullopt},
        {"StartMinimize out of range", u"Options\\Common", u"StartMinimize", REG_SZ, Text(u"-3"), true, u"-3"},
        {"StartMinimize huge", u"Options\\Common", u"StartMinimize", REG_SZ, Text(u"99999999999"), true,
         u"2147483647"},
        {"ConfirmExit no number", u"Options\\Common", u"ConfirmExit", REG_SZ, Text(u"нет"), false, u"0"},
        {"ConfirmExit empty", u"Options\\Common", u"ConfirmExit", REG_SZ, Text(u""), false, u"0"},
        {"MinimizeToTray as binary", u"Options\\Common", u"MinimizeToTray", REG_BINARY, Block(3, 0xFF), true,
         std::nullopt},
        {"placement too short", u"Options\\Windows\\Main", u"plmnt", REG_SZ, Block(10, 1), true, std::nullopt},
        {"placement too long", u"Options\\Windows\\Main", u"plmnt", REG_SZ, Block(60, 1), true, std::nullopt},
        {"placement of zeros", u"Options\\Windows\\Main", u"plmnt", REG_SZ, Block(44, 0), true, std::nullopt},
        {"topmost of any text", u"Options\\Windows\\Main", u"topmost", REG_SZ, Text(u"нет"), true, std::nullopt},
        {"profile empty", u"Profiles", u"Profile", REG_SZ, Text(u""), true, u"Default"},
        {"profile climbing out", u"Profiles", u"Profile", REG_SZ, Text(u"..\\.."), true, u"..\\.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(StoreText(main, u"CloseMinimize", u"0"));  // not a first start
        ASSERT_TRUE(StoreValue(c.section, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size())));
        bool shown = false;
        story::Then([&] {
            HWND window = story::FindProgramWindow(u"Vintra Light", u"#32770");
            shown = window != nullptr && IsWindowVisible(window);
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        });
        if (c.asksToConfirm) story::Then([] { story::AnswerMessageBox(u"Vintra", IDOK); });

        EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

        EXPECT_TRUE(shown);
        if (c.afterExit.has_value() && std::u16string(c.name) != u"plmnt") {
            EXPECT_EQ(StoredText(c.section, c.name), c.afterExit);
        }
        EXPECT_TRUE(StoredSectionExists(common));
        const auto placement = StoredBytes(main, u"plmnt");
        EXPECT_TRUE(placement && placement->size() == sizeof(WINDOWPLACEMENT)) << "a fresh placement is stored";
        EXPECT_TRUE(StoredSectionExists(u"Profiles")) << "the profile climbing out deleted nothing of ours";
        RestartProgram();
        ForgetStoredSettings();
    }
}

}  // namespace
