// A settings store in registry mode under a root of the option suites' own,
// removed before and after each test, so runs on Wine leave nothing behind.
#pragma once

#include "common/OptionRecorders.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>

class OptionStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestRoot();
        store.SetRoot(WString(TEXT("Software\\VintraOptionTests\\")));
    }
    void TearDown() override { RemoveTestRoot(); }

    static void RemoveTestRoot() {
        SettingsStore software(true);
        software.SetRoot(WString(TEXT("Software\\")));
        software.DeleteSection(WString(TEXT("VintraOptionTests")));
    }

    // The stored text, or "<missing>".
    std::u16string Stored(LPCWSTR key) {
        WString text(TEXT(""));
        if (!store.ReadString(section, WString(key), text)) return u"<missing>";
        return Text(text);
    }

    SettingsStore store{true};
    const WString section{TEXT("Options\\Common")};
};
