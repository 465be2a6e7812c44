// The Windows 'Recent' folder cleaned as a user cleans it, with nimbrel-cli:
// every trace goes, whatever its name and however deep the folder lies on
// the host (deeper than PATH_MAX too); an item that stayed would fail the
// clean.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <dirent.h>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

using testing_support::ProgramRun;
using testing_support::RunProgram;

// A folder below drive C:, made and read one folder at a time, as no path
// of it may be longer than PATH_MAX.
class HostFolder {
public:
    explicit HostFolder(const std::vector<std::string>& below) {
        fd_ = open(platform::emulated::ToHostPath("C:\\").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (const std::string& name : below) {
            mkdirat(fd_, name.c_str(), 0755);
            const int next = openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            close(fd_);
            fd_ = next;
        }
    }
    ~HostFolder() { close(fd_); }
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;

    void Write(const std::string& name) const {
        const int file = openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        EXPECT_EQ(::write(file, "a trace", 7), 7) << name;
        close(file);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        DIR* dir = fdopendir(dup(fd_));
        rewinddir(dir);
        while (const dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..") names.push_back(entry->d_name);
        closedir(dir);
        return names;
    }

private:
    int fd_ = -1;
};

struct RecentRow {
    const char* name;
    std::vector<std::string> folder;  // below C:
    std::vector<std::string> files;
};

void PrintTo(const RecentRow& row, std::ostream* out) { *out << row.name; }

std::vector<std::string> DeeperThanPathMax() {
    std::vector<std::string> folders;
    for (std::size_t length = 0; length <= PATH_MAX; length += 201)
        folders.push_back(std::string(200, 'd') + std::to_string(folders.size()));
    return folders;
}

class RecentFolderClean : public testing::TestWithParam<RecentRow> {
protected:
    testing_support::ScratchPrefix prefix;
};

TEST_P(RecentFolderClean, DeletesEveryTrace) {
    ASSERT_EQ(RunProgram(NIMBREL_CLI, {"reg", "query", "HKCU"}).exitCode, 0);  // a new machine
    std::string windowsPath = "C:";
    for (const std::string& name : GetParam().folder) windowsPath += "\\" + name;
    const ProgramRun set = RunProgram(
        NIMBREL_CLI, {"reg", "add", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "--value", "Recent", "--type", "REG_SZ", "--data", windowsPath});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const HostFolder recent(GetParam().folder);
    for (const std::string& file : GetParam().files) recent.Write(file);

    const ProgramRun run = RunProgram(NIMBREL_CLI, {"clean", "--no-plugins"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(recent.Names(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RecentFolderClean,
    testing::Values(RecentRow{"NamesNoPathSpells",
                              {"Documents and Settings", "anna", "Recent"},
                              {"a\nb.lnk", "t\tab.lnk", "c:olon.lnk", "dot.", "space ", "plain.lnk"}},
                    RecentRow{"DeeperThanPathMax", DeeperThanPathMax(), {"report.doc.lnk", "odd\n.lnk"}}),
    [](const testing::TestParamInfo<RecentRow>& info) { return std::string(info.param.name); });

}  // namespace
