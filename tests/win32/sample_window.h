// A small window of the probe's own, run as a program of its own, on which
// the probe checks itself: named controls of the kinds the program's
// windows use, a button that counts its clicks and a list with check boxes.
#pragma once

namespace window_probe {

inline constexpr wchar_t kSampleName[] = L"ProbeSample";
inline constexpr wchar_t kSampleCaption[] = L"Window Probe Sample";
inline constexpr int kSampleRows = 3;

// Runs the sample window until it is closed.
int RunSampleWindow();

}  // namespace window_probe
