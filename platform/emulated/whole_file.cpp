#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/emulated/installation.h"
#include "platform/emulated/paths.h"

namespace platform {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, to see the error a deferred write may report.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A hidden name beside target; one left by an earlier process is skipped
// by the exclusive create.
std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    return target.parent_path() /
           ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

void SyncFolder(const std::filesystem::path& folder) {
    const Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
    // O_NOFOLLOW: a link in the file's place fails with ELOOP. O_NONBLOCK:
    // opening a FIFO returns at once instead of waiting for a writer.
    const Descriptor fd(::open(emulated::ToHostPath(path).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {WholeFileStatus::kMissing, {}};
        return {errno == ELOOP ? WholeFileStatus::kNotRegularFile : WholeFileStatus::kFailed, {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return {};
    if (!S_ISREG(info.st_mode)) return {WholeFileStatus::kNotRegularFile, {}};
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return {WholeFileStatus::kTooLarge, {}};

    // One byte more than allowed tells a file that grew since fstat.
    WholeFile file{WholeFileStatus::kRead, std::string(static_cast<std::size_t>(info.st_size) + 1, '\0')};
    std::size_t filled = 0;
    for (;;) {
        if (filled == file.bytes.size()) file.bytes.resize(std::min<std::uint64_t>(filled * 2, maxBytes + 1));
        const ssize_t count = ::read(fd.get(), file.bytes.data() + filled, file.bytes.size() - filled);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return {};
        if (count == 0) break;
        filled += static_cast<std::size_t>(count);
        if (filled > maxBytes) return {WholeFileStatus::kTooLarge, {}};
    }
    file.bytes.resize(filled);
    return file;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    if (emulated::WriteRefusal() != 0) return false;
    const std::filesystem::path target = emulated::ToHostPath(path);
    // Read-only on the emulated machine means no owner write bit.
    if (struct stat info{}; ::lstat(target.c_str(), &info) == 0 &&
                            (S_ISDIR(info.st_mode) || (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0)))
        return false;

    std::filesystem::path temporary;
    int created = -1;
    for (int attempt = 0; attempt < 16 && created < 0; ++attempt) {
        temporary = TemporaryName(target);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST) return false;
    }
    if (created < 0) return false;
    Descriptor fd(created);
    bool ok = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

bool CreateFolderPath(const std::string& path) {
    const std::filesystem::path folder = emulated::ToHostPath(path);
    std::error_code error;
    if (emulated::WriteRefusal() != 0) return std::filesystem::is_directory(folder, error);
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace platform
