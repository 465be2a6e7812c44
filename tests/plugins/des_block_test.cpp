// Known-answer tests of the DES block cipher: the worked example of FIPS 46,
// the ECB example of FIPS 81, and rows of the variable-plaintext,
// variable-key, permutation and substitution tables of NIST SP 800-17.
#include "plugins/des_block.h"

#include <gtest/gtest.h>

namespace {

using plugins::des::DecryptBlock;
using plugins::des::EncryptBlock;
using plugins::des::ScheduleKeys;

struct KnownAnswer {
    const char* name;
    std::uint64_t key;
    std::uint64_t plaintext;
    std::uint64_t ciphertext;
};

class DesKnownAnswer : public testing::TestWithParam<KnownAnswer> {};

TEST_P(DesKnownAnswer, EncryptsToThePublishedCiphertext) {
    const KnownAnswer& row = GetParam();
    EXPECT_EQ(EncryptBlock(row.plaintext, ScheduleKeys(row.key)), row.ciphertext);
}

TEST_P(DesKnownAnswer, DecryptsBackToThePlaintext) {
    const KnownAnswer& row = GetParam();
    EXPECT_EQ(DecryptBlock(row.ciphertext, ScheduleKeys(row.key)), row.plaintext);
}

INSTANTIATE_TEST_SUITE_P(
    Published, DesKnownAnswer,
    testing::Values(KnownAnswer{"Fips46WorkedExample", 0x133457799BBCDFF1, 0x0123456789ABCDEF, 0x85E813540F0AB405},
                    KnownAnswer{"Fips81Ecb", 0x0123456789ABCDEF, 0x4E6F772069732074, 0x3FA40E8A984D4815},
                    KnownAnswer{"VariablePlaintextBit1", 0x0101010101010101, 0x8000000000000000, 0x95F8A5E5DD31D900},
                    KnownAnswer{"VariablePlaintextBit2", 0x0101010101010101, 0x4000000000000000, 0xDD7F121CA5015619},
                    KnownAnswer{"VariablePlaintextBit64", 0x0101010101010101, 0x0000000000000001, 0x166B40B44ABA4BD6},
                    KnownAnswer{"VariableKeyBit1", 0x8001010101010101, 0x0000000000000000, 0x95A8D72813DAA94D},
                    KnownAnswer{"VariableKeyBit2", 0x4001010101010101, 0x0000000000000000, 0x0EEC1487DD8C26D5},
                    KnownAnswer{"PermutationRow1", 0x1046913489980131, 0x0000000000000000, 0x88D55E54F54C97B4},
                    KnownAnswer{"SubstitutionRow1", 0x7CA110454A1A6E57, 0x01A1D6D039776742, 0x690F5B0D9A26939B},
                    KnownAnswer{"SubstitutionRow2", 0x0131D9619DC1376E, 0x5CD54CA83DEF57DA, 0x7A389D10354BD271}),
    [](const testing::TestParamInfo<KnownAnswer>& info) { return info.param.name; });

TEST(DesKeySchedule, ParityBitsPlayNoPart) {
    // Flipping the low bit of every key byte changes only parity bits.
    const std::uint64_t plaintext = 0x0123456789ABCDEF;
    EXPECT_EQ(EncryptBlock(plaintext, ScheduleKeys(0x133457799BBCDFF1)),
              EncryptBlock(plaintext, ScheduleKeys(0x133457799BBCDFF1 ^ 0x0101010101010101)));
}

TEST(DesKeySchedule, FirstRoundKeyOfTheWorkedExample) {
    // K1 of the FIPS 46 worked example: 000110 110000 001011 101111 111111
    // 000111 000001 110010.
    EXPECT_EQ(ScheduleKeys(0x133457799BBCDFF1)[0], 0x1B02EFFC7072u);
}

}  // namespace
