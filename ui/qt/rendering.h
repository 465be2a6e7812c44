// Putting the models' control state on Qt widgets: texts from the ANSI code
// page, colours, fonts, captions and enabled states.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/control_state.h"
#include "ui/window_fonts.h"

class QLabel;
class QListWidget;
class QWidget;

namespace ui::qt {

class ChameleonButton;
class CoolProgress;

// Text of the core (ANSI code page) as a QString.
QString Text(const std::string& ansi);
// Text typed into a control, for the core (ANSI code page).
std::string Ansi(const QString& text);
QColor Colour(host::Rgb rgb);
QFont MakeFont(const ui::Font& font);

void Render(QLabel& label, const host::Label& state);
void Render(ChameleonButton& button, const host::Button& state);
void Render(CoolProgress& progress, const host::ProgressBar& state);
// A list of names with at most one selected; no signal is raised.
void Render(QListWidget& list, const std::vector<std::string>& names, std::optional<std::size_t> selected);

// A button named as its control, with its access key in its caption; the
// parent must already sit in the button's window. Render(button, state)
// keeps the access key when it changes the caption.
ChameleonButton* NamedButton(const char* objectName, const char* caption, QWidget* parent);

// A label with a fixed text, named as its control, for the window's
// layout; wrapping texts wrap at the layout's width.
QLabel* FixedLabel(const char* objectName, const QString& text, QWidget* parent, bool wrap = false);

}  // namespace ui::qt
