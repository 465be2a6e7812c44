// A counter in a small memory-mapped file beside the store. Every writer
// bumps it after committing; readers compare it with the value they last saw
// to learn, in nanoseconds, whether another process changed the store.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>

namespace platform::emulated {

class ChangeCounter {
public:
    ChangeCounter() = default;
    ~ChangeCounter();
    ChangeCounter(const ChangeCounter&) = delete;
    ChangeCounter& operator=(const ChangeCounter&) = delete;

    // Maps the file, creating it when it is missing and the folder is
    // writable. Without a mapping the counter reads as always changed.
    // Anything but a regular file (a link above all: every commit would
    // write through it) is refused: the words of store_file.h's
    // FileKindFault, else empty.
    std::string Open(const std::filesystem::path& file);
    void Close();

    std::uint64_t Read() const;
    void Bump();
    bool Mapped() const { return counter_ != nullptr; }

private:
    std::uint64_t* counter_ = nullptr;
    bool writable_ = false;
    mutable std::uint64_t unmappedReads_ = 0;
};

}  // namespace platform::emulated
