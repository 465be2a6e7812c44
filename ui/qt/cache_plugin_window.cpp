#include "ui/qt/cache_plugin_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/plugin_window_parts.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

CachePluginWindow::CachePluginWindow(QtHost& host, plugins::PluginWindows& plugins)
    : ModelWindow(host, host::Window::kIeTempFilesPlugin, "ietempfilesplugin"),
      plugins_(plugins),
      model_(plugins.Cache()) {
    using M = plugins::CachePluginModel;
    setWindowTitle(M::kCaption);

    auto* heading = PluginHeading(this, M::kLabel1, M::kLabel2);

    auto* Frame1 = new QGroupBox(M::kFrame1, this);
    Frame1->setObjectName("Frame1");
    Text1_ = FolderBox(Frame1);
    auto* frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addWidget(FixedLabel("Label3", M::kLabel3, Frame1));
    frame1Layout->addWidget(Text1_);

    auto* Frame3 = new QGroupBox(M::kFrame3, this);
    Frame3->setObjectName("Frame3");
    CheckSecureDelete_ = Switch("CheckSecureDelete", M::kCheckSecureDelete, Frame3);
    passes_ = std::make_unique<PassOptionsControls>(
        host, Frame3, model_.Passes(), "Option1", "Option2", "Text2", "Label4", M::kLabel4,
        PassOptionsHandlers{[this] { model_.OnDefaultPassesClick(); }, [this] { model_.OnCustomPassesClick(); },
                            [this](const std::string& text) { model_.SetText2(text); }});
    auto* moreInformation = NamedButton("Button669", M::kMoreInformationButton, Frame3);
    auto* options = new QHBoxLayout;
    options->addSpacing(20);
    options->addLayout(passes_->Layout(), 1);
    options->addWidget(moreInformation, 0, Qt::AlignBottom);
    auto* frame3Layout = new QVBoxLayout(Frame3);
    frame3Layout->addWidget(CheckSecureDelete_);
    frame3Layout->addLayout(options);

    CheckAutomaticClean_ = Switch("CheckAutomaticClean", M::kCheckAutomaticClean, this);
    const PluginButtonRow buttons = MakePluginButtonRow(this, M::kSaveAllSettings, M::kRunNow, M::kClose, M::kHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Frame1);
    layout->addWidget(Frame3);
    layout->addWidget(CheckAutomaticClean_);
    layout->addLayout(buttons.layout);
    setFixedWidth(560);

    connect(CheckAutomaticClean_, &QCheckBox::toggled, this,
            [this](bool on) { host_.Handle([this, on] { model_.SetCheckAutomaticClean(on); }); });
    connect(CheckSecureDelete_, &QCheckBox::toggled, this,
            [this](bool on) { host_.Handle([this, on] { model_.OnCheckSecureDeleteClick(on); }); });
    using Handler = void (plugins::CachePluginModel::*)();
    // A structured binding is copied into the lambda by name: clang before
    // version 16 cannot capture the binding itself.
    for (const auto& [button, onClick] :
         {std::pair<ChameleonButton*, Handler>{moreInformation, &M::OnMoreInformationClick},
          {buttons.saveAll, &M::OnSaveAllSettingsClick},
          {buttons.runNow, &M::OnRunNowClick},
          {buttons.close, &M::OnCloseClick},
          {buttons.help, &M::OnHelpClick}}) {
        connect(button, &ChameleonButton::clicked, this,
                [this, handler = onClick] { host_.Handle([this, handler] { (model_.*handler)(); }); });
    }
}

void CachePluginWindow::Render() {
    RenderFolder(*Text1_, model_.FolderText());
    RenderSwitch(*CheckAutomaticClean_, model_.CheckAutomaticClean());
    RenderSwitch(*CheckSecureDelete_, model_.CheckSecureDelete());
    passes_->Render(model_.Passes());
}

void CachePluginWindow::OnUnload() { plugins_.Unload(clean::Plugin::kIeTempFilesPlugin); }

}  // namespace ui::qt
