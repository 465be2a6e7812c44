// The parts that the two plug-in windows share: the heading with the
// plug-in's name and version, the read-only folder box, the row of save,
// run, close and help buttons, and the two switches.
#pragma once

#include <string>

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace ui::qt {

class ChameleonButton;

// Label1 in the subtitle font with Label2, the version, beside it.
QHBoxLayout* PluginHeading(QWidget* parent, const char* name, const char* version);

// Text1: the folder comes from the shell's settings; the plug-in only
// shows it, so typing cannot change what is cleaned or scheduled.
QLineEdit* FolderBox(QWidget* parent);
void RenderFolder(QLineEdit& box, const std::string& folder);

struct PluginButtonRow {
    ChameleonButton* saveAll;
    ChameleonButton* runNow;
    ChameleonButton* close;
    ChameleonButton* help;
    QHBoxLayout* layout;
};

// saveallsettings, chameleonButton3, chameleonButton4 and, apart on the
// right, chameleonButton1.
PluginButtonRow MakePluginButtonRow(QWidget* parent, const char* saveAll, const char* runNow, const char* close,
                                    const char* help);

// CheckAutomaticClean and CheckSecureDelete.
QCheckBox* Switch(const char* objectName, const char* caption, QWidget* parent);
void RenderSwitch(QCheckBox& box, bool checked);

}  // namespace ui::qt
