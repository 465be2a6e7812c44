// clsDES: the message layout (two random numbers, the size descriptor, the
// text, zero padding), chaining from a zero vector, the key's first eight
// characters, and the refusals of DecryptByte.
#include "plugins/cls_des.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/des_block.h"

namespace {

using plugins::clsDES;

const std::string kKey = "8e5c03617b92rtqvzn";

std::vector<std::uint8_t> Hex(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// The plaintext layout behind a ciphertext, deciphered block by block
// without clsDES.
std::vector<std::uint8_t> PlainLayout(const std::vector<std::uint8_t>& ciphertext, const std::string& key) {
    std::uint64_t keyBits = 0;
    for (std::size_t i = 0; i < 8; ++i) keyBits = (keyBits << 8) | static_cast<std::uint8_t>(key[i]);
    const plugins::des::RoundKeys keys = plugins::des::ScheduleKeys(keyBits);
    std::vector<std::uint8_t> plain;
    std::uint64_t previous = 0;
    for (std::size_t offset = 0; offset < ciphertext.size(); offset += 8) {
        std::uint64_t block = 0;
        for (std::size_t i = 0; i < 8; ++i) block = (block << 8) | ciphertext[offset + i];
        const std::uint64_t decrypted = plugins::des::DecryptBlock(block, keys) ^ previous;
        previous = block;
        for (int shift = 56; shift >= 0; shift -= 8) plain.push_back(static_cast<std::uint8_t>(decrypted >> shift));
    }
    return plain;
}

std::uint32_t LittleEndian32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

TEST(ClsDesDecrypt, KnownCiphertextOfTheLayout) {
    // Random numbers 0x01020304 and 0x05060708, size 3, "abc", one zero,
    // enciphered in CBC mode from a zero vector under the key "8e5c0361".
    std::vector<std::uint8_t> bytes = Hex("fd24ebba4d558cd7121b29ef1eda8c6c");
    clsDES des;
    des.DecryptByte(bytes, kKey);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abc");
}

struct SizeRow {
    const char* name;
    std::size_t textLength;
    std::size_t cipherLength;
};

class ClsDesSizes : public testing::TestWithParam<SizeRow> {};

TEST_P(ClsDesSizes, CiphertextHasTheLayoutAndRoundTrips) {
    const SizeRow& row = GetParam();
    std::string text;
    for (std::size_t i = 0; i < row.textLength; ++i) text.push_back(static_cast<char>('A' + i % 26));
    clsDES des;
    const std::string ciphertext = des.EncryptString(text, kKey);
    ASSERT_EQ(ciphertext.size(), row.cipherLength);

    const std::vector<std::uint8_t> plain = PlainLayout({ciphertext.begin(), ciphertext.end()}, kKey);
    EXPECT_LE(LittleEndian32(plain, 0), 2147483647u);
    EXPECT_LE(LittleEndian32(plain, 4), 2147483647u);
    EXPECT_EQ(LittleEndian32(plain, 8), row.textLength);
    EXPECT_EQ(std::string(plain.begin() + 12, plain.begin() + 12 + static_cast<long>(row.textLength)), text);
    for (std::size_t i = 12 + row.textLength; i < plain.size(); ++i) EXPECT_EQ(plain[i], 0) << "padding byte " << i;

    clsDES other;
    EXPECT_EQ(other.DecryptString(ciphertext, kKey), text);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ClsDesSizes,
                         testing::Values(SizeRow{"Empty", 0, 16}, SizeRow{"OneByte", 1, 16},
                                         SizeRow{"FourBytes", 4, 16}, SizeRow{"FiveBytes", 5, 24},
                                         SizeRow{"TwelveBytes", 12, 24}, SizeRow{"ThirteenBytes", 13, 32},
                                         SizeRow{"SixtyEightBytes", 68, 80}, SizeRow{"SixtyNineBytes", 69, 88}),
                         [](const testing::TestParamInfo<SizeRow>& info) { return info.param.name; });

TEST(ClsDesEncrypt, EveryByteValueSurvives) {
    std::string text;
    for (int byte = 0; byte < 256; ++byte) text.push_back(static_cast<char>(byte));
    clsDES des;
    EXPECT_EQ(des.DecryptString(des.EncryptString(text, kKey), kKey), text);
}

TEST(ClsDesEncrypt, EachMessageDrawsItsOwnFirstBlock) {
    clsDES des;
    const std::string first = des.EncryptString("cookie@site.txt", kKey);
    const std::string second = des.EncryptString("cookie@site.txt", kKey);
    EXPECT_NE(first, second);
    EXPECT_EQ(des.DecryptString(first), des.DecryptString(second));
}

TEST(ClsDesKey, OnlyTheFirstEightCharactersCount) {
    clsDES encrypter;
    const std::string ciphertext = encrypter.EncryptString("user@example.txt", "8e5c0361");
    clsDES decrypter;
    EXPECT_EQ(decrypter.DecryptString(ciphertext, "8e5c0361-anything-after"), "user@example.txt");
}

TEST(ClsDesKey, ShortKeysArePaddedWithZeroBytes) {
    clsDES padded;
    const std::string ciphertext = padded.EncryptString("x", std::string("abc\0\0\0\0\0", 8));
    clsDES shortKey;
    EXPECT_EQ(shortKey.DecryptString(ciphertext, "abc"), "x");
}

TEST(ClsDesKey, AnEmptyKeyArgumentKeepsTheKeyInUse) {
    clsDES des;
    des.Key(kKey);
    const std::string ciphertext = des.EncryptString("kept");
    clsDES other;
    EXPECT_EQ(other.DecryptString(ciphertext, kKey), "kept");
}

TEST(ClsDesDecrypt, AWrongKeyFailsOnTheSizeDescriptorAndLeavesTheBytes) {
    clsDES des;
    const std::string ciphertext = des.EncryptString("secret cookie", kKey);
    std::vector<std::uint8_t> bytes(ciphertext.begin(), ciphertext.end());
    const std::vector<std::uint8_t> before = bytes;
    try {
        des.DecryptByte(bytes, "another!");
        FAIL() << "a wrong key decrypted";
    } catch (const clsDES::Error& error) {
        EXPECT_STREQ(error.what(), "Incorrect size descriptor in DES decryption");
    }
    EXPECT_EQ(bytes, before);
}

class ClsDesRefusedLength : public testing::TestWithParam<std::size_t> {};

TEST_P(ClsDesRefusedLength, IsRefusedBeforeDeciphering) {
    std::vector<std::uint8_t> bytes(GetParam(), 0x5A);
    const std::vector<std::uint8_t> before = bytes;
    clsDES des;
    EXPECT_THROW(des.DecryptByte(bytes, kKey), clsDES::Error);
    EXPECT_EQ(bytes, before);
}

INSTANTIATE_TEST_SUITE_P(ShortOrRagged, ClsDesRefusedLength, testing::Values(0, 7, 8, 15, 17, 23));

}  // namespace
