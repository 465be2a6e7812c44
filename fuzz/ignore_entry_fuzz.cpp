// Feeds arbitrary text as one ignore-list entry value: HexDecode with the
// single-space separator, then DecryptString with the plug-in's key when
// the length suits DES, as the loader reads an entry. The same text also
// goes through both round trips, which must give it back unchanged:
// HexEncode then HexDecode for separators of 0 to 3 characters, and
// EncryptString then DecryptString.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "plugins/mod_hex.h"

namespace {

void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plugins::clsDES cipher;
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const std::optional<std::string> ciphertext = modHEX::HexDecode(text, 1)) {
        Expect(modHEX::HexEncode(*ciphertext, " ").size() == text.size(), "decoded pairs give another length");
        if (plugins::clsDES::IsCiphertextLength(ciphertext->size())) {
            try {
                const std::string name = cipher.DecryptString(*ciphertext, plugins::kIgnoreListKey);
                Expect(name.size() + 12 <= ciphertext->size(), "a name longer than its ciphertext");
            } catch (const plugins::clsDES::Error&) {
            }
        }
    }

    for (std::size_t separatorLength = 0; separatorLength <= 3; ++separatorLength) {
        const std::string encoded = modHEX::HexEncode(text, std::string(separatorLength, ' '));
        Expect(modHEX::HexDecode(encoded, separatorLength) == text, "HexEncode then HexDecode");
    }
    Expect(cipher.DecryptString(cipher.EncryptString(text, plugins::kIgnoreListKey)) == text,
           "EncryptString then DecryptString");
    return 0;
}
