#include "e2e/VintraProcess.h"

#include <vector>

namespace {

std::string Describe(const char* what, DWORD error) {
    return std::string(what) + " failed, error " + std::to_string(error);
}

bool WriteText(HKEY key, LPCWSTR name, LPCWSTR value) {
    const DWORD bytes = static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(WCHAR));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes) == ERROR_SUCCESS;
}

}  // namespace

bool PrepareSettings(std::string& error) {
    HKEY main = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("Software\\Ostrelix\\Vintra\\Options\\Windows\\Main"), 0,
                                     nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &main, nullptr);
    if (status != ERROR_SUCCESS) {
        error = Describe("RegCreateKeyExW(Options\\Windows\\Main)", static_cast<DWORD>(status));
        return false;
    }
    // A window handle left by an earlier run must not look like a running instance.
    RegDeleteValueW(main, TEXT("Handle"));
    RegCloseKey(main);

    HKEY common = nullptr;
    status = RegCreateKeyExW(HKEY_CURRENT_USER, TEXT("Software\\Ostrelix\\Vintra\\Options\\Common"), 0, nullptr, 0,
                             KEY_READ | KEY_WRITE, nullptr, &common, nullptr);
    if (status != ERROR_SUCCESS) {
        error = Describe("RegCreateKeyExW(Options\\Common)", static_cast<DWORD>(status));
        return false;
    }
    const bool written = WriteText(common, TEXT("HotKey2"), TEXT("0")) && WriteText(common, TEXT("Ru"), TEXT("0"));
    RegCloseKey(common);
    if (!written) error = "could not write HotKey2 and Ru";
    return written;
}

VintraProcess::~VintraProcess() {
    Stop();
}

bool VintraProcess::Start(const std::wstring& path, std::string& error) {
    if (!Launch(path, error)) return false;
    const DWORD idle = WaitForInputIdle(process_, 20000);
    if (!IsRunning()) {
        error = "Vintra.exe exited during start-up with code " + std::to_string(ExitCode());
        return false;
    }
    if (idle != 0) {
        error = idle == WAIT_TIMEOUT ? "Vintra.exe did not reach its message loop within 20 s"
                                     : Describe("WaitForInputIdle", GetLastError());
        return false;
    }
    return true;
}

bool VintraProcess::WaitForExit(DWORD milliseconds) const {
    return process_ != nullptr && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

bool VintraProcess::Launch(const std::wstring& path, std::string& error) {
    Stop();
    // The job takes the program down with the driver, however the driver ends.
    job_ = CreateJobObjectW(nullptr, nullptr);
    if (job_ != nullptr) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    }
    std::vector<WCHAR> commandLine;
    commandLine.push_back(L'"');
    commandLine.insert(commandLine.end(), path.begin(), path.end());
    commandLine.push_back(L'"');
    commandLine.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        error = Describe("CreateProcessW", GetLastError());
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    if (job_ != nullptr) AssignProcessToJobObject(job_, process_);
    return true;
}

namespace {

std::string Narrow(const WCHAR* text) {
    char narrow[256] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof(narrow) - 1, nullptr, nullptr);
    return narrow;
}

struct WindowSearch {
    DWORD processId;
    std::string found;
};

BOOL CALLBACK AddWindowOfProcess(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    WCHAR className[128] = {};
    WCHAR title[128] = {};
    GetClassNameW(window, className, 128);
    GetWindowTextW(window, title, 128);
    if (!search->found.empty()) search->found += ", ";
    search->found += Narrow(className) + " '" + Narrow(title) + "'" + (IsWindowVisible(window) ? "" : " (hidden)");
    return TRUE;
}

}  // namespace

std::string VintraProcess::DescribeWindows() const {
    WindowSearch search{processId_, {}};
    EnumWindows(AddWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? "no top-level windows" : search.found;
}

bool VintraProcess::IsRunning() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD VintraProcess::ExitCode() const {
    DWORD code = 0;
    if (process_ == nullptr || !GetExitCodeProcess(process_, &code)) return 0xFFFFFFFF;
    return code;
}

void VintraProcess::Stop() {
    if (process_ != nullptr) {
        // A story that failed half-way may leave the program running.
        if (IsRunning()) {
            TerminateProcess(process_, 0);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
        process_ = nullptr;
    }
    if (job_ != nullptr) {
        CloseHandle(job_);
        job_ = nullptr;
    }
}
