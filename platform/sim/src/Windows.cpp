// user32: window classes, creating and destroying windows, the window tree
// (parents, owners, sibling order), window values and properties.
#include "WindowManager.h"

#include <algorithm>
#include <cstring>

using namespace simdesk::detail;

namespace {

struct WindowClass {
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    int extraBytes = 0;
};

std::map<std::u16string, WindowClass>& Classes() {
    static std::map<std::u16string, WindowClass> classes;
    return classes;
}

// Handle values look like the platform's (small, even, never reused within a
// run), so a stale handle is not mistaken for a new window.
std::uintptr_t NextHandleValue() {
    static std::uintptr_t next = 0x10010;
    next += 2;
    return next;
}

const bool kRegistered = [] {
    OnReset([] { Classes().clear(); });
    return true;
}();

char16_t FoldChar(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if (c >= u'\u0430' && c <= u'\u044F') return static_cast<char16_t>(c - 32);
    if (c >= u'\u0450' && c <= u'\u045F') return static_cast<char16_t>(c - 80);
    return c;
}

std::u16string Folded(const std::u16string& text) {
    std::u16string key;
    for (char16_t c : text) key.push_back(FoldChar(c));
    return key;
}

std::u16string ClassKey(LPCWSTR name) {
    return Folded(name);
}

// The system's own classes exist in every process and survive every reset.
const WindowClass* SystemClass(const std::u16string& key) {
    static const std::map<std::u16string, WindowClass> system = {
        {u"BUTTON", {ButtonProcedure, nullptr, 0}},
        {u"STATIC", {StaticProcedure, nullptr, 0}},
        {u"EDIT", {EditProcedure, nullptr, 0}},
        {u"SYSTABCONTROL32", {TabControlProcedure, nullptr, 0}},
        {u"#32770", {DefDlgProcW, nullptr, kDialogExtraBytes}},
    };
    auto found = system.find(key);
    return found != system.end() ? &found->second : nullptr;
}

const WindowClass* FindClass(LPCWSTR name) {
    const std::u16string key = ClassKey(name);
    auto found = Classes().find(key);
    if (found != Classes().end()) return &found->second;
    return SystemClass(key);
}

HWND NewWindow(Window window) {
    window.handle = reinterpret_cast<HWND>(NextHandleValue());
    HWND handle = window.handle;
    State().windows[reinterpret_cast<std::uintptr_t>(handle)] = std::move(window);
    return handle;
}

void Unlink(const Window& window) {
    auto& siblings = SiblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

void MarkDestroying(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    window->destroying = true;
    for (HWND child : window->children) MarkDestroying(child);
}

// WM_DESTROY goes to the window first, then down through its children.
void SendDestroy(HWND handle) {
    SendMessageW(handle, WM_DESTROY, 0, 0);
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) SendDestroy(child);
}

// WM_NCDESTROY goes to the children first; then the window is gone.
void FreeWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) FreeWindow(child);
    SendMessageW(handle, WM_NCDESTROY, 0, 0);
    window = FindWindow(handle);
    if (window == nullptr) return;
    Unlink(*window);
    if (State().focus == handle) State().focus = nullptr;
    if (State().active == handle) State().active = nullptr;
    KillWindowTimers(handle);
    State().windows.erase(reinterpret_cast<std::uintptr_t>(handle));
    // Posted messages for a window that no longer exists are never delivered.
    auto& queue = ProgramThread().queue;
    queue.erase(std::remove_if(queue.begin(), queue.end(), [handle](const MSG& m) { return m.hwnd == handle; }),
                queue.end());
}

// Placeholder size and position for CW_USEDEFAULT; the platform cascades
// windows, which the program cannot tell apart from a fixed place.
constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

bool ReadExtra(const Window& window, int index, void* out, std::size_t size) {
    if (index < 0 || static_cast<std::size_t>(index) + size > window.extra.size()) {
        SetLastError(1413);  // ERROR_INVALID_INDEX
        return false;
    }
    std::memcpy(out, window.extra.data() + index, size);
    return true;
}

bool WriteExtra(Window& window, int index, const void* in, std::size_t size) {
    if (index < 0 || static_cast<std::size_t>(index) + size > window.extra.size()) {
        SetLastError(1413);  // ERROR_INVALID_INDEX
        return false;
    }
    std::memcpy(window.extra.data() + index, in, size);
    return true;
}

LONG_PTR GetValue(HWND handle, int index) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(static_cast<LONG>(window->style));
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(static_cast<LONG>(window->exStyle));
        case GWLP_ID:
            return window->id;
        case GWLP_USERDATA:
            return window->userData;
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(window->procedure);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>((window->style & WS_CHILD) != 0 ? window->parent : window->owner);
        default:
            break;
    }
    LONG_PTR value = 0;
    return ReadExtra(*window, index, &value, sizeof(value)) ? value : 0;
}

// Style changes are announced before and after, as on the platform.
void ChangeStyle(HWND handle, int index, DWORD value) {
    struct StyleStruct {
        DWORD styleOld;
        DWORD styleNew;
    };
    Window* window = FindWindow(handle);
    StyleStruct change{index == GWL_STYLE ? window->style : window->exStyle, value};
    SendMessageW(handle, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    window = FindWindow(handle);
    if (window == nullptr) return;
    (index == GWL_STYLE ? window->style : window->exStyle) = change.styleNew;
    SendMessageW(handle, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
}

LONG_PTR SetValue(HWND handle, int index, LONG_PTR value) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR previous = GetValue(handle, index);
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE:
            ChangeStyle(handle, index, static_cast<DWORD>(value));
            return previous;
        case GWLP_ID:
            window->id = value;
            return previous;
        case GWLP_USERDATA:
            window->userData = value;
            return previous;
        case GWLP_WNDPROC:
            window->procedure = reinterpret_cast<WNDPROC>(value);
            return previous;
        case GWLP_HINSTANCE:
            window->instance = reinterpret_cast<HINSTANCE>(value);
            return previous;
        case GWLP_HWNDPARENT:
            if ((window->style & WS_CHILD) == 0) window->owner = reinterpret_cast<HWND>(value);
            return previous;
        default:
            break;
    }
    return WriteExtra(*window, index, &value, sizeof(value)) ? previous : 0;
}

// Property names are atoms: case-insensitive texts, or numbers.
std::u16string PropertyKey(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        std::u16string key = u"#";
        for (char c : std::to_string(LOWORD(reinterpret_cast<ULONG_PTR>(name)))) key.push_back(static_cast<char16_t>(c));
        return key;
    }
    return Folded(name);
}

}  // namespace

namespace simdesk::detail {

Window* FindWindow(HWND window) {
    auto found = State().windows.find(reinterpret_cast<std::uintptr_t>(window));
    return found != State().windows.end() ? &found->second : nullptr;
}

Window* FindProgramWindow(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && IsProgramWindow(*window) ? window : nullptr;
}

bool IsProgramWindow(const Window& window) {
    return window.processId == kProgramProcessId;
}

std::vector<HWND>& SiblingsOf(const Window& window) {
    if ((window.style & WS_CHILD) != 0) {
        if (Window* parent = FindWindow(window.parent)) return parent->children;
    }
    return State().topLevel;
}

HWND RootOf(HWND handle) {
    Window* window = FindWindow(handle);
    while (window != nullptr && (window->style & WS_CHILD) != 0 && window->parent != nullptr) {
        handle = window->parent;
        window = FindWindow(handle);
    }
    return window != nullptr ? handle : nullptr;
}

bool IsDescendant(HWND ancestor, HWND handle) {
    Window* window = FindWindow(handle);
    while (window != nullptr && (window->style & WS_CHILD) != 0) {
        if (window->parent == ancestor) return true;
        window = FindWindow(window->parent);
    }
    return false;
}

bool IsReallyVisible(HWND handle) {
    for (Window* window = FindWindow(handle); window != nullptr;) {
        if ((window->style & WS_VISIBLE) == 0) return false;
        if ((window->style & WS_CHILD) == 0) return true;
        window = FindWindow(window->parent);
    }
    return false;
}

bool IsReallyEnabled(HWND handle) {
    for (Window* window = FindWindow(handle); window != nullptr;) {
        if ((window->style & WS_DISABLED) != 0) return false;
        if ((window->style & WS_CHILD) == 0) return true;
        window = FindWindow(window->parent);
    }
    return false;
}

bool SameTextIgnoringCase(const std::u16string& a, const std::u16string& b) {
    return Folded(a) == Folded(b);
}

void RaiseInBand(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr || (window->style & WS_CHILD) != 0) return;
    auto& list = State().topLevel;
    list.erase(std::remove(list.begin(), list.end(), handle), list.end());
    auto position = list.begin();
    if ((window->exStyle & WS_EX_TOPMOST) == 0) {
        while (position != list.end()) {
            Window* other = FindWindow(*position);
            if (other == nullptr || (other->exStyle & WS_EX_TOPMOST) == 0) break;
            ++position;
        }
    }
    list.insert(position, handle);
}

DialogData* DialogOf(HWND handle) {
    Window* window = FindWindow(handle);
    return window != nullptr && window->isDialog ? &window->dialog : nullptr;
}

}  // namespace simdesk::detail

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* windowClass) {
    (void)kRegistered;
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXW) || windowClass->lpszClassName == nullptr ||
        windowClass->cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string key = ClassKey(windowClass->lpszClassName);
    if (Classes().count(key) != 0) {
        SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    Classes()[key] = WindowClass{windowClass->lpfnWndProc, windowClass->hInstance, windowClass->cbWndExtra};
    return static_cast<ATOM>(0xC000 + Classes().size());
}

BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE /*instance*/) {
    if (className == nullptr) return FALSE;
    return Classes().erase(ClassKey(className)) != 0 ? TRUE : FALSE;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    if (className == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const WindowClass* found = FindClass(className);
    if (found == nullptr) {
        SetLastError(1407);  // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    const bool messageOnly = parent == HWND_MESSAGE;
    if (messageOnly) parent = nullptr;
    if (parent != nullptr && FindWindow(parent) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) != 0 && parent == nullptr) {
        SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
        return nullptr;
    }
    Window window;
    window.processId = kProgramProcessId;
    window.threadId = kProgramThreadId;
    window.className = className;
    // A resource ordinal (0xFFFF, number) names an icon, not a text.
    if (windowName != nullptr && windowName[0] != 0xFFFF) window.text = windowName;
    window.procedure = found->procedure;
    window.style = style & ~WS_VISIBLE;
    window.exStyle = exStyle;
    window.instance = instance;
    window.extra.assign(static_cast<std::size_t>(found->extraBytes), 0);
    if ((style & WS_CHILD) != 0) {
        window.parent = parent;
        window.id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        // A top-level window is owned by the top-level window of the one given.
        window.owner = RootOf(parent);
    }
    if ((style & WS_CHILD) == 0 && x == CW_USEDEFAULT) {
        x = kDefaultX;
        y = kDefaultY;
    }
    if ((style & WS_CHILD) == 0 && width == CW_USEDEFAULT) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    window.rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    window.normalRect = window.rect;
    HWND handle = NewWindow(std::move(window));
    // A new child goes to the bottom of its siblings, a new top-level window
    // to the top of its band; message-only windows are in no sibling list.
    if ((style & WS_CHILD) != 0) {
        FindWindow(parent)->children.push_back(handle);
    } else if (!messageOnly) {
        RaiseInBand(handle);
    }

    CREATESTRUCTW create = {};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (SendMessageW(handle, WM_NCCREATE, 0, createParam) == 0 || !IsWindow(handle) ||
        SendMessageW(handle, WM_CREATE, 0, createParam) == -1 || !IsWindow(handle)) {
        DestroyWindow(handle);
        SetLastError(1400);
        return nullptr;
    }
    // The window hears its size and place (WM_SIZE, WM_MOVE) when it is
    // first shown.
    if (Window* made = FindWindow(handle)) made->needsSize = true;
    if ((style & WS_VISIBLE) != 0 && IsWindow(handle)) ShowWindow(handle, SW_SHOW);
    return IsWindow(handle) ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (window->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (window->destroying) return TRUE;
    // Owned windows go first.
    if ((window->style & WS_CHILD) == 0) {
        std::vector<HWND> owned;
        for (HWND other : State().topLevel)
            if (Window* candidate = FindWindow(other); candidate != nullptr && candidate->owner == handle)
                owned.push_back(other);
        for (HWND other : owned) DestroyWindow(other);
        window = FindWindow(handle);
        if (window == nullptr) return TRUE;
    }
    // A visible window is hidden first; activation and focus move away.
    if ((window->style & WS_VISIBLE) != 0) {
        MoveWindowTo(handle, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    MarkDestroying(handle);
    ActivationLeaves(handle);
    SendDestroy(handle);
    FreeWindow(handle);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window) {
    return FindWindow(window) != nullptr ? TRUE : FALSE;
}

DWORD WINAPI GetWindowThreadProcessId(HWND handle, LPDWORD processId) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (processId != nullptr) *processId = window->processId;
    return window->threadId;
}

HWND WINAPI GetWindow(HWND handle, UINT relation) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
    if (relation == GW_OWNER) return (window->style & WS_CHILD) != 0 ? nullptr : window->owner;
    const auto& siblings = SiblingsOf(*window);
    auto self = std::find(siblings.begin(), siblings.end(), handle);
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings.empty() ? nullptr : siblings.front();
        case GW_HWNDLAST:
            return siblings.empty() ? nullptr : siblings.back();
        case GW_HWNDNEXT:
            return self == siblings.end() || self + 1 == siblings.end() ? nullptr : *(self + 1);
        case GW_HWNDPREV:
            return self == siblings.end() || self == siblings.begin() ? nullptr : *(self - 1);
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
    }
}

// A child's parent; a pop-up's owner; nothing for other top-level windows.
HWND WINAPI GetParent(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((window->style & WS_CHILD) != 0) return window->parent;
    return (window->style & WS_POPUP) != 0 ? window->owner : nullptr;
}

// The desktop window itself is not simulated: the parent of a top-level
// window reads as null.
HWND WINAPI GetAncestor(HWND handle, UINT relation) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return nullptr;
    switch (relation) {
        case GA_PARENT:
            return (window->style & WS_CHILD) != 0 ? window->parent : nullptr;
        case GA_ROOT:
            return RootOf(handle);
        case GA_ROOTOWNER: {
            HWND root = RootOf(handle);
            for (Window* top = FindWindow(root); top != nullptr && top->owner != nullptr; top = FindWindow(root))
                root = top->owner;
            return root;
        }
        default:
            return nullptr;
    }
}

BOOL WINAPI IsChild(HWND parent, HWND window) {
    return parent != nullptr && IsDescendant(parent, window) ? TRUE : FALSE;
}

// Top-level windows of every program, in z-order; both names compare without
// regard to case, hidden windows included.
HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName) {
    for (HWND handle : State().topLevel) {
        Window* window = FindWindow(handle);
        if (window == nullptr) continue;
        if (className != nullptr && !SameTextIgnoringCase(window->className, className)) continue;
        if (windowName != nullptr && !SameTextIgnoringCase(window->text, windowName)) continue;
        return handle;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);  // the platform's "no such window"
    return nullptr;
}

int WINAPI GetClassNameW(HWND handle, LPWSTR className, int maxCount) {
    Window* window = FindWindow(handle);
    if (window == nullptr || className == nullptr || maxCount <= 0) {
        SetLastError(window == nullptr ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int count = std::min<int>(static_cast<int>(window->className.size()), maxCount - 1);
    for (int i = 0; i < count; ++i) className[i] = window->className[static_cast<std::size_t>(i)];
    className[count] = 0;
    return count;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* window = FindWindow(dialog);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (HWND child : window->children) {
        Window* control = FindWindow(child);
        if (control != nullptr && static_cast<int>(control->id) == id) return child;
    }
    SetLastError(1421);  // ERROR_CONTROL_ID_NOT_FOUND
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return static_cast<int>(window->id);
}

LONG WINAPI GetWindowLongW(HWND window, int index) {
    if (index >= 0) {
        Window* found = FindWindow(window);
        LONG value = 0;
        if (found == nullptr) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        return ReadExtra(*found, index, &value, sizeof(value)) ? value : 0;
    }
    return static_cast<LONG>(GetValue(window, index));
}

LONG WINAPI SetWindowLongW(HWND window, int index, LONG value) {
    if (index >= 0) {
        Window* found = FindWindow(window);
        LONG previous = 0;
        if (found == nullptr) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (!ReadExtra(*found, index, &previous, sizeof(previous))) return 0;
        WriteExtra(*found, index, &value, sizeof(value));
        return previous;
    }
    return static_cast<LONG>(SetValue(window, index, value));
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index) {
    return GetValue(window, index);
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    return SetValue(window, index, value);
}

BOOL WINAPI SetPropW(HWND handle, LPCWSTR name, HANDLE data) {
    Window* window = FindWindow(handle);
    if (window == nullptr || name == nullptr) {
        SetLastError(window == nullptr ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    window->properties[PropertyKey(name)] = data;
    return TRUE;
}

HANDLE WINAPI GetPropW(HWND handle, LPCWSTR name) {
    Window* window = FindWindow(handle);
    if (window == nullptr || name == nullptr) return nullptr;
    auto found = window->properties.find(PropertyKey(name));
    return found != window->properties.end() ? found->second : nullptr;
}

HANDLE WINAPI RemovePropW(HWND handle, LPCWSTR name) {
    Window* window = FindWindow(handle);
    if (window == nullptr || name == nullptr) return nullptr;
    auto found = window->properties.find(PropertyKey(name));
    if (found == window->properties.end()) return nullptr;
    HANDLE data = found->second;
    window->properties.erase(found);
    return data;
}

namespace simdesk {

HWND OpenWindow(const OtherProgram& program, const std::string& title) {
    Window window;
    window.processId = program.processId;
    window.threadId = program.threadId;
    window.className = u"OtherProgramWindow";
    window.text = ToUtf16(title);
    window.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    window.rect = RECT{200, 150, 840, 630};
    window.normalRect = window.rect;
    HWND handle = NewWindow(std::move(window));
    RaiseInBand(handle);
    return handle;
}

void CloseWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return;
    if (State().focus == handle) State().focus = nullptr;
    if (State().active == handle) State().active = nullptr;
    Unlink(*window);
    State().windows.erase(reinterpret_cast<std::uintptr_t>(handle));
}

const std::vector<MSG>& ReceivedMessages(HWND handle) {
    static const std::vector<MSG> none;
    Window* window = FindWindow(handle);
    return window != nullptr ? window->received : none;
}

int CountReceived(HWND window, UINT message) {
    const auto& received = ReceivedMessages(window);
    return static_cast<int>(std::count_if(received.begin(), received.end(), [&](const MSG& m) { return m.message == message; }));
}

int CountReceived(HWND window, UINT message, WPARAM wParam) {
    const auto& received = ReceivedMessages(window);
    return static_cast<int>(std::count_if(received.begin(), received.end(),
                                          [&](const MSG& m) { return m.message == message && m.wParam == wParam; }));
}

}  // namespace simdesk
