// A reg import killed while it writes leaves the store as it was before.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/emulated/prefix.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;

pid_t Start(const std::vector<std::string>& arguments) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(InterruptedImport, KillingTheImportMidwayChangesNothing) {
    testing_support::ScratchPrefix prefix;
    // The store is made by another process, so this one holds no connection.
    ASSERT_EQ(Wait(Start({NIMBREL_CLI, "reg", "add", "HKCU\\Software\\Before", "--value", "kept", "--type", "REG_SZ",
                          "--data", "yes"})),
              0);

    const fs::path file = prefix.Home() / "large.reg";
    {
        std::ofstream out(file, std::ios::binary);
        out << "Windows Registry Editor Version 5.00\r\n\r\n";
        out << "[-HKEY_CURRENT_USER\\Software\\Before]\r\n\r\n";
        for (int key = 0; key < 40000; ++key) {
            out << "[HKEY_CURRENT_USER\\Software\\Imported\\Key" << key << "]\r\n";
            for (int value = 0; value < 4; ++value)
                out << "\"Value" << value << "\"=\"" << std::string(60, 'x') << "\"\r\n";
        }
    }

    // Kill it once its transaction has spilled into the write-ahead log,
    // long before it could commit. How long it takes to get there depends
    // on the build (a sanitizer build parses many times slower), so this
    // waits while the import runs, up to a limit far beyond any build.
    const fs::path log = prefix.Home() / "registry.db-wal";
    const pid_t import = Start({NIMBREL_CLI, "reg", "import", file.string()});
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    bool writing = false;
    int status = 0;
    while (!writing && std::chrono::steady_clock::now() < limit) {
        ASSERT_EQ(waitpid(import, &status, WNOHANG), 0) << "the import ended before it was killed";
        std::error_code error;
        writing = fs::file_size(log, error) > 1024 * 1024 && !error;
        if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(import, SIGKILL);
    status = Wait(import);
    ASSERT_TRUE(writing) << "the import never started writing";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed";

    platform::emulated::UsePrefix(prefix.Home());
    modRegistry::ValueHolder kept;
    modRegistry::ReadValue("HKCU", "Software\\Before", "kept", "S", modRegistry::kNone, kept);
    EXPECT_EQ(kept, "yes");
    platform::HKey key = 0;
    EXPECT_EQ(platform::RegOpenKey(platform::kHkeyCurrentUser, "Software\\Imported", platform::kKeyRead, &key),
              platform::kErrorFileNotFound);
}

}  // namespace
