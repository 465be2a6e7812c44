// The Crumbex windows: the plug-in window (cookieplugin), which renders the
// cookie plug-in model that the program's plug-in windows own, and its
// pass-count options window (cookiesecuredeletion).
#pragma once

#include <memory>

#include "plugins/cookie_options_model.h"
#include "plugins/plugin_windows.h"
#include "ui/qt/model_window.h"
#include "ui/qt/pass_options_controls.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace ui::qt {

class ChameleonButton;

class CookiePluginWindow : public ModelWindow {
    Q_OBJECT
public:
    // Loads the plug-in (its load step runs) unless it is loaded already.
    CookiePluginWindow(QtHost& host, plugins::PluginWindows& plugins);
    ~CookiePluginWindow() override;

    plugins::CookiePluginModel& Model() { return model_; }
    void Render() override;
    // The model goes with the window: the next opening loads it afresh.
    void OnUnload() override;

protected:
    void OnCloseRequest() override { model_.OnCloseClick(); }

private:
    plugins::PluginWindows& plugins_;
    plugins::CookiePluginModel& model_;
    QListWidget* File1_;
    QListWidget* CookieIgnoreList_;
    QLineEdit* Text1_;
    QCheckBox* CheckAutomaticClean_;
    QCheckBox* CheckSecureDelete_;
    ChameleonButton* configuration_;
};

class CookieOptionsWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit CookieOptionsWindow(QtHost& host);

    plugins::CookieOptionsModel& Model() { return model_; }
    void Render() override;

protected:
    void OnCloseRequest() override { model_.OnCancelClick(); }

private:
    plugins::CookieOptionsModel model_;
    std::unique_ptr<PassOptionsControls> passes_;
};

}  // namespace ui::qt
