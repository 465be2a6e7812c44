#include "ui/about_window_model.h"

#include "ui/system_info_tool.h"

namespace ui {

void AboutWindowModel::OnOkClick() { host_.UnloadWindow(host::Window::kAbout); }

void AboutWindowModel::OnFaqClick() { host_.ShowWindow(host::Window::kFaq); }

void AboutWindowModel::OnSystemInfoClick() { StartSysInfo(host_); }

}  // namespace ui
