// The Crumbex pass-count options window: what it loads, what it saves, and
// the counts it refuses while staying open.
#include "plugins/cookie_options_model.h"

#include <gtest/gtest.h>

#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/plugin_host.h"
#include "tests/support/scratch_prefix.h"

namespace {

using plugins::CookieOptionsModel;
using Lines = std::vector<std::string>;

std::string Stored() {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKCU", plugins::kCookieSettingsKey, "WipePasses", "S", modRegistry::ValueHolder("<none>"),
                           value);
    return value.Text();
}

void Store(const std::string& text) {
    modRegistry::WriteValue("HKCU", plugins::kCookieSettingsKey, "WipePasses", "S", text);
}

class CookieOptions : public testing::Test {
protected:
    testing_support::ScratchPrefix prefix;
    testing_support::PluginHost host;
    CookieOptionsModel options{host};
};

TEST_F(CookieOptions, NoStoredCountSelectsTheDefault) {
    options.Load();
    EXPECT_TRUE(options.Passes().DefaultOption().checked);
    EXPECT_FALSE(options.Passes().Count().enabled);
    EXPECT_FALSE(options.Passes().LabelEnabled());
}

TEST_F(CookieOptions, AStoredCountAboveTwoHundredShowsAsTwoHundred) {
    Store("250");
    options.Load();
    EXPECT_TRUE(options.Passes().CustomOption().checked);
    EXPECT_EQ(options.Passes().Count().text, "200");
    EXPECT_TRUE(options.Passes().LabelEnabled());
}

struct SaveRow {
    const char* name;
    std::string typed;
    std::string message;  // empty: saved
};

class CookieOptionsSave : public CookieOptions, public testing::WithParamInterface<SaveRow> {};

TEST_P(CookieOptionsSave, SavesAWholeCountFromOneTo200AsTypedAndRefusesTheRest) {
    Store("7");
    options.Load();
    options.SetText1(GetParam().typed);
    options.OnSaveClick();
    if (GetParam().message.empty()) {
        EXPECT_EQ(Stored(), GetParam().typed);
        EXPECT_EQ(host.calls, (Lines{"message Nimbrel: Crumbex Plug-in Secure File Deletion settings saved.",
                                     "unload cookie secure deletion"}));
    } else {
        EXPECT_EQ(Stored(), "7");
        EXPECT_EQ(host.calls, Lines{"message Nimbrel: " + GetParam().message}) << "the window stays open";
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, CookieOptionsSave,
                         testing::Values(SaveRow{"Zero", "0", "The number of passes must be greater than 0."},
                                         SaveRow{"TwoHundredOne", "201",
                                                 "The number of passes must be no more than 200."},
                                         SaveRow{"NotANumber", "1e2", "The number of passes must be a whole number."},
                                         SaveRow{"Blank", "  ", "The number of passes must be a whole number."},
                                         SaveRow{"TwoHundred", "200", ""}, SaveRow{"LeadingZero", "05", ""}),
                         [](const testing::TestParamInfo<SaveRow>& info) { return info.param.name; });

TEST_F(CookieOptions, TheDefaultOptionRemovesTheStoredCount) {
    Store("7");
    options.Load();
    options.OnDefaultPassesClick();
    EXPECT_EQ(options.Passes().Count().text, "");
    options.OnSaveClick();
    EXPECT_EQ(Stored(), "<none>");
}

TEST_F(CookieOptions, CancelSavesNothing) {
    options.Load();
    options.OnCustomPassesClick();
    options.SetText1("12");
    options.OnCancelClick();
    EXPECT_EQ(Stored(), "<none>");
    EXPECT_EQ(host.calls, Lines{"unload cookie secure deletion"});
}

TEST_F(CookieOptions, TheBoxTakesThreeCharactersAndOnlyWhenEnabled) {
    options.Load();
    options.SetText1("9");
    EXPECT_EQ(options.Passes().Count().text, "");
    options.OnCustomPassesClick();
    options.SetText1("1234");
    EXPECT_EQ(options.Passes().Count().text, "123");
}

}  // namespace
