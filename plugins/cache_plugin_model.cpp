#include "plugins/cache_plugin_model.h"

#include <array>
#include <string_view>

#include "platform/files.h"
#include "platform/registry_api.h"
#include "platform/subfolder_listing.h"
#include "plugins/index_wipe_schedule.h"
#include "plugins/pass_count.h"
#include "plugins/plugin_settings.h"

namespace plugins {

namespace {

constexpr std::array<std::string_view, 15> kKeptExtensions = {".EXE", ".SYS", ".BAT", ".DLL", ".OCX",
                                                              ".TLB", ".OCA", ".DEP", ".AX",  ".CPL",
                                                              ".CPX", ".SCP", ".MSC", ".EVT", ".INF"};

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    const std::string_view tail = name.substr(name.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (UpperAscii(tail[i]) != ending[i]) return false;
    return true;
}

}  // namespace

bool IsKeptCacheFile(const std::string& name) {
    for (std::string_view extension : kKeptExtensions)
        if (EndsWithIgnoringCase(name, extension)) return true;
    return false;
}

CachePluginModel::CachePluginModel(host::Host& host, PluginStatusModel& status, std::string programFolder)
    : host_(host), status_(status), programFolder_(std::move(programFolder)) {}

std::string CachePluginModel::ContentFolder() const { return text1_ + "\\Content.IE5"; }

bool CachePluginModel::ContentFolderExists() const {
    // An empty path box would name "\Content.IE5" at the root of a drive.
    if (text1_.empty()) return false;
    const std::optional<std::uint32_t> attributes = platform::GetFileAttributes(ContentFolder());
    return attributes && (*attributes & platform::kFileAttributeDirectory) != 0;
}

void CachePluginModel::ListCacheFolders(const std::string& folder) {
    contentRefused_ = platform::ListSubfolders(folder, cacheFolders_) == platform::kErrorAccessDenied;
    if (contentRefused_) host_.MessageBox(kRefusedFolderMessage + folder, kMessageTitle);
}

void CachePluginModel::Load(bool silent) {
    if (const std::optional<std::string> folder = ShellFolder("Cache")) {
        text1_ = *folder;
    } else if (!silent) {
        host_.MessageBox(kNoFolderMessage, kMessageTitle);
    }
    contentRefused_ = false;
    if (ContentFolderExists()) ListCacheFolders(ContentFolder());
    automaticClean_ = ReadSwitch(kCacheSettingsKey, kAutomaticCleanValue);
    secureDelete_ = ReadSwitch(kCacheSettingsKey, kSecureDeleteValue);
    ApplySecureDeleteRule();
}

// Every click on the box reloads the pass options from the registry.
void CachePluginModel::ApplySecureDeleteRule() {
    passes_.SetOptionsEnabled(secureDelete_);
    if (secureDelete_) passes_.LoadStored(kCacheSettingsKey);
}

void CachePluginModel::OnCheckSecureDeleteClick(bool checked) {
    secureDelete_ = checked;
    ApplySecureDeleteRule();
}

void CachePluginModel::NormalDelete(bool silent) { Run(silent, Method::kDelete); }

void CachePluginModel::SecureDelete(bool silent) { Run(silent, Method::kShred); }

void CachePluginModel::Run(bool silent, Method method) {
    if (running_ || !ContentFolderExists()) return;
    if (contentRefused_) {
        ReportRefusedFolder(ContentFolder(), report_);
        return;
    }
    running_ = true;
    const std::string content = ContentFolder();
    const std::vector<std::string> folders = cacheFolders_;

    status_.SetFrameCaption(kCaption);
    status_.SetStatus(method == Method::kShred ? kStatusSecure : kStatusNormal);
    status_.SetStatus2(kStatus2);
    if (!silent) status_.Show();
    const std::int16_t passes = method == Method::kShred ? ReadPassCount(kCacheSettingsKey, kDefaultPasses) : 0;

    std::size_t total = 0;
    for (const std::string& folder : folders) {
        if (file1_.PointAt(content + "\\" + folder) == 0) total += file1_.Names().size();
        host_.Yield();
    }

    std::size_t done = 0;
    for (const std::string& folder : folders) {
        if (file1_.PointAt(content + "\\" + folder) != 0) continue;
        const std::vector<std::string> files = file1_.Names();
        for (const std::string& name : files) {
            if (!IsKeptCacheFile(name)) {
                RemovePluginFile(file1_.PathOf(name), method == Method::kShred, passes, report_);
            }
            status_.SetProgress(ProgressPercent(done, total));
            host_.Yield();
            ++done;
        }
    }
    status_.SetProgress(100);
    host_.Yield();
    status_.HideAndUnload();
    file1_.Refresh();
    ScheduleIndexWipe(IndexWipe::kCache, text1_, programFolder_);
    running_ = false;
}

bool CachePluginModel::SaveSettings() {
    WriteSwitch(kCacheSettingsKey, kAutomaticCleanValue, automaticClean_);
    WriteSwitch(kCacheSettingsKey, kSecureDeleteValue, secureDelete_);
    return passes_.Save(host_, kCacheSettingsKey, kMessages, kMessageTitle);
}

void CachePluginModel::OnSaveAllSettingsClick() {
    if (SaveSettings()) host_.MessageBox(kSavedMessage, kSavedTitle);
}

void CachePluginModel::OnRunNowClick() {
    if (!SaveSettings()) return;
    if (ReadSwitch(kCacheSettingsKey, kSecureDeleteValue)) {
        SecureDelete(false);
    } else {
        NormalDelete(false);
    }
}

void CachePluginModel::OnMoreInformationClick() {
    host_.MessageBoxWithIcon(kSecureDeletionMessage, kSecureDeletionTitle, host::MessageIcon::kInformation);
}

void CachePluginModel::OnCloseClick() { host_.UnloadWindow(host::Window::kIeTempFilesPlugin); }

void CachePluginModel::OnHelpClick() {
    host_.MessageBoxWithIcon(kHelpMessage, kHelpTitle, host::MessageIcon::kQuestion);
}

}  // namespace plugins
