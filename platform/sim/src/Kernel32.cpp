// kernel32: module identity, process and thread ids, last error, wide-text
// helpers and code-page conversion.
#include "CaseFolding.h"
#include "State.h"
#include "StorageState.h"

#include <chrono>
#include <thread>

using namespace simdesk::detail;

namespace {

// The image base an x64 executable usually gets; any non-null value would do.
HMODULE ProgramModule() {
    return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x140000000ULL));
}

// Windows-1251, the ANSI code page of a Russian system: ASCII, the Cyrillic
// alphabet and Yo; the few other characters it has are not needed here.
int ToCp1251(WCHAR c) {
    if (c < 0x80) return c;
    if (c >= 0x0410 && c <= 0x044F) return 0xC0 + (c - 0x0410);
    if (c == 0x0401) return 0xA8;
    if (c == 0x0451) return 0xB8;
    return -1;
}

// The platform's best fit for characters the code page lacks, as far as
// numbers and their blanks go: fullwidth ASCII forms become ASCII, the
// ideographic space and the typographic spaces up to the six-per-em space
// become a space, the hyphens and the minus sign a hyphen-minus. The
// platform's tables fit far more (accented letters, other scripts); the
// program converts nothing else.
int BestFit(WCHAR c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFF01 + 0x21;
    if (c == 0x3000 || (c >= 0x2000 && c <= 0x2006)) return ' ';
    if (c == 0x2010 || c == 0x2011 || c == 0x2212) return '-';
    return -1;
}

WCHAR FromCp1251(unsigned char c) {
    if (c < 0x80) return c;
    if (c >= 0xC0) return static_cast<WCHAR>(0x0410 + (c - 0xC0));
    if (c == 0xA8) return 0x0401;
    if (c == 0xB8) return 0x0451;
    return u'?';
}

std::string EncodeUtf8(LPCWSTR wide, int length) {
    return simdesk::ToUtf8(std::u16string(wide, static_cast<std::size_t>(length)));
}

}  // namespace

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName == nullptr) return ProgramModule();
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
    if (module != nullptr && module != ProgramModule()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (fileName == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::u16string& path = State().programPath;
    // As on Windows: a short buffer gets the text cut to size - 1 units and a
    // terminator, and the result is the buffer size.
    if (path.size() >= size) {
        for (DWORD i = 0; i + 1 < size; ++i) fileName[i] = path[i];
        fileName[size - 1] = 0;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    for (std::size_t i = 0; i < path.size(); ++i) fileName[i] = path[i];
    fileName[path.size()] = 0;
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

DWORD WINAPI GetCurrentProcessId() {
    return kProgramProcessId;
}

DWORD WINAPI GetCurrentThreadId() {
    return kProgramThreadId;
}

DWORD WINAPI GetLastError() {
    return State().lastError;
}

void WINAPI SetLastError(DWORD error) {
    State().lastError = error;
}

int WINAPI lstrlenW(LPCWSTR text) {
    if (text == nullptr) return 0;
    int length = 0;
    while (text[length] != 0) ++length;
    return length;
}

LPWSTR WINAPI lstrcpyW(LPWSTR destination, LPCWSTR source) {
    if (destination == nullptr || source == nullptr) return nullptr;
    LPWSTR out = destination;
    while ((*out++ = *source++) != 0) {
    }
    return destination;
}

LPWSTR WINAPI lstrcpynW(LPWSTR destination, LPCWSTR source, int maxLength) {
    if (destination == nullptr || source == nullptr || maxLength <= 0) return nullptr;
    int i = 0;
    for (; i + 1 < maxLength && source[i] != 0; ++i) destination[i] = source[i];
    destination[i] = 0;
    return destination;
}

LPWSTR WINAPI lstrcatW(LPWSTR destination, LPCWSTR source) {
    if (destination == nullptr || source == nullptr) return nullptr;
    lstrcpyW(destination + lstrlenW(destination), source);
    return destination;
}

// The platform compares linguistically; for the texts the program compares
// (names and keys), ordinal order gives the same sign of the result.
int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b) {
    if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

// Equal exactly when the names match for the registry and the profile
// files. Simplified: the platform compares linguistically, which also makes
// some letters without a one-to-one counterpart equal (final sigma and
// sigma); the program compares only names.
int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b) {
    auto fold = [](WCHAR c) -> WCHAR { return FoldCase(c); };
    if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
    while (*a != 0 && fold(*a) == fold(*b)) {
        ++a;
        ++b;
    }
    const WCHAR x = fold(*a);
    const WCHAR y = fold(*b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                               int multiByteSize, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (wide == nullptr || wideLength == 0 || multiByteSize < 0 || (multiByte == nullptr && multiByteSize != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int length = wideLength < 0 ? lstrlenW(wide) + 1 : wideLength;
    std::string encoded;
    if (codePage == CP_UTF8) {
        encoded = EncodeUtf8(wide, length);
    } else {
        const char fallback = defaultChar != nullptr ? defaultChar[0] : '?';
        for (int i = 0; i < length; ++i) {
            int c = ToCp1251(wide[i]);
            if (c < 0 && (flags & WC_NO_BEST_FIT_CHARS) == 0) c = BestFit(wide[i]);
            if (c < 0 && usedDefaultChar != nullptr) *usedDefaultChar = TRUE;
            encoded.push_back(c < 0 ? fallback : static_cast<char>(c));
        }
    }
    const int needed = static_cast<int>(encoded.size());
    if (multiByteSize == 0) return needed;
    if (needed > multiByteSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (int i = 0; i < needed; ++i) multiByte[i] = encoded[static_cast<std::size_t>(i)];
    return needed;
}

int WINAPI MultiByteToWideChar(UINT codePage, DWORD /*flags*/, LPCSTR multiByte, int multiByteLength, LPWSTR wide,
                               int wideSize) {
    if (multiByte == nullptr || multiByteLength == 0 || wideSize < 0 || (wide == nullptr && wideSize != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::size_t length = 0;
    if (multiByteLength < 0) {
        while (multiByte[length] != 0) ++length;
        ++length;
    } else {
        length = static_cast<std::size_t>(multiByteLength);
    }
    std::u16string decoded;
    if (codePage == CP_UTF8) {
        decoded = simdesk::ToUtf16(std::string(multiByte, length));
    } else {
        for (std::size_t i = 0; i < length; ++i) decoded.push_back(FromCp1251(static_cast<unsigned char>(multiByte[i])));
    }
    const int needed = static_cast<int>(decoded.size());
    if (wideSize == 0) return needed;
    if (needed > wideSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (int i = 0; i < needed; ++i) wide[i] = decoded[static_cast<std::size_t>(i)];
    return needed;
}

void WINAPI Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD WINAPI GetTickCount() {
    return Now();
}
