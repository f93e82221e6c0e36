#pragma once
// A device-tool-like window for the Qt host's tests: positioned controls, two frames of options,
// a menu bar, and counters of the events the operator's actions raise.
#include <map>
#include <string>

#include "forms/Form.h"

namespace qtui_tests {

class SampleWindow : public forms::Form {
 public:
  explicit SampleWindow(forms::Host& host, std::string name = "SampleWindow")
      : Form(host, std::move(name)) {
    SetCaption("Sample Settings");
    Resize(360, 260);
    Heading.SetCaption("First line\r\nSecond line");
    Heading.Move(10, 8, 200, 34);
    Speed.Move(10, 48, 80, 22);
    SpeedSpin.Move(92, 48, 18, 22);
    Units.SetCaption("&Metric");
    Units.Move(130, 48, 100, 22);
    Modes.SetCaption("Mode");
    Modes.Move(10, 80, 160, 80);
    ModeA.SetCaption("Roll");
    ModeA.Move(10, 22, 120, 22);
    ModeB.SetCaption("Sheet");
    ModeB.Move(10, 48, 120, 22);
    Pens.SetCaption("Pens");
    Pens.Move(180, 80, 160, 80);
    PenUp.SetCaption("Up");
    PenUp.Move(10, 22, 120, 22);
    Models.Move(10, 168, 160, 60);
    Progress.Move(180, 168, 160, 16);
    Progress.SetMax(50);
    Send.SetCaption("&Send");
    Send.Move(260, 228, 90, 26);
    Notes.SetMultiLine(true);
    Notes.Move(180, 190, 70, 36);
    Ticker.SetInterval(0);

    FileMenu.SetCaption("&File");
    OpenCom.SetCaption("&Open...");
    OpenCom.SetShortcut("Ctrl+O");
    Sep.SetCaption("-");
    MetricCom.SetCaption("&Metric units");
    ExitCom.SetCaption("E&xit");

    for (const char* item : {"Cutter 530", "Cutter 520", "Pen 870"}) Models.AddItem(item);
    Units.Click = Counter("Units.Click");
    ModeA.Click = Counter("ModeA.Click");
    ModeB.Click = Counter("ModeB.Click");
    PenUp.Click = Counter("PenUp.Click");
    Send.Click = Counter("Send.Click");
    Models.Click = Counter("Models.Click");
    Speed.Change = Counter("Speed.Change");
    SpeedSpin.SpinUp = Counter("SpeedSpin.SpinUp");
    SpeedSpin.SpinDown = Counter("SpeedSpin.SpinDown");
    MetricCom.Click = Counter("MetricCom.Click");
    Speed.GotFocus = Counter("Speed.GotFocus");
    Speed.LostFocus = Counter("Speed.LostFocus");
    Units.GotFocus = Counter("Units.GotFocus");
    ModeA.MouseMove = Counter("ModeA.MouseMove");
    Modes.MouseMove = Counter("Modes.MouseMove");
    MouseMove = Counter("Form.MouseMove");
  }

  forms::Label Heading{this, "Heading"};
  forms::TextBox Speed{this, "Speed"};
  forms::SpinButton SpeedSpin{this, "SpeedSpin"};
  forms::CheckBox Units{this, "Units"};
  forms::Frame Modes{this, "Modes"};
  forms::OptionButton ModeA{this, "ModeA", &Modes};
  forms::OptionButton ModeB{this, "ModeB", &Modes};
  forms::Frame Pens{this, "Pens"};
  forms::OptionButton PenUp{this, "PenUp", &Pens};
  forms::ListBox Models{this, "Models"};
  forms::Gauge Progress{this, "Progress"};
  forms::TextBox Notes{this, "Notes"};
  forms::CommandButton Send{this, "Send"};
  forms::PictureBox Logo{this, "Logo"};
  forms::Timer Ticker{this, "Ticker"};
  forms::MenuItem FileMenu{this, "FileMenu"};
  forms::MenuItem OpenCom{this, "OpenCom", &FileMenu};
  forms::MenuItem Sep{this, "Sep", &FileMenu};
  forms::MenuItem MetricCom{this, "MetricCom", &FileMenu};
  forms::MenuItem ExitCom{this, "ExitCom", &FileMenu};

  std::map<std::string, int> count;
  std::vector<std::string> order;

 private:
  std::function<void()> Counter(std::string name) {
    return [this, name] {
      ++count[name];
      order.push_back(name);
    };
  }
};

// A plain dialog without menus or positions: its controls stack.
class PlainDialog : public forms::Form {
 public:
  explicit PlainDialog(forms::Host& host, std::string name = "PlainDialog")
      : Form(host, std::move(name)) {
    SetCaption("Plain");
    Resize(240, 60);
    Prompt.SetCaption("Please Stand By");
    Answer.SetCaption("Yes");
    OK.SetCaption("OK");
  }
  forms::Label Prompt{this, "Prompt"};
  forms::CheckBox Answer{this, "Answer"};
  forms::CommandButton OK{this, "OK"};
};

}  // namespace qtui_tests
