// The pass-count controls on Qt: the default and custom option buttons, the
// three-character box for the custom count and its label, rendering a
// PassOptions and forwarding clicks and typing.
#pragma once

#include <functional>
#include <string>

#include "plugins/pass_options.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ui::qt {

class QtHost;

struct PassOptionsHandlers {
    std::function<void()> onDefault;
    std::function<void()> onCustom;
    std::function<void(const std::string&)> onType;
};

class PassOptionsControls {
public:
    // Names: the default and custom options, the box and its label.
    PassOptionsControls(QtHost& host, QWidget* parent, const plugins::PassOptions& state, const char* defaultName,
                        const char* customName, const char* boxName, const char* labelName, const char* labelText,
                        PassOptionsHandlers handlers);

    // Two rows: the options, then the label and the box.
    QGridLayout* Layout() const { return layout_; }
    void Render(const plugins::PassOptions& state);

private:
    QRadioButton* defaultOption_;
    QRadioButton* customOption_;
    QLineEdit* count_;
    QLabel* label_;
    QGridLayout* layout_;
};

}  // namespace ui::qt
