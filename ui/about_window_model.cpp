#include "ui/about_window_model.h"

#include "ui/system_info_tool.h"

namespace ui {

void AboutWindowModel::OnCmdOKClick() { host_.UnloadWindow(scan::Window::kAbout); }

void AboutWindowModel::OnFAQbutton1Click() { host_.ShowWindow(scan::Window::kFaq); }

void AboutWindowModel::OnCmdSysInfoClick() { StartSysInfo(host_); }

}  // namespace ui
