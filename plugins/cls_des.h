// clsDES: DES in cipher block chaining mode for short texts. A message of L
// bytes is laid out as two random 32-bit numbers (the first block, which
// acts as a per-message initial vector), L as a little-endian 32-bit size
// descriptor, the bytes, and zeros up to a whole block; the chain starts
// from an all-zero vector. Text is handled as bytes of the ANSI code page,
// one character per byte; EncryptFile and DecryptFile read and write whole
// files through the platform.
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
    static constexpr const char* kLengthError = "A DES ciphertext must be whole 8-byte blocks, at least 16 bytes";

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

    // The largest file EncryptFile and DecryptFile take: its message, and
    // the length in its 32-bit size descriptor, stay below 4 GiB.
    static constexpr std::uint64_t kMaxFileBytes = 0xFFFFFFFFu - 19;

    // The whole contents of the file source, enciphered as EncryptByte
    // does (deciphered as DecryptByte does), become the file destination,
    // through a new file renamed into place; both are Windows paths and may
    // be one file. Both raise Error, leaving destination as it was, when
    // source is missing, is not a regular file or is larger than
    // kMaxFileBytes, when DecryptByte refuses its contents, or when
    // destination cannot be written.
    void EncryptFile(const std::string& source, const std::string& destination, const std::string& key = {});
    void DecryptFile(const std::string& source, const std::string& destination, const std::string& key = {});

    // Whether DecryptByte takes a ciphertext of this many bytes.
    static bool IsCiphertextLength(std::size_t length) { return length >= 16 && length % 8 == 0; }

private:
    std::string keyText_;
    des::RoundKeys roundKeys_;
    std::mt19937 random_;
};

}  // namespace plugins
