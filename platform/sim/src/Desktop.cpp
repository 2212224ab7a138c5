// The desktop itself: its tables, reset, other programs and the user's script.
#include "State.h"

#include <cstdio>
#include <cstdlib>

namespace simdesk::detail {

namespace {

std::vector<std::function<void()>>& ResetList() {
    static std::vector<std::function<void()>> resets;
    return resets;
}

void DefaultStall(const std::string& reason) {
    std::fprintf(stderr, "simulated desktop: %s\n", reason.c_str());
    std::abort();
}

void InitialiseState(DesktopState& state) {
    state = DesktopState{};
    Thread program;
    program.id = kProgramThreadId;
    program.processId = kProgramProcessId;
    state.threads[program.id] = program;
    state.stallHandler = DefaultStall;
    state.programPath = u"C:\\Program Files\\Vintra\\Vintra.exe";
}

}  // namespace

DesktopState& State() {
    static DesktopState state = [] {
        DesktopState fresh;
        InitialiseState(fresh);
        return fresh;
    }();
    return state;
}

void OnReset(std::function<void()> reset) {
    ResetList().push_back(std::move(reset));
}

void RunResets() {
    for (auto& reset : ResetList()) reset();
}

Thread* FindThread(DWORD threadId) {
    auto found = State().threads.find(threadId);
    return found != State().threads.end() ? &found->second : nullptr;
}

Thread& ProgramThread() {
    return State().threads[kProgramThreadId];
}

bool RunNextScriptAction() {
    auto& script = State().script;
    if (script.empty()) return false;
    auto action = std::move(script.front());
    script.pop_front();
    action();
    return true;
}

void ReportStall(const std::string& reason) {
    auto handler = State().stallHandler;
    if (handler) handler(reason);
}

}  // namespace simdesk::detail

namespace simdesk {

using namespace detail;

void Reset() {
    InitialiseState(State());
    RunResets();
}

OtherProgram StartOtherProgram(const std::string& /*name*/, DWORD layout) {
    auto& state = State();
    OtherProgram program;
    program.processId = state.nextProcessId;
    program.threadId = state.nextProcessId + 4;
    state.nextProcessId += 0x100;
    Thread thread;
    thread.id = program.threadId;
    thread.processId = program.processId;
    thread.layout = layout;
    state.threads[thread.id] = thread;
    return program;
}

void SetKeyboardLayout(DWORD threadId, DWORD layout) {
    if (Thread* thread = FindThread(threadId)) thread->layout = layout;
}

void Then(std::function<void()> action) {
    State().script.push_back(std::move(action));
}

bool ScriptIsEmpty() {
    return State().script.empty();
}

void SetStallHandler(std::function<void(const std::string& reason)> handler) {
    State().stallHandler = std::move(handler);
}

void SetProgramPath(const std::u16string& path) {
    State().programPath = path;
}

std::u16string ToUtf16(const std::string& utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        std::uint32_t code = lead;
        std::size_t extra = 0;
        if (lead >= 0xF0) {
            code = lead & 0x07u;
            extra = 3;
        } else if (lead >= 0xE0) {
            code = lead & 0x0Fu;
            extra = 2;
        } else if (lead >= 0xC0) {
            code = lead & 0x1Fu;
            extra = 1;
        }
        ++i;
        for (std::size_t k = 0; k < extra && i < utf8.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3Fu);
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string ToUtf8(const std::u16string& utf16) {
    std::string out;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        std::uint32_t code = utf16[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < utf16.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00u);
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

}  // namespace simdesk
