#include "tools/nimbrel-cli/console_host.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "tools/nimbrel-cli/command.h"

namespace cli {

namespace {

// A terminal that moves the cursor back on '\r'; TERM=dumb says it may not.
bool CanDrawProgress() {
    const char* term = std::getenv("TERM");
    return isatty(STDERR_FILENO) == 1 && !(term != nullptr && std::strcmp(term, "dumb") == 0);
}

}  // namespace

ConsoleHost::ConsoleHost(const scan::ScanWindowState& window, bool quiet)
    : window_(window), drawing_(!quiet && CanDrawProgress()) {}

void ConsoleHost::Yield() {
    if (!drawing_) return;
    // Redrawing at every yield would cost the scan more than it shows.
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ != 0 && now - lastDrawn_ < std::chrono::milliseconds(100)) return;
    lastDrawn_ = now;
    constexpr int kWidth = 40;
    const int percent = window_.CoolProgress1.Percent;
    const int filled = percent * kWidth / 100;
    const int length = std::fprintf(stderr, "\rScanning [%s%s] %3d%%  lists %s  items %s",
                                    std::string(static_cast<std::size_t>(filled), '#').c_str(),
                                    std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), percent,
                                    window_.listsdetected.caption.c_str(), window_.itemsdetected.caption.c_str());
    std::fflush(stderr);
    if (length > drawn_) drawn_ = length;
}

void ConsoleHost::MessageBox(const std::string& text, const std::string& title) {
    Finish();
    std::cerr << ConsoleText(title) << ": " << ConsoleText(text) << std::endl;
}

void ConsoleHost::Finish() {
    if (drawn_ == 0) return;
    std::fprintf(stderr, "\r%s\r", std::string(static_cast<std::size_t>(drawn_), ' ').c_str());
    std::fflush(stderr);
    drawn_ = 0;
}

}  // namespace cli
