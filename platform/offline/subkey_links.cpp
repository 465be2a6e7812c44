#include "platform/offline/subkey_links.h"

#include <string_view>

namespace platform::offline {

namespace {

constexpr std::uint64_t kBinsStart = 0x1000;  // cell offsets count from the first hive bin
constexpr std::uint32_t kNone = 0xFFFFFFFF;
constexpr std::size_t kSubkeyListOffset = 0x20;  // in an "nk" cell
// A list holds at most 65535 entries (a 16-bit count).
constexpr std::size_t kMaxEntries = 0xFFFF;

std::uint32_t Number(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

enum class Found { kNo, kInHashList, kElsewhere };

// Looks for child in the list cell at offset; lists of lists ("ri") are
// followed one level, as they nest no deeper.
Found Search(const HiveBytes& bytes, std::uint64_t offset, std::uint64_t child, bool nested) {
    const std::string head = bytes(offset, 8);
    if (head.size() < 8) return Found::kNo;
    const std::string_view id = std::string_view(head).substr(4, 2);
    const std::size_t count = Number(head, 6, 2);
    if (count > kMaxEntries) return Found::kNo;
    const bool hashList = id == "lf" || id == "lh";
    const std::size_t stride = hashList ? 8 : 4;
    if (!hashList && id != "li" && id != "ri") return Found::kNo;
    const std::string entries = bytes(offset + 8, count * stride);
    if (entries.size() < count * stride) return Found::kNo;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t target = Number(entries, i * stride, 4) + kBinsStart;
        if (id == "ri") {
            if (nested) return Found::kNo;
            const Found found = Search(bytes, target, child, true);
            if (found != Found::kNo) return found;
        } else if (target == child) {
            return hashList ? Found::kInHashList : Found::kElsewhere;
        }
    }
    return Found::kNo;
}

}  // namespace

bool LinkedThroughHashList(const HiveBytes& bytes, std::uint64_t parent, std::uint64_t child) {
    const std::string nk = bytes(parent, kSubkeyListOffset + 4);
    if (nk.size() < kSubkeyListOffset + 4 || std::string_view(nk).substr(4, 2) != "nk") return false;
    const std::uint32_t list = Number(nk, kSubkeyListOffset, 4);
    if (list == kNone) return false;
    return Search(bytes, list + kBinsStart, child, false) == Found::kInHashList;
}

}  // namespace platform::offline
