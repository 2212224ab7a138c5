// Vintra.exe as the end-to-end test runs it: a separate process started with
// settings that skip the first-start agreement, killed with the driver.
#pragma once

#include "Platform.h"

#include <string>

// Marks the program as started before and puts the combination in its
// [Left Win] mode without the layout condition, so each run starts the same.
bool PrepareSettings(std::string& error);

class VintraProcess {
public:
    VintraProcess() = default;
    ~VintraProcess();
    VintraProcess(const VintraProcess&) = delete;
    VintraProcess& operator=(const VintraProcess&) = delete;

    // Starts the program and waits until its message loop first waits for
    // input, which happens after it has installed its hooks.
    bool Start(const std::wstring& path, std::string& error);
    // Starts the program without waiting for it.
    bool Launch(const std::wstring& path, std::string& error);
    // Waits for the program to end; true when it did within the time.
    bool WaitForExit(DWORD milliseconds) const;
    DWORD ProcessId() const { return processId_; }
    bool IsRunning() const;
    DWORD ExitCode() const;
    void Stop();
    // Its top-level windows, "class 'title'" each, for diagnostics.
    std::string DescribeWindows() const;

private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
