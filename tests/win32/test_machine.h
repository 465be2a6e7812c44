// The machine the windows run on: Wine's registry, given a few traces for
// the program to find, and Wine's own settings for a virtual display.
#pragma once

#include <string>
#include <vector>

namespace window_probe {

struct Trace {
    const wchar_t* key;  // under HKEY_CURRENT_USER
    const wchar_t* value;
    const wchar_t* data;
    const wchar_t* label;  // the row the results window shows for it
};

const std::vector<Trace>& FixtureTraces();
// Writes every trace; fails naming the first that cannot be written.
void SeedTraces();
bool TracePresent(const Trace& trace);
// Wine draws the windows' frames itself: the virtual display has no
// window manager. Read by each program as it starts.
void LetWineDrawWindowFrames();

}  // namespace window_probe
