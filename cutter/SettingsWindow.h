#pragma once
// What the three settings windows (cutter, roll-feed, pen plotter) share: the unit buttons, the
// send buttons, the menus every twin has, the Temporary/Permanent/Update Display sends, the
// device queries, the exit and close questions. Each twin supplies its command, its display, its
// fields and a few rules.
#include <array>
#include <initializer_list>
#include <string>

#include "cutter/ModelWording.h"
#include "cutter/SettingTokens.h"
#include "cutter/SettingsField.h"
#include "forms/Form.h"
#include "link/SharedState.h"

namespace taskhelm {

class App;

// Whether Calibrate asks first when the device feeds by tractor (X cannot be calibrated then).
enum class TractorQuestion { Skip, Ask };
// Whether Calibrate goes on with settings the operator chose not to send first.
enum class UnsentCalibration { Allowed, Refused };

// The rules in which the twins differ on the shared paths.
struct SettingsWindowRules {
  const char* errorTitle;                 // title of send and read-back failures
  std::string SharedState::*errorPort;    // the port those failures name
  int permanentReadBackDelayMs;           // wait after a permanent send before reading back
  bool plotterWording;                    // wording of the port and communication tests
  std::string SharedState::*calibrateOpenPort = &SharedState::OpenPortName;  // Calibrate's failure
  TractorQuestion tractorQuestion = TractorQuestion::Skip;
  UnsentCalibration unsentCalibration = UnsentCalibration::Allowed;
};

class SettingsWindow : public forms::Form {
 public:
  // Unit buttons, send buttons and the hint line.
  forms::OptionButton EnglishButton{this, "EnglishButton"};
  forms::OptionButton MetricButton{this, "MetricButton"};
  forms::CommandButton SendSettingTemp{this, "SendSettingTemp"};
  forms::CommandButton SendDefault{this, "SendDefault"};
  forms::Label SendSettingLab{this, "SendSettingLab"};
  forms::TextBox StatusBar{this, "StatusBar"};

  // The menus every twin has; each adds its own items to them.
  forms::MenuItem FileMenu{this, "FileMenu"};
  std::array<forms::MenuItem, 2> FileSendCom{{{this, "FileSendCom(0)", &FileMenu},
                                              {this, "FileSendCom(1)", &FileMenu}}};
  forms::MenuItem FileSep1{this, "FileSep1", &FileMenu};
  forms::MenuItem FileSaveCom{this, "FileSaveCom", &FileMenu};
  forms::MenuItem FileSep2{this, "FileSep2", &FileMenu};
  forms::MenuItem ExitCom{this, "ExitCom", &FileMenu};
  forms::MenuItem SetupMenu{this, "SetupMenu"};
  std::array<forms::MenuItem, 2> ConfigCom{{{this, "ConfigCom(0)", &SetupMenu},
                                            {this, "ConfigCom(1)", &SetupMenu}}};
  forms::MenuItem DsplyMenu{this, "DsplyMenu"};
  forms::MenuItem DsplyPltrCom{this, "DsplyPltrCom", &DsplyMenu};
  forms::MenuItem DsplyFactCom{this, "DsplyFactCom", &DsplyMenu};
  forms::MenuItem DsplySep1{this, "DsplySep1", &DsplyMenu};
  forms::MenuItem DsplyRomCom{this, "DsplyRomCom", &DsplyMenu};
  forms::MenuItem DsplyMemCom{this, "DsplyMemCom", &DsplyMenu};
  forms::MenuItem OptionMenu{this, "OptionMenu"};
  forms::MenuItem CalMenu{this, "CalMenu"};
  forms::MenuItem CalPltrCom{this, "CalPltrCom", &CalMenu};
  forms::MenuItem TestMenu{this, "TestMenu"};
  std::array<forms::MenuItem, 2> TstSerialCom{{{this, "TstSerialCom(0)", &TestMenu},
                                               {this, "TstSerialCom(1)", &TestMenu}}};
  forms::MenuItem TstPortCom{this, "TstPortCom", &TestMenu};
  forms::MenuItem HelpMenu{this, "HelpMenu"};
  forms::MenuItem HelpCom{this, "HelpCom", &HelpMenu};
  forms::MenuItem HelpSep1{this, "HelpSep1", &HelpMenu};
  forms::MenuItem AboutCom{this, "AboutCom", &HelpMenu};

  // The common file dialogs: the settings-file save, and the open of plot and settings files.
  forms::FileDialogRequest FileDialog;
  forms::FileDialogRequest dlgPlotFileOpen;

  // The window's wording set, filled on activation.
  ModelWording Wording;

  // The temporary send: commits the focused field, sends the command, waits, reads the settings
  // back and shows them.
  void SendTemporary();

  // Ctrl+Alt+H opens the servo tuner, Ctrl+Alt+M the pen-down adjustment; other keys do nothing.
  void HandleServiceHotkeys(int keyCode, int shift);

 protected:
  SettingsWindow(App& app, std::string name, const SettingsWindowRules& rules);

  // What each twin supplies.
  virtual std::string SettingsCommand(SendMode mode) = 0;
  virtual void ShowSettings() = 0;
  virtual FieldSet& Fields() = 0;
  virtual std::string HelpFileName() const = 0;

  // Shared handlers.
  void SendSettingTemp_Click();
  void SendDefault_Click();
  void DsplyPltrCom_Click();
  void DsplyFactCom_Click();
  void DsplyRomCom_Click();
  void DsplyMemCom_Click();
  void DsplyKnifeCom_Click();
  void ConfigCom_Click(int index);
  void TstSerialCom_Click(int index);
  void TstPortCom_Click();
  void HelpCom_Click();
  void AboutCom_Click();
  void DisplayLang_Click();
  void ExitCom_Click();
  void FileSendCom_Click(int index);
  void FileSaveCom_Click();
  void UpdateFlash_Click();
  void CalPltrCom_Click();  // SettingsWindowCalibrate.cpp
  void Form_QueryUnload(int& cancel);
  void Form_Unload();

  // Before a file is sent or the device calibrated, unsent changes may go first: false when
  // the command must stop (the operator chose to update and the send failed).
  bool UpdateFirst();
  void FocusUnitButton();
  void Hint(std::string_view english) { ShowHint(app, StatusBar, english); }

  App& app;

 private:
  void ReportSendFailure();
  const SettingsWindowRules rules_;
};

// Enables (or shows) several controls at once.
void SetEnabled(std::initializer_list<forms::Control*> controls, bool enabled);
void SetVisible(std::initializer_list<forms::Control*> controls, bool visible);

// The wait after a temporary send before the settings are read back.
int TemporarySendWaitMs(const std::string& command);

// A device reply as a box shows it: the text before its carriage return (and before the NUL
// padding of a parallel reply).
std::string ReplyText(const std::string& reply);

}  // namespace taskhelm
