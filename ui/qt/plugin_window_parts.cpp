#include "ui/qt/plugin_window_parts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

QHBoxLayout* PluginHeading(QWidget* parent, const char* name, const char* version) {
    auto* Label1 = FixedLabel("Label1", name, parent);
    Label1->setFont(MakeFont(kSubtitleFont));
    auto* heading = new QHBoxLayout;
    heading->addWidget(Label1);
    heading->addWidget(FixedLabel("Label2", version, parent), 0, Qt::AlignBottom);
    heading->addStretch();
    return heading;
}

QLineEdit* FolderBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName("Text1");
    box->setReadOnly(true);
    return box;
}

void RenderFolder(QLineEdit& box, const std::string& folder) {
    const QString text = Text(folder);
    if (box.text() != text) box.setText(text);
}

PluginButtonRow MakePluginButtonRow(QWidget* parent, const char* saveAll, const char* runNow, const char* close,
                                    const char* help) {
    PluginButtonRow row{NamedButton("saveallsettings", saveAll, parent),
                        NamedButton("chameleonButton3", runNow, parent), NamedButton("chameleonButton4", close, parent),
                        NamedButton("chameleonButton1", help, parent), new QHBoxLayout};
    row.layout->addWidget(row.saveAll);
    row.layout->addWidget(row.runNow);
    row.layout->addWidget(row.close);
    row.layout->addStretch();
    row.layout->addWidget(row.help);
    return row;
}

QCheckBox* Switch(const char* objectName, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

void RenderSwitch(QCheckBox& box, bool checked) {
    const QSignalBlocker quiet(&box);
    box.setChecked(checked);
}

}  // namespace ui::qt
