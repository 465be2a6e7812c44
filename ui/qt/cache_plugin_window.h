// The temporary internet files plug-in window (ietempfilesplugin): renders
// the cache plug-in model that the program's plug-in windows own, with its
// pass-count options in the window itself.
#pragma once

#include <memory>

#include "plugins/plugin_windows.h"
#include "ui/qt/model_window.h"
#include "ui/qt/pass_options_controls.h"

class QCheckBox;
class QLineEdit;

namespace ui::qt {

class CachePluginWindow : public ModelWindow {
    Q_OBJECT
public:
    // Loads the plug-in (its load step runs) unless it is loaded already.
    CachePluginWindow(QtHost& host, plugins::PluginWindows& plugins);

    plugins::CachePluginModel& Model() { return model_; }
    void Render() override;
    // The model goes with the window: the next opening loads it afresh.
    void OnUnload() override;

protected:
    void OnCloseRequest() override { model_.OnCloseClick(); }

private:
    plugins::PluginWindows& plugins_;
    plugins::CachePluginModel& model_;
    QLineEdit* Text1_;
    QCheckBox* CheckAutomaticClean_;
    QCheckBox* CheckSecureDelete_;
    std::unique_ptr<PassOptionsControls> passes_;
};

}  // namespace ui::qt
