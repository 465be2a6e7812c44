#include "ui/win32/pass_options_controls.h"

#include "ui/win32/plugin_window_parts.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

namespace {

void RenderOption(HWND option, const plugins::OptionButton& state) {
    const WPARAM check = state.checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(option, BM_GETCHECK, 0, 0)) != check) {
        SendMessageW(option, BM_SETCHECK, check, 0);
    }
    EnableWindow(option, state.enabled ? TRUE : FALSE);
}

}  // namespace

PassOptionsControls PluginWindow::AddPassOptions(const PassOptionsNames& names, const layout::PassOptionRects& rects,
                                                 const char* labelText, const plugins::PassOptions& state,
                                                 PassOptionsHandlers handlers) {
    PassOptionsControls made;
    // Plain (not automatic) radio buttons: a click only asks the model,
    // which decides which option is selected.
    made.defaultOption =
        AddControl(names.defaultOption, L"BUTTON", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 0, rects.defaultOption,
                   FontRole::kNormal, Wide(state.DefaultOption().caption).c_str());
    made.customOption = AddControl(names.customOption, L"BUTTON", BS_RADIOBUTTON, 0, rects.customOption,
                                   FontRole::kNormal, Wide(state.CustomOption().caption).c_str());
    made.label = AddLabel(names.label, rects.label, labelText);
    made.box = AddControl(names.box, L"EDIT", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, rects.box);
    SendMessageW(made.box, EM_LIMITTEXT, plugins::PassOptions::kMaxLength, 0);

    OnCommand(made.defaultOption, [this, onDefault = std::move(handlers.onDefault)](WORD code) {
        if (code == BN_CLICKED) host_.Handle(onDefault);
    });
    OnCommand(made.customOption, [this, onCustom = std::move(handlers.onCustom)](WORD code) {
        if (code == BN_CLICKED) host_.Handle(onCustom);
    });
    OnCommand(made.box, [this, box = made.box, onType = std::move(handlers.onType)](WORD code) {
        if (code != EN_CHANGE || rendering_) return;
        const std::string typed = Ansi(WindowText(box));
        host_.Handle([&] { onType(typed); });
    });
    return made;
}

void PluginWindow::RenderPassOptions(const PassOptionsControls& controls, const plugins::PassOptions& state) {
    rendering_ = true;
    RenderOption(controls.defaultOption, state.DefaultOption());
    RenderOption(controls.customOption, state.CustomOption());
    SetText(controls.box, state.Count().text);
    EnableWindow(controls.box, state.Count().enabled ? TRUE : FALSE);
    EnableWindow(controls.label, state.LabelEnabled() ? TRUE : FALSE);
    rendering_ = false;
}

}  // namespace ui::win32
