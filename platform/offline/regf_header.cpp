#include "platform/offline/regf_header.h"

#include "platform/ansi_codepage.h"

namespace platform::offline {

namespace {

constexpr std::size_t kChecksumOffset = 508;
constexpr std::size_t kPathOffset = 0x30;
constexpr std::size_t kPathBytes = 64;

std::uint32_t DoubleWord(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

}  // namespace

std::uint32_t BaseBlockChecksum(std::string_view bytes) {
    std::uint32_t sum = 0;
    for (std::size_t offset = 0; offset < kChecksumOffset && offset + 4 <= bytes.size(); offset += 4)
        sum ^= DoubleWord(bytes, offset);
    return sum;
}

RegfHeader ReadRegfHeader(std::string_view bytes) {
    RegfHeader header;
    if (bytes.size() < kChecksumOffset + 4 || bytes.substr(0, 4) != "regf") return header;
    header.isHive = true;
    header.sequence1 = DoubleWord(bytes, 4);
    header.sequence2 = DoubleWord(bytes, 8);
    header.major = DoubleWord(bytes, 0x14);
    header.minor = DoubleWord(bytes, 0x18);
    header.checksumHolds = BaseBlockChecksum(bytes) == DoubleWord(bytes, kChecksumOffset);
    std::u16string path;
    for (std::size_t i = 0; i + 1 < kPathBytes; i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[kPathOffset + i]) |
                                                static_cast<unsigned char>(bytes[kPathOffset + i + 1]) << 8);
        if (unit == 0) break;
        path += unit;
    }
    header.embeddedPath = Utf16ToUtf8(path);
    return header;
}

}  // namespace platform::offline
