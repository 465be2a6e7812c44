#include "ui/qt/rendering.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/ansi_codepage.h"
#include "ui/keyboard_access.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/model_window.h"

namespace ui::qt {

namespace {

// The caption with the access key that the button's window gives it while
// it shows this caption; the button must be named and placed in its window.
void ShowCaption(ChameleonButton& button, const std::string& caption) {
    const auto* window = qobject_cast<const ModelWindow*>(button.window());
    const QString text =
        Text(window ? ui::WithAccessKey(window->Id(), button.objectName().toStdString(), caption) : caption);
    if (button.text() != text) button.setText(text);
}

}  // namespace

QString Text(const std::string& ansi) { return QString::fromStdU16String(platform::AnsiToUtf16(ansi)); }

std::string Ansi(const QString& text) { return platform::Utf16ToAnsi(text.toStdU16String()); }

QColor Colour(host::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QFont MakeFont(const ui::Font& font) {
    QFont made(QString::fromLatin1(font.family), font.pointSize);
    made.setBold(font.bold);
    return made;
}

void Render(QLabel& label, const host::Label& state) {
    const QString text = Text(state.caption);
    if (label.text() != text) label.setText(text);
    label.setVisible(state.visible);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Colour(state.colour));
    label.setPalette(palette);
}

void Render(ChameleonButton& button, const host::Button& state) {
    ShowCaption(button, state.caption);
    button.setEnabled(state.enabled);
}

void Render(CoolProgress& progress, const host::ProgressBar& state) { progress.SetPercent(state.Percent); }

void Render(QListWidget& list, const std::vector<std::string>& names, std::optional<std::size_t> selected) {
    const QSignalBlocker quiet(&list);
    bool same = static_cast<std::size_t>(list.count()) == names.size();
    for (std::size_t row = 0; same && row < names.size(); ++row) {
        same = list.item(static_cast<int>(row))->text() == Text(names[row]);
    }
    if (!same) {
        list.clear();
        for (const std::string& name : names) list.addItem(Text(name));
    }
    const int row = selected ? static_cast<int>(*selected) : -1;
    if (list.currentRow() != row) list.setCurrentRow(row);
    if (row < 0) list.clearSelection();
}

ChameleonButton* NamedButton(const char* objectName, const char* caption, QWidget* parent) {
    auto* button = new ChameleonButton("", parent);
    button->setObjectName(objectName);
    ShowCaption(*button, caption);
    return button;
}

QLabel* FixedLabel(const char* objectName, const QString& text, QWidget* parent, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(wrap);
    return label;
}

}  // namespace ui::qt
