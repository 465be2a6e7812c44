#include "scan/office_mru_lists.h"

#include <span>
#include <string>

#include "scan/catalogue_interpreter.h"
#include "scan/enumerated_lists.h"

namespace scan {

namespace {

constexpr const char* kVersions[] = {"12.0", "14.0", "15.0", "16.0"};
constexpr const char* kLists[] = {"File MRU", "Place MRU"};

// "Item n" holds an entry, "Item Metadata n" (Office 2013 on) what Office
// shows of it; "Max Display" and the other values are settings and stay.
// The key is probed first, so a missing list costs one probe.
void ScanItemList(ScanContext& ctx, const char* root, const std::string& key, const std::string& label) {
    const std::string items = label + " - Item ";
    const std::string metadata = label + " - Item Metadata ";
    using catalogue::Root;
    using namespace catalogue::notation;
    // {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
    const catalogue::Row rows[] = {
        {_, Root{root}, {Literal(key)}, _, catalogue::notation::key, _, _, _, gate},
        {_, Root{root}, {Literal(key)}, {"Item ", n}, S, N(1, 99), {Literal(items), n}, item, _},
        {_, Root{root}, {Literal(key)}, _, catalogue::notation::key, _, _, _, gate},
        {_, Root{root}, {Literal(key)}, {"Item Metadata ", n}, S, N(1, 99), {Literal(metadata), n}, item, _},
    };
    RunCatalogue(ctx, rows);
}

// The lists of one application of one version: its own, then those of
// each account under "User MRU".
void ScanApplication(ScanContext& ctx, const UserRegistry& user, const std::string& version,
                     const std::string& application) {
    const std::string key = user.prefix + "Software\\Microsoft\\Office\\" + version + "\\" + application;
    const std::string name = "Office " + version + " - " + application;
    for (const char* list : kLists) ScanItemList(ctx, user.root, key + "\\" + list, name + " - " + list + user.tag);
    for (const std::string& account : Subkeys(ctx, user.root, key + "\\User MRU")) {
        for (const char* list : kLists) {
            ScanItemList(ctx, user.root, key + "\\User MRU\\" + account + "\\" + list,
                         name + " - User MRU (" + account + ") - " + list + user.tag);
        }
    }
}

}  // namespace

void ScanOfficeFileMru(ScanContext& ctx) {
    for (const UserRegistry& user : UserRegistries(ctx)) {
        for (const char* version : kVersions) {
            const std::string office = user.prefix + "Software\\Microsoft\\Office\\" + version;
            for (const std::string& application : Subkeys(ctx, user.root, office)) {
                ScanApplication(ctx, user, version, application);
            }
        }
    }
}

}  // namespace scan
