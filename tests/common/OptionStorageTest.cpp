// Load and Save of every stored option kind through a settings store in
// registry mode, under a root of the suite's own that is removed afterwards.
#include "common/OptionStoreFixture.h"

#include <gtest/gtest.h>

namespace {

class OptionStorageTest : public OptionStoreTest {
protected:
    void Store(LPCWSTR key, LPCWSTR text) {
        ASSERT_TRUE(store.WriteString(section, WString(key), WString(text))) << Narrow(WString(key));
    }
};

TEST_F(OptionStorageTest, IntLoadsTheStoredNumberOrZero) {
    struct Case {
        const char* what;
        LPCWSTR stored;  // null: no value in the store
        int initial;
        int loaded;
    };
    const Case cases[] = {
        {"number", TEXT("7"), 2, 7},
        {"negative", TEXT("-1"), 2, -1},
        {"zero", TEXT("0"), 2, 0},
        {"not a number", TEXT("x"), 2, 0},
        {"empty text", TEXT(""), 2, 0},
        {"digits then letters", TEXT("1st"), 2, 1},
        {"missing keeps the initial value", nullptr, 2, 2},
    };
    for (const Case& c : cases) {
        if (c.stored != nullptr) Store(TEXT("StartMinimize"), c.stored);
        RecordingTriState triState;
        triState.SetKey(WString(TEXT("StartMinimize")));
        triState.SetValue(c.initial);
        triState.calls.clear();
        EXPECT_TRUE(triState.Load(&store, section)) << c.what;
        EXPECT_EQ(triState.Get(), c.loaded) << c.what;
        EXPECT_TRUE(triState.calls.empty()) << c.what << ": a load is not a change";
        EXPECT_EQ(triState.Saved(), 0) << c.what << ": a load leaves the remembered value";

        RecordingRadioGroup radio;
        radio.SetKey(WString(TEXT("StartMinimize")));
        radio.SetValue(c.initial);
        radio.SetDefault(c.initial);
        EXPECT_TRUE(radio.Load(&store, section)) << c.what;
        EXPECT_EQ(radio.Get(), c.loaded) << c.what << " (with default)";
        store.WriteString(section, WString(TEXT("StartMinimize")), WString());
    }
}

TEST_F(OptionStorageTest, BoolLoadsAnyNonZeroNumberAsTrue) {
    struct Case {
        const char* what;
        LPCWSTR stored;
        bool initial;
        bool loaded;
    };
    const Case cases[] = {
        {"one", TEXT("1"), false, true},
        {"two", TEXT("2"), false, true},
        {"negative", TEXT("-1"), false, true},
        {"zero", TEXT("0"), true, false},
        {"not a number", TEXT("yes"), true, false},
        {"missing keeps true", nullptr, true, true},
        {"missing keeps false", nullptr, false, false},
    };
    for (const Case& c : cases) {
        if (c.stored != nullptr) Store(TEXT("Ru"), c.stored);
        RecordingCheckBox box;
        box.SetKey(WString(TEXT("Ru")));
        box.SetValue(c.initial);
        box.calls.clear();
        EXPECT_TRUE(box.Load(&store, section)) << c.what;
        EXPECT_EQ(box.Get(), c.loaded) << c.what;
        EXPECT_TRUE(box.calls.empty()) << c.what;

        RecordingDefaultedCheckBox defaulted;
        defaulted.SetKey(WString(TEXT("Ru")));
        defaulted.SetValue(c.initial);
        defaulted.SetDefault(c.initial);
        EXPECT_TRUE(defaulted.Load(&store, section)) << c.what;
        EXPECT_EQ(defaulted.Get(), c.loaded) << c.what << " (with default)";
        store.WriteString(section, WString(TEXT("Ru")), WString());
    }
}

TEST_F(OptionStorageTest, SaveWritesDecimalTextThatLoadsBack) {
    struct Case {
        const char* what;
        int value;
        std::u16string text;
    };
    // Out of range for a three-state box, yet it is what the store held:
    // it loads and saves unchanged.
    const Case cases[] = {{"unchecked", 0, u"0"}, {"checked", 1, u"1"}, {"indeterminate", 2, u"2"},
                          {"out of range", 7, u"7"}, {"negative", -3, u"-3"}};
    for (const Case& c : cases) {
        TriStateOption saved;
        saved.SetKey(WString(TEXT("StartMinimize")));
        saved.SetValue(c.value);
        EXPECT_TRUE(saved.Save(&store, section)) << c.what;
        EXPECT_EQ(Stored(TEXT("StartMinimize")), c.text) << c.what;

        TriStateOption loaded;
        loaded.SetKey(WString(TEXT("StartMinimize")));
        loaded.SetValue(5);
        EXPECT_TRUE(loaded.Load(&store, section)) << c.what;
        EXPECT_EQ(loaded.Get(), c.value) << c.what;
    }

    for (bool value : {true, false}) {
        CheckBoxOption box;
        box.SetKey(WString(TEXT("ConfirmExit")));
        box.SetValue(value);
        EXPECT_TRUE(box.Save(&store, section));
        EXPECT_EQ(Stored(TEXT("ConfirmExit")), value ? u"1" : u"0");
    }
}

TEST_F(OptionStorageTest, HoldingTheDefaultRemovesTheStoredValue) {
    Store(TEXT("HotKey2"), TEXT("1"));
    Store(TEXT("Ru"), TEXT("1"));
    Store(TEXT("Other"), TEXT("kept"));

    RadioGroupOption hotKey;
    hotKey.SetKey(WString(TEXT("HotKey2")));
    hotKey.SetDefault(0);
    DefaultedCheckBoxOption ru;
    ru.SetKey(WString(TEXT("Ru")));
    ru.SetDefault(false);

    EXPECT_TRUE(hotKey.Save(&store, section));
    EXPECT_TRUE(ru.Save(&store, section));
    EXPECT_EQ(Stored(TEXT("HotKey2")), u"<missing>");
    EXPECT_EQ(Stored(TEXT("Ru")), u"<missing>");
    EXPECT_EQ(Stored(TEXT("Other")), u"kept") << "an option touches only its own key";

    // The owner's initial value equals the default, so a missing value loads
    // as the default.
    RadioGroupOption restarted;
    restarted.SetKey(WString(TEXT("HotKey2")));
    restarted.SetValue(0);
    restarted.SetDefault(0);
    EXPECT_TRUE(restarted.Load(&store, section));
    EXPECT_EQ(restarted.Get(), 0);

    hotKey.Set(1);
    ru.Set(true);
    EXPECT_TRUE(hotKey.Save(&store, section));
    EXPECT_TRUE(ru.Save(&store, section));
    EXPECT_EQ(Stored(TEXT("HotKey2")), u"1");
    EXPECT_EQ(Stored(TEXT("Ru")), u"1");
}

TEST_F(OptionStorageTest, WithoutSetDefaultTheZeroValueIsWritten) {
    RadioGroupOption radio;
    radio.SetKey(WString(TEXT("HotKey2")));
    EXPECT_TRUE(radio.Save(&store, section));
    EXPECT_EQ(Stored(TEXT("HotKey2")), u"0");

    // A default other than zero: zero is an ordinary value then.
    DefaultedCheckBoxOption box;
    box.SetKey(WString(TEXT("Ru")));
    box.SetDefault(true);
    EXPECT_TRUE(box.Save(&store, section));
    EXPECT_EQ(Stored(TEXT("Ru")), u"0");
}

TEST_F(OptionStorageTest, NoStoreChangesNothing) {
    Store(TEXT("Ru"), TEXT("1"));
    CheckBoxOption box;
    DefaultedCheckBoxOption defaulted;
    TriStateOption triState;
    RadioGroupOption radio;
    box.SetValue(true);
    triState.SetValue(2);
    radio.SetValue(1);
    defaulted.SetDefault(false);

    Option* const options[] = {&box, &defaulted, &triState, &radio};
    for (Option* option : options) {
        option->SetKey(WString(TEXT("Ru")));
        EXPECT_FALSE(option->Load(nullptr, section));
        EXPECT_FALSE(option->Save(nullptr, section));
    }
    EXPECT_TRUE(box.Get());
    EXPECT_FALSE(defaulted.Get());
    EXPECT_EQ(triState.Get(), 2);
    EXPECT_EQ(radio.Get(), 1);
    EXPECT_EQ(Stored(TEXT("Ru")), u"1") << "the defaulted option must not have deleted anything";
}

// An option that was never given a key (start with Windows) has no value of
// its own in the store: saving it writes nothing, and in particular never
// the registry key's default value, nor deletes one that is there.
TEST_F(OptionStorageTest, AnOptionWithoutAKeyTouchesNoValue) {
    Store(TEXT("Other"), TEXT("1"));
    const WString keyPath(TEXT("Software\\VintraOptionTests\\Options\\Common"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.Buffer(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    auto defaultValue = [&]() -> std::u16string {
        WCHAR text[8] = {};
        DWORD size = sizeof(text) - sizeof(WCHAR);
        if (RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
            return u"<missing>";
        return Text(WString(text));
    };

    CheckBoxOption box;
    box.SetValue(true);
    EXPECT_FALSE(box.Save(&store, section));
    EXPECT_EQ(defaultValue(), u"<missing>") << "nothing written as the default value";

    const WCHAR theirs[] = TEXT("theirs");
    ASSERT_EQ(RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(theirs), sizeof(theirs)),
              ERROR_SUCCESS);
    DefaultedCheckBoxOption defaulted;
    defaulted.SetDefault(false);
    EXPECT_FALSE(defaulted.Save(&store, section)) << "holding its default, it would delete";
    EXPECT_FALSE(box.Save(&store, section));
    EXPECT_EQ(defaultValue(), u"theirs") << "a default value someone else stored stays";
    EXPECT_TRUE(box.Load(&store, section)) << "a value that cannot be read is a missing value";
    EXPECT_TRUE(box.Get());
    RegCloseKey(key);
}

TEST_F(OptionStorageTest, AllFacetsReachTheOneCell) {
    Store(TEXT("StartMinimize"), TEXT("1"));
    RecordingTriState triState;
    Option& stored = triState;
    ValueCell<int>& cell = triState;
    OptionValue<int>& value = triState;

    stored.SetKey(WString(TEXT("StartMinimize")));
    EXPECT_TRUE(stored.Load(&store, section));
    EXPECT_EQ(cell.GetValue(), 1);
    EXPECT_EQ(value.Get(), 1);

    value.Set(2);
    EXPECT_EQ(triState.calls.size(), 1u);
    EXPECT_TRUE(stored.Save(&store, section));
    EXPECT_EQ(Stored(TEXT("StartMinimize")), u"2");
}

}  // namespace
