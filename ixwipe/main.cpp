// ixwipe: started once at the next logon with "-CACHE", "-COOKIES" or
// "-CC" to shred the index.dat files that were locked while the plug-ins
// ran. It shows nothing and reports nothing, but its usage when asked.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ixwipe/ixwipe_run.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    // The argument text as the program was given it, words joined by spaces.
    std::string argumentText;
    for (int i = 1; i < argc; ++i) argumentText += (i > 1 ? " " : "") + std::string(argv[i]);

    if (ixwipe::AsksForHelp(argumentText)) {
#ifdef _WIN32
        // A GUI program has no console to print to.
        MessageBoxA(nullptr, ixwipe::kUsage, "ixwipe", MB_OK | MB_ICONINFORMATION);
#else
        std::fputs(ixwipe::kUsage, stdout);
#endif
        return 0;
    }
    const ixwipe::Switch which = ixwipe::ParseSwitch(argumentText);
    if (which == ixwipe::Switch::kNone) return 0;
    // A machine that cannot be opened (a damaged registry store) is left
    // alone; the exit code is the only trace.
    if (!platform::Start().empty()) return 1;
    ixwipe::Run(which);
    return 0;
}
