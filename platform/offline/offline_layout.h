// What an installation that is not running is made of, once found: its
// SOFTWARE hive, its users' hives with their SIDs and profile folders, its
// system drive. Found from a mounted system drive (installation_finder.cpp)
// or put together from single hive files (hive_file_set.cpp); then one user
// is chosen as the current one and the hives are mounted (offline_layout.cpp).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/installation.h"
#include "platform/offline/hive_file.h"
#include "platform/offline/hive_store.h"
#include "platform/offline_machine.h"

namespace platform::offline {

struct UserHives {
    std::string sid;
    std::string name;                   // the profile folder's name, which --user takes
    std::string profileFolder;          // a Windows path ("C:\Users\anna"); empty when not known
    std::unique_ptr<HiveFile> user;     // NTUSER.DAT
    std::unique_ptr<HiveFile> classes;  // UsrClass.dat; null when there is none
};

struct OfflineLayout {
    std::string name;                       // for messages: "the Windows installation in DIR"
    std::unique_ptr<HiveFile> software;     // null when not given
    std::unique_ptr<HiveFile> defaultUser;  // the DEFAULT hive (HKEY_USERS\.DEFAULT); null when not given
    std::vector<UserHives> users;
    emulated::Installation installation;  // drive and Windows directory; the rest from FinishLayout
    std::vector<std::string> refusals;    // why nothing may be changed
    std::vector<std::string> notes;       // what a scan should say first
};

// The installation whose system drive is mounted at folder (a host path).
// "" or what is wrong. Leaves the installation's drive in use, for the
// hives' paths to be reached through it.
std::string FindInstallation(const std::string& folder, OfflineLayout& layout);

// Single hive files, each told by its name and what its header and root
// hold: a user's NTUSER.DAT or UsrClass.dat, or a SOFTWARE hive.
std::string GatherHiveFiles(const std::vector<std::string>& files, OfflineLayout& layout);

// Chooses the current user (options.user, else the only one), fills in the
// installation's user and environment and the reasons not to change
// anything, and hands the hives over as mounts. "" or what is wrong.
std::string FinishLayout(OfflineLayout& layout, const OfflineOptions& options, std::vector<HiveMount>& mounts);

// A profile's logon name: the last part of its folder's path.
std::string LastComponent(const std::string& windowsPath);

}  // namespace platform::offline
