#include "tools/nimbrel-cli/reg_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <system_error>

#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/reg_export.h"
#include "registry/reg_file.h"
#include "registry/reg_import.h"
#include "registry/win32_error_text.h"
#include "tools/nimbrel-cli/command_line_text.h"
#include "tools/nimbrel-cli/reg_value_text.h"

namespace cli {
namespace {

using registry::KeyName;
using registry::RegOperation;

struct RegArguments {
    std::string file;
    std::string key;
    std::string out;
    std::string value;
    std::string type = "REG_SZ";
    std::string data;
    CLI::Option* valueOption = nullptr;
    bool force = false;

    bool HasValue() const { return valueOption != nullptr && valueOption->count() > 0; }
};

std::string ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "cannot read " + path.string() + ": it is a folder";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open " + path.string() + ": " + std::strerror(errno);
    // One read of the whole size where it is known; a stream of unknown
    // length (a pipe) is read to its end.
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        bytes.resize(size);
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    } else {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad()) return "cannot read " + path.string() + ": " + std::strerror(errno);
    return "";
}

// Writes beside the target and renames over it, so that a failure leaves no
// half-written file.
std::string ReplaceFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path partial = path;
    partial += ".partial-" + std::to_string(std::random_device()());
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot write " + path.string() + ": " + std::strerror(errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            const std::string reason = std::strerror(errno);
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return "cannot write " + path.string() + ": " + reason;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        return "cannot write " + path.string() + ": " + error.message();
    }
    return "";
}

std::string KeyFromArgument(const std::string& argument, KeyName& key) {
    std::string ansi;
    if (!ArgumentToAnsi(argument, ansi)) return "the key name is not valid text";
    const std::string fault = registry::ParseKeyName(ansi, key);
    return fault.empty() ? "" : ConsoleText(fault);
}

// The key for reading, or a message naming it.
std::string OpenForReading(const KeyName& key, platform::HKey& handle) {
    const long status = platform::RegOpenKey(key.root, key.path, platform::kKeyRead, &handle);
    if (status == platform::kErrorSuccess) return "";
    if (status == platform::kErrorFileNotFound) return "key " + ConsoleText(FullKeyName(key)) + " not found";
    return "cannot open key " + ConsoleText(FullKeyName(key)) + ": " + registry::Win32ErrorText(status);
}

std::string QueryLine(const registry::ValueEntry& value) {
    const std::string name = value.name.empty() ? "(Default)" : value.name;
    return "    " + ConsoleText(name) + "    " + TypeName(value.type) + "    " +
           ConsoleText(FormatValueData(value.type, value.data)) + "\n";
}

int RunImport(const std::string& file) {
    std::string bytes;
    std::string fault = ReadWholeFile(HostPath(file), bytes);
    if (!fault.empty()) return ReportFailure(fault);
    std::vector<RegOperation> operations;
    fault = registry::ParseRegFile(bytes, operations);
    if (fault.empty()) fault = registry::ApplyOperations(operations);
    if (!fault.empty()) return ReportFailure(file + ": " + ConsoleText(fault));
    return kExitOk;
}

int RunExport(const RegArguments& arguments) {
    std::string text;
    registry::AppendRegFileHeader(text);
    std::string fault;
    if (arguments.key.empty()) {
        fault = registry::ExportRegistry(text);
    } else {
        KeyName key;
        fault = KeyFromArgument(arguments.key, key);
        if (!fault.empty()) return ReportFailure(fault);
        fault = registry::ExportKey(key, text);
    }
    if (!fault.empty()) return ReportFailure(ConsoleText(fault));
    if (arguments.out.empty()) {
        std::cout << ConsoleText(text) << std::flush;
        return std::cout ? kExitOk : ReportFailure("cannot write to standard output");
    }
    fault = ReplaceFile(HostPath(arguments.out), registry::EncodeRegFileUtf16(text));
    return fault.empty() ? kExitOk : ReportFailure(fault);
}

// reg.exe's layout: the key, its values indented, a blank line, then the
// full names of its subkeys.
int RunQuery(const RegArguments& arguments) {
    KeyName key;
    std::string fault = KeyFromArgument(arguments.key, key);
    if (!fault.empty()) return ReportFailure(fault);
    platform::HKey handle = 0;
    fault = OpenForReading(key, handle);
    if (!fault.empty()) return ReportFailure(fault);

    const std::string keyLine = ConsoleText(FullKeyName(key)) + "\n";
    std::ostringstream out;
    out << "\n";
    long status = platform::kErrorSuccess;
    if (arguments.HasValue()) {
        std::string name;
        registry::ValueEntry value;
        if (!ArgumentToAnsi(arguments.value, name)) {
            status = platform::kErrorInvalidParameter;
        } else {
            status = registry::QueryValueEntry(handle, name, value);
        }
        if (status == platform::kErrorSuccess) out << keyLine << QueryLine(value) << "\n";
    } else {
        std::vector<registry::ValueEntry> values;
        std::vector<std::string> subKeys;
        status = registry::ListValues(handle, values);
        if (status == platform::kErrorSuccess) status = registry::ListSubKeys(handle, subKeys);
        if (status == platform::kErrorSuccess) {
            if (!values.empty()) out << keyLine;
            for (const registry::ValueEntry& value : values) out << QueryLine(value);
            if (!values.empty()) out << "\n";
            for (const std::string& subKey : subKeys) {
                out << ConsoleText(FullKeyName(KeyName{key.root, key.path.empty() ? subKey : key.path + "\\" + subKey}))
                    << "\n";
            }
        }
    }
    platform::RegCloseKey(handle);
    if (arguments.HasValue() && status == platform::kErrorFileNotFound) {
        return ReportFailure("value \"" + arguments.value + "\" not found in " + ConsoleText(FullKeyName(key)));
    }
    if (status != platform::kErrorSuccess) {
        return ReportFailure("cannot read key " + ConsoleText(FullKeyName(key)) + ": " +
                             registry::Win32ErrorText(status));
    }
    std::cout << out.str() << std::flush;
    return kExitOk;
}

int RunAdd(const RegArguments& arguments) {
    std::vector<RegOperation> operations(1);
    RegOperation& create = operations.front();
    std::string fault = KeyFromArgument(arguments.key, create.key);
    if (!fault.empty()) return ReportFailure(fault);

    if (arguments.HasValue()) {
        RegOperation set;
        set.kind = RegOperation::Kind::kSetValue;
        set.key = create.key;
        std::string data;
        if (!ArgumentToAnsi(arguments.value, set.valueName) || !ArgumentToAnsi(arguments.data, data)) {
            return ReportFailure("the value name or data is not valid text");
        }
        if (set.valueName.size() > platform::kMaxValueNameLength) {
            return ReportFailure("value name longer than 16383 characters");
        }
        TypeFromName(arguments.type, set.type);
        fault = ParseValueData(set.type, data, set.data);
        if (!fault.empty()) return ReportFailure(ConsoleText(fault));
        operations.push_back(std::move(set));
    }
    fault = registry::ApplyOperations(operations);
    return fault.empty() ? kExitOk : ReportFailure(ConsoleText(fault));
}

// Asks on the terminal, as reg.exe does without /f; where nobody can answer
// (a script, a pipe) the command goes ahead.
bool ConfirmedOnTerminal(const std::string& question) {
    if (isatty(STDIN_FILENO) != 1) return true;
    std::cerr << question << " (y/N) " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

int RunDelete(const RegArguments& arguments) {
    RegOperation operation;
    std::string fault = KeyFromArgument(arguments.key, operation.key);
    if (!fault.empty()) return ReportFailure(fault);
    if (!arguments.HasValue() && operation.key.path.empty()) return ReportFailure("a root key cannot be deleted");

    // Deleting what is not there is an error here, unlike in an import.
    platform::HKey handle = 0;
    fault = OpenForReading(operation.key, handle);
    if (!fault.empty()) return ReportFailure(fault);
    long status = platform::kErrorSuccess;
    if (arguments.HasValue()) {
        operation.kind = RegOperation::Kind::kDeleteValue;
        registry::ValueEntry value;
        status = ArgumentToAnsi(arguments.value, operation.valueName)
                     ? registry::QueryValueEntry(handle, operation.valueName, value)
                     : platform::kErrorFileNotFound;
    } else {
        operation.kind = RegOperation::Kind::kDeleteKeyTree;
        platform::KeyInfo info;
        if (!arguments.force && platform::RegQueryInfoKey(handle, &info) == platform::kErrorSuccess &&
            info.subKeys > 0 &&
            !ConfirmedOnTerminal("Delete " + ConsoleText(FullKeyName(operation.key)) + " and its " +
                                 std::to_string(info.subKeys) + " subkey" + (info.subKeys == 1 ? "" : "s") +
                                 " with all below them?")) {
            platform::RegCloseKey(handle);
            return ReportFailure("nothing was deleted");
        }
    }
    platform::RegCloseKey(handle);
    if (status != platform::kErrorSuccess) {
        return ReportFailure("value \"" + arguments.value + "\" not found in " +
                             ConsoleText(FullKeyName(operation.key)));
    }
    fault = registry::ApplyOperations({operation});
    return fault.empty() ? kExitOk : ReportFailure(ConsoleText(fault));
}

}  // namespace

void AddRegCommand(CLI::App& app, CommandAction& action) {
    CLI::App* reg = app.add_subcommand("reg", "Read and change the registry");
    reg->require_subcommand(1);
    auto arguments = std::make_shared<RegArguments>();
    const std::string keyHelp = "Key, as HKEY_CURRENT_USER\\Software or HKCU\\Software";

    CLI::App* import = reg->add_subcommand("import", "Apply a .reg file, all or nothing");
    import->add_option("FILE", arguments->file, ".reg file (host or Windows path)")->required();
    import->callback([&action, arguments] { action = [arguments] { return RunImport(arguments->file);
};
}  // namespace cli
);

CLI::App* exportCommand = reg->add_subcommand("export", "Write a key, or the whole registry, as a .reg file");
exportCommand->add_option("KEY", arguments->key, keyHelp + "; the whole registry when left out");
exportCommand->add_option("--out", arguments->out,
                          "File to write (UTF-16, as regedit writes); standard output (UTF-8) when left out");
exportCommand->callback([&action, arguments] { action = [arguments] { return RunExport(*arguments); }; });

CLI::App* query = reg->add_subcommand("query", "Show a key's values and subkeys, or one value");
query->add_option("KEY", arguments->key, keyHelp)->required();
CLI::Option* queryValue = query->add_option("--value", arguments->value, "Value name (\"\" for the default value)");
query->callback([&action, arguments, queryValue] {
    arguments->valueOption = queryValue;
    action = [arguments] { return RunQuery(*arguments); };
});

CLI::App* add = reg->add_subcommand("add", "Create a key, or set one of its values");
add->add_option("KEY", arguments->key, keyHelp)->required();
CLI::Option* addValue = add->add_option("--value", arguments->value, "Value name (\"\" for the default value)");
add->add_option("--type", arguments->type, "Value type")
    ->check(CLI::IsMember(AddableTypeNames(), CLI::ignore_case))
    ->needs(addValue);
add->add_option("--data", arguments->data,
                "Data: text (\\0 between REG_MULTI_SZ strings), a number (decimal or 0x hex) or hex digits")
    ->needs(addValue);
add->add_flag("--force", arguments->force, "Accepted as reg.exe's /f: add replaces a value without asking anyway");
add->callback([&action, arguments, addValue] {
    arguments->valueOption = addValue;
    action = [arguments] { return RunAdd(*arguments); };
});

CLI::App* remove = reg->add_subcommand("delete", "Delete a key with all below it, or one value");
remove->add_option("KEY", arguments->key, keyHelp)->required();
CLI::Option* deleteValue = remove->add_option("--value", arguments->value, "Value name (\"\" for the default value)");
remove->add_flag("--force", arguments->force,
                 "Delete a key with subkeys without asking (it asks only on a terminal); reg.exe's /f");
remove->callback([&action, arguments, deleteValue] {
    arguments->valueOption = deleteValue;
    action = [arguments] { return RunDelete(*arguments); };
});
}

}  // namespace cli
