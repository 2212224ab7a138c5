// user32: wsprintfW.
#include "State.h"

#include <cstdarg>
#include <string>

namespace {

// wsprintfW writes at most this many code units, terminator included.
constexpr std::size_t kFormatLimit = 1024;

struct Spec {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;
};

std::u16string Digits(unsigned long long value, unsigned base, bool upper) {
    const char* symbols = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::u16string out;
    do {
        out.insert(out.begin(), static_cast<char16_t>(symbols[value % base]));
        value /= base;
    } while (value != 0);
    return out;
}

void Pad(std::u16string& out, std::u16string piece, const Spec& spec, bool numeric) {
    const std::size_t width = spec.width > 0 ? static_cast<std::size_t>(spec.width) : 0;
    if (piece.size() < width) {
        const std::size_t fill = width - piece.size();
        if (spec.leftAlign) {
            piece.append(fill, u' ');
        } else if (spec.zeroPad && numeric) {
            const std::size_t at = !piece.empty() && piece[0] == u'-' ? 1 : 0;
            piece.insert(at, fill, u'0');
        } else {
            piece.insert(0, fill, u' ');
        }
    }
    out += piece;
}

}  // namespace

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
    if (buffer == nullptr || format == nullptr) return 0;
    va_list args;
    va_start(args, format);
    std::u16string out;
    for (LPCWSTR p = format; *p != 0; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        Spec spec;
        for (;; ++p) {
            if (*p == u'-') {
                spec.leftAlign = true;
            } else if (*p == u'0') {
                spec.zeroPad = true;
            } else {
                break;
            }
        }
        while (*p >= u'0' && *p <= u'9') spec.width = spec.width * 10 + (*p++ - u'0');
        if (*p == u'.') {
            spec.precision = 0;
            ++p;
            while (*p >= u'0' && *p <= u'9') spec.precision = spec.precision * 10 + (*p++ - u'0');
        }
        // Windows' long is 32-bit, so 'l' changes nothing; 'h' likewise for %s.
        while (*p == u'l' || *p == u'h') ++p;
        switch (*p) {
            case u'd':
            case u'i': {
                const int value = va_arg(args, int);
                const long long wide = value;
                std::u16string text = Digits(static_cast<unsigned long long>(wide < 0 ? -wide : wide), 10, false);
                if (value < 0) text.insert(text.begin(), u'-');
                Pad(out, text, spec, true);
                break;
            }
            case u'u':
                Pad(out, Digits(va_arg(args, unsigned), 10, false), spec, true);
                break;
            case u'x':
            case u'X':
                Pad(out, Digits(va_arg(args, unsigned), 16, *p == u'X'), spec, true);
                break;
            case u'c':
                Pad(out, std::u16string(1, static_cast<char16_t>(va_arg(args, int))), spec, false);
                break;
            case u's': {
                LPCWSTR text = va_arg(args, LPCWSTR);
                std::u16string piece = text != nullptr ? std::u16string(text) : std::u16string(u"(null)");
                if (spec.precision >= 0 && piece.size() > static_cast<std::size_t>(spec.precision))
                    piece.resize(static_cast<std::size_t>(spec.precision));
                Pad(out, piece, spec, false);
                break;
            }
            case 0:
                --p;
                break;
            default:
                out.push_back(*p);
                break;
        }
    }
    va_end(args);
    if (out.size() > kFormatLimit - 1) out.resize(kFormatLimit - 1);
    for (std::size_t i = 0; i < out.size(); ++i) buffer[i] = out[i];
    buffer[out.size()] = 0;
    return static_cast<int>(out.size());
}
