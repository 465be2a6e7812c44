// The DES block cipher (FIPS 46-3): key schedule and the 16-round
// encryption and decryption of one 64-bit block. Blocks and keys are
// big-endian: bit 1 of the standard is the most significant bit.
#pragma once

#include <array>
#include <cstdint>

namespace plugins::des {

// The 16 round keys, 48 bits each in the low bits.
using RoundKeys = std::array<std::uint64_t, 16>;

// PC-1 (dropping the parity bits), the left-shift schedule and PC-2.
RoundKeys ScheduleKeys(std::uint64_t key);

std::uint64_t EncryptBlock(std::uint64_t block, const RoundKeys& keys);
// The same rounds with the round keys in reverse order.
std::uint64_t DecryptBlock(std::uint64_t block, const RoundKeys& keys);

}  // namespace plugins::des
