#include "ui/qt/rendering.h"

#include <QLabel>

#include "platform/ansi_codepage.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"

namespace ui::qt {

QString Text(const std::string& ansi) {
    return QString::fromStdU16String(platform::AnsiToUtf16(ansi));
}

QColor Colour(scan::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QFont MakeFont(const ui::Font& font) {
    QFont made(QString::fromLatin1(font.family), font.pointSize);
    made.setBold(font.bold);
    return made;
}

void Render(QLabel& label, const scan::Label& state) {
    const QString text = Text(state.caption);
    if (label.text() != text) label.setText(text);
    label.setVisible(state.visible);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Colour(state.colour));
    label.setPalette(palette);
}

void Render(ChameleonButton& button, const scan::Button& state) {
    const QString text = Text(state.caption);
    if (button.text() != text) button.setText(text);
    button.setEnabled(state.enabled);
}

void Render(CoolProgress& progress, const scan::ProgressBar& state) {
    progress.SetPercent(state.Percent);
}

QLabel* FixedLabel(const char* objectName, const QString& text, QWidget* parent, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(wrap);
    return label;
}

}  // namespace ui::qt
