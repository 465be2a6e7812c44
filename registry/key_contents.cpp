#include "registry/key_contents.h"

#include <algorithm>

namespace registry {

long ListValues(platform::HKey key, std::vector<ValueEntry>& values) {
    values.clear();
    platform::KeyInfo info;
    long status = platform::RegQueryInfoKey(key, &info);
    if (status != platform::kErrorSuccess) return status;
    std::vector<char> name(info.maxValueNameLength + 1);
    std::vector<std::uint8_t> data(info.maxValueLength + 1);
    for (std::uint32_t index = 0;;) {
        auto nameLength = static_cast<std::uint32_t>(name.size());
        auto dataSize = static_cast<std::uint32_t>(data.size());
        std::uint32_t type = 0;
        status = platform::RegEnumValue(key, index, name.data(), &nameLength, &type, data.data(), &dataSize);
        if (status == platform::kErrorNoMoreItems) return platform::kErrorSuccess;
        if (status == platform::kErrorMoreData) {
            // another process has made a value bigger since RegQueryInfoKey
            status = platform::RegQueryInfoKey(key, &info);
            if (status != platform::kErrorSuccess) return status;
            name.resize(std::max<std::size_t>(name.size(), info.maxValueNameLength + 1));
            data.resize(std::max<std::size_t>({data.size(), info.maxValueLength + 1, dataSize}));
            continue;
        }
        if (status != platform::kErrorSuccess) return status;
        values.push_back({std::string(name.data(), nameLength), type,
                          std::string(reinterpret_cast<const char*>(data.data()), dataSize)});
        ++index;
    }
}

long ListSubKeys(platform::HKey key, std::vector<std::string>& names) {
    names.clear();
    for (std::uint32_t index = 0;; ++index) {
        char name[platform::kMaxKeyNameLength + 1];
        std::uint32_t length = sizeof name;
        const long status = platform::RegEnumKey(key, index, name, &length);
        if (status == platform::kErrorNoMoreItems) return platform::kErrorSuccess;
        if (status != platform::kErrorSuccess) return status;
        names.emplace_back(name, length);
    }
}

long QueryValueEntry(platform::HKey key, const std::string& name, ValueEntry& value) {
    value = ValueEntry{name, 0, {}};
    for (;;) {
        std::uint32_t size = 0;
        long status = platform::RegQueryValue(key, name, &value.type, nullptr, &size);
        if (status != platform::kErrorSuccess) return status;
        std::vector<std::uint8_t> data(size + 1);
        size = static_cast<std::uint32_t>(data.size());
        status = platform::RegQueryValue(key, name, &value.type, data.data(), &size);
        if (status == platform::kErrorMoreData) continue;  // grown in between
        if (status != platform::kErrorSuccess) return status;
        value.data.assign(reinterpret_cast<const char*>(data.data()), size);
        return platform::kErrorSuccess;
    }
}

}  // namespace registry
