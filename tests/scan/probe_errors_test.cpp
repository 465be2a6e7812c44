// An error in one probe. A table run with ignoreErrorsPerProbe, as the two
// application-list scanners run theirs, passes over the failed probe and
// goes on; a switch read that fails counts as the switch's default. Without
// the option the error ends the run. Errors are injected through this
// program's own operator new: while armed, every allocation of 1 MiB or more
// fails, so a 2 MiB name makes each probe that uses it fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "scan/application_lists.h"
#include "scan/catalogue_interpreter.h"
#include "scan/hive_application_lists.h"
#include "scan/single_item_lists.h"
#include "tests/scan/application_catalogue_fixture.h"

namespace {

constexpr std::size_t kFailingSize = std::size_t{1} << 20;
bool armed = false;

}  // namespace

// None of the three is inlined: GCC would then take malloc and free for
// a mismatch with new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (armed && size >= kFailingSize) throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

using namespace scan::catalogue;
using namespace scan::catalogue::notation;
using namespace scan_testing;
using Strings = std::vector<std::string>;

const std::string kHuge(2 * kFailingSize, 'h');

// Runs work with large allocations failing.
template <class Work>
void Armed(Work work) {
    armed = true;
    try {
        work();
    } catch (...) {
        armed = false;
        throw;
    }
    armed = false;
}

class ProbeErrorsTest : public CatalogueScanTest {
protected:
    void SetUp() override {
        Import(
            "[HKEY_USERS\\U\\Software\\T]\n\"v\"=\"1\"\n\"w\"=\"2\"\n"
            "[HKEY_CURRENT_USER\\Software\\T]\n\"v\"=\"1\"\n\"w\"=\"2\"\n");
        window.EnumList = {kHuge, "U"};
    }
};

// Every probe of the first hive fails (its key cannot be built); the
// second hive and the rows after the group still run.
const Row kPerHive[] = {
    {H1, HKU, {h, "\\Software\\T"}, {"v"}, S, _, {"v {", i, "}"}, item, _},
    {H1, HKU, {h, "\\Software\\T"}, {"w"}, S, _, {"w {", i, "}"}, item, above},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"after"}, item, _},
};

TEST_F(ProbeErrorsTest, FailedProbeIsPassedOver) {
    Armed([&] { scan::RunCatalogue(ctx, kPerHive, {.ignoreErrorsPerProbe = true}); });
    EXPECT_EQ(Labels(), (Strings{"v {1}", "w {1}", "after"}));
}

TEST_F(ProbeErrorsTest, WithoutTheOptionTheErrorEndsTheRun) {
    EXPECT_THROW(Armed([&] { scan::RunCatalogue(ctx, kPerHive); }), std::bad_alloc);
    EXPECT_EQ(Labels(), Strings{});
}

// A find whose row cannot be recorded counts as not found: the row that
// depends on it is skipped, the independent row after it runs.
TEST_F(ProbeErrorsTest, FailedRecordCountsAsNotFound) {
    const Row rows[] = {
        {_, HKCU, {"Software\\T"}, {"v"}, S, _, {kHuge.c_str()}, item, _},
        {_, HKCU, {"Software\\T"}, {"w"}, S, _, {"w"}, item, above},
        {_, HKCU, {"Software\\T"}, {"w"}, S, _, {"w again"}, item, _},
    };
    Armed([&] { scan::RunCatalogue(ctx, rows, {.ignoreErrorsPerProbe = true}); });
    EXPECT_EQ(Labels(), (Strings{"w again"}));
}

// A switch that cannot be read counts as its default: "vs6" on,
// "cleartraynotify" off.
struct SwitchCase {
    const char* id;
    bool groupRuns;
};

class FailedSwitchTest : public ProbeErrorsTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(FailedSwitchTest, CountsAsItsDefault) {
    const std::string huge = "Software\\Nimbrel\\Ignore\\" + kHuge;
    const Row rows[] = {
        {_, HKCU, {huge.c_str()}, {GetParam().id}, B, _, _, _, SwitchGroup()},
        {H1, HKU, {h, "\\Software\\T"}, {"v"}, S, _, {"v {", i, "}"}, item, _},
        {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"after"}, item, _},
    };
    window.EnumList = {"U"};
    Armed([&] { scan::RunCatalogue(ctx, rows, {.ignoreErrorsPerProbe = true}); });
    EXPECT_EQ(Labels(), GetParam().groupRuns ? (Strings{"v {0}", "after"}) : (Strings{"after"}));
    EXPECT_EQ(window.notice.visible, !GetParam().groupRuns);

    results.store.Clear();
    EXPECT_THROW(Armed([&] { scan::RunCatalogue(ctx, rows); }), std::bad_alloc);
    EXPECT_EQ(Labels(), Strings{});
}

INSTANTIATE_TEST_SUITE_P(Switches, FailedSwitchTest,
                         ::testing::Values(SwitchCase{"vs6", true}, SwitchCase{"cleartraynotify", false}),
                         [](const auto& info) { return std::string(info.param.id); });

// The application-list scanners pass over the failing hive; the single-item
// scanner, like every other, ends at its first error.
TEST_F(ProbeErrorsTest, ApplicationScannersGoOnPastAFailingHive) {
    Import(
        "[HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer]\n\"avpRecentFile1\"=hex:61,00\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit]\n\"LastKey\"=\"x\"\n"
        "[HKEY_CURRENT_USER\\Software\\JetCar\\JetCar\\Recent File List]\n\"File1\"=\"x\"\n"
        "[HKEY_CURRENT_USER\\Software\\ACD Systems\\ACDSee]\n\"HistPaths\"=\"x\"\n\"OpenFolder\"=\"x\"\n");
    window.EnumList = {kHuge, kCurrentUser};

    Armed([&] { scan::ScanCurrentUserApplications(ctx); });
    EXPECT_EQ(Labels(), (Strings{"Adobe Acrobat Reader 4 - Recent Files List - 1",
                                 "Adobe Acrobat Reader 4 - Recent Files List {1} - 1",
                                 "Microsoft RegEdit - Last Key MRU", "Microsoft RegEdit - Last Key MRU - {1}"}));

    results.store.Clear();
    Armed([&] { scan::ScanHiveApplications(ctx); });
    EXPECT_EQ(Labels(), (Strings{"FlashGet - Recent Files List - {1} - File1", "ACDSee - Folders History MRU - {1}"}));

    results.store.Clear();
    EXPECT_THROW(Armed([&] { scan::ScanSingleItems(ctx); }), std::bad_alloc);
    EXPECT_EQ(Labels(), Strings{});
}

}  // namespace
