// Set, OnChanged, Commit, Revert and IsModified of every option kind, without
// a store or a control.
#include "common/OptionRecorders.h"

#include <gtest/gtest.h>

namespace {

struct NumberSetCase {
    const char* what;
    int start;
    int set;
    bool changes;
};

// One table for every bool and int kind: the change test compares by value.
const NumberSetCase kNumberSetCases[] = {
    {"equal zero", 0, 0, false},
    {"zero to one", 0, 1, true},
    {"one to zero", 1, 0, true},
    {"equal one", 1, 1, false},
};

const NumberSetCase kIntOnlySetCases[] = {
    {"to indeterminate", 1, 2, true},
    {"equal indeterminate", 2, 2, false},
    {"negative", 0, -1, true},
    {"out of range kept", 2, 7, true},
};

template <class Recording, typename T>
void CheckNumberSet(const NumberSetCase& c, const char* kind) {
    Recording option;
    option.Place(static_cast<T>(c.start));
    option.Set(static_cast<T>(c.set));
    const T expected = static_cast<T>(c.changes ? c.set : c.start);
    EXPECT_EQ(option.Get(), expected) << kind << ": " << c.what;
    ASSERT_EQ(option.calls.size(), c.changes ? 1u : 0u) << kind << ": " << c.what;
    if (c.changes) {
        EXPECT_EQ(option.calls[0].argument, static_cast<T>(c.set)) << kind << ": " << c.what;
        EXPECT_EQ(option.calls[0].currentAtCall, static_cast<T>(c.set))
            << kind << ": " << c.what << " (OnChanged ran before the value was stored)";
    }
}

TEST(OptionValueTest, SetCallsOnChangedOnceAfterARealChange) {
    for (const NumberSetCase& c : kNumberSetCases) {
        CheckNumberSet<RecordingCheckBox, bool>(c, "CheckBoxOption");
        CheckNumberSet<RecordingDefaultedCheckBox, bool>(c, "DefaultedCheckBoxOption");
        CheckNumberSet<RecordingTriState, int>(c, "TriStateOption");
        CheckNumberSet<RecordingRadioGroup, int>(c, "RadioGroupOption");
    }
    for (const NumberSetCase& c : kIntOnlySetCases) {
        CheckNumberSet<RecordingTriState, int>(c, "TriStateOption");
        CheckNumberSet<RecordingRadioGroup, int>(c, "RadioGroupOption");
    }
}

TEST(OptionValueTest, SetValueOfTheCellGoesThroughSet) {
    RecordingTriState option;
    ValueCell<int>& cell = option;
    cell.SetValue(2);
    cell.SetValue(2);
    EXPECT_EQ(cell.GetValue(), 2);
    ASSERT_EQ(option.calls.size(), 1u);
    EXPECT_EQ(option.calls[0].currentAtCall, 2);
    // GetValue and Get hand out the one `current`, not a copy.
    cell.GetValue() = 1;
    EXPECT_EQ(option.Get(), 1);
}

TEST(OptionValueTest, TextSetFollowsTheStringRules) {
    struct Case {
        const char* what;
        LPCWSTR start;
        LPCWSTR set;
        bool callsOnChanged;
        std::u16string afterwards;
    };
    const Case cases[] = {
        {"equal text", TEXT("abc"), TEXT("abc"), false, u"abc"},
        {"equal empty text", TEXT(""), TEXT(""), false, u""},
        {"different text", TEXT("abc"), TEXT("abd"), true, u"abd"},
        {"case differs", TEXT("abc"), TEXT("ABC"), true, u"ABC"},
        {"empty to text", TEXT(""), TEXT("x"), true, u"x"},
        {"null to text", nullptr, TEXT("x"), true, u"x"},
        {"null to empty", nullptr, TEXT(""), true, u""},
        // A null never compares equal, so Set goes on; the assignment of a
        // null keeps what the cell held.
        {"null to null", nullptr, nullptr, true, u"<null>"},
        {"text to null keeps the text", TEXT("abc"), nullptr, true, u"abc"},
    };
    for (const Case& c : cases) {
        RecordingEdit option;
        option.Place(WString(c.start));
        option.Set(WString(c.set));
        EXPECT_EQ(Text(option.Get()), c.afterwards) << c.what;
        ASSERT_EQ(option.calls.size(), c.callsOnChanged ? 1u : 0u) << c.what;
        if (c.callsOnChanged) {
            EXPECT_EQ(Text(option.calls[0].argument), Text(c.set)) << c.what;
            EXPECT_EQ(Text(option.calls[0].currentAtCall), c.afterwards) << c.what;
        }
    }
}

TEST(OptionValueTest, RevertRestoresSavedWithoutOnChanged) {
    RecordingRadioGroup radio;
    radio.Set(1);
    radio.Commit();
    radio.Set(0);
    radio.calls.clear();
    radio.Revert();
    EXPECT_EQ(radio.Get(), 1);
    EXPECT_TRUE(radio.calls.empty());
    EXPECT_FALSE(radio.IsModified());

    RecordingCheckBox box;
    box.Set(true);
    box.calls.clear();
    box.Revert();  // nothing committed: back to the zero value
    EXPECT_FALSE(box.Get());
    EXPECT_TRUE(box.calls.empty());

    RecordingEdit edit;
    edit.Set(WString(TEXT("before")));
    edit.Commit();
    edit.Set(WString(TEXT("after")));
    edit.calls.clear();
    edit.Revert();
    EXPECT_EQ(Text(edit.Get()), u"before");
    EXPECT_TRUE(edit.calls.empty());
    // The committed copy is a buffer of its own: editing `current` in place
    // must not reach it.
    edit.Get().Buffer()[0] = u'B';
    EXPECT_EQ(Text(edit.Saved()), u"before");
}

TEST(OptionValueTest, RevertOfANullSavedTextKeepsTheText) {
    RecordingEdit edit;
    edit.Set(WString(TEXT("typed")));
    edit.Revert();
    EXPECT_EQ(Text(edit.Get()), u"typed");
}

TEST(OptionValueTest, IsModifiedComparesSavedAndCurrent) {
    RecordingCheckBox box;
    EXPECT_FALSE(box.IsModified()) << "a fresh cell holds the zero value twice";
    box.SetValue(true);
    EXPECT_TRUE(box.IsModified()) << "an initial value other than zero is a modification";
    box.Commit();
    EXPECT_FALSE(box.IsModified());
    box.Set(false);
    box.Set(true);
    EXPECT_FALSE(box.IsModified()) << "changed and changed back";

    RecordingTriState triState;
    triState.Set(2);
    triState.Commit();
    triState.Set(1);
    EXPECT_TRUE(triState.IsModified());

    // A text cell can never return to null (assigning a null keeps the
    // text), so these are all the states it can reach.
    struct TextCase {
        const char* what;
        LPCWSTR committed;
        LPCWSTR current;
        bool modified;
    };
    const TextCase textCases[] = {
        {"both null", nullptr, nullptr, true},
        {"null saved", nullptr, TEXT("a"), true},
        {"null saved, empty current", nullptr, TEXT(""), true},
        {"equal texts", TEXT("a"), TEXT("a"), false},
        {"equal empty texts", TEXT(""), TEXT(""), false},
        {"different texts", TEXT("a"), TEXT("b"), true},
    };
    for (const TextCase& c : textCases) {
        RecordingEdit edit;
        edit.Place(WString(c.committed));
        edit.Commit();
        edit.Place(WString(c.current));
        EXPECT_EQ(edit.IsModified(), c.modified) << c.what;
    }
}

TEST(OptionValueTest, ACellWithoutAControlIgnoresTheControlHooks) {
    // A stored bool that is no control-bound kind.
    RecordingOption<StoredOption<bool>, bool> box;
    ValueCell<bool>& cell = box;
    cell.SetControlId(1004);
    EXPECT_EQ(cell.GetControlId(), 0);
    EXPECT_EQ(cell.Attach(nullptr), 0);
    EXPECT_EQ(cell.HandleCommand(nullptr, 1004, 0), 0);
    EXPECT_FALSE(cell.GetValue());
    EXPECT_TRUE(box.calls.empty());
}

TEST(OptionValueTest, DefaultIsKeptApartFromTheValue) {
    RadioGroupOption radio;
    EXPECT_EQ(radio.GetDefault(), 0);
    radio.SetValue(1);
    radio.SetDefault(1);
    EXPECT_EQ(radio.GetDefault(), 1);
    radio.Set(0);
    EXPECT_EQ(radio.GetDefault(), 1);
    EXPECT_EQ(radio.Get(), 0);
}

}  // namespace
