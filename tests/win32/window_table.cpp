#include "tests/win32/window_table.h"

#include "tests/win32/sample_window.h"

namespace window_probe {

const std::vector<ExpectedWindow>& SampleWindows() {
    static const std::vector<ExpectedWindow> windows = {
        {L"sample.png",
         kSampleCaption,
         {{kSampleCaption, L"countbutton"}},
         L"counter",
         L"1",
         {{L"countbutton", L"Button", L"Count", true},
          {L"laterbutton", L"Button", L"Later", false},
          {L"counter", L"Static", nullptr, true},
          {L"List1", L"SysListView32", nullptr, true}}},
    };
    return windows;
}

}  // namespace window_probe
