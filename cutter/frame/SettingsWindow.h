#pragma once
// What the three settings windows (cutter, roll-feed, pen plotter) share: the unit buttons and
// their switch, the send buttons, the hint line and the hints of these controls, the menus every
// twin has and their captions, the Temporary/Permanent/Update Display sends, the repaint, the
// device queries, the exit and close questions. Each twin supplies its command, its display, its
// fields, its captions and unit labels as rows, and a few rules.
#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "cutter/frame/ModelWording.h"
#include "link/SettingTokens.h"
#include "cutter/frame/SettingsField.h"
#include "forms/Form.h"
#include "link/SharedState.h"
#include "setup/PortTest.h"

namespace taskhelm {

class App;

// When the version box shows: once the software query answered (a silent ROM query leaves its
// line empty), or only when both queries answered.
enum class VersionBox { SoftwareAnswered, BothAnswered };
// Whether Calibrate asks first when the device feeds by tractor (X cannot be calibrated then).
enum class TractorQuestion { Skip, Ask };
// Whether Calibrate goes on with settings the operator chose not to send first.
enum class UnsentCalibration { Allowed, Refused };

// The rules in which the twins differ on the shared paths.
struct SettingsWindowRules {
  const char* errorTitle;                 // title of send and read-back failures
  std::string SharedState::*errorPort;    // the port those failures name; none: the port in use
  int permanentReadBackDelayMs;           // wait after a permanent send before reading back
  int temporarySettleMs;                  // more wait, under the hourglass, after a temporary
                                          // send went through, before reading back
  DeviceWording wording;                  // the family that the hints of the unit and send
                                          // buttons and the port tests name
  VersionBox versionBox;
  int memoryReplyKept;                    // leading characters of the memory reply read
  int bladeHolderReplyLength;             // length of the blade-holder reply on the parallel port
  forms::MsgIcon factoryBoxIcon = forms::MsgIcon::None;  // of the box after Factory Defaults
  TractorQuestion tractorQuestion = TractorQuestion::Skip;
  UnsentCalibration unsentCalibration = UnsentCalibration::Allowed;
};

// A caption a twin sets: its control or menu item by name, the English text ("-": separator).
struct CaptionRow {
  const char* control;
  const char* english;
};

// A caption naming a unit: its name part, then "(in)"/"(cm)", "(mils)"/"(mm)" or
// "(ips)"/"(cm/sec)" as the units are English or metric.
enum class UnitScale { Length, Small, Speed };
struct UnitLabelRow {
  const char* label;
  const char* name;  // English, with its trailing blank; "" for a label of the unit alone
  UnitScale scale;
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

  // The numeric fields every twin has: box, spin and, where the twins name it alike, caption.
  forms::TextBox PanelX{this, "PanelX"};
  forms::SpinButton PanelXSpin{this, "PanelXSpin"};
  forms::Label PanelXLab{this, "PanelXLab"};
  forms::TextBox PanelY{this, "PanelY"};
  forms::SpinButton PanelYSpin{this, "PanelYSpin"};
  forms::Label PanelYLab{this, "PanelYLab"};
  forms::TextBox XScale{this, "XScale"};
  forms::SpinButton ScaleXSpin{this, "ScaleXSpin"};
  forms::Label ScaleXLab{this, "ScaleXLab"};
  forms::TextBox YScale{this, "YScale"};
  forms::SpinButton ScaleYSpin{this, "ScaleYSpin"};
  forms::Label ScaleYLab{this, "ScaleYLab"};
  forms::TextBox Accel{this, "Accel"};
  forms::SpinButton AccelSpin{this, "AccelSpin"};
  forms::TextBox UpDelay{this, "UpDelay"};
  forms::SpinButton UpDelaySpin{this, "UpDelaySpin"};
  forms::TextBox DnDelay{this, "DnDelay"};
  forms::SpinButton DnDelaySpin{this, "DnDelaySpin"};
  forms::TextBox LoForce{this, "LoForce"};
  forms::SpinButton LoForceSpin{this, "LoForceSpin"};
  forms::Label LoForceLab{this, "LoForceLab"};
  forms::TextBox HiForce{this, "HiForce"};
  forms::SpinButton HiForceSpin{this, "HiForceSpin"};
  forms::Label HiForceLab{this, "HiForceLab"};

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
  // Fills it from a device line's row, in this window's wording.
  void UseWording(DeviceLine line);

  // The temporary send: commits the focused field, sends the command, waits, reads the settings
  // back and shows them.
  void SendTemporary(SendCause cause = SendCause::Button);

  // Ctrl+Alt+H opens the servo tuner, Ctrl+Alt+M the pen-down adjustment; other keys do nothing.
  void HandleServiceHotkeys(int keyCode, int shift);

 protected:
  SettingsWindow(App& app, std::string name, const SettingsWindowRules& rules);

  // What each twin supplies.
  virtual std::string SettingsCommand(SendMode mode) = 0;
  virtual void ShowSettings() = 0;
  virtual FieldSet& Fields() = 0;
  virtual std::string HelpFileName() const = 0;
  virtual std::span<const UnitLabelRow> UnitLabels() const = 0;
  // The text of the Temporary button's question.
  virtual std::string TemporaryPrompt() const { return Wording.TempSendPrompt; }
  // The Factory Defaults box's text: where the window shows the device's current settings.
  virtual std::string FactoryDefaultsText() const;

  // Captions the field labels from their rows, the frame's controls and menu items, then the
  // twin's rows (a row naming no control or item of the window is a fault of the table and
  // throws std::logic_error).
  void ShowCaptions(std::span<const CaptionRow> own);
  // The unit labels of the twin's rows in the units shown.
  void ShowUnitLabels();
  // Settings read from the device are shown; they count as sent unless the display had to
  // force a value the device does not hold.
  void ShowReadSettings();

  // Shared handlers; a twin whose command differs overrides the virtual ones.
  void SendSettingTemp_Click();
  void SendDefault_Click();
  virtual void DsplyPltrCom_Click();
  void DsplyFactCom_Click();
  void DsplyRomCom_Click();
  void DsplyMemCom_Click();
  void DsplyKnifeCom_Click();
  void ConfigCom_Click(int index);
  void TstSerialCom_Click(int index);
  virtual void TstPortCom_Click();
  void HelpCom_Click();
  void AboutCom_Click();
  void DisplayLang_Click();
  void ExitCom_Click();
  virtual void FileSendCom_Click(int index);
  virtual void FileSaveCom_Click();
  void UpdateFlash_Click();
  void Form_Paint();
  void CalPltrCom_Click();  // SettingsWindowCalibrate.cpp
  void Form_QueryUnload(int& cancel);
  void Form_Unload();

  // Before a file is sent or the device calibrated, unsent changes may go first: false when
  // the command must stop (the operator chose to update and the send failed).
  bool UpdateFirst();
  // Opening: a present device is remembered as the last one seen, and the button of the units
  // in use is selected (which runs the unit switch when it was not).
  void BeginLoad();
  void SelectUnitButton();
  void FocusUnitButton();
  void Hint(std::string_view english);
  // A text of this window in the edition's wording. The window's own entries come first (for
  // the role, with the context "<window>:<role>", then for any role), then the role's, then the
  // entry for any window: a twin whose edition keeps a text apart from its siblings says so in
  // its own entries.
  std::string T(std::string_view english, std::string_view role = {}) const;

  // A failed send or read-back: a beep and the error box naming the port.
  void ReportSendFailure();

  App& app;

 private:
  void UnitButton_Click();
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
