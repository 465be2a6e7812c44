// Stores arbitrary data under an arbitrary type number and value name in a
// scratch emulated machine through the platform registry calls, then reads
// it back every way the program does: ReadValue with each type code,
// ReadSection, RegEnumValue and the .reg exporter. "S" and "BB" must give
// the data as text, and the export must parse back to the very
// type and bytes stored.
//
// Input: 4 bytes of type (little-endian), 1 byte of name length (0 to 15,
// 0 being the default value), the name, then the data.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/scratch_home.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "registry/reg_export.h"
#include "registry/reg_file.h"

namespace {

const std::string kKeyPath = "Software\\Nimbrel Fuzz";

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

bool IsStringType(std::uint32_t type) {
    return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegMultiSz;
}

// "S" and "BB" give the data less its last byte, except that a string
// without its terminating NUL keeps its last character.
void CheckTextRead(const std::string& code, const std::string& name, std::uint32_t type, const std::string& data) {
    const modRegistry::ValueHolder fallback(modRegistry::kNone);
    modRegistry::ValueHolder result;
    const long status = modRegistry::ReadValue("HKCU", kKeyPath, name, code, fallback, result);
    std::string text = data;
    if (!text.empty() && (!IsStringType(type) || text.back() == '\0')) text.pop_back();
    const modRegistry::ValueHolder expected = data.empty() ? fallback : modRegistry::ValueHolder(text);
    if (status != 0 || !(result == expected)) Fail("ReadValue \"" + code + "\" does not give the data as text");
}

void EnumerateValues(platform::HKey key) {
    for (std::uint32_t index = 0;; ++index) {
        std::vector<char> name(64);
        std::vector<std::uint8_t> data(8);
        auto nameLength = static_cast<std::uint32_t>(name.size());
        auto dataSize = static_cast<std::uint32_t>(data.size());
        std::uint32_t type = 0;
        const long status = platform::RegEnumValue(key, index, name.data(), &nameLength, &type, data.data(), &dataSize);
        if (status != platform::kErrorSuccess && status != platform::kErrorMoreData) return;
    }
}

void CheckExport(const std::string& name, std::uint32_t type, const std::string& data) {
    std::string text;
    registry::AppendRegFileHeader(text);
    const std::string fault = registry::ExportKey({platform::kHkeyCurrentUser, kKeyPath}, text);
    if (!fault.empty()) {
        if (name.find_first_of("\r\n") != std::string::npos) return;  // a .reg file cannot carry the name
        Fail("export failed: " + fault);
    }
    std::vector<registry::RegOperation> operations;
    const std::string parseFault = registry::ParseRegFile(registry::EncodeRegFileUtf16(text), operations);
    if (!parseFault.empty()) Fail("export does not parse back: " + parseFault + "\n" + text);
    for (const registry::RegOperation& operation : operations) {
        if (operation.kind != registry::RegOperation::Kind::kSetValue) continue;
        if (operation.valueName == name && operation.type == type && operation.data == data) return;
    }
    Fail("export does not give back the value stored\n" + text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::ScratchHome::Instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 5) return 0;
    const std::uint32_t type = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    const std::size_t nameLength = bytes[4] % 16;
    if (size < 5 + nameLength) return 0;
    const std::string name(reinterpret_cast<const char*>(bytes) + 5, nameLength);
    if (name.find('\0') != std::string::npos) return 0;  // the ANSI calls cannot name it
    const std::string data(reinterpret_cast<const char*>(bytes) + 5 + nameLength, size - 5 - nameLength);

    platform::HKey key = 0;
    if (platform::RegCreateKey(platform::kHkeyCurrentUser, kKeyPath, platform::kKeyAllAccess, &key) != 0)
        Fail("cannot create the scratch key");
    const long stored = platform::RegSetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                              static_cast<std::uint32_t>(data.size()));
    if (stored == platform::kErrorSuccess) {
        CheckTextRead("S", name, type, data);
        CheckTextRead("bb", name, type, data);
        for (const char* code : {"B", "d", "x", ""}) {
            modRegistry::ValueHolder result;
            modRegistry::ReadValue("HKCU", kKeyPath, name, code, modRegistry::ValueHolder(modRegistry::kNone), result);
        }
        std::string section;
        modRegistry::ReadSection("HKCU", kKeyPath, section);
        EnumerateValues(key);
        CheckExport(name, type, data);
        platform::RegDeleteValue(key, name);
    }
    platform::RegCloseKey(key);
    return 0;
}
