#include "tools/nimbrel-cli/shred_command.h"

#include <memory>
#include <optional>
#include <string>

#include "platform/file_delete.h"
#include "platform/files.h"
#include "platform/registry_api.h"
#include "plugins/file_shredder.h"
#include "tools/nimbrel-cli/windows_path_argument.h"

namespace cli {
namespace {

struct ShredArguments {
    std::string file;
    int passes = 3;
};

int RunShred(const ShredArguments& arguments) {
    // File names go to the platform byte for byte, as reg import's do.
    const std::string path = WindowsPathArgument(arguments.file);
    const std::string& shown = arguments.file;

    const std::optional<std::uint32_t> attributes = platform::GetFileAttributes(path);
    if (!attributes) return ReportFailure("cannot shred " + shown + ": no such file");
    if ((*attributes & platform::kFileAttributeDirectory) != 0)
        return ReportFailure("cannot shred " + shown + ": it is a folder");
    if ((*attributes & platform::kFileAttributeReadOnly) != 0)
        return ReportFailure("cannot shred " + shown + ": the file is read-only; it was left as it was");
    if (platform::CheckDeletionReach(path) == platform::kErrorAccessDenied)
        return ReportFailure("cannot shred " + shown +
                             ": only files on the machine's own drives, reached without a link or a mount point, "
                             "are shredded; it was left as it was");

    const fileshredder::ShredOutcome outcome =
        fileshredder::ShredFile(path, static_cast<std::int16_t>(arguments.passes), fileshredder::OtherNames::kLeave);
    if (outcome == fileshredder::ShredOutcome::kHardLinked) {
        return ReportFailure("cannot shred " + shown +
                             ": it has other names (hard links) that would see the overwrite; it was left as it was");
    }

    if (platform::GetFileAttributes(path))
        return ReportFailure("cannot shred " + shown + ": the file is in use, or its folder cannot be written");
    return kExitOk;
}

}  // namespace

void AddShredCommand(CLI::App& app, CommandAction& action) {
    auto arguments = std::make_shared<ShredArguments>();
    CLI::App* shred = app.add_subcommand(
        "shred", "Overwrite a file in passes (0x00, 0xFF, 0x00, then random), then empty, rename and delete it");
    shred->add_option("FILE", arguments->file, "The file (host or Windows path)")->required();
    shred->add_option("--passes", arguments->passes, "Passes: 3 constant and 1 random fill each (default 3)")
        ->check(CLI::Range(0, 32767));
    shred->callback([&action, arguments] { action = [arguments] { return RunShred(*arguments); }; });
}

}  // namespace cli
