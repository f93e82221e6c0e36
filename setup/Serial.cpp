// The port test window's behaviour: instructions, port choice, CTS indicator and the echo.
#include "setup/Serial.h"

#include "setup/PortNames.h"
#include "texts/SerialSteps.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

constexpr int kCtsTickMs = 100;

}  // namespace

Serial::Serial(App& app) : forms::Form(app.host, "Serial"), app_(app) {
  Layout();
  Timer1.SetInterval(kCtsTickMs);
  // Every key typed anywhere in the window is sent.
  SetKeyPreview(true);
  Load = [this] { Form_Load(); };
  KeyPress = [this](int& keyAscii) { Form_KeyPress(keyAscii); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  for (int port = 1; port <= 4; ++port) {
    serCom_[port - 1]->Click = [this, port] { SerCom_Click(port); };
    parCom_[port - 1]->Click = [this, port] { ParCom_Click(port); };
  }
  SerialExit.Click = [this] { SerialExit_Click(); };
}

void Serial::Form_Load() {
  SharedState& s = app_.s;
  Busy = false;
  EchoErrorShown = false;
  Tx.SetCaption("");
  Rx.SetCaption("");
  Label1.SetCaption(app_.T("Character Transmitted"));
  Label2.SetCaption(app_.T("Character Received"));
  Label3.SetCaption(app_.T("CTS:"));
  for (int port = 1; port <= 4; ++port) serCom_[port - 1]->SetCaption("Com" + std::to_string(port));
  for (int port = 1; port <= 3; ++port) parCom_[port - 1]->SetCaption("Lpt" + std::to_string(port));
  ParCom4.SetCaption(app_.T("User"));
  SerialExit.SetCaption(app_.T("Exit"));
  for (forms::OptionButton* option : parCom_) option->SetEnabled(false);

  if (s.PortTestMode == 1) {
    SetCaption(app_.T("Computer Port Test"));
    SerInstr.SetCaption(app_.T(serial_steps::kComputerPort));
  } else {
    SetCaption(app_.T("Serial Test"));
    switch (app_.model.Family()) {
      case ModelFamily::Cutter:
        SetCaption(app_.T("Communication Test"));
        for (forms::OptionButton* option : parCom_) option->SetEnabled(true);
        SerInstr.SetCaption(app_.T(serial_steps::kCutter));
        break;
      case ModelFamily::PenPlotter: SerInstr.SetCaption(app_.T(serial_steps::kPenPlotter)); break;
      case ModelFamily::RollFeed: SerInstr.SetCaption(app_.T(serial_steps::kRollFeed)); break;
      case ModelFamily::None: SerInstr.SetCaption(""); break;
    }
  }
  ModelName = taskhelm::ModelName(app_.model);

  // Cleared first, so that selecting the configured port runs its click as on a first load.
  for (forms::OptionButton* option : serCom_) option->SetValue(false);
  for (forms::OptionButton* option : parCom_) option->SetValue(false);
  if (int port = PortNumber(s.PortName, "COM", 4)) serCom_[port - 1]->SetValue(true);
  if (int port = PortNumber(s.LptPortName, "LPT", 4)) parCom_[port - 1]->SetValue(true);
  ShowCtsLine();
  app_.SetPointer(forms::Pointer::Default);
  Timer1.SetTimerEnabled(true);
}

void Serial::ShowCtsLine() {
  if (app_.port.ParallelSelected()) {
    CTS.SetCaption("No");
    CTS.SetEnabled(false);
  } else {
    CTS.SetEnabled(true);
    CTS.SetCaption(app_.port.GetCtsState() ? "ON" : "OFF");
  }
}

void Serial::Timer1_Timer() {
  if (!app_.port.ParallelSelected()) ShowCtsLine();
}

void Serial::Form_KeyPress(int& keyAscii) {
  if (!Busy) EchoCharacter(keyAscii);
}

void Serial::EchoCharacter(int c) {
  SharedState& s = app_.s;
  PortLayer& port = app_.port;
  Timer1.SetTimerEnabled(false);
  port.DiscardReceived();
  // Busy for the whole echo: the send yields to the event pump, and a key typed meanwhile must
  // not start a second echo into the same reply buffer.
  Busy = true;
  port.Delay(10);
  const std::string sent(1, static_cast<char>(c));
  Tx.SetCaption(sent + " ");
  bool parallel = port.ParallelSelected();
  std::string echoed;
  if (parallel) {
    std::string reply;
    if (port.LptQuery(sent, reply, 2)) echoed = reply.substr(0, 1);
  } else if (port.SendSerial(sent, 100)) {
    port.Delay(100);
    port.Comm1_OnComm();  // takes everything waiting on the line into the reply buffer
    echoed = port.TakeReceived();
  }
  Busy = false;

  if (echoed == sent) {
    Rx.SetCaption(sent + " ");
  } else if (!EchoErrorShown) {
    if (!parallel && s.PortTestMode != 1)
      app_.ErrorBox(app_.T("CTS handshake line and ") + ModelName +
                        app_.T(" Green light must be ON."),
                    app_.T("Error Receiving Character"));
    else
      app_.ErrorBox(app_.T("Error receiving character."), app_.T("ERROR"));
    EchoErrorShown = true;
  }
  Timer1.SetTimerEnabled(true);
}

void Serial::SerCom_Click(int port) {
  SharedState& s = app_.s;
  // A serial port configured means no parallel one: "LPT0", so the next showing of this window
  // does not select a parallel option too and move the connection back.
  if (s.LptPortName != "LPT0") {
    app_.port.CloseLptPort();
    s.LptPortName = "LPT0";
  }
  s.PortName = "COM" + std::to_string(port);
  if (!app_.port.OpenSerialPort(s.PortName)) {
    app_.MsgBox(app_.T("Could not open ") + s.PortName, forms::MsgButtons::OK,
                forms::MsgIcon::Exclamation, app_.T("ERROR"));
    CTS.SetCaption("OFF");
  }
}

void Serial::ParCom_Click(int port) {
  SharedState& s = app_.s;
  if (s.PortName != "COM0") {
    app_.port.CloseSerialPort();
    s.PortName = "COM0";
  }
  s.PendingPortName = "COM0";
  const std::string lptName = "LPT" + std::to_string(port);
  if (s.LptPortName != lptName) {
    app_.port.CloseLptPort();
    s.LptNumber = static_cast<int16_t>(port);
    s.PendingLptName = lptName;
    s.LptPortName = lptName;
  }
  ShowCtsLine();
  if (!app_.port.OpenLptPort(s.LptPortName)) {
    app_.MsgBox(app_.T("Could not open ") + s.LptPortName, forms::MsgButtons::OK,
                forms::MsgIcon::Exclamation, app_.T("ERROR"));
    if (port == 1) CTS.SetCaption("OFF");
  }
}

void Serial::SerialExit_Click() {
  if (app_.s.PortTestMode == 0)
    app_.MsgBox(app_.T("Turn off ") + ModelName + ".", forms::MsgButtons::OK,
                forms::MsgIcon::Exclamation, app_.T("Exit Serial Test"));
  app_.SetPointer(forms::Pointer::Hourglass);
  Unload();
}

}  // namespace taskhelm
