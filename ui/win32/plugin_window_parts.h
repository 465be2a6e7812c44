// The base of the plug-in windows' views (cookieplugin, cookiesecuredeletion,
// ietempfilesplugin), the counterpart of ui/qt/plugin_window_parts.h: the
// heading with the plug-in's name and version, the read-only folder box,
// the two switches, the lists of names, the row of save, run, close and
// help buttons, the pass-count controls, and Enter and Escape as
// ui/keyboard_access.h gives them for the window.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plugins/pass_options.h"
#include "ui/win32/model_window.h"
#include "ui/win32/pass_options_controls.h"

namespace ui::win32 {

// A list box of names with at most one selected, as the model has them.
class NameList {
public:
    explicit NameList(HWND list = nullptr) : list_(list) {}
    HWND Handle() const { return list_; }
    // Fills the list again only when the names changed; no notification is
    // sent.
    void Render(const std::vector<std::string>& names, std::optional<std::size_t> selected);
    // The row the user selected.
    std::optional<std::size_t> Selected() const;

private:
    HWND list_;
    std::vector<std::string> shown_;
};

class PluginWindow : public ModelWindow {
protected:
    using ModelWindow::ModelWindow;

    // Label1 in the subtitle font and Label2, the version.
    void AddHeading(layout::Rect nameRect, const char* name, layout::Rect versionRect, const char* version);
    // Text1: the folder comes from the shell's settings; the plug-in only
    // shows it, so typing cannot change what is cleaned or scheduled.
    HWND AddFolderBox(layout::Rect rect);
    // A check box whose clicks go to onClick with its new state; the model
    // decides what it shows.
    HWND AddSwitch(const char* name, layout::Rect rect, const char* caption, std::function<void(bool)> onClick);
    void RenderSwitch(HWND box, bool checked);
    NameList AddNameList(const char* name, layout::Rect rect, std::function<void(std::optional<std::size_t>)> onSelect);
    // saveallsettings, chameleonButton3, chameleonButton4 and chameleonButton1.
    void AddButtonRow(const layout::PluginButtonRow& rects, const char* saveAll, std::function<void()> onSaveAll,
                      const char* runNow, std::function<void()> onRunNow, const char* close,
                      std::function<void()> onClose, const char* help, std::function<void()> onHelp);
    // The option buttons, the label and the box, named as the window's
    // controls; the model decides which option is selected, including
    // neither.
    PassOptionsControls AddPassOptions(const PassOptionsNames& names, const layout::PassOptionRects& rects,
                                       const char* labelText, const plugins::PassOptions& state,
                                       PassOptionsHandlers handlers);
    void RenderPassOptions(const PassOptionsControls& controls, const plugins::PassOptions& state);

private:
    // Rendering sets the count box's text, and the EN_CHANGE that brings
    // is not the user's typing.
    bool rendering_ = false;
};

}  // namespace ui::win32
