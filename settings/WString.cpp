#include "settings/WString.h"

#include <climits>
#include <new>

namespace {

// Large enough for any 32-bit decimal with its sign and terminator, with room to spare.
constexpr int kNumberScratch = 66;
// ToInt converts through the ANSI code page into a buffer of this many bytes.
constexpr int kAnsiDigitsBuffer = 20;

int TextLength(LPCWSTR text) {
    return text != nullptr ? lstrlenW(text) : 0;
}

WCHAR* AllocateUnits(int count) {
    return new (std::nothrow) WCHAR[static_cast<std::size_t>(count)];
}

void CopyUnits(WCHAR* destination, LPCWSTR source, int count) {
    for (int i = 0; i < count; ++i) destination[i] = source[i];
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Signed decimal with the usual leading blanks and sign; saturates at the
// 32-bit limits instead of overflowing.
int ParseDecimal(const char* digits) {
    while (IsBlank(*digits)) ++digits;
    bool negative = false;
    if (*digits == '-' || *digits == '+') negative = *digits++ == '-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; *digits >= '0' && *digits <= '9'; ++digits) {
        value = value * 10 + (*digits - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

void FormatNumber(WCHAR (&scratch)[kNumberScratch], int number) {
    wsprintfW(scratch, TEXT("%d"), number);
}

}  // namespace

WString::WString(LPCWSTR source) {
    CopyFrom(source);
}

WString::WString(int number) {
    WCHAR scratch[kNumberScratch];
    FormatNumber(scratch, number);
    CopyFrom(scratch);
}

WString::WString(const WString& other) : WString(other.text) {}

WString::WString(WString&& other) noexcept : text(other.text) {
    other.text = nullptr;
}

WString::~WString() {
    Free();
    live = 0;
}

bool WString::CopyFrom(LPCWSTR source) {
    if (source == nullptr) return false;
    const int length = TextLength(source);
    WCHAR* fresh = AllocateUnits(length + 1);
    // The source may be this string's own buffer, so it is released only after the copy.
    if (fresh != nullptr) CopyUnits(fresh, source, length + 1);
    Free();
    text = fresh;
    return fresh != nullptr;
}

void WString::Free() {
    delete[] text;
    text = nullptr;
}

WString& WString::operator=(LPCWSTR source) {
    if (source != nullptr && source != text) CopyFrom(source);
    return *this;
}

WString& WString::operator=(const WString& other) {
    return *this = other.text;
}

WString& WString::operator=(WString&& other) noexcept {
    if (other.text == nullptr || &other == this) return *this;
    Free();
    text = other.text;
    other.text = nullptr;
    return *this;
}

void swap(WString& a, WString& b) noexcept {
    WCHAR* held = a.text;
    a.text = b.text;
    b.text = held;
}

WString& WString::operator=(int number) {
    return *this = WString(number);
}

WString& WString::operator+=(LPCWSTR tail) {
    if (tail == nullptr) return *this;
    const int headLength = TextLength(text);
    const int tailLength = TextLength(tail);
    WCHAR* fresh = AllocateUnits(headLength + tailLength + 1);
    if (fresh == nullptr) return *this;
    if (text != nullptr) CopyUnits(fresh, text, headLength);
    CopyUnits(fresh + headLength, tail, tailLength + 1);
    Free();
    text = fresh;
    return *this;
}

WString& WString::operator+=(const WString& other) {
    return *this += other.text;
}

WCHAR* WString::AllocBuffer(int count) {
    Free();
    if (count <= 0) return nullptr;
    text = AllocateUnits(count);
    if (text != nullptr) text[0] = 0;
    return text;
}

int WString::Length() const {
    return TextLength(text);
}

int WString::ToInt() const {
    if (text == nullptr) return 0;
    // Only the first digits can matter, so a longer text is cut to what the
    // conversion buffer holds rather than refused.
    const int length = TextLength(text);
    const int taken = length < kAnsiDigitsBuffer - 1 ? length : kAnsiDigitsBuffer - 1;
    char ansi[kAnsiDigitsBuffer] = {};
    const int converted = taken > 0 ? WideCharToMultiByte(CP_ACP, 0, text, taken, ansi, kAnsiDigitsBuffer - 1, nullptr, nullptr) : 0;
    if (converted <= 0) return 0;
    ansi[converted] = 0;
    return ParseDecimal(ansi);
}

bool WString::operator==(const WString& other) const {
    if (!IsSet() || !other.IsSet()) return false;
    // Code unit by code unit: the platform's lstrcmpW compares linguistically.
    LPCWSTR a = text;
    LPCWSTR b = other.text;
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

WString operator+(const WString& a, const WString& b) {
    WString result(a);
    result += b;
    return result;
}

WString operator+(const WString& a, LPCWSTR b) {
    WString result(a);
    result += b;
    return result;
}

WString operator+(LPCWSTR a, const WString& b) {
    WString result(TEXT(""));
    result = a;
    result += b;
    return result;
}

WCHAR* HeapTextCopy(LPCWSTR text) {
    if (text == nullptr) return nullptr;
    const int length = TextLength(text);
    WCHAR* copy = AllocateUnits(length + 1);
    if (copy != nullptr) CopyUnits(copy, text, length + 1);
    return copy;
}

void HeapTextFree(WCHAR* text) {
    delete[] text;
}

namespace {

// Position of the first occurrence of `find` in `text`, or null.
LPCWSTR FindText(LPCWSTR text, LPCWSTR find, int findLength) {
    for (; *text != 0; ++text) {
        int i = 0;
        while (i < findLength && text[i] == find[i]) ++i;
        if (i == findLength) return text;
    }
    return nullptr;
}

}  // namespace

void ReplaceAll(WCHAR** text, LPCWSTR find, LPCWSTR replacement) {
    if (text == nullptr || *text == nullptr) return;
    // An empty pattern would match everywhere without advancing.
    const int findLength = TextLength(find);
    if (findLength == 0) return;

    WString result(TEXT(""));
    LPCWSTR rest = *text;
    for (LPCWSTR match = FindText(rest, find, findLength); match != nullptr; match = FindText(rest, find, findLength)) {
        const int headLength = static_cast<int>(match - rest);
        WCHAR* head = AllocateUnits(headLength + 1);
        if (head == nullptr) return;
        CopyUnits(head, rest, headLength);
        head[headLength] = 0;
        result += head;
        delete[] head;
        result += replacement;
        rest = match + findLength;
    }
    result += rest;

    WCHAR* fresh = HeapTextCopy(result.Buffer());
    if (fresh == nullptr) return;
    HeapTextFree(*text);
    *text = fresh;
}
