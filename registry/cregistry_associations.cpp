// Registering a file type with a program: the class key, its shell verbs and
// its icon.
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "registry/cregistry.h"
#include "registry/cregistry_errors.h"
#include "registry/scoped_key.h"
#include "registry/tagged_value_text.h"

namespace {

namespace errors = registry::cregistry_errors;

constexpr auto kClassesRoot = static_cast<std::int32_t>(platform::kHkeyClassesRoot);
constexpr auto kLocalMachine = static_cast<std::int32_t>(platform::kHkeyLocalMachine);

// Older systems read file types from HKLM\SOFTWARE\Classes only, so each
// entry is written there as well as through HKEY_CLASSES_ROOT.
struct ClassesLocation {
    std::int32_t eKey;
    const char* prefix;
};
constexpr ClassesLocation kClassesLocations[] = {{kClassesRoot, ""}, {kLocalMachine, "SOFTWARE\\Classes\\"}};

struct DefaultEntry {
    std::string key;
    std::string text;
};

std::string TrimmedOfSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Quotes the path where a quote is missing, so a path with spaces stays one
// argument in the commands.
std::string QuotedPath(const std::string& exePath) {
    std::string path = TrimmedOfSpaces(exePath);
    if (path.empty() || path.front() != '"') path.insert(0, 1, '"');
    if (path.size() == 1 || path.back() != '"') path.push_back('"');
    return path;
}

const std::string& OrDefault(const std::string& text, const std::string& fallback) {
    return text.empty() ? fallback : text;
}

}  // namespace

void cRegistry::StoreText(std::int32_t eKey, const std::string& sSection, const std::string& sText) {
    StoreValue(eKey, sSection, "", static_cast<std::int32_t>(platform::kRegSz), sText);
}

void cRegistry::CreateEXEAssociation(const std::string& sExePath, const std::string& sClassName,
                                     const std::string& sClassDescription, const std::string& sAssociation,
                                     const std::string& sOpenMenuText, bool bSupportPrint,
                                     const std::string& sPrintMenuText, bool bSupportNew,
                                     const std::string& sNewMenuText, bool bSupportInstall,
                                     const std::string& sInstallMenuText, std::int32_t lDefaultIconIndex) {
    const std::string path = QuotedPath(sExePath);
    const std::string shell = sClassName + "\\shell\\";
    std::vector<DefaultEntry> entries = {
        {"." + sAssociation, sClassName},
        {sClassName, sClassDescription},
        {shell + "open", OrDefault(sOpenMenuText, "&Open")},
        {shell + "open\\command", path + " \"%1\""},
    };
    if (bSupportPrint) {
        entries.push_back({shell + "print", OrDefault(sPrintMenuText, "&Print")});
        entries.push_back({shell + "print\\command", path + " /p \"%1\""});
    }
    if (bSupportInstall) {
        entries.push_back({shell + "add", OrDefault(sInstallMenuText, "&Install " + sAssociation)});
        entries.push_back({shell + "add\\command", path + " /a \"%1\""});
    }
    if (bSupportNew) {
        entries.push_back({shell + "new", OrDefault(sNewMenuText, "&New")});
        entries.push_back({shell + "new\\command", path + " /n \"%1\""});
    }
    if (lDefaultIconIndex >= 0) {
        entries.push_back({sClassName + "\\DefaultIcon", path + "," + std::to_string(lDefaultIconIndex)});
    }
    for (const auto& location : kClassesLocations) {
        for (const auto& entry : entries) StoreText(location.eKey, location.prefix + entry.key, entry.text);
    }
}

void cRegistry::CreateAdditionalEXEAssociations(const std::string& sClassName, const std::vector<TaggedValue>& vItems) {
    if (vItems.size() % 3 != 0) {
        errors::Raise(errors::kBadItemList,
                      "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command");
    }
    {
        registry::ScopedKey classKey;
        if (sClassName.empty() || classKey.Open(platform::kHkeyClassesRoot, sClassName, platform::kKeyQueryValue) !=
                                      platform::kErrorSuccess) {
            errors::Raise(errors::kClassNotDefined,
                          "Error - attempt to create additional associations before class defined.");
        }
    }
    for (std::size_t item = 0; item < vItems.size(); item += 3) {
        const std::string verb = sClassName + "\\shell\\" + registry::TextOf(vItems[item]);
        StoreText(kClassesRoot, verb, registry::TextOf(vItems[item + 1]));
        StoreText(kClassesRoot, verb + "\\command", registry::TextOf(vItems[item + 2]));
    }
}
