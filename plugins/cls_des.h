// clsDES: DES in cipher block chaining mode for short texts. A message of L
// bytes is laid out as two random 32-bit numbers (the first block, which
// acts as a per-message initial vector), L as a little-endian 32-bit size
// descriptor, the bytes, and zeros up to a whole block; the chain starts
// from an all-zero vector. Text is handled as bytes of the ANSI code page,
// one character per byte.
#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "plugins/des_block.h"

namespace plugins {

class clsDES {
public:
    // Raised by DecryptByte and DecryptString.
    class Error : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    static constexpr const char* kSizeDescriptorError = "Incorrect size descriptor in DES decryption";
    static constexpr const char* kLengthError =
        "A DES ciphertext must be whole 8-byte blocks, at least 16 bytes";

    clsDES();

    // Only the first eight characters count; a shorter key is padded with
    // zero bytes. Setting the key in use again does nothing.
    void Key(const std::string& text);

    // Each takes an optional key text that, when not empty, is set first.
    void EncryptByte(std::vector<std::uint8_t>& bytes, const std::string& key = {});
    // Leaves bytes unchanged when it raises Error: for a length that is not
    // a whole number of blocks or below 16 (checked before deciphering), or
    // for a size descriptor out of range (a wrong key or a damaged text).
    void DecryptByte(std::vector<std::uint8_t>& bytes, const std::string& key = {});

    std::string EncryptString(const std::string& text, const std::string& key = {});
    std::string DecryptString(const std::string& text, const std::string& key = {});

    // Whether DecryptByte takes a ciphertext of this many bytes.
    static bool IsCiphertextLength(std::size_t length) { return length >= 16 && length % 8 == 0; }

private:
    std::string keyText_;
    des::RoundKeys roundKeys_;
    std::mt19937 random_;
};

}  // namespace plugins
