// clsDES's EncryptFile and DecryptFile: checked against OpenSSL's DES-CBC
// (where the openssl program is installed) in both directions, and their
// refusals, which leave the output file as it was and nothing beside it.
#include "plugins/cls_des.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace {

using plugins::clsDES;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

const std::string kKey = "8e5c03617b92rtqvzn";
const std::string kKeyHex = "3865356330333631";  // "8e5c0361"

std::string LittleEndian32(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    return bytes;
}

std::uint32_t LittleEndian32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i > 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i - 1]);
    return value;
}

// Text, zero bytes and every high byte value: 300 bytes.
std::string Contents() {
    std::string bytes = "cookie file\r\n";
    bytes.append(3, '\0');
    for (int i = 0; bytes.size() < 300; ++i) bytes.push_back(static_cast<char>(0x80 + i % 128));
    return bytes;
}

class ClsDesFile : public testing::Test {
protected:
    // OpenSSL's DES-CBC from a zero vector without padding; "-e" or "-d".
    void OpenSsl(const std::string& direction, const std::string& in, const std::string& out) {
        std::vector<std::string> arguments = {"enc",  direction,          "-des-cbc", "-K",  kKeyHex,
                                              "-iv",  "0000000000000000", "-nopad",   "-in", HostPath(in),
                                              "-out", HostPath(out)};
        // OpenSSL 3 keeps DES in its legacy provider.
        if (opensslVersion_.rfind("OpenSSL 1.", 0) != 0)
            arguments.insert(arguments.end(), {"-provider", "legacy", "-provider", "default"});
        const testing_support::ProgramRun run = testing_support::RunProgram("openssl", arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    void SkipWithoutOpenSsl() {
        const testing_support::ProgramRun run = testing_support::RunProgram("openssl", {"version"});
        if (run.exitCode != 0) GTEST_SKIP() << "the openssl program is not installed";
        opensslVersion_ = run.out;
    }

    static std::string HostPath(const std::string& path) { return testing_support::HostPath(path).string(); }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(testing_support::HostPath(folder.Path())))
            names.insert(entry.path().filename().string());
        return names;
    }

    ScratchFolder folder;
    clsDES des;

private:
    std::string opensslVersion_;
};

TEST_F(ClsDesFile, OpenSslDeciphersTheLayoutThatEncryptFileWrites) {
    SkipWithoutOpenSsl();
    if (IsSkipped()) return;
    const std::string contents = Contents();
    WriteBytes(folder.Path("plain.bin"), contents);
    des.EncryptFile(folder.Path("plain.bin"), folder.Path("cipher.bin"), kKey);
    OpenSsl("-d", folder.Path("cipher.bin"), folder.Path("layout.bin"));

    const std::string layout = *ReadBytes(folder.Path("layout.bin"));
    ASSERT_EQ(layout.size(), 312u) << "12 + 300 bytes, a whole number of blocks";
    EXPECT_LE(LittleEndian32(layout, 0), 2147483647u);
    EXPECT_LE(LittleEndian32(layout, 4), 2147483647u);
    EXPECT_EQ(LittleEndian32(layout, 8), contents.size());
    EXPECT_EQ(layout.substr(12), contents);

    WriteBytes(folder.Path("short.bin"), "abcde");
    des.EncryptFile(folder.Path("short.bin"), folder.Path("short.des"), kKey);
    OpenSsl("-d", folder.Path("short.des"), folder.Path("short.layout"));
    const std::string padded = *ReadBytes(folder.Path("short.layout"));
    EXPECT_EQ(padded.substr(8), LittleEndian32(5) + "abcde" + std::string(7, '\0'));
}

TEST_F(ClsDesFile, DecryptFileReadsWhatOpenSslEnciphered) {
    SkipWithoutOpenSsl();
    if (IsSkipped()) return;
    const std::string contents = Contents() + "tail";
    const std::string layout =
        LittleEndian32(0x11223344) + LittleEndian32(0x7FFFFFFF) + LittleEndian32(304) + contents + std::string(4, '\0');
    WriteBytes(folder.Path("layout.bin"), layout);
    OpenSsl("-e", folder.Path("layout.bin"), folder.Path("cipher.bin"));
    des.DecryptFile(folder.Path("cipher.bin"), folder.Path("plain.bin"), kKey);
    EXPECT_EQ(ReadBytes(folder.Path("plain.bin")), contents);
}

TEST_F(ClsDesFile, EncryptingAndDecryptingInPlaceGivesTheFileBack) {
    WriteBytes(folder.Path("data.bin"), Contents());
    des.EncryptFile(folder.Path("data.bin"), folder.Path("data.bin"), kKey);
    EXPECT_NE(ReadBytes(folder.Path("data.bin")), Contents());
    clsDES other;
    other.DecryptFile(folder.Path("data.bin"), folder.Path("data.bin"), kKey);
    EXPECT_EQ(ReadBytes(folder.Path("data.bin")), Contents());
    EXPECT_EQ(Entries(), std::set<std::string>{"data.bin"});
}

struct RefusalRow {
    const char* name;
    bool decrypt;
    std::string input;    // the input file's contents; empty: no input file
    std::string output;   // the output's name in the folder
    std::string message;  // after the input's or the output's path
};

class ClsDesFileRefusal : public ClsDesFile, public testing::WithParamInterface<RefusalRow> {};

TEST_P(ClsDesFileRefusal, RaisesAClearErrorAndLeavesTheOutputAlone) {
    const RefusalRow& row = GetParam();
    std::set<std::string> before = {"out.bin"};
    WriteBytes(folder.Path("out.bin"), "earlier output");
    if (!row.input.empty()) {
        WriteBytes(folder.Path("in.bin"), row.input);
        before.insert("in.bin");
    }
    const std::string output = folder.Path(row.output);
    try {
        if (row.decrypt) {
            des.DecryptFile(folder.Path("in.bin"), output, kKey);
        } else {
            des.EncryptFile(folder.Path("in.bin"), output, kKey);
        }
        FAIL() << "no error";
    } catch (const clsDES::Error& error) {
        const std::string named = row.output == "out.bin" ? folder.Path("in.bin") : output;
        EXPECT_EQ(error.what(), named + row.message);
    }
    EXPECT_EQ(ReadBytes(folder.Path("out.bin")), "earlier output");
    EXPECT_EQ(Entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClsDesFileRefusal,
                         testing::Values(RefusalRow{"MissingInput", false, "", "out.bin", " does not exist"},
                                         RefusalRow{"OutputInAMissingFolder", false, "plain", "Not Made\\out.bin",
                                                    " cannot be written"},
                                         RefusalRow{"OutputIsAFolder", false, "plain", "", " cannot be written"},
                                         RefusalRow{"NotWholeBlocks", true, std::string(20, 'x'), "out.bin",
                                                    std::string(": ") + clsDES::kLengthError},
                                         RefusalRow{"BadSizeDescriptor", true, std::string(16, '\0'), "out.bin",
                                                    std::string(": ") + clsDES::kSizeDescriptorError}),
                         [](const testing::TestParamInfo<RefusalRow>& info) { return info.param.name; });

}  // namespace
