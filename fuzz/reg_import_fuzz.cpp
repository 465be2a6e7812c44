// Feeds arbitrary bytes to ParseRegFile as a .reg file. What the parser
// accepts is imported by ApplyOperations into a fresh emulated machine, and
// every key the file names is exported and must parse back: the exporter
// writes only what the parser reads. Only accepted inputs pay for a machine
// (a new prefix in /dev/shm), which keeps the import in the loop at a few
// hundred runs a second.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/scratch_home.h"
#include "registry/reg_export.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"

namespace {

void ExpectExportParses(const registry::KeyName& key) {
    std::string text;
    registry::AppendRegFileHeader(text);
    if (!registry::ExportKey(key, text).empty()) return;  // deleted later in the file
    std::vector<registry::RegOperation> reread;
    const std::string fault = registry::ParseRegFile(registry::EncodeRegFileUtf16(text), reread);
    if (!fault.empty()) {
        std::fprintf(stderr, "export of %s does not parse back: %s\n%s\n", registry::FullKeyName(key).c_str(),
                     fault.c_str(), text.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::ScratchHome::Instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<registry::RegOperation> operations;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!registry::ParseRegFile(bytes, operations).empty() || operations.empty()) return 0;

    fuzzing::ScratchHome::Instance().UseFreshMachine();
    if (registry::ApplyOperations(operations).empty()) {
        for (const registry::RegOperation& operation : operations) {
            if (operation.kind != registry::RegOperation::Kind::kDeleteKeyTree) ExpectExportParses(operation.key);
        }
    }
    fuzzing::ScratchHome::Instance().DropMachine();
    return 0;
}
