// The wide string type and ReplaceAll, through the Win32 surface only, so the
// suite judges the simulated desktop and Windows alike.
#include "settings/WString.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::u16string Text(const WString& s) {
    return s.Buffer() != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s.Buffer())) : u"<null>";
}

std::u16string Text(LPCWSTR s) {
    return s != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s)) : u"<null>";
}

TEST(WStringTest, NullAndEmptyAreDifferentValues) {
    WString null;
    WString alsoNull;
    WString empty(TEXT(""));
    WString alsoEmpty(TEXT(""));

    EXPECT_FALSE(null.IsSet());
    EXPECT_EQ(null.Buffer(), nullptr);
    EXPECT_FALSE(null == alsoNull);
    EXPECT_TRUE(null != alsoNull);
    EXPECT_FALSE(null == empty);

    EXPECT_TRUE(empty.IsSet());
    ASSERT_NE(empty.Buffer(), nullptr);
    EXPECT_EQ(empty.Buffer()[0], 0);
    EXPECT_TRUE(empty == alsoEmpty);
    EXPECT_FALSE(empty != alsoEmpty);

    WString fromNullPointer(static_cast<LPCWSTR>(nullptr));
    EXPECT_FALSE(fromNullPointer.IsSet());
    WString copyOfNull(null);
    EXPECT_FALSE(copyOfNull.IsSet());
}

TEST(WStringTest, CopiesOwnTheirBuffers) {
    WString original(TEXT("abc"));
    WString copy(original);
    WString assigned;
    assigned = original;
    EXPECT_NE(copy.Buffer(), original.Buffer());
    EXPECT_NE(assigned.Buffer(), original.Buffer());
    original = TEXT("xyz");
    EXPECT_EQ(Text(copy), u"abc");
    EXPECT_EQ(Text(assigned), u"abc");
}

TEST(WStringTest, AssigningNothingKeepsTheValue) {
    WString s(TEXT("abc"));
    s = WString();
    EXPECT_EQ(Text(s), u"abc");
    s = static_cast<LPCWSTR>(nullptr);
    EXPECT_EQ(Text(s), u"abc");
    const WString& self = s;
    s = self;
    EXPECT_EQ(Text(s), u"abc");
    s = s.Buffer();
    EXPECT_EQ(Text(s), u"abc");
}

// Construction and swap carry the exact value, null included; assignment,
// moving or not, never makes a string null.
TEST(WStringTest, MovesAndSwapsCarryTheExactValue) {
    WString source(TEXT("abc"));
    WString moved(std::move(source));
    EXPECT_EQ(Text(moved), u"abc");
    EXPECT_FALSE(source.IsSet()) << "a moved-from string is null";  // NOLINT(bugprone-use-after-move)
    WString null;
    WString movedNull(std::move(null));
    EXPECT_FALSE(movedNull.IsSet());

    WString target(TEXT("keep"));
    target = WString();
    EXPECT_EQ(Text(target), u"keep") << "moving a null string in keeps the value";
    target = WString(TEXT("new"));
    EXPECT_EQ(Text(target), u"new");

    WString a(TEXT("a"));
    WString b;
    swap(a, b);
    EXPECT_FALSE(a.IsSet()) << "swap hands over the null value";
    EXPECT_EQ(Text(b), u"a");
}

TEST(WStringTest, Append) {
    struct Case {
        const char* what;
        LPCWSTR start;
        LPCWSTR tail;
        std::u16string expected;
    };
    const Case cases[] = {
        {"empty text to null gives empty", nullptr, TEXT(""), u""},
        {"null to null stays null", nullptr, nullptr, u"<null>"},
        {"text to null", nullptr, TEXT("ab"), u"ab"},
        {"null to text keeps it", TEXT("ab"), nullptr, u"ab"},
        {"text to text", TEXT("ab"), TEXT("cd"), u"abcd"},
        {"Cyrillic", TEXT("Выйти"), TEXT("?"), u"Выйти?"},
    };
    for (const Case& c : cases) {
        WString s(c.start);
        s += c.tail;
        EXPECT_EQ(Text(s), c.expected) << c.what;
        WString t(c.start);
        t += WString(c.tail);
        EXPECT_EQ(Text(t), c.expected) << c.what << " (string operand)";
    }
}

TEST(WStringTest, AppendingItselfDoublesTheText) {
    WString s(TEXT("ab"));
    s += s;
    EXPECT_EQ(Text(s), u"abab");
}

TEST(WStringTest, Numbers) {
    struct Case {
        int number;
        std::u16string text;
    };
    const Case cases[] = {{0, u"0"}, {-7, u"-7"}, {42, u"42"}, {2147483647, u"2147483647"}, {-2147483647 - 1, u"-2147483648"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Text(WString(c.number)), c.text);
        WString assigned(TEXT("old"));
        assigned = c.number;
        EXPECT_EQ(Text(assigned), c.text);
        EXPECT_EQ(WString(c.number).ToInt(), c.number) << "round trip of " << c.number;
    }
}

TEST(WStringTest, ToIntAndToBool) {
    struct Case {
        const char* what;
        LPCWSTR text;
        int value;
    };
    const Case cases[] = {
        {"plain", TEXT("42"), 42},
        {"blanks and sign", TEXT("  -5"), -5},
        {"plus sign", TEXT("+8"), 8},
        {"digits then letters", TEXT("12abc"), 12},
        {"letters only", TEXT("abc"), 0},
        {"empty", TEXT(""), 0},
        {"tab and newline", TEXT("\t\n3"), 3},
        {"Cyrillic letters", TEXT("два"), 0},
        {"beyond 32 bits saturates high", TEXT("99999999999"), 2147483647},
        {"beyond 32 bits saturates low", TEXT("-99999999999"), -2147483647 - 1},
        {"longer than the conversion buffer", TEXT("123456789012345678901234567890"), 2147483647},
        {"long text of blanks", TEXT("                              7"), 0},
        // Characters the ANSI code page lacks reach the parser through the
        // platform's best fit.
        {"fullwidth digits", TEXT("\xFF11\xFF12"), 12},
        {"fullwidth minus sign", TEXT("\xFF0D\xFF15"), -5},
        {"fullwidth plus sign", TEXT("\xFF0B\xFF17"), 7},
        {"ideographic space", TEXT("\x3000" "9"), 9},
        {"em space", TEXT("\x2003" "4"), 4},
        {"minus sign", TEXT("\x2212" "3"), -3},
        {"a no-break space is in the code page and is no blank", TEXT("\x00A0" "5"), 0},
        {"Arabic-Indic digits have no fit", TEXT("\x0661\x0662"), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WString(c.text).ToInt(), c.value) << c.what;
        EXPECT_EQ(WString(c.text).ToBool(), c.value != 0) << c.what;
    }
    EXPECT_EQ(WString().ToInt(), 0);
    EXPECT_FALSE(WString().ToBool());
    EXPECT_FALSE(WString(TEXT("0")).ToBool());
    EXPECT_TRUE(WString(TEXT("3")).ToBool());
}

TEST(WStringTest, EqualityIsExactAndCaseSensitive) {
    EXPECT_TRUE(WString(TEXT("Default")) == WString(TEXT("Default")));
    EXPECT_FALSE(WString(TEXT("Default")) == WString(TEXT("default")));
    EXPECT_FALSE(WString(TEXT("Default")) == WString(TEXT("Default ")));
    EXPECT_FALSE(WString(TEXT("ab")) == WString(TEXT("abc")));
}

TEST(WStringTest, Concatenations) {
    const WString null;
    const WString ab(TEXT("ab"));
    EXPECT_EQ(Text(null + null), u"<null>");
    EXPECT_EQ(Text(null + ab), u"ab");
    EXPECT_EQ(Text(ab + null), u"ab");
    EXPECT_EQ(Text(ab + ab), u"abab");
    EXPECT_EQ(Text(null + static_cast<LPCWSTR>(nullptr)), u"<null>");
    EXPECT_EQ(Text(ab + TEXT("c")), u"abc");
    EXPECT_EQ(Text(static_cast<LPCWSTR>(nullptr) + null), u"");
    EXPECT_EQ(Text(TEXT("x") + ab), u"xab");
    EXPECT_EQ(Text(TEXT("x") + null), u"x");
}

TEST(WStringTest, AllocBufferReceivesWin32Text) {
    WString s(TEXT("old"));
    WCHAR* buffer = s.AllocBuffer(6);
    ASSERT_NE(buffer, nullptr);
    lstrcpynW(buffer, TEXT("Vintra!"), 6);
    EXPECT_EQ(Text(s), u"Vintr");
    EXPECT_EQ(s.AllocBuffer(0), nullptr);
    EXPECT_FALSE(s.IsSet());
}

TEST(ReplaceAllTest, Cases) {
    struct Case {
        const char* what;
        LPCWSTR input;
        LPCWSTR find;
        LPCWSTR replacement;
        std::u16string expected;
    };
    const Case cases[] = {
        {"placeholder twice", TEXT("*app*x*app*"), TEXT("*app*"), TEXT("Vintra"), u"VintraxVintra"},
        {"no occurrence", TEXT("Options\\Common"), TEXT("*app*"), TEXT("Vintra"), u"Options\\Common"},
        {"replaced by itself", TEXT("a*app*b"), TEXT("*app*"), TEXT("*app*"), u"a*app*b"},
        {"null replacement removes", TEXT("a*x*b*x*"), TEXT("*x*"), nullptr, u"ab"},
        {"matches do not overlap", TEXT("aaaa"), TEXT("aa"), TEXT("b"), u"bb"},
        {"replacement containing the pattern", TEXT("ab"), TEXT("a"), TEXT("aa"), u"aab"},
        {"case-sensitive", TEXT("*APP*"), TEXT("*app*"), TEXT("V"), u"*APP*"},
        {"empty find does nothing", TEXT("abc"), TEXT(""), TEXT("x"), u"abc"},
        {"null find does nothing", TEXT("abc"), nullptr, TEXT("x"), u"abc"},
        {"empty input", TEXT(""), TEXT("a"), TEXT("x"), u""},
    };
    for (const Case& c : cases) {
        WCHAR* text = HeapTextCopy(c.input);
        ReplaceAll(&text, c.find, c.replacement);
        EXPECT_EQ(Text(text), c.expected) << c.what;
        HeapTextFree(text);
    }
}

TEST(ReplaceAllTest, LeavesAFreshBufferAndToleratesNull) {
    WCHAR* text = HeapTextCopy(TEXT("unchanged"));
    const WCHAR* before = text;
    ReplaceAll(&text, TEXT("*app*"), TEXT("Vintra"));
    EXPECT_NE(text, before);
    EXPECT_EQ(Text(text), u"unchanged");
    HeapTextFree(text);

    WCHAR* none = nullptr;
    ReplaceAll(&none, TEXT("a"), TEXT("b"));
    EXPECT_EQ(none, nullptr);
    ReplaceAll(nullptr, TEXT("a"), TEXT("b"));
}

}  // namespace
