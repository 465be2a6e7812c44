#include "ui/qt/pass_options_controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

namespace {

QRadioButton* Option(const char* objectName, const std::string& caption, QWidget* parent) {
    auto* option = new QRadioButton(Text(caption), parent);
    option->setObjectName(objectName);
    // The model decides which option is selected, including neither.
    option->setAutoExclusive(false);
    return option;
}

void RenderOption(QRadioButton& option, const plugins::OptionButton& state) {
    option.setChecked(state.checked);
    option.setEnabled(state.enabled);
}

}  // namespace

PassOptionsControls::PassOptionsControls(QtHost& host, QWidget* parent, const plugins::PassOptions& state,
                                         const char* defaultName, const char* customName, const char* boxName,
                                         const char* labelName, const char* labelText, PassOptionsHandlers handlers)
    : defaultOption_(Option(defaultName, state.DefaultOption().caption, parent)),
      customOption_(Option(customName, state.CustomOption().caption, parent)),
      count_(new QLineEdit(parent)),
      label_(FixedLabel(labelName, labelText, parent)),
      layout_(new QGridLayout) {
    count_->setObjectName(boxName);
    count_->setMaxLength(static_cast<int>(plugins::PassOptions::kMaxLength));
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance("0000") + 16);

    layout_->addWidget(defaultOption_, 0, 0, 1, 3);
    layout_->addWidget(customOption_, 1, 0, 1, 3);
    layout_->addWidget(label_, 2, 0);
    layout_->addWidget(count_, 2, 1);
    layout_->setColumnStretch(2, 1);
    layout_->setContentsMargins(0, 0, 0, 0);

    QObject::connect(defaultOption_, &QRadioButton::clicked, parent,
                     [&host, onDefault = handlers.onDefault] { host.Handle(onDefault); });
    QObject::connect(customOption_, &QRadioButton::clicked, parent,
                     [&host, onCustom = handlers.onCustom] { host.Handle(onCustom); });
    QObject::connect(count_, &QLineEdit::textEdited, parent, [&host, onType = handlers.onType](const QString& text) {
        host.Handle([&] { onType(Ansi(text)); });
    });
}

void PassOptionsControls::Render(const plugins::PassOptions& state) {
    const QSignalBlocker quietDefault(defaultOption_);
    const QSignalBlocker quietCustom(customOption_);
    const QSignalBlocker quietCount(count_);
    RenderOption(*defaultOption_, state.DefaultOption());
    RenderOption(*customOption_, state.CustomOption());
    const QString text = Text(state.Count().text);
    if (count_->text() != text) count_->setText(text);
    count_->setEnabled(state.Count().enabled);
    label_->setEnabled(state.LabelEnabled());
}

}  // namespace ui::qt
