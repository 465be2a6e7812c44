// The recording sequence: the counter is raised before the row is appended,
// and a row whose append fails is left out whole. Allocation failures are
// injected through this program's own operator new.
#include "scan/record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "tests/scan/scan_fixture.h"

namespace {

// -1: never fail; otherwise the number of allocations still granted.
int allocationsBeforeFailure = -1;

}  // namespace

// None of the three is inlined: GCC would then take malloc and free for
// a mismatch with new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

TEST(RecordTest, CounterComesFirstAndAFailedAppendLeavesNoHalfRow) {
    const scan::DetectedItem item{"Windows Explorer - Run Dialog MRU - (a)",
                                  "HKCU",
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
                                  "a",
                                  "S",
                                  "Value"};
    bool appended = false;
    for (int granted = 0; !appended; ++granted) {
        SCOPED_TRACE("allocations granted: " + std::to_string(granted));
        scan_testing::FakeHost host;
        scan::ScanWindowState window;
        scan::ResultsModel results;
        scan::ScanContext ctx{host, window, results};

        allocationsBeforeFailure = granted;
        try {
            scan::Record(ctx, scan::Counter::kItems, item);
            appended = true;
        } catch (const std::bad_alloc&) {
        }
        allocationsBeforeFailure = -1;

        EXPECT_EQ(window.counts.items, 1);
        EXPECT_EQ(window.itemsdetected.caption, "1");
        EXPECT_EQ(window.listsdetected.caption, "0");
        const scan::DetectedItems& store = results.store;
        ASSERT_EQ(store.RowCount(), appended ? 1u : 0u);
        for (const auto* column :
             {&store.Mainkey(), &store.Subkey(), &store.Value(), &store.ValueType(), &store.Kinds()}) {
            EXPECT_EQ(column->size(), store.RowCount());
        }
        if (appended) {
            EXPECT_EQ(store.Row(0), item);
            EXPECT_TRUE(store.Checked(0));
        }
    }
}

TEST(RecordTest, CountersCountListsAndItemsApart) {
    scan_testing::FakeHost host;
    scan::ScanWindowState window;
    scan::ResultsModel results;
    scan::ScanContext ctx{host, window, results};
    scan::Record(ctx, scan::Counter::kLists, {"MAIN", "HKCU", "k", "MRUList", "S", "Value"});
    for (int row = 0; row < 11; ++row) scan::Record(ctx, scan::Counter::kItems, {"x", "HKCU", "k", "a", "S", "Value"});
    EXPECT_EQ(window.listsdetected.caption, "1");
    EXPECT_EQ(window.itemsdetected.caption, "11");
    EXPECT_EQ(window.counts.lists, 1);
    EXPECT_EQ(window.counts.items, 11);
    EXPECT_EQ(results.store.RowCount(), 12u);
    results.store.Clear();
    EXPECT_EQ(results.store.RowCount(), 0u);
    EXPECT_TRUE(results.store.Kinds().empty());
}

}  // namespace
