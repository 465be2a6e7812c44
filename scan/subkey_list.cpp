#include "scan/subkey_list.h"

#include <algorithm>
#include <cctype>

namespace scan {

namespace {

bool IsClassesHive(const std::string& name) {
    std::string tail = name.size() > 8 ? name.substr(name.size() - 8) : name;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return tail == "_CLASSES";
}

}  // namespace

std::vector<std::string> ListSubkeys(cRegistry& registry, std::int32_t classKey, const std::string& sectionKey) {
    registry.SetClassKey(classKey);
    registry.SetSectionKey(sectionKey);
    std::vector<std::string> sections;
    std::int32_t count = 0;
    registry.EnumerateSections(sections, count);
    std::vector<std::string> names;
    for (std::int32_t index = 1; index <= count; ++index) names.push_back(sections[index]);
    return names;
}

std::vector<std::string> ListUserHives(cRegistry& registry) {
    std::vector<std::string> hives;
    for (std::string& name : ListSubkeys(registry, kClassKeyUsers, "")) {
        if (!IsClassesHive(name)) hives.push_back(std::move(name));
    }
    return hives;
}

}  // namespace scan
