// OptionList: registration, order, Clear, and a whole group of options saved
// to and loaded from a real settings store.
#include "settings/OptionList.h"
#include "common/OptionStoreFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Journal = std::vector<std::string>;

class OptionListJournalTest : public ::testing::Test {
protected:
    JournalOption& NewOption() {
        options.push_back(std::make_unique<JournalOption>(journal, lastStore));
        return *options.back();
    }

    Journal journal;
    SettingsStore* lastStore = nullptr;
    // Only handed through: the journal options never use it.
    SettingsStore passedStore{true};
    SettingsStore* const store = &passedStore;
    std::vector<std::unique_ptr<JournalOption>> options;
};

TEST_F(OptionListJournalTest, LoadAndSaveFollowRegistrationOrder) {
    OptionList list(store);
    JournalOption& c = NewOption();
    JournalOption& a = NewOption();
    JournalOption& b = NewOption();
    EXPECT_TRUE(list.Add(&c, WString(TEXT("C"))));
    EXPECT_TRUE(list.Add(&a, WString(TEXT("A"))));
    EXPECT_TRUE(list.Add(&b, WString(TEXT("B"))));

    list.LoadAll(WString(TEXT("Options\\Common")));
    list.SaveAll(WString(TEXT("Profiles\\Default")));
    EXPECT_EQ(journal, (Journal{"C Load Options\\Common", "A Load Options\\Common", "B Load Options\\Common",
                                "C Save Profiles\\Default", "A Save Profiles\\Default", "B Save Profiles\\Default"}));
    EXPECT_EQ(lastStore, store);
}

TEST_F(OptionListJournalTest, AddingAgainRenamesButKeepsOneEntry) {
    OptionList list(store);
    JournalOption& option = NewOption();
    JournalOption& other = NewOption();
    EXPECT_TRUE(list.Add(&option, WString(TEXT("First"))));
    EXPECT_TRUE(list.Add(&other, WString(TEXT("Other"))));
    EXPECT_FALSE(list.Add(&option, WString(TEXT("Second"))));
    EXPECT_EQ(Text(option.GetKey()), u"Second");

    // A null key keeps the key the option had.
    EXPECT_FALSE(list.Add(&option, WString()));
    EXPECT_EQ(Text(option.GetKey()), u"Second");

    list.LoadAll(WString(TEXT("S")));
    EXPECT_EQ(journal, (Journal{"Second Load S", "Other Load S"})) << "re-adding must not move the entry either";
}

TEST_F(OptionListJournalTest, NullOptionIsRefused) {
    OptionList list(store);
    EXPECT_FALSE(list.Add(nullptr, WString(TEXT("Key"))));
    list.LoadAll(WString(TEXT("S")));
    list.SaveAll(WString(TEXT("S")));
    EXPECT_TRUE(journal.empty());
}

TEST_F(OptionListJournalTest, EmptyAndClearedListsCallNothing) {
    OptionList list(store);
    list.LoadAll(WString(TEXT("S")));
    list.SaveAll(WString(TEXT("S")));
    EXPECT_TRUE(journal.empty());

    JournalOption& option = NewOption();
    list.Add(&option, WString(TEXT("Key")));
    EXPECT_TRUE(list.Clear());
    list.LoadAll(WString(TEXT("S")));
    list.SaveAll(WString(TEXT("S")));
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(Text(option.GetKey()), u"Key") << "Clear leaves the options alone";

    // A cleared list can be filled again; adding after a load is included in
    // the next load.
    EXPECT_TRUE(list.Add(&option, WString(TEXT("Again"))));
    JournalOption& later = NewOption();
    list.LoadAll(WString(TEXT("S")));
    list.Add(&later, WString(TEXT("Later")));
    list.LoadAll(WString(TEXT("S")));
    EXPECT_EQ(journal, (Journal{"Again Load S", "Again Load S", "Later Load S"}));
}

TEST(OptionListTest, ClearKeepsTheValuesOfRealOptions) {
    OptionList list(nullptr);
    CheckBoxOption box;
    TriStateOption triState;
    box.SetValue(true);
    triState.SetValue(2);
    list.Add(&box, WString(TEXT("ConfirmExit")));
    list.Add(&triState, WString(TEXT("StartMinimize")));
    list.Clear();
    EXPECT_TRUE(box.Get());
    EXPECT_EQ(triState.Get(), 2);
    EXPECT_EQ(Text(triState.GetKey()), u"StartMinimize");
}

// Every stored kind in one list, as the application keeps its common
// options, through the registry.
class OptionListStoreTest : public OptionStoreTest {
protected:
    struct Options {
        CheckBoxOption confirmExit;
        TriStateOption startMinimize;
        RadioGroupOption hotKey2;
        DefaultedCheckBoxOption ru;

        Options() {
            confirmExit.SetValue(true);
            startMinimize.SetValue(2);
            hotKey2.SetValue(0);
            hotKey2.SetDefault(0);
            ru.SetValue(false);
            ru.SetDefault(false);
        }
        void Register(OptionList& list) {
            list.Add(&confirmExit, WString(TEXT("ConfirmExit")));
            list.Add(&startMinimize, WString(TEXT("StartMinimize")));
            list.Add(&hotKey2, WString(TEXT("HotKey2")));
            list.Add(&ru, WString(TEXT("Ru")));
        }
    };
};

TEST_F(OptionListStoreTest, SaveAllThenLoadAllRestoresEveryKind) {
    Options before;
    OptionList saving(&store);
    before.Register(saving);
    before.confirmExit.Set(false);
    before.startMinimize.Set(1);
    before.hotKey2.Set(1);
    before.ru.Set(true);
    saving.SaveAll(section);

    EXPECT_EQ(Stored(TEXT("ConfirmExit")), u"0");
    EXPECT_EQ(Stored(TEXT("StartMinimize")), u"1");
    EXPECT_EQ(Stored(TEXT("HotKey2")), u"1");
    EXPECT_EQ(Stored(TEXT("Ru")), u"1");

    Options after;
    OptionList loading(&store);
    after.Register(loading);
    loading.LoadAll(section);
    EXPECT_FALSE(after.confirmExit.Get());
    EXPECT_EQ(after.startMinimize.Get(), 1);
    EXPECT_EQ(after.hotKey2.Get(), 1);
    EXPECT_TRUE(after.ru.Get());

    // Back at their defaults, the two defaulted options leave the store.
    after.hotKey2.Set(0);
    after.ru.Set(false);
    loading.SaveAll(section);
    EXPECT_EQ(Stored(TEXT("HotKey2")), u"<missing>");
    EXPECT_EQ(Stored(TEXT("Ru")), u"<missing>");
    EXPECT_EQ(Stored(TEXT("ConfirmExit")), u"0");

    Options restarted;
    OptionList reloading(&store);
    restarted.Register(reloading);
    reloading.LoadAll(section);
    EXPECT_EQ(restarted.hotKey2.Get(), 0);
    EXPECT_FALSE(restarted.ru.Get());
    EXPECT_EQ(restarted.startMinimize.Get(), 1);
}

TEST_F(OptionListStoreTest, ALoadFromAnEmptySectionKeepsTheInitialValues) {
    Options fresh;
    OptionList list(&store);
    fresh.Register(list);
    list.LoadAll(section);
    EXPECT_TRUE(fresh.confirmExit.Get());
    EXPECT_EQ(fresh.startMinimize.Get(), 2);
    EXPECT_EQ(fresh.hotKey2.Get(), 0);
    EXPECT_FALSE(fresh.ru.Get());
    EXPECT_FALSE(store.SectionExists(section)) << "loading writes nothing";
}

}  // namespace
