#include "registry/probe_trace.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace modRegistry {

namespace {

std::FILE* TraceFile() {
    static std::FILE* file = [] {
        const char* path = std::getenv("NIMBREL_TRACE");
        return path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
    }();
    return file;
}

}  // namespace

bool TraceEnabled() { return TraceFile() != nullptr; }

void TraceCall(std::string_view routine, std::string_view root, std::string_view key, std::string_view valueName,
               std::string_view typeCode, long outcome) {
    std::FILE* file = TraceFile();
    if (file == nullptr) return;
    std::string line;
    for (std::string_view field : {routine, root, key, valueName, typeCode}) {
        line.append(field);
        line.push_back('\t');
    }
    line += std::to_string(outcome);
    line.push_back('\n');
    // One write per line, flushed at once, so lines of several processes
    // do not interleave and a crash loses nothing.
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
}

}  // namespace modRegistry
