// clsDES's whole-file forms: the file's bytes go through EncryptByte or
// DecryptByte unchanged in meaning, so a file and a string of the same
// bytes give the same message layout.
#include <string_view>

#include "platform/whole_file.h"
#include "plugins/cls_des.h"

namespace plugins {

namespace {

std::vector<std::uint8_t> ReadSource(const std::string& path) {
    const platform::WholeFile whole = platform::ReadWholeFile(path, clsDES::kMaxFileBytes);
    switch (whole.status) {
        case platform::WholeFileStatus::kRead:
            return {whole.bytes.begin(), whole.bytes.end()};
        case platform::WholeFileStatus::kMissing:
            throw clsDES::Error(path + " does not exist");
        case platform::WholeFileStatus::kNotRegularFile:
            throw clsDES::Error(path + " is not a regular file");
        case platform::WholeFileStatus::kTooLarge:
            throw clsDES::Error(path + " is too large for the 32-bit size descriptor");
        case platform::WholeFileStatus::kFailed:
            break;
    }
    throw clsDES::Error(path + " cannot be read");
}

void WriteDestination(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!platform::WriteWholeFile(path, text)) throw clsDES::Error(path + " cannot be written");
}

}  // namespace

void clsDES::EncryptFile(const std::string& source, const std::string& destination, const std::string& key) {
    std::vector<std::uint8_t> bytes = ReadSource(source);
    EncryptByte(bytes, key);
    WriteDestination(destination, bytes);
}

void clsDES::DecryptFile(const std::string& source, const std::string& destination, const std::string& key) {
    std::vector<std::uint8_t> bytes = ReadSource(source);
    try {
        DecryptByte(bytes, key);
    } catch (const Error& error) {
        throw Error(source + ": " + error.what());
    }
    WriteDestination(destination, bytes);
}

}  // namespace plugins
