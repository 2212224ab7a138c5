#include "menus/GifLzw.h"

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kMaxCodes = 1 << kMaxCodeWidth;

// Reads codes least significant bit first across the data sub-blocks.
class CodeReader {
public:
    CodeReader(const BYTE* blocks, std::size_t length) : data(blocks), size(length) {}

    // False when the data ends (terminator or end of bytes) before `width` bits.
    bool Read(int width, int& code) {
        while (bitCount < width) {
            if (!NextByte()) {
                return false;
            }
        }
        code = static_cast<int>(bits & ((1u << width) - 1));
        bits >>= width;
        bitCount -= width;
        return true;
    }

private:
    bool NextByte() {
        if (blockLeft == 0) {
            if (ended || pos >= size || data[pos] == 0) {
                ended = true;
                return false;
            }
            blockLeft = data[pos++];
        }
        if (pos >= size) {
            ended = true;
            return false;
        }
        bits |= static_cast<unsigned>(data[pos++]) << bitCount;
        bitCount += 8;
        --blockLeft;
        return true;
    }

    const BYTE* data;
    std::size_t size;
    std::size_t pos = 0;
    std::size_t blockLeft = 0;
    unsigned bits = 0;  // at most 7 + 8 bits are ever held
    int bitCount = 0;
    bool ended = false;
};

// The string table: each code past the end code is an earlier code (its
// prefix) followed by one index, so following prefixes always ends at a root.
class StringTable {
public:
    explicit StringTable(int minimumCodeSize) : clearCode(1 << minimumCodeSize), rootWidth(minimumCodeSize + 1) {
        Clear();
    }

    void Clear() {
        nextCode = clearCode + 2;
        codeWidth = rootWidth;
    }

    int ClearCode() const { return clearCode; }
    int EndCode() const { return clearCode + 1; }
    int NextCode() const { return nextCode; }
    int CodeWidth() const { return codeWidth; }

    bool IsDefined(int code) const { return code < clearCode || (code > EndCode() && code < nextCode); }

    // A full table takes no more codes; the code width stays at 12 bits
    // until the stream clears it.
    void Add(int prefix, BYTE index) {
        if (nextCode >= kMaxCodes) {
            return;
        }
        prefixes[nextCode] = static_cast<short>(prefix);
        suffixes[nextCode] = index;
        firsts[nextCode] = First(prefix);
        ++nextCode;
        if (nextCode == (1 << codeWidth) && codeWidth < kMaxCodeWidth) {
            ++codeWidth;
        }
    }

    BYTE First(int code) const { return code < clearCode ? static_cast<BYTE>(code) : firsts[code]; }

    // Writes the code's string to `out`, at most `capacity` indices of its
    // beginning; returns how many were written.
    std::size_t Write(int code, BYTE* out, std::size_t capacity) {
        int length = 0;
        while (code >= clearCode) {
            reversed[length++] = suffixes[code];
            code = prefixes[code];
        }
        reversed[length++] = static_cast<BYTE>(code);
        std::size_t written = 0;
        while (length > 0 && written < capacity) {
            out[written++] = reversed[--length];
        }
        return written;
    }

private:
    const int clearCode;
    const int rootWidth;
    int nextCode = 0;
    int codeWidth = 0;
    short prefixes[kMaxCodes] = {};
    BYTE suffixes[kMaxCodes] = {};
    BYTE firsts[kMaxCodes] = {};
    BYTE reversed[kMaxCodes] = {};  // a string is never longer than the table
};

}  // namespace

bool IsValidMinimumCodeSize(int minimumCodeSize) {
    // GIF needs two root codes besides clear and end, so 2 is the least.
    return minimumCodeSize >= 2 && minimumCodeSize <= 8;
}

std::size_t DecodeLzw(int minimumCodeSize, const BYTE* blocks, std::size_t size, BYTE* out, std::size_t capacity) {
    if (!IsValidMinimumCodeSize(minimumCodeSize) || blocks == nullptr || out == nullptr) {
        return 0;
    }
    CodeReader reader(blocks, size);
    StringTable table(minimumCodeSize);
    std::size_t written = 0;
    int previous = -1;  // no string yet since the start or the last clear code
    int code = 0;
    while (written < capacity && reader.Read(table.CodeWidth(), code)) {
        if (code == table.ClearCode()) {
            table.Clear();
            previous = -1;
            continue;
        }
        if (code == table.EndCode()) {
            break;
        }
        if (previous < 0) {
            if (code >= table.ClearCode()) {
                break;  // only a root code can follow a clear code
            }
            written += table.Write(code, out + written, capacity - written);
        } else if (table.IsDefined(code)) {
            written += table.Write(code, out + written, capacity - written);
            table.Add(previous, table.First(code));
        } else if (code == table.NextCode() && code < kMaxCodes) {
            // The code being defined right now: the previous string and its first index.
            table.Add(previous, table.First(previous));
            written += table.Write(code, out + written, capacity - written);
        } else {
            break;  // a code that is not yet defined
        }
        previous = code;
    }
    return written;
}
