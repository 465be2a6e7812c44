// Every table of the MRU catalogue, in scan order, with the step of the scan
// driver that runs it and that step's category switch. The structure check
// below and `nimbrel-cli catalogue` both walk this list; a new table belongs
// here too.
//
// The scanners whose flow is more than rows (Outlook Express identities,
// the network subkeys, the folder scanners, and the lists of Windows Vista
// to 11 and Office 2007 to 365 found by listing keys) build their rows as
// they go and are not listed.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "scan/application_list_tables.h"
#include "scan/catalogue.h"
#include "scan/catalogue_check.h"
#include "scan/explorer_history_list_tables.h"
#include "scan/extension_list_tables.h"
#include "scan/hive_application_list_tables.h"
#include "scan/key_scanner_tables.h"
#include "scan/office_list_tables.h"
#include "scan/shell_list_tables.h"
#include "scan/single_item_list_tables.h"
#include "scan/tool_history_list_tables.h"

namespace scan {

struct CatalogueTable {
    std::string_view name;      // as scan::tables names it
    int step;                   // the scan driver's step that runs it
    std::string_view category;  // that step's switch; empty when the step always runs
    std::span<const catalogue::Row> rows;
};

// The steps and switches as the scan driver's order (scan_driver.cpp) has
// them.
inline constexpr CatalogueTable kCatalogueTables[] = {
    {"kOpenFindA", 1, "MSOffice", tables::kOpenFindA},
    {"kOpenFindB", 1, "MSOffice", tables::kOpenFindB},
    {"kMicrosoftOffice", 1, "MSOffice", tables::kMicrosoftOffice},
    {"kWordPerfect", 3, "wordperfect", tables::kWordPerfect},
    {"kQuattroPro", 4, "quattropro", tables::kQuattroPro},
    {"kCorelPresentations", 5, "corelpresentations", tables::kCorelPresentations},
    {"kTypedUrls", 7, "IETypedURL", tables::kTypedUrls},
    {"kOutlookExpressStationery", 8, "", tables::kOutlookExpressStationery},
    {"kMediaPlayer", 9, "", tables::kMediaPlayer},
    {"kPaintAndWordPad", 10, "", tables::kPaintAndWordPad},
    {"kGoogleToolbar", 11, "googletoolbar", tables::kGoogleToolbar},
    {"kSingleItems", 12, "miscnotlists", tables::kSingleItems},
    {"kCurrentUserApplications", 13, "", tables::kCurrentUserApplications},
    {"kHiveApplications", 14, "", tables::kHiveApplications},
    {"kArchivers", 15, "", tables::kArchivers},
    {"kPeerToPeerSearches", 16, "", tables::kPeerToPeerSearches},
    {"kLastVisitedMru", 17, "", tables::kLastVisitedMru},
    {"kRunMru", 18, "WinRun", tables::kRunMru},
    {"kFindMrus", 19, "WinFind", tables::kFindMrus},
    {"kNetworkMrus", 20, "windowsnetwork", tables::kNetworkMrus},
    {"kInstallLocations", 21, "installlocations", tables::kInstallLocations},
    {"kOpenSaveMruCurrentUser", 22, "", tables::kOpenSaveMruCurrentUser},
    {"kOpenSaveMruDefaultUser", 23, "", tables::kOpenSaveMruDefaultUser},
    {"kLastVisitedMruHives", 24, "", tables::kLastVisitedMruHives},
    {"kStreamMru", 25, "WinStream", tables::kStreamMru},
    {"kRecentDocs", 26, "", tables::kRecentDocs},
    {"kUserAssist", 27, "userassist", tables::kUserAssist},
    {"kTrayNotify", 28, "cleartraynotify", tables::kTrayNotify},
    {"kOpenWith", 29, "winopenwith", tables::kOpenWith},
    {"kExplorerLists", 31, "WinExplorer", tables::kExplorerLists},
    {"kRemoteDesktop", 33, "remotedesktop", tables::kRemoteDesktop},
    {"kMediaAndTools", 35, "mediatools", tables::kMediaAndTools},
};

namespace catalogue {

// A table that breaks a rule stops the build here; the compiler names the
// instantiation TableChecked<table's place in kCatalogueTables, rule, row>.
template <std::size_t table, Rule rule, std::size_t row>
struct TableChecked {
    static_assert(rule == Rule::kNone, "a catalogue table breaks a rule of catalogue_check.h; see the instantiation");
    static constexpr bool ok = true;
};

template <std::size_t... table>
constexpr bool EveryTableChecked(std::index_sequence<table...>) {
    return (TableChecked<table, FindFault(kCatalogueTables[table].rows).rule,
                         FindFault(kCatalogueTables[table].rows).row>::ok &&
            ...);
}

static_assert(EveryTableChecked(std::make_index_sequence<std::size(kCatalogueTables)>{}));

}  // namespace catalogue

}  // namespace scan
