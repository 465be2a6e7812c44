#include "ixwipe/ixwipe_run.h"

#include "plugins/file_shredder.h"
#include "registry/mod_registry.h"

namespace ixwipe {

namespace {

// Two constant passes and two random fills.
constexpr std::int16_t kPasses = 2;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

void ShredIndex(const char* key, const char* below) {
    modRegistry::ValueHolder location;
    modRegistry::ReadValue("HKLM", key, "Location", "S", modRegistry::ValueHolder(modRegistry::kNone), location);
    if (!location.IsText() || location.Text() == modRegistry::kNone) return;
    fileshredder::ShredFile(location.Text() + below, kPasses);
}

}  // namespace

Switch ParseSwitch(const std::string& argumentText) {
    const std::string text = UpperCase(Trimmed(argumentText));
    if (text == "-CACHE") return Switch::kCache;
    if (text == "-COOKIES") return Switch::kCookies;
    if (text == "-CC") return Switch::kBoth;
    return Switch::kNone;
}

bool AsksForHelp(const std::string& argumentText) {
    const std::string text = UpperCase(Trimmed(argumentText));
    return text == "--HELP" || text == "-H" || text == "/?" || text == "-?";
}

void Run(Switch which) {
    if (which == Switch::kCache || which == Switch::kBoth)
        ShredIndex("Software\\Nimbrel\\IECache", "\\Content.IE5\\INDEX.DAT");
    if (which == Switch::kCookies || which == Switch::kBoth) ShredIndex("Software\\Nimbrel\\Crumbex", "\\INDEX.DAT");
}

}  // namespace ixwipe
