// ixwipe run as a process on a machine of its own: which index.dat files
// each command line shreds, and what it leaves alone: an index.dat of the
// host, named by a stored location or reached through a link, among it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/mod_registry.h"
#include "tests/support/decoy_folder.h"
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
    testing::Values(
        SwitchRow{"Cache", {"-CACHE"}, true, false}, SwitchRow{"Cookies", {"-COOKIES"}, false, true},
        SwitchRow{"Both", {"-CC"}, true, true}, SwitchRow{"LowerCase", {"-cc"}, true, true},
        SwitchRow{"MixedCase", {"-Cookies"}, false, true}, SwitchRow{"SurroundedBySpaces", {"  -CACHE  "}, true, false},
        SwitchRow{"NoArguments", {}, false, false}, SwitchRow{"Slash", {"/CACHE"}, false, false},
        SwitchRow{"NoHyphen", {"CC"}, false, false}, SwitchRow{"TwoSwitches", {"-CACHE", "-COOKIES"}, false, false},
        SwitchRow{"SwitchAndWord", {"-CC", "now"}, false, false}, SwitchRow{"TabIsNoSpace", {"\t-CC"}, false, false}),
    [](const testing::TestParamInfo<SwitchRow>& info) { return info.param.name; });

TEST_F(Ixwipe, AskedForHelpItSaysWhatItIsAndShredsNothing) {
    SetLocation("Software\\Nimbrel\\IECache", "C:\\Cache");
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    for (const char* asking : {"--help", "/?", " -h ", "-?"}) {
        const testing_support::ProgramRun run = Run({asking});
        EXPECT_EQ(run.exitCode, 0) << asking;
        EXPECT_NE(run.out.find("ixwipe -CC"), std::string::npos) << asking;
    }
    EXPECT_EQ(ReadBytes(kCacheIndex), "cache history");
    EXPECT_EQ(ReadBytes(kCookieIndex), "cookie history");
}

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

// Both stored locations, arranged to lead to the host's index.dat files.
struct HostIndex {
    const char* name;
    void (*arrange)(const testing_support::DecoyFolder& decoy);
};

// Puts a link to the decoy's folder below in the place of the machine's folder.
void Link(const std::string& folder, const testing_support::DecoyFolder& decoy, const char* below) {
    std::filesystem::remove_all(testing_support::HostPath(folder));
    std::filesystem::create_directory_symlink(decoy.Host() / below, testing_support::HostPath(folder));
}

class IxwipeHostIndex : public Ixwipe, public testing::WithParamInterface<HostIndex> {};

TEST_P(IxwipeHostIndex, IsLeftAsItWas) {
    testing_support::DecoyFolder decoy;
    decoy.Write("Cookies/index.dat", "the host's cookies");
    decoy.Write("Cache/Content.IE5/index.dat", "the host's cache");
    SetLocation("Software\\Nimbrel\\IECache", "C:\\Cache");
    SetLocation("Software\\Nimbrel\\Crumbex", "C:\\Cookies");
    GetParam().arrange(decoy);
    const auto before = decoy.Contents();
    EXPECT_EQ(Run({"-CC"}).exitCode, 0);
    EXPECT_EQ(decoy.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Places, IxwipeHostIndex,
    testing::Values(HostIndex{"DriveZ",
                              [](const testing_support::DecoyFolder& decoy) {
                                  modRegistry::WriteValue("HKLM", "Software\\Nimbrel\\IECache", "Location", "S",
                                                          decoy.WindowsPath() + "\\Cache");
                                  modRegistry::WriteValue("HKLM", "Software\\Nimbrel\\Crumbex", "Location", "S",
                                                          decoy.WindowsPath() + "\\Cookies");
                              }},
                    HostIndex{"LinkedCookiesFolder",
                              [](const testing_support::DecoyFolder& decoy) { Link("C:\\Cookies", decoy, "Cookies"); }},
                    HostIndex{"LinkedCacheFolder",
                              [](const testing_support::DecoyFolder& decoy) { Link("C:\\Cache", decoy, "Cache"); }},
                    HostIndex{"LinkedContentIe5",
                              [](const testing_support::DecoyFolder& decoy) {
                                  Link("C:\\Cache\\Content.IE5", decoy, "Cache/Content.IE5");
                              }}),
    [](const testing::TestParamInfo<HostIndex>& info) { return info.param.name; });

}  // namespace
