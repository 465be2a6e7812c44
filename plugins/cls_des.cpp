#include "plugins/cls_des.h"

#include <chrono>

namespace plugins {

namespace {

constexpr std::size_t kBlock = 8;
constexpr std::size_t kHeader = 12;  // two random numbers and the size descriptor

std::uint64_t LoadBigEndian(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < kBlock; ++i) value = (value << 8) | bytes[i];
    return value;
}

void StoreBigEndian(std::uint64_t value, std::uint8_t* bytes) {
    for (std::size_t i = kBlock; i > 0; --i) {
        bytes[i - 1] = static_cast<std::uint8_t>(value);
        value >>= 8;
    }
}

void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes) {
    for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

std::uint64_t KeyBits(const std::string& text) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        const std::uint8_t byte = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
        key = (key << 8) | byte;
    }
    return key;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

}  // namespace

clsDES::clsDES()
    : roundKeys_(des::ScheduleKeys(0)),
      random_(std::random_device{}() ^
              static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

void clsDES::Key(const std::string& text) {
    if (text == keyText_) return;
    keyText_ = text;
    roundKeys_ = des::ScheduleKeys(KeyBits(text));
}

void clsDES::EncryptByte(std::vector<std::uint8_t>& bytes, const std::string& key) {
    if (!key.empty()) Key(key);
    const std::size_t length = bytes.size();
    const std::size_t cipherLength = (length + kHeader + kBlock - 1) / kBlock * kBlock;

    std::vector<std::uint8_t> plain(cipherLength, 0);
    std::uniform_int_distribution<std::uint32_t> number(0, 2147483647);
    StoreLittleEndian32(number(random_), plain.data());
    StoreLittleEndian32(number(random_), plain.data() + 4);
    StoreLittleEndian32(static_cast<std::uint32_t>(length), plain.data() + 8);
    std::copy(bytes.begin(), bytes.end(), plain.begin() + kHeader);

    std::uint64_t previous = 0;
    for (std::size_t offset = 0; offset < cipherLength; offset += kBlock) {
        previous = des::EncryptBlock(LoadBigEndian(plain.data() + offset) ^ previous, roundKeys_);
        StoreBigEndian(previous, plain.data() + offset);
    }
    bytes = std::move(plain);
}

void clsDES::DecryptByte(std::vector<std::uint8_t>& bytes, const std::string& key) {
    if (!key.empty()) Key(key);
    if (!IsCiphertextLength(bytes.size())) throw Error(kLengthError);

    std::vector<std::uint8_t> plain(bytes.size());
    std::uint64_t previous = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBlock) {
        const std::uint64_t block = LoadBigEndian(bytes.data() + offset);
        StoreBigEndian(des::DecryptBlock(block, roundKeys_) ^ previous, plain.data() + offset);
        previous = block;
    }

    const std::int64_t length = LoadLittleEndian32(plain.data() + 8);
    const std::int64_t padding = static_cast<std::int64_t>(plain.size()) - length - static_cast<std::int64_t>(kHeader);
    if (padding < 0 || padding > 7) throw Error(kSizeDescriptorError);
    bytes.assign(plain.begin() + kHeader, plain.begin() + kHeader + length);
}

std::string clsDES::EncryptString(const std::string& text, const std::string& key) {
    std::vector<std::uint8_t> bytes = Bytes(text);
    EncryptByte(bytes, key);
    return Text(bytes);
}

std::string clsDES::DecryptString(const std::string& text, const std::string& key) {
    std::vector<std::uint8_t> bytes = Bytes(text);
    DecryptByte(bytes, key);
    return Text(bytes);
}

}  // namespace plugins
