// The base block of a registry hive file (its first 4096 bytes, "regf"),
// and what it says about the file: whether it is a hive at all, whether
// its checksum holds, whether it was left dirty (changes logged but not
// written into it), and the path the hive had on its machine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::offline {

inline constexpr std::size_t kBaseBlockSize = 4096;
// Data larger than this is kept in "db" big-data records from hive
// version 1.4 on.
inline constexpr std::size_t kLargestSingleCellData = 16344;

struct RegfHeader {
    bool isHive = false;          // "regf" and a whole base block
    std::uint32_t sequence1 = 0;  // at offset 4
    std::uint32_t sequence2 = 0;  // at offset 8: differs from sequence1 while a write is unfinished
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    bool checksumHolds = false;
    // The hive's path on its machine as the base block keeps it (its last
    // 31 characters, such as "\??\C:\Users\anna\ntuser.dat"), in UTF-8.
    std::string embeddedPath;

    bool Dirty() const { return sequence1 != sequence2; }
};

// bytes: the start of the file (at least 512 bytes for a hive).
RegfHeader ReadRegfHeader(std::string_view bytes);

// The checksum of a base block: the XOR of its first 127 double words.
std::uint32_t BaseBlockChecksum(std::string_view bytes);

}  // namespace platform::offline
