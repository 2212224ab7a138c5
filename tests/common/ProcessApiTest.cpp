// Opening the program's own process, trimming its working set and closing
// the handle: the calls the memory trimming relies on, and their errors.
#include <gtest/gtest.h>

#include "Platform.h"

namespace {

TEST(ProcessApiTest, TheOwnProcessOpensTrimsAndCloses) {
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, GetCurrentProcessId());
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_TRUE(CloseHandle(process));
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(process)) << "a handle closes once";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(ProcessApiTest, ThePseudoHandleNeedsNoOpening) {
    EXPECT_TRUE(SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_TRUE(CloseHandle(GetCurrentProcess()));
}

TEST(ProcessApiTest, NoProcessNoHandle) {
    struct Case {
        const char* what;
        DWORD processId;
    } cases[] = {{"the idle process's id", 0}, {"an id no process has", 0x7FFFFFFC}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_EQ(OpenProcess(PROCESS_SET_QUOTA, FALSE, c.processId), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST(ProcessApiTest, ClosingWhatIsNotOpenFails) {
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
