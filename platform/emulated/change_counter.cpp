#include "platform/emulated/change_counter.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/emulated/store_file.h"

namespace platform::emulated {

ChangeCounter::~ChangeCounter() { Close(); }

std::string ChangeCounter::Open(const std::filesystem::path& file) {
    Close();
    // O_NOFOLLOW: never a link's target. O_NONBLOCK: a FIFO is not waited on.
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    writable_ = fd >= 0;
    if (fd < 0 && errno != ELOOP) fd = ::open(file.c_str(), O_RDONLY | kFlags);
    if (fd < 0) return errno == ELOOP ? FileKindFault(S_IFLNK) : "";
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return "";
    }
    if (const std::string fault = FileKindFault(info.st_mode); !fault.empty()) {
        ::close(fd);
        return fault;
    }
    if (info.st_size < static_cast<off_t>(sizeof(std::uint64_t)) &&
        (!writable_ || ::ftruncate(fd, sizeof(std::uint64_t)) != 0)) {
        ::close(fd);
        return "";
    }
    void* map =
        ::mmap(nullptr, sizeof(std::uint64_t), writable_ ? PROT_READ | PROT_WRITE : PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (map != MAP_FAILED) counter_ = static_cast<std::uint64_t*>(map);
    return "";
}

void ChangeCounter::Close() {
    if (counter_ != nullptr) ::munmap(counter_, sizeof(std::uint64_t));
    counter_ = nullptr;
}

std::uint64_t ChangeCounter::Read() const {
    if (counter_ == nullptr) return ++unmappedReads_;
    return std::atomic_ref<std::uint64_t>(*counter_).load(std::memory_order_acquire);
}

void ChangeCounter::Bump() {
    if (counter_ != nullptr && writable_)
        std::atomic_ref<std::uint64_t>(*counter_).fetch_add(1, std::memory_order_acq_rel);
}

}  // namespace platform::emulated
