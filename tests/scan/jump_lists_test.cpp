// The jump lists: the files of the two subfolders of the 'Recent' folder,
// by the 'Recent' folder's rules, and never through a link.
#include "scan/jump_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "registry/mod_registry.h"
#include "scan/scan_driver.h"
#include "tests/scan/scan_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::emulated::ToHostPath;
using scan::DetectedItem;

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void MakeFile(const std::string& path) {
    fs::create_directories(ToHostPath(path).parent_path());
    std::ofstream(ToHostPath(path)) << "x";
}

class JumpListsTest : public scan_testing::ScanTest {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::Start(), "");
        ASSERT_EQ(modRegistry::WriteValue("HKCU", kShellFolders, "Recent", "S", recent), 0);
    }
    std::vector<DetectedItem> Rows() const {
        std::vector<DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }
    static DetectedItem File(const std::string& label, const std::string& path) {
        return {label, path, " ", " ", " ", "File"};
    }

    const std::string recent = "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
};

TEST_F(JumpListsTest, EveryFileOfBothFoldersButDesktopIniAndNothingThroughALink) {
    const std::string automatic = recent + "\\automaticdestinations";  // any case names the folder
    MakeFile(automatic + "\\5f7b5f1e01b83767.automaticDestinations-ms");
    MakeFile(automatic + "\\Desktop.ini");
    MakeFile(automatic + "\\.hidden.automaticDestinations-ms");
    MakeFile(recent + "\\letter.lnk");  // the 'Recent' folder's own file is step 6's
    // CustomDestinations is a link to a folder elsewhere: its files are not the user's traces.
    MakeFile("C:\\Elsewhere\\keep.customDestinations-ms");
    fs::create_directory_symlink(ToHostPath("C:\\Elsewhere"), ToHostPath(recent + "\\CustomDestinations"));

    scan::ScanJumpLists(ctx);
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{File("Windows Jump List - Automatic Destinations Item - 0",
                                                      automatic + "\\.hidden.automaticDestinations-ms"),
                                                 File("Windows Jump List - Automatic Destinations Item - 1",
                                                      automatic + "\\5f7b5f1e01b83767.automaticDestinations-ms")}));
    EXPECT_EQ(window.itemsdetected.caption, "2");

    fs::remove(ToHostPath(recent + "\\CustomDestinations"));
    MakeFile(recent + "\\CustomDestinations\\9b9cdc69c1c24e2b.customDestinations-ms");
    results.store.Clear();
    scan::ScanJumpLists(ctx);
    ASSERT_EQ(results.store.RowCount(), 3u);
    EXPECT_EQ(results.store.Row(2), File("Windows Jump List - Custom Destinations Item - 0",
                                         recent + "\\CustomDestinations\\9b9cdc69c1c24e2b.customDestinations-ms"));
}

TEST_F(JumpListsTest, TheScanListsThemUnlessSwitchedOff) {
    MakeFile(recent + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms");
    scan::Scan(ctx);
    EXPECT_EQ(results.store.Labels().back(), "Windows Jump List - Automatic Destinations Item - 0");
    results.store.Clear();
    ASSERT_EQ(modRegistry::WriteValue("HKCU", "Software\\Nimbrel\\Ignore", "WinJumpLists", "B",
                                      modRegistry::ValueHolder::Boolean(false)),
              0);
    scan::Scan(ctx);
    EXPECT_EQ(results.store.RowCount(), 0u);
}

}  // namespace
