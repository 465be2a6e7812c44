// The nimbrel program's command line, run as a process on a scratch
// machine without a display: "-SILENT" in any case and with spaces around
// it cleans and ends quietly; anything else asks for windows, which cannot
// open here, and says so without touching anything.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "registry/mod_registry.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/run_program.h"

namespace {

using testing_support::RunProgram;

constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// Takes a variable out of the environment while it lives.
class Unset {
public:
    explicit Unset(const char* name) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        unsetenv(name);
    }
    ~Unset() {
        if (old_) setenv(name_, old_->c_str(), 1);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class NimbrelProgramTest : public scan_testing::ScanTest {
protected:
    void SetUp() override { scan_testing::ImportFixture("typed_urls.reg"); }

    static bool Url1There() {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue("HKCU", kTypedUrls, "url1", "S", modRegistry::kNone, result);
        return result.Text() != modRegistry::kNone;
    }

    Unset display_{"DISPLAY"};
    Unset wayland_{"WAYLAND_DISPLAY"};
    Unset qpa_{"QT_QPA_PLATFORM"};
};

TEST_F(NimbrelProgramTest, SilentInAnyCaseWithSpacesCleansAndSaysNothing) {
    const auto run = RunProgram(NIMBREL_PROGRAM, {"  -silent "});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(Url1There());
}

// A silent run has nobody to show "Some items not deleted." to: it says how
// many on stderr and ends with 1, having cleaned the rest.
TEST_F(NimbrelProgramTest, SilentEndsWithOneWhenAnItemStays) {
    scan_testing::ImportFixture("unread_mail.reg");  // one account key holds a subkey of its own
    const auto run = RunProgram(NIMBREL_PROGRAM, {"-SILENT"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "nimbrel: 1 item could not be deleted\n");
    EXPECT_FALSE(Url1There());
}

TEST_F(NimbrelProgramTest, AnythingElseTouchesNothingAndSaysWhyNoWindowOpens) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{}, {"-SILENT", "now"}, {"/SILENT"}, {"SILENT"}}) {
        const auto run = RunProgram(NIMBREL_PROGRAM, arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("nimbrel: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("\"nimbrel -SILENT\""), std::string::npos) << run.err;
    }
    EXPECT_TRUE(Url1There());
}

}  // namespace
