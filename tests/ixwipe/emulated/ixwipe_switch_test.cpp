// ixwipe run as a process on a machine of its own: which index.dat files
// each command line shreds, and what it leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/mod_registry.h"
#include "tests/support/ixwipe_program.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

const std::string kCacheIndex = "C:\\Cache\\Content.IE5\\index.dat";
const std::string kCookieIndex = "C:\\Cookies\\index.dat";

class Ixwipe : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(testing_support::HostPath("C:\\Cache\\Content.IE5"));
        std::filesystem::create_directories(testing_support::HostPath("C:\\Cookies"));
        WriteBytes(kCacheIndex, "cache history");
        WriteBytes(kCookieIndex, "cookie history");
        WriteBytes("C:\\Cookies\\keep@site.txt", "a cookie");
    }

    static void SetLocation(const char* key, const char* folder) {
        modRegistry::WriteValue("HKLM", key, "Location", "S", folder);
    }

    static testing_support::ProgramRun Run(const std::vector<std::string>& arguments) {
        return testing_support::RunProgram(testing_support::IxwipeProgram(), arguments);
    }

    testing_support::ScratchPrefix prefix;
};

struct SwitchRow {
    const char* name;
    std::vector<std::string> arguments;
    bool cacheShredded;
    bool cookiesShredded;
};

class IxwipeSwitch : public Ixwipe, public testing::WithParamInterface<SwitchRow> {};

TEST_P(IxwipeSwitch, ShredsTheIndexFilesItNames) {
    SetLocation("Software\\Nimbrel\\IECache", "C:\\Cache");
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    const testing_support::ProgramRun run = Run(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(ReadBytes(kCacheIndex).has_value(), !GetParam().cacheShredded);
    EXPECT_EQ(ReadBytes(kCookieIndex).has_value(), !GetParam().cookiesShredded);
    EXPECT_EQ(ReadBytes("C:\\Cookies\\keep@site.txt"), "a cookie");
    EXPECT_FALSE(ReadBytes("C:\\Cookies\\~").has_value());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, IxwipeSwitch,
    testing::Values(SwitchRow{"Cache", {"-CACHE"}, true, false}, SwitchRow{"Cookies", {"-COOKIES"}, false, true},
                    SwitchRow{"Both", {"-CC"}, true, true}, SwitchRow{"LowerCase", {"-cc"}, true, true},
                    SwitchRow{"MixedCase", {"-Cookies"}, false, true},
                    SwitchRow{"SurroundedBySpaces", {"  -CACHE  "}, true, false},
                    SwitchRow{"NoArguments", {}, false, false}, SwitchRow{"Slash", {"/CACHE"}, false, false},
                    SwitchRow{"NoHyphen", {"CC"}, false, false},
                    SwitchRow{"TwoSwitches", {"-CACHE", "-COOKIES"}, false, false},
                    SwitchRow{"SwitchAndWord", {"-CC", "now"}, false, false},
                    SwitchRow{"TabIsNoSpace", {"\t-CC"}, false, false}),
    [](const testing::TestParamInfo<SwitchRow>& info) { return info.param.name; });

TEST_F(Ixwipe, BothWithOnlyTheCookiesLocationShredsOnlyTheCookiesIndex) {
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    EXPECT_EQ(Run({"-CC"}).exitCode, 0);
    EXPECT_TRUE(ReadBytes(kCacheIndex).has_value());
    EXPECT_FALSE(ReadBytes(kCookieIndex).has_value());
}

TEST_F(Ixwipe, AMissingIndexFileIsPassedOver) {
    SetLocation("Software\\Nimbrel\\IECache", "C:\\Nowhere");
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    EXPECT_EQ(Run({"-CC"}).exitCode, 0);
    EXPECT_FALSE(ReadBytes(kCookieIndex).has_value());
    EXPECT_TRUE(ReadBytes(kCacheIndex).has_value());
}

TEST_F(Ixwipe, AnIndexFileWithAnotherNameLosesTheNameAndNoByte) {
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    const std::filesystem::path outside = prefix.Home() / "decoy.dat";
    std::filesystem::remove(testing_support::HostPath(kCookieIndex));
    WriteBytes(outside.string(), "not the machine's");
    std::filesystem::create_hard_link(outside, testing_support::HostPath(kCookieIndex));
    EXPECT_EQ(Run({"-COOKIES"}).exitCode, 0);
    EXPECT_FALSE(ReadBytes(kCookieIndex).has_value());
    EXPECT_EQ(ReadBytes(outside.string()), "not the machine's");
}

}  // namespace
