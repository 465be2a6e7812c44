// ScheduleIndexWipe on a machine of its own: the "Location" values and the
// run-once value as a sequence of plug-in runs leaves them.
#include <gtest/gtest.h>

#include "platform/run_once.h"
#include "plugins/index_wipe_schedule.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

using plugins::IndexWipe;
using plugins::ScheduleIndexWipe;

std::string Read(const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKLM", key, name, "S", modRegistry::ValueHolder(modRegistry::kNone), value);
    return value.Text();
}

std::string RunOnce() { return Read(platform::kRunOnceKey, "Nimbrel"); }

class ScheduleIndexWipeTest : public testing::Test {
protected:
    testing_support::ScratchPrefix prefix;
    const std::string folder = "C:\\Tools";
};

TEST_F(ScheduleIndexWipeTest, CookieRunThenCacheRunCombineAndRecordBothFolders) {
    ScheduleIndexWipe(IndexWipe::kCookies, "C:\\Cookies Folder", folder);
    EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -COOKIES");
    ScheduleIndexWipe(IndexWipe::kCache, "C:\\Cache", folder);
    EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -CC");
    EXPECT_EQ(Read("Software\\Nimbrel\\Crumbex", "Location"), "C:\\Cookies Folder");
    EXPECT_EQ(Read("Software\\Nimbrel\\IECache", "Location"), "C:\\Cache");
}

TEST_F(ScheduleIndexWipeTest, TwoCookieRunsKeepTheCookieCommand) {
    ScheduleIndexWipe(IndexWipe::kCookies, "C:\\c", folder);
    ScheduleIndexWipe(IndexWipe::kCookies, "C:\\c", folder);
    EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -COOKIES");
}

TEST_F(ScheduleIndexWipeTest, ACommandOfAnotherFolderIsLeftButTheLocationIsWritten) {
    modRegistry::WriteValue("HKLM", platform::kRunOnceKey, "Nimbrel", "S", "D:\\Old\\ixwipe.exe -CACHE");
    ScheduleIndexWipe(IndexWipe::kCookies, "C:\\c", folder);
    EXPECT_EQ(RunOnce(), "D:\\Old\\ixwipe.exe -CACHE");
    EXPECT_EQ(Read("Software\\Nimbrel\\Crumbex", "Location"), "C:\\c");
}

}  // namespace
