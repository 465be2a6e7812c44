#include "ui/qt/cookie_plugin_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/plugin_window_parts.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

namespace {

std::optional<std::size_t> Row(int row) {
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

}  // namespace

CookiePluginWindow::CookiePluginWindow(QtHost& host, plugins::PluginWindows& plugins)
    : ModelWindow(host, host::Window::kCookiePlugin, "cookieplugin"), plugins_(plugins), model_(plugins.Cookies()) {
    using M = plugins::CookiePluginModel;
    setWindowTitle(M::kCaption);

    auto* heading = PluginHeading(this, M::kLabel1, M::kLabel2);

    auto* Frame1 = new QGroupBox(M::kFrame1, this);
    Frame1->setObjectName("Frame1");
    File1_ = new QListWidget(Frame1);
    File1_->setObjectName("File1");
    CookieIgnoreList_ = new QListWidget(Frame1);
    CookieIgnoreList_->setObjectName("CookieIgnoreList");
    auto* move = NamedButton("movecookietoignore", M::kMoveCookieToIgnore, Frame1);
    auto* moveAll = NamedButton("movealltoignore", M::kMoveAllToIgnore, Frame1);
    auto* remove = NamedButton("deletefromignore", M::kDeleteFromIgnore, Frame1);
    auto* saveList = NamedButton("saveignorelist", M::kSaveIgnoreList, Frame1);
    auto* question = NamedButton("questionignorelist", M::kQuestionIgnoreList, Frame1);
    question->setFixedSize(22, 20);
    Text1_ = FolderBox(Frame1);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(move);
    middle->addWidget(moveAll);
    middle->addStretch();
    auto* listButtons = new QHBoxLayout;
    listButtons->addStretch();
    listButtons->addWidget(remove);
    listButtons->addWidget(saveList);
    listButtons->addWidget(question);
    auto* lists = new QGridLayout;
    lists->addWidget(FixedLabel("Label3", M::kLabel3, Frame1), 0, 0);
    lists->addWidget(FixedLabel("Label4", M::kLabel4, Frame1), 0, 2);
    lists->addWidget(File1_, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(CookieIgnoreList_, 1, 2);
    lists->addLayout(listButtons, 2, 0, 1, 3);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    auto* frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addLayout(lists);
    frame1Layout->addWidget(Text1_);

    auto* Frame3 = new QGroupBox(M::kFrame3, this);
    Frame3->setObjectName("Frame3");
    CheckSecureDelete_ = Switch("CheckSecureDelete", M::kCheckSecureDelete, Frame3);
    configuration_ = NamedButton("buttonsecuredeletionconfigcookie", M::kConfiguration, Frame3);
    auto* moreInformation = NamedButton("Button699", M::kMoreInformationButton, Frame3);
    auto* frame3Layout = new QHBoxLayout(Frame3);
    frame3Layout->addWidget(CheckSecureDelete_, 1);
    frame3Layout->addWidget(configuration_);
    frame3Layout->addWidget(moreInformation);

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    CheckAutomaticClean_ = Switch("CheckAutomaticClean", M::kCheckAutomaticClean, Frame2);
    const PluginButtonRow buttons = MakePluginButtonRow(Frame2, M::kSaveAllSettings, M::kRunNow, M::kClose, M::kHelp);
    auto* frame2Layout = new QVBoxLayout(Frame2);
    frame2Layout->addWidget(CheckAutomaticClean_);
    frame2Layout->addLayout(buttons.layout);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Frame1, 1);
    layout->addWidget(Frame3);
    layout->addWidget(Frame2);
    resize(600, 500);

    connect(File1_, &QListWidget::currentRowChanged, this,
            [this](int row) { host_.Handle([this, row] { model_.SelectCookie(Row(row)); }); });
    connect(CookieIgnoreList_, &QListWidget::currentRowChanged, this,
            [this](int row) { host_.Handle([this, row] { model_.SelectIgnoreEntry(Row(row)); }); });
    connect(CheckAutomaticClean_, &QCheckBox::toggled, this,
            [this](bool on) { host_.Handle([this, on] { model_.SetCheckAutomaticClean(on); }); });
    connect(CheckSecureDelete_, &QCheckBox::toggled, this,
            [this](bool on) { host_.Handle([this, on] { model_.OnCheckSecureDeleteClick(on); }); });
    using Handler = void (plugins::CookiePluginModel::*)();
    // A structured binding is copied into the lambda by name: clang before
    // version 16 cannot capture the binding itself.
    for (const auto& [button, onClick] : {std::pair<ChameleonButton*, Handler>{move, &M::OnMoveCookieToIgnoreClick},
                                          {moveAll, &M::OnMoveAllToIgnoreClick},
                                          {remove, &M::OnDeleteFromIgnoreClick},
                                          {saveList, &M::OnSaveIgnoreListClick},
                                          {question, &M::OnQuestionIgnoreListClick},
                                          {moreInformation, &M::OnMoreInformationClick},
                                          {configuration_, &M::OnConfigurationClick},
                                          {buttons.saveAll, &M::OnSaveAllSettingsClick},
                                          {buttons.runNow, &M::OnRunNowClick},
                                          {buttons.close, &M::OnCloseClick},
                                          {buttons.help, &M::OnHelpClick}}) {
        connect(button, &ChameleonButton::clicked, this,
                [this, handler = onClick] { host_.Handle([this, handler] { (model_.*handler)(); }); });
    }
}

CookiePluginWindow::~CookiePluginWindow() {
    // The lists may report a changed row while they are taken down, when the
    // model may already be gone.
    File1_->disconnect(this);
    CookieIgnoreList_->disconnect(this);
}

void CookiePluginWindow::Render() {
    ui::qt::Render(*File1_, model_.FileList().Names(), model_.FileList().Selected());
    ui::qt::Render(*CookieIgnoreList_, model_.CookieIgnoreList(), model_.CookieIgnoreListSelected());
    RenderFolder(*Text1_, model_.FolderText());
    RenderSwitch(*CheckAutomaticClean_, model_.CheckAutomaticClean());
    RenderSwitch(*CheckSecureDelete_, model_.CheckSecureDelete());
    ui::qt::Render(*configuration_, model_.ConfigurationButton());
}

void CookiePluginWindow::OnUnload() { plugins_.Unload(clean::Plugin::kCookiePlugin); }

CookieOptionsWindow::CookieOptionsWindow(QtHost& host)
    : ModelWindow(host, host::Window::kCookieSecureDeletion, "cookiesecuredeletion"), model_(host) {
    using M = plugins::CookieOptionsModel;
    setWindowTitle(M::kCaption);
    model_.Load();

    passes_ = std::make_unique<PassOptionsControls>(
        host, this, model_.Passes(), "Option1", "Option2", "Text1", "Label1", M::kLabel1,
        PassOptionsHandlers{[this] { model_.OnDefaultPassesClick(); }, [this] { model_.OnCustomPassesClick(); },
                            [this](const std::string& text) { model_.SetText1(text); }});
    auto* save = NamedButton("savecookiesecuredeletesettings", M::kSave, this);
    auto* cancel = NamedButton("cookiesecuredeletecancel", M::kCancel, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(passes_->Layout());
    layout->addWidget(FixedLabel("Label2", M::kLabel2, this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(save, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnSaveClick(); }); });
    connect(cancel, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnCancelClick(); }); });
}

void CookieOptionsWindow::Render() { passes_->Render(model_.Passes()); }

}  // namespace ui::qt
