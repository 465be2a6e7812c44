// The Crumbex cookie plug-in window (cookieplugin) as plain state and
// handlers: the cookie files of Internet Explorer's cookies folder, the
// encrypted ignore list of the cookies to keep, the two switches, and the
// runs that delete or shred every cookie not on the list and then schedule
// the folder's index.dat for ixwipe. Its load step and its two runs are
// also what the clean engine's automatic run uses.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "clean/automatic_plugins.h"
#include "plugins/cls_des.h"
#include "plugins/file_list_box.h"
#include "plugins/plugin_file_removal.h"
#include "plugins/plugin_status_model.h"
#include "host/control_state.h"
#include "host/host.h"

namespace plugins {

class CookiePluginModel : public clean::AutomaticPlugin {
public:
    static constexpr const char* kCaption = "Crumbex";
    static constexpr const char* kLabel1 = "Crumbex Plug-in";
    static constexpr const char* kLabel2 = "v1.01";
    static constexpr const char* kLabel3 = "List of Cookies on your System:";
    static constexpr const char* kLabel4 = "Ignore List:";
    static constexpr const char* kFrame1 = "Configuration";
    static constexpr const char* kFrame3 = "Secure File Shredding Options";
    static constexpr const char* kCheckAutomaticClean = "Enable automatic Crumbex run when cleaning in Nimbrel.";
    static constexpr const char* kCheckSecureDelete = "Enable Secure Deletion of Files";
    static constexpr const char* kMoveCookieToIgnore = "Move >";
    static constexpr const char* kMoveAllToIgnore = "Add All >";
    static constexpr const char* kDeleteFromIgnore = "Delete Selected from Ignore List";
    static constexpr const char* kSaveIgnoreList = "Save Ignore List";
    static constexpr const char* kQuestionIgnoreList = "?";
    static constexpr const char* kMoreInformationButton = "More Information";
    static constexpr const char* kConfiguration = "Configuration";
    static constexpr const char* kSaveAllSettings = "Save Plug-in Settings";
    static constexpr const char* kRunNow = "Save Settings + Run Now";
    static constexpr const char* kClose = "Close";
    static constexpr const char* kHelp = "Help";

    static constexpr const char* kNoFolderMessage =
        "The Crumbex Plug-in can't find your Internet Explorer cookies folder.";
    static constexpr const char* kRefusedFolderMessage =
        "The Crumbex Plug-in cleans only folders on this machine's own drives, reached without a link or a mount "
        "point, and leaves this cookies folder alone: ";
    static constexpr const char* kMessageTitle = "Nimbrel";
    static constexpr const char* kSavedTitle = "Settings Saved";
    static constexpr const char* kSavedMessage = "All Crumbex Plug-in Settings saved!";
    static constexpr const char* kHelpTitle = "Plug-in Notes/Help";
    static constexpr const char* kHelpMessage =
        "The Crumbex Plug-in provides the cookies folder index.dat file cleaning. This occurs on reboot of your "
        "machine (as the index.dat file is locked during normal use). A 2 pass file wipe is performed before the "
        "index.dat file is deleted.\n\nAdd items to the Crumbex ignore list to keep them from being deleted when "
        "running the Crumbex plug-in. The ignore list items are stored in the 'cookieignore.ini' file in your "
        "Nimbrel folder in encrypted format.";
    static constexpr const char* kSecureDeletionTitle = "About Secure File Deletion";
    static constexpr const char* kSecureDeletionMessage =
        "Secure file deletion performs a configurable multi-pass write onto a file using a variant of the DoD file "
        "wiping process, with an additional set of random data wipes at the end. The default number of wipes is 3 "
        "(3 DoD-related and 3 random wipes after), but it can be configured up to 200 (which takes a considerably "
        "longer time than the default).\n\nThe default setting of 3 passes provides a measure of protection and a "
        "relatively fast shredding speed - 8 or higher should make the files nearly impossible to recover (but "
        "again, the higher the number of passes, the longer it will take).";
    static constexpr const char* kIgnoreListTitle = "What is the ignore list?";
    static constexpr const char* kIgnoreListMessage =
        "The ignore list contains all items you wish the Crumbex plug-in to skip over when it cleans. These items "
        "will not be deleted during a cleaning. Any cookies that are not on this list will be deleted when the "
        "Crumbex plug-in is run.";

    static constexpr const char* kStatusNormal = "Cleaning cookie files (normal delete method)";
    static constexpr const char* kStatusSecure = "Cleaning cookie files (secure file shredding method)";
    static constexpr const char* kStatus2Normal = "Please be patient...";
    static constexpr const char* kStatus2Secure = "Please be patient... (the file shredding may take a couple minutes)";
    static constexpr std::int16_t kDefaultPasses = 3;

    static constexpr const char* kUnreadableListMessage =
        "The Crumbex ignore list cannot be read, so no cookie will be deleted: ";
    static constexpr const char* kUnsavedListMessage = "The Crumbex ignore list was not saved: ";

    // programFolder: where the run-once command finds ixwipe.exe and, as
    // the platform places it, "cookieignore.ini" (no final backslash).
    CookiePluginModel(host::Host& host, PluginStatusModel& status, std::string programFolder);

    // The load step. A silent load shows no message box for a missing
    // cookies folder: nobody is there to close it. When that folder cannot
    // be found, nothing is listed and a run does nothing at all. An ignore
    // list that cannot be read, and a cookies folder the platform deletes
    // nothing in, are said even in a silent load (a silent host writes them
    // out); until a save succeeds a run does nothing: a list that cannot be
    // read never means "keep nothing". A run reports a refused folder once
    // as not cleaned, and neither deletes nor schedules anything.
    void Load(bool silent);

    void NormalDelete(bool silent) override;
    void SecureDelete(bool silent) override;

    // State.
    const FileListBox& FileList() const { return file1_; }
    const std::vector<std::string>& CookieIgnoreList() const { return ignoreList_; }
    std::optional<std::size_t> CookieIgnoreListSelected() const { return ignoreSelected_; }
    const std::string& FolderText() const { return text1_; }
    bool CheckAutomaticClean() const { return automaticClean_; }
    bool CheckSecureDelete() const { return secureDelete_; }
    const host::Button& ConfigurationButton() const { return configuration_; }
    // A run is deleting; it lets the interface handle clicks between files.
    bool Running() const { return running_; }
    // Told of every file a run deletes or shreds.
    void SetFileReport(FileReport report) { report_ = std::move(report); }

    // The user's selections and clicks.
    void SelectCookie(std::optional<std::size_t> row) { file1_.Select(row); }
    void SelectIgnoreEntry(std::optional<std::size_t> row);
    void SetCheckAutomaticClean(bool checked) { automaticClean_ = checked; }
    void OnCheckSecureDeleteClick(bool checked);
    void OnMoveCookieToIgnoreClick();
    void OnMoveAllToIgnoreClick();
    void OnDeleteFromIgnoreClick();
    void OnSaveIgnoreListClick();
    void OnQuestionIgnoreListClick();
    void OnMoreInformationClick();
    void OnConfigurationClick();
    void OnSaveAllSettingsClick();
    void OnRunNowClick();
    void OnCloseClick();
    void OnHelpClick();

private:
    enum class Method { kDelete, kShred };
    void Run(bool silent, Method method);
    void AppendIfMissing(const std::string& name);
    // False, having said why, when the list was not saved.
    bool SaveIgnoreList();
    void SaveSwitches();

    host::Host& host_;
    PluginStatusModel& status_;
    std::string programFolder_;
    clsDES encryptDes_;
    FileListBox file1_{"*.txt"};
    std::vector<std::string> ignoreList_;
    bool ignoreListRead_ = false;  // the list holds what the file holds
    std::optional<std::size_t> ignoreSelected_;
    std::string text1_;
    std::optional<std::string> refusedFolder_;
    bool automaticClean_ = false;
    bool secureDelete_ = false;
    host::Button configuration_{kConfiguration, false};
    bool running_ = false;
    FileReport report_;
};

}  // namespace plugins
