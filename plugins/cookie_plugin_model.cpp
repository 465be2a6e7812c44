#include "plugins/cookie_plugin_model.h"

#include <algorithm>

#include "platform/registry_api.h"
#include "plugins/ignore_list_file.h"
#include "plugins/index_wipe_schedule.h"
#include "plugins/pass_count.h"
#include "plugins/plugin_settings.h"

namespace plugins {

CookiePluginModel::CookiePluginModel(host::Host& host, PluginStatusModel& status, std::string programFolder)
    : host_(host), status_(status), programFolder_(std::move(programFolder)) {}

void CookiePluginModel::Load(bool silent) {
    const std::optional<std::string> folder = ShellFolder("Cookies");
    const long listed = folder ? file1_.PointAt(*folder) : platform::kErrorFileNotFound;
    refusedFolder_.reset();
    if (listed == platform::kErrorAccessDenied) {
        refusedFolder_ = folder;
        host_.MessageBox(kRefusedFolderMessage + *folder, kMessageTitle);
    } else if (listed != platform::kErrorSuccess && !silent) {
        host_.MessageBox(kNoFolderMessage, kMessageTitle);
    }
    IgnoreListLoad loaded = LoadIgnoreList(IgnoreListLocation(programFolder_).readPath, encryptDes_);
    ignoreList_ = std::move(loaded.names);
    ignoreListRead_ = loaded.refusal.empty();
    if (!ignoreListRead_) host_.MessageBox(kUnreadableListMessage + loaded.refusal, kMessageTitle);
    ignoreSelected_.reset();
    automaticClean_ = ReadSwitch(kCookieSettingsKey, kAutomaticCleanValue);
    secureDelete_ = ReadSwitch(kCookieSettingsKey, kSecureDeleteValue);
    configuration_.enabled = secureDelete_;
    text1_ = file1_.Folder().value_or("");
}

void CookiePluginModel::NormalDelete(bool silent) { Run(silent, Method::kDelete); }

void CookiePluginModel::SecureDelete(bool silent) { Run(silent, Method::kShred); }

void CookiePluginModel::Run(bool silent, Method method) {
    // No cookies folder: nothing to clean, and no index.dat to schedule.
    // No ignore list: nothing is known to be safe to delete.
    if (running_) return;
    if (refusedFolder_) {
        ReportRefusedFolder(*refusedFolder_, report_);
        return;
    }
    if (!file1_.Folder() || !ignoreListRead_) return;
    running_ = true;
    // The lists as they stand when the run starts; clicks while it yields
    // change the window, not this run.
    const std::vector<std::string> cookies = file1_.Names();
    const std::vector<std::string> keep = ignoreList_;

    status_.SetFrameCaption(kCaption);
    status_.SetStatus(method == Method::kShred ? kStatusSecure : kStatusNormal);
    status_.SetStatus2(method == Method::kShred ? kStatus2Secure : kStatus2Normal);
    if (!silent) status_.Show();
    const std::int16_t passes = method == Method::kShred ? ReadPassCount(kCookieSettingsKey, kDefaultPasses) : 0;

    for (std::size_t i = 0; i < cookies.size(); ++i) {
        const std::string& name = cookies[i];
        if (std::find(keep.begin(), keep.end(), name) == keep.end()) {
            RemovePluginFile(file1_.PathOf(name), method == Method::kShred, passes, report_);
        }
        status_.SetProgress(ProgressPercent(i, cookies.size()));
        host_.Yield();
    }
    status_.SetProgress(100);
    status_.HideAndUnload();
    file1_.Refresh();
    ScheduleIndexWipe(IndexWipe::kCookies, text1_, programFolder_);
    running_ = false;
}

void CookiePluginModel::SelectIgnoreEntry(std::optional<std::size_t> row) {
    ignoreSelected_ = row && *row < ignoreList_.size() ? row : std::nullopt;
}

void CookiePluginModel::OnCheckSecureDeleteClick(bool checked) {
    secureDelete_ = checked;
    configuration_.enabled = checked;
}

void CookiePluginModel::AppendIfMissing(const std::string& name) {
    if (std::find(ignoreList_.begin(), ignoreList_.end(), name) == ignoreList_.end()) ignoreList_.push_back(name);
}

void CookiePluginModel::OnMoveCookieToIgnoreClick() {
    if (const std::optional<std::size_t> row = file1_.Selected()) AppendIfMissing(file1_.Names()[*row]);
}

void CookiePluginModel::OnMoveAllToIgnoreClick() {
    for (const std::string& name : file1_.Names()) AppendIfMissing(name);
}

void CookiePluginModel::OnDeleteFromIgnoreClick() {
    if (!ignoreSelected_) return;
    ignoreList_.erase(ignoreList_.begin() + static_cast<std::ptrdiff_t>(*ignoreSelected_));
    ignoreSelected_.reset();
}

bool CookiePluginModel::SaveIgnoreList() {
    const std::string problem =
        plugins::SaveIgnoreList(IgnoreListLocation(programFolder_).savePath, ignoreList_, encryptDes_);
    if (!problem.empty()) {
        host_.MessageBox(kUnsavedListMessage + problem, kMessageTitle);
        return false;
    }
    ignoreListRead_ = true;
    return true;
}

void CookiePluginModel::OnSaveIgnoreListClick() { SaveIgnoreList(); }

void CookiePluginModel::SaveSwitches() {
    WriteSwitch(kCookieSettingsKey, kAutomaticCleanValue, automaticClean_);
    WriteSwitch(kCookieSettingsKey, kSecureDeleteValue, secureDelete_);
}

void CookiePluginModel::OnSaveAllSettingsClick() {
    const bool listSaved = SaveIgnoreList();
    SaveSwitches();
    if (listSaved) host_.MessageBox(kSavedMessage, kSavedTitle);
}

void CookiePluginModel::OnRunNowClick() {
    SaveIgnoreList();
    SaveSwitches();
    if (ReadSwitch(kCookieSettingsKey, kSecureDeleteValue)) {
        SecureDelete(false);
    } else {
        NormalDelete(false);
    }
}

void CookiePluginModel::OnQuestionIgnoreListClick() {
    host_.MessageBoxWithIcon(kIgnoreListMessage, kIgnoreListTitle, host::MessageIcon::kInformation);
}

void CookiePluginModel::OnMoreInformationClick() {
    host_.MessageBoxWithIcon(kSecureDeletionMessage, kSecureDeletionTitle, host::MessageIcon::kInformation);
}

void CookiePluginModel::OnConfigurationClick() {
    if (configuration_.enabled) host_.ShowWindow(host::Window::kCookieSecureDeletion);
}

void CookiePluginModel::OnCloseClick() { host_.UnloadWindow(host::Window::kCookiePlugin); }

void CookiePluginModel::OnHelpClick() {
    host_.MessageBoxWithIcon(kHelpMessage, kHelpTitle, host::MessageIcon::kQuestion);
}

}  // namespace plugins
