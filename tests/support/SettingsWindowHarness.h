#pragma once
// A program started on a device with a settings window: connected to the simulated device as
// start-up connects, with the model's window shown as start-up shows it. The twins' tests build
// on it.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "cutter/frame/SettingsWindow.h"
#include "startup/ConnectDevice.h"
#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"
#include "tests/support/AppFixture.h"

namespace testing_support {

inline AppOptions StartedOn(int model, std::optional<int> id = {},
                            texts::Edition edition = texts::Edition::English) {
  AppOptions o;
  o.model = model;
  o.deviceId = id;
  o.edition = edition;
  o.line.baud = 0;  // no transmission time: the waits alone move the clock
  return o;
}

struct SettingsWindowHarness {
  explicit SettingsWindowHarness(AppOptions options, bool metric = false) : f(options) {
    f.s.MetricUnits = metric;
    f.s.DeviceId = static_cast<int16_t>(f.device.Id());  // start-up has identified the device
    EXPECT_TRUE(taskhelm::ConnectDevice(f.app, true));
    f.host.Run([&] { taskhelm::ShowModelWindow(f.app); });
    f.host.boxes.clear();
    f.device.ClearReceived();
  }

  // The operator types into a box and leaves it for the hint line.
  void Type(forms::TextBox& box, const std::string& text) {
    box.SetFocus();
    box.SetText(text);
    box.Parent().FindControl("StatusBar")->SetFocus();
  }

  // The settings command the device received since the last look ("!HO..." up to its "@").
  std::string SettingsCommandReceived() {
    const std::string& r = f.device.Received();
    size_t start = r.find("!HO");
    if (start == std::string::npos) return {};
    return r.substr(start, r.find('@', start) - start + 1);
  }

  // The text of the last box without an icon that a menu item shows when the parallel port
  // reads these replies ("" when it shows none).
  std::string ShownOnParallel(forms::MenuItem& item, std::deque<std::string> replies) {
    f.UseParallelPort(1);
    f.parlink.replies = std::move(replies);
    item.Choose();
    std::string shown;
    for (const auto& box : f.host.boxes)
      if (box.icon == forms::MsgIcon::None) shown = box.text;
    return shown;
  }

  // Everything of the frame an operator can reach, so that each text it shows is looked up:
  // the hints of every control, the unit switch, the sends, the frame's menu items, Exit and
  // close, and the failure of a read-back.
  void UseEveryFrameCommand(taskhelm::SettingsWindow& w) {
    w.MetricButton.SetValue(true);
    w.EnglishButton.SetValue(true);
    for (forms::Control* c : w.Controls()) {
      if (c->GotFocus) c->GotFocus();
      if (c->MouseMove) c->MouseMove();
    }
    w.MouseMove();
    w.SendSettingTemp.Press();
    w.SendDefault.Press();
    for (forms::MenuItem* item : {&w.DsplyFactCom, &w.DsplyRomCom, &w.DsplyMemCom, &w.TstPortCom,
                                  &w.HelpCom, &w.FileSaveCom})
      item->Choose();
    f.s.SettingsSent = false;
    f.host.answers = {forms::MsgAnswer::No, forms::MsgAnswer::No, forms::MsgAnswer::No};
    w.FileSendCom[0].Choose();
    w.FileSendCom[1].Choose();
    f.host.Run([&] { w.ExitCom.Choose(); });
    w.Close();
    f.device.faults.shortDump = true;
    w.DsplyPltrCom.Choose();
    w.SendSettingTemp.Press();
    f.device.faults.shortDump = false;
  }

  AppFixture f;
};

}  // namespace testing_support
