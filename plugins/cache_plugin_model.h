// The temporary internet files plug-in window (ietempfilesplugin) as plain
// state and handlers: it empties the subfolders of the cache's
// "Content.IE5" folder, sparing program and system files, by deletion or
// through the shredder, and then schedules the index.dat of "Content.IE5"
// for ixwipe. Its load step and its two runs are also what the clean
// engine's automatic run uses.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "clean/automatic_plugins.h"
#include "plugins/file_list_box.h"
#include "plugins/plugin_file_removal.h"
#include "plugins/pass_options.h"
#include "plugins/plugin_status_model.h"
#include "host/control_state.h"
#include "host/host.h"

namespace plugins {

// Whether the cache plug-in keeps a file: its name ends, in any letter
// case, in ".EXE", ".SYS", ".BAT", ".DLL", ".OCX", ".TLB", ".OCA", ".DEP",
// ".AX", ".CPL", ".CPX", ".SCP", ".MSC", ".EVT" or ".INF".
bool IsKeptCacheFile(const std::string& name);

class CachePluginModel : public clean::AutomaticPlugin {
public:
    static constexpr const char* kCaption = "IE Temporary Internet Files Cleaner";
    static constexpr const char* kLabel1 = "IE Temporary Internet Files Cleaner Plug-in";
    static constexpr const char* kLabel2 = "v1.0";
    static constexpr const char* kFrame1 = "Auto-Configuration";
    static constexpr const char* kLabel3 = "Detected Path to Local IE Temporary Internet Files:";
    static constexpr const char* kFrame3 = "Secure File Shredding Options";
    static constexpr const char* kCheckAutomaticClean =
        "Enable automatic IE Temporary Internet File delete when cleaning in Nimbrel.";
    static constexpr const char* kCheckSecureDelete = "Enable Secure Deletion of Files";
    static constexpr const char* kOption1 = "Default number of passes (2)";
    static constexpr const char* kOption2 = PassOptions::kCustomCaption;
    static constexpr const char* kLabel4 = "Custom pass number:";
    static constexpr const char* kMoreInformationButton = "More Information";
    static constexpr const char* kSaveAllSettings = "Save Plug-in Settings";
    static constexpr const char* kRunNow = "Save Settings + Run Now";
    static constexpr const char* kClose = "Close";
    static constexpr const char* kHelp = "Help";

    static constexpr const char* kNoFolderMessage = "The Plug-in can't find your Internet Explorer cache folder.";
    static constexpr const char* kRefusedFolderMessage =
        "The Plug-in cleans only folders on this machine's own drives, reached without a link or a mount point, "
        "and leaves this cache folder alone: ";
    static constexpr const char* kMessageTitle = "Nimbrel";
    static constexpr PassCountMessages kMessages{
        "The number of passes for secure file deletion must be no more than 200.",
        "The number of passes for secure file deletion must be greater than 0.",
        "The number of passes for secure file deletion must be a whole number."};
    static constexpr const char* kSavedTitle = "Settings Saved";
    static constexpr const char* kSavedMessage = "All Plug-in Settings saved!";
    static constexpr const char* kHelpTitle = "Plug-in Notes/Help";
    static constexpr const char* kHelpMessage =
        "The IE Temporary Internet Files Cleaner Plug-in provides index.dat file cleaning. This occurs on reboot of "
        "your machine (as the index.dat file is locked during normal use). A 2 pass file wipe is performed before "
        "the index.dat file is deleted.";
    static constexpr const char* kSecureDeletionTitle = "About Secure File Deletion";
    static constexpr const char* kSecureDeletionMessage =
        "Secure file deletion performs a configurable multi-pass write onto a file using a variant of the DoD file "
        "wiping process, with an additional set of random data wipes at the end. The default number of wipes is for "
        "this plug-in is 2 (2 DoD-related and 2 random wipes after), but it can be configured up to 200 (which takes "
        "a considerably longer time than the default).\n\nNOTE: The default number of shredding passes for this "
        "plug-in is set at 2 because of the large amount of data usually stored in the IE Temporary Internet Files. "
        "Since, on many systems, just a regular cleaning of all Temporary Internet Files (with secure file "
        "shredding) can take several minutes or more, do not be surprised if this option extends that time "
        "considerably.";

    static constexpr const char* kStatusNormal = "Cleaning IE Temporary Internet Files (normal delete method)";
    static constexpr const char* kStatusSecure = "Cleaning IE Temporary Internet Files (secure delete method)";
    static constexpr const char* kStatus2 = "Please be patient...";
    static constexpr std::int16_t kDefaultPasses = 2;

    // programFolder: where the run-once command finds ixwipe.exe.
    CachePluginModel(host::Host& host, PluginStatusModel& status, std::string programFolder);

    // The load step; a silent load shows no message box, but for a
    // "Content.IE5" folder that the platform deletes nothing in (a silent
    // host writes that out). A run reports such a folder once as not
    // cleaned, and neither deletes nor schedules anything.
    void Load(bool silent);

    void NormalDelete(bool silent) override;
    void SecureDelete(bool silent) override;

    // State.
    const std::string& FolderText() const { return text1_; }
    const std::vector<std::string>& CacheFolders() const { return cacheFolders_; }
    const FileListBox& FileList() const { return file1_; }
    bool CheckAutomaticClean() const { return automaticClean_; }
    bool CheckSecureDelete() const { return secureDelete_; }
    // Option1, Option2, Text2 and Label4.
    const PassOptions& Passes() const { return passes_; }
    // A run is deleting; it lets the interface handle clicks between files.
    bool Running() const { return running_; }
    // Told of every file a run deletes or shreds.
    void SetFileReport(FileReport report) { report_ = std::move(report); }

    // The user's clicks and typing.
    void SetCheckAutomaticClean(bool checked) { automaticClean_ = checked; }
    void OnCheckSecureDeleteClick(bool checked);
    void OnDefaultPassesClick() { passes_.OnDefaultClick(); }
    void OnCustomPassesClick() { passes_.OnCustomClick(); }
    void SetText2(const std::string& text) { passes_.Type(text); }
    void OnSaveAllSettingsClick();
    void OnRunNowClick();
    void OnMoreInformationClick();
    void OnCloseClick();
    void OnHelpClick();

private:
    enum class Method { kDelete, kShred };
    void Run(bool silent, Method method);
    std::string ContentFolder() const;
    bool ContentFolderExists() const;
    void ListCacheFolders(const std::string& folder);
    void ApplySecureDeleteRule();
    // False when a pass-count message stopped the save.
    bool SaveSettings();

    host::Host& host_;
    PluginStatusModel& status_;
    std::string programFolder_;
    std::string text1_;
    std::vector<std::string> cacheFolders_;
    bool contentRefused_ = false;
    FileListBox file1_{"*.*"};
    bool automaticClean_ = false;
    bool secureDelete_ = false;
    PassOptions passes_{kOption1};
    bool running_ = false;
    FileReport report_;
};

}  // namespace plugins
