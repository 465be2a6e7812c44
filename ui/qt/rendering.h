// Putting the models' control state on Qt widgets: texts from the ANSI code
// page, colours, fonts, captions and enabled states.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "scan/control_state.h"
#include "ui/window_fonts.h"

class QLabel;
class QWidget;

namespace ui::qt {

class ChameleonButton;
class CoolProgress;

// Text of the core (ANSI code page) as a QString.
QString Text(const std::string& ansi);
QColor Colour(scan::Rgb rgb);
QFont MakeFont(const ui::Font& font);

void Render(QLabel& label, const scan::Label& state);
void Render(ChameleonButton& button, const scan::Button& state);
void Render(CoolProgress& progress, const scan::ProgressBar& state);

// A label with a fixed text, named as its control, for the window's
// layout; wrapping texts wrap at the layout's width.
QLabel* FixedLabel(const char* objectName, const QString& text, QWidget* parent,
                   bool wrap = false);

}  // namespace ui::qt
