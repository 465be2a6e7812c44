#include "tests/win32/window_table.h"

#include "tests/win32/sample_window.h"

namespace window_probe {

namespace {

constexpr wchar_t kButton[] = L"Button";  // push buttons, drawn by the program, and group boxes
constexpr wchar_t kLabel[] = L"Static";

const Step kScan{L"Form1", L"ScanButton1"};
const Step kSettings{L"Form1", L"SettingsButton1"};
const Step kPlugins{L"Form5", L"chameleonButton1"};

// The buttons every plug-in window has along its foot.
std::vector<ExpectedControl> PluginWindowControls(std::vector<ExpectedControl> own) {
    own.insert(own.end(), {{L"saveallsettings", kButton, L"Save Plug-in Settings", true},
                           {L"chameleonButton3", kButton, L"Save Settings + Run Now", true},
                           {L"chameleonButton4", kButton, L"Close", true},
                           {L"chameleonButton1", kButton, L"Help", true},
                           {L"CheckSecureDelete", kButton, nullptr, true},
                           {L"CheckAutomaticClean", kButton, nullptr, true}});
    return own;
}

}  // namespace

const std::vector<ExpectedWindow>& NimbrelWindows() {
    static const std::vector<ExpectedWindow> windows = {
        {L"Form1",
         L"Nimbrel",
         {},
         nullptr,
         nullptr,
         {{L"Label4", kLabel, L"Nimbrel", true},
          {L"Frame1", kButton, L"", true},
          {L"ScanButton1", kButton, L"Scan", true},
          {L"Label1", kLabel,
           L"-Scan your computer for MRU lists, and other lists that might store similar information.", true},
          {L"SettingsButton1", kButton, L"Settings", true},
          {L"Label8", kLabel, L"-Change program settings (including items to ignore when scanning).", true},
          {L"Label3", kLabel, L"-Enable/disable and run plugins and extra features.", true},
          {L"AboutButton1", kButton, L"About/FAQ", true},
          {L"Label2", kLabel,
           L"-Gain information about Nimbrel (including version number and date of database). Also, view the FAQ.",
           true},
          {L"ExitButton1", kButton, L"Exit", true},
          {L"Label5", kLabel, L"Exit this program.", true},
          {L"Label7", kLabel, L"Database Version: 3.28.04 - approx. 30,345 MRU items", true},
          {L"QuestionButtonNumber", kButton, L"?", true},
          {L"Label6", kLabel, nullptr, true}}},
        {L"Form2",
         L"Nimbrel Scan Window",
         {kScan},
         L"chameleonButton2",
         L"Main Menu",
         {{L"Label5", kLabel, L"Nimbrel", true},
          {L"Label6", kLabel, L"Scan Window", true},
          {L"Frame2", kButton, L"", true},
          {L"Label4", kLabel, L"Scanning Complete", true},
          {L"CoolProgress1", L"NimbrelCoolProgress", nullptr, true},
          {L"Frame1", kButton, L"", true},
          {L"Label1", kLabel, L"MRU Lists Detected:", true},
          {L"listsdetected", kLabel, nullptr, true},
          {L"Label2", kLabel, L"MRU Items Detected:", true},
          {L"itemsdetected", kLabel, nullptr, true},
          {L"Label3", kLabel, L"Total Items Detected:", true},
          {L"totaldetected", kLabel, nullptr, true},
          {L"chameleonButton2", kButton, L"Main Menu", true},
          {L"resultsbutton", kButton, L"Show Results", true},
          {L"cleanbutton1", kButton, L"Clean Now", true},
          {L"notice", kLabel,
           L"Note! The scanning of some items is disabled - to re-enable, go to the Settings screen.", true}}},
        {L"Form3",
         L"Nimbrel Results Window",
         {kScan, {L"Form2", L"resultsbutton"}},
         nullptr,
         nullptr,
         {{L"Frame1", kButton, L"Results:", true},
          {L"List1", L"SysListView32", nullptr, true},
          {L"Label1", kLabel, L"Total Items Detected:", true},
          {L"totaldetected", kLabel, nullptr, true},
          {L"cleanbutton2", kButton, L"Clean Now", true},
          {L"chameleonButton22", kButton, L"Main Menu", true}}},
        {L"Form4",
         L"Nimbrel",
         {kScan, {L"Form2", L"cleanbutton1"}},
         nullptr,
         nullptr,
         {{L"Frame1", kButton, L"", true},
          {L"Label1", kLabel, L"Congratulations!", true},
          {L"Label2", kLabel, L"Total Items Detected:", true},
          {L"totaldetected", kLabel, nullptr, true},
          {L"Label3", kLabel, L"Total Items Cleaned:", true},
          {L"totalcleaned", kLabel, nullptr, true},
          {L"Label4", kLabel, L"System Status:", true},
          {L"sysstatus", kLabel, L"Good", true},
          {L"cleanbutton", kButton, L"Main Menu", true}}},
        {L"Form5",
         L"Program Settings",
         {kSettings},
         nullptr,
         nullptr,
         {{L"Frame1", kButton, nullptr, true},
          {L"Frame3", kButton, nullptr, true},
          {L"Frame2", kButton, nullptr, true},
          {L"chameleonButton1", kButton, L"Go to Plugins", true},
          {L"SaveSettingsButton1", kButton, L"Save Settings", true},
          {L"DeleteSettingsButton1", kButton, L"Delete Settings from Registry", true},
          {L"SettingsClose1", kButton, L"Close", true}}},
        {L"Form6",
         L"Nimbrel Plug-in Control Panel",
         {kSettings, kPlugins},
         nullptr,
         nullptr,
         {{L"Frame1", kButton, L"", true},
          {L"chameleonButton1", kButton, L"Crumbex", true},
          {L"Frame2", kButton, L"", true},
          {L"chameleonButton3", kButton, L"IE Temporary Internet File Cleaner", true},
          {L"chameleonButton2", kButton, L"Back to Main Menu", true}}},
        {L"frmAbout",
         L"About Nimbrel",
         {{L"Form1", L"AboutButton1"}},
         nullptr,
         nullptr,
         {{L"lblTitle", kLabel, nullptr, true},
          {L"lblVersion", kLabel, nullptr, true},
          {L"Label2", L"Edit", nullptr, true},
          {L"cmdOK", kButton, L"OK", true},
          {L"cmdSysInfo", kButton, L"System Information", true},
          {L"FAQbutton1", kButton, L"View FAQ", true}}},
        {L"FAQfrm",
         L"Quick FAQ",
         {{L"Form1", L"AboutButton1"}, {L"frmAbout", L"FAQbutton1"}},
         nullptr,
         nullptr,
         {{L"Frame1", kButton, nullptr, true},
          {L"Label1", kLabel, nullptr, true},
          {L"Frame2", kButton, nullptr, true},
          {L"Label2", kLabel, nullptr, true},
          {L"chameleonButton98", kButton, L"Close", true}}},
        {L"cookieplugin",
         L"Crumbex",
         {kSettings, kPlugins, {L"Form6", L"chameleonButton1"}},
         nullptr,
         nullptr,
         PluginWindowControls({{L"movecookietoignore", kButton, nullptr, true},
                               {L"deletefromignore", kButton, nullptr, true},
                               {L"saveignorelist", kButton, nullptr, true},
                               {L"Button699", kButton, L"More Information", true}})},
        {L"ietempfilesplugin",
         L"IE Temporary Internet Files Cleaner",
         {kSettings, kPlugins, {L"Form6", L"chameleonButton3"}},
         nullptr,
         nullptr,
         PluginWindowControls({{L"Button669", kButton, L"More Information", true}})},
    };
    return windows;
}

const std::vector<ExpectedWindow>& SampleWindows() {
    static const std::vector<ExpectedWindow> windows = {
        {kSampleName,
         kSampleCaption,
         {{kSampleName, L"countbutton"}},
         L"counter",
         L"1",
         {{L"countbutton", L"Button", L"Count", true},
          {L"laterbutton", L"Button", L"Later", false},
          {L"counter", L"Static", nullptr, true},
          {L"List1", L"SysListView32", nullptr, true}}},
    };
    return windows;
}

}  // namespace window_probe
