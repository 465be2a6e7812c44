#include "scan/scan_driver.h"

#include <exception>
#include <string>

#include "scan/application_lists.h"
#include "scan/category_switch.h"
#include "scan/explorer_history_lists.h"
#include "scan/extension_lists.h"
#include "scan/hive_application_lists.h"
#include "scan/jump_lists.h"
#include "scan/key_scanners.h"
#include "scan/office_lists.h"
#include "scan/office_mru_lists.h"
#include "scan/recent_folders.h"
#include "scan/record.h"
#include "scan/shell_lists.h"
#include "scan/single_item_lists.h"
#include "scan/subkey_list.h"
#include "scan/tool_history_lists.h"

namespace scan {

namespace {

// One line of the driver's order: a step (its category switch, or none when
// it always runs, and its scanner), a progress point, or a bare yield.
struct Line {
    enum class Kind { kStep, kProgress, kYield };

    Kind kind;
    const char* category = nullptr;
    Scanner scanner = nullptr;
    int percent = 0;
};

constexpr const char* always = nullptr;

constexpr Line Step(const char* category, Scanner scanner) { return {Line::Kind::kStep, category, scanner, 0}; }
constexpr Line Progress(int percent) { return {Line::Kind::kProgress, nullptr, nullptr, percent}; }
constexpr Line YieldOnly() { return {Line::Kind::kYield}; }

// clang-format off
constexpr Line kOrder[] = {
    Step("MSOffice",           ScanMicrosoftOffice),            //  1
    Step("OfficeFolder",       ScanOfficeRecentFolders),        //  2
    Step("wordperfect",        ScanWordPerfect),                //  3
    Step("quattropro",         ScanQuattroPro),                 //  4
    Step("corelpresentations", ScanCorelPresentations),         //  5
    Progress(13),
    Step("WinRecent",          ScanWindowsRecentFolder),        //  6
    Step("IETypedURL",         ScanTypedUrls),                  //  7
    Step(always,               ScanOutlookExpressIdentities),   //  8
    Progress(20),
    Step(always,               ScanMediaPlayer),                //  9
    Step(always,               ScanPaintAndWordPad),            // 10
    Step("googletoolbar",      ScanGoogleToolbar),              // 11
    Progress(24),
    Step("miscnotlists",       ScanSingleItems),                // 12
    Step(always,               ScanCurrentUserApplications),    // 13, reads "regedit" itself
    Step(always,               ScanHiveApplications),           // 14, reads "vs6" itself
    Step(always,               ScanArchivers),                  // 15
    Step(always,               ScanPeerToPeerSearches),         // 16
    Progress(35),
    Step(always,               ScanLastVisitedMru),             // 17
    Progress(37),
    Step("WinRun",             ScanRunMru),                     // 18
    Progress(45),
    Step("WinFind",            ScanFindMrus),                   // 19
    Step("windowsnetwork",     ScanNetworkMrus),                // 20
    Step("installlocations",   ScanInstallLocations),           // 21
    Progress(50),
    Step(always,               ScanOpenSaveMruCurrentUser),     // 22
    Progress(57),
    Step(always,               ScanOpenSaveMruDefaultUser),     // 23
    Progress(72),
    Step(always,               ScanLastVisitedMruHives),        // 24
    Progress(79),
    Step("WinStream",          ScanStreamMru),                  // 25
    Progress(83),
    Step(always,               ScanRecentDocs),                 // 26
    Progress(90),
    Step("userassist",         ScanUserAssist),                 // 27
    YieldOnly(),
    Step("cleartraynotify",    ScanTrayNotify),                 // 28, off unless switched on
    Progress(93),
    Step("winopenwith",        ScanOpenWith),                   // 29
    Progress(97),
    Step("unreadmail",         ScanUnreadMail),                 // 30
    YieldOnly(),
    // Windows Vista to 11 and Office 2007 to 365, after the thirty steps so
    // that theirs stay the first probes of a scan.
    Step("WinExplorer",        ScanExplorerHistory),            // 31
    YieldOnly(),
    Step("userassist7",        ScanUserAssistSeven),            // 32
    YieldOnly(),
    Step("remotedesktop",      ScanRemoteDesktop),              // 33
    YieldOnly(),
    Step("MSOffice2007",       ScanOfficeFileMru),              // 34
    YieldOnly(),
    Step("mediatools",         ScanMediaAndTools),              // 35
    YieldOnly(),
    Step("WinJumpLists",       ScanJumpLists),                  // 36
    YieldOnly(),
    Step("shellbags",          ScanShellBags),                  // 37, off unless switched on
    YieldOnly(),
};
// clang-format on

// Runs one step; an error raised inside it abandons the step and the scan
// goes on.
template <class Work>
void Ignoring(Work work) {
    try {
        work();
    } catch (const std::exception&) {
    }
}

// Yields to the message loop; false when "Abort" was pressed meanwhile.
bool YieldAndGoOn(ScanContext& ctx) {
    Ignoring([&] { ctx.host.Yield(); });
    return !ctx.window.abortRequested;
}

void RunStep(ScanContext& ctx, const Line& line) {
    if (line.category == always || CategoryOn(line.category)) {
        line.scanner(ctx);
    } else {
        ctx.window.notice.visible = true;
    }
}

void EndOfScan(ScanContext& ctx) {
    ScanWindowState& window = ctx.window;
    window.CoolProgress1.Percent = 100;
    window.Label4.caption = "Scanning Complete";
    const long total = window.counts.lists + window.counts.items;
    window.counts.total = total;
    window.totaldetected.caption = std::to_string(total);
    window.chameleonButton2.caption = "Main Menu";
    if (total > 0) {
        window.cleanbutton1.enabled = true;
        window.resultsbutton.enabled = true;
        window.totaldetected.colour = host::kRed;
    }
    ctx.results.total = total;
}

}  // namespace

bool Scan(ScanContext& ctx) {
    if (!YieldAndGoOn(ctx)) return false;
    ctx.window.EnumList.clear();
    Ignoring([&] { ctx.window.EnumList = ListUserHives(ctx.window.registry); });

    for (const Line& line : kOrder) {
        if (ctx.window.abortRequested) return false;
        switch (line.kind) {
            case Line::Kind::kStep:
                Ignoring([&] { RunStep(ctx, line); });
                break;
            case Line::Kind::kProgress:
                ctx.window.CoolProgress1.Percent = line.percent;
                if (!YieldAndGoOn(ctx)) return false;
                break;
            case Line::Kind::kYield:
                if (!YieldAndGoOn(ctx)) return false;
                break;
        }
    }

    Ignoring([&] { EndOfScan(ctx); });
    YieldAndGoOn(ctx);
    return true;
}

}  // namespace scan
