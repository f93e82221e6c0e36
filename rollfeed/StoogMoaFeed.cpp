// The feed of the media (paneled roll, unpaneled roll with a service loop, sheet) and the
// tag-board cutout of the roll-feed window.
#include <algorithm>

#include "link/Models.h"
#include "rollfeed/StoogMoa.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr int32_t kPaneledMaxX = 46000;  // mils: the longest panel and service loop on a roll
constexpr int32_t kLongestX = 838000;    // mils: unpaneled roll and sheet feed take the longest

}  // namespace

void StoogMoa::ClearFeedFlag(int16_t& flag) {
  if (flag == 0) return;
  flag = 0;
  app.s.SettingsSent = false;
}

void StoogMoa::SetFeedFlag(int16_t& flag) {
  if (flag == 1) return;
  flag = 1;
  app.s.SettingsSent = false;
}

void StoogMoa::DisableGap() {
  Gap.SetText("0");
  SetEnabled({&Gap, &GapSpin}, false);
}

// The X panel the feed needs, stored exactly (a metric box would round it to a tenth of a
// centimetre) and shown. The device holds another X until it is sent: a display that forced it
// must not count as sent.
void StoogMoa::ForcePanelX(int32_t mils) {
  app.s.PanelSizeX = std::min(mils, app.s.PanelMaxX);
  fields_["PanelX"].Show();
  app.s.SettingsForced = true;
  app.s.SettingsSent = false;
}

void StoogMoa::RollButton_Click(FeedSelection selection) {
  SharedState& s = app.s;
  SetFeedFlag(s.RollFeedOn);
  ClearFeedFlag(s.AutoLoopOn);
  SetEnabled({&GapLab, &Gap, &GapSpin, &PanelX, &PanelXSpin}, true);
  // The other modes wrote "0" into the gap box; the gap itself is still the stored one.
  fields_["Gap"].Show();
  SetEnabled({&LoopSize, &LoopSizeSpin}, false);
  if (selection == FeedSelection::Redisplayed) return;
  const SettingsField& x = fields_["PanelX"];
  const double inches = s.MetricUnits ? x.Reading() / 2.54 : x.Reading();
  if (inches > kPaneledMaxX / 1000.0) ForcePanelX(kPaneledMaxX);
}

void StoogMoa::RollUnButton_Click() {
  SharedState& s = app.s;
  ClearFeedFlag(s.RollFeedOn);
  SetFeedFlag(s.AutoLoopOn);
  DisableGap();
  SetEnabled({&PanelX, &PanelXSpin}, false);
  SetEnabled({&LoopSize, &LoopSizeSpin}, true);
  if (s.PanelSizeX < kLongestX) ForcePanelX(kLongestX);
  s.PanelSizeX = s.PanelMaxX;
}

void StoogMoa::CutButton_Click() {
  SharedState& s = app.s;
  ClearFeedFlag(s.RollFeedOn);
  ClearFeedFlag(s.AutoLoopOn);
  DisableGap();
  // Sheet feed takes the whole length: X stays disabled whichever way the mode was reached.
  SetEnabled({&PanelX, &PanelXSpin, &LoopSize, &LoopSizeSpin}, false);
  if (s.PanelSizeX < kLongestX) ForcePanelX(kLongestX);
}

void StoogMoa::SelectFeedOption() {
  const SharedState& s = app.s;
  forms::OptionButton& option =
      s.RollFeedOn != 0 ? RollButton : (s.AutoLoopOn != 0 ? RollUnButton : CutButton);
  if (!option.Value()) {
    option.SetValue(true);  // runs its handler
  } else if (&option == &RollButton) {
    RollButton_Click(FeedSelection::Redisplayed);
  } else {
    option.Click();
  }
}

void StoogMoa::CutEnable_Click() {
  if (app.model.Has(ModelQuirk::RollFeedCutout)) app.s.TagboardOn = CutEnable.Value() == 1 ? 1 : 0;
  app.s.SettingsSent = false;
  EnableCutAndBlank();
}

// The cut and blank lengths serve the tag-board cutout only.
void StoogMoa::EnableCutAndBlank() {
  SetEnabled({&CutLength, &CutLengthSpin, &BlankLength, &BlankLengthSpin}, CutEnable.Value() == 1);
}

void StoogMoa::CutEnable_Hint() {
  if (!app.model.Has(ModelQuirk::RollFeedCutout))
    Hint("Turn on Tag Board Cutout Mode.");
  else if (CutEnable.Value() == 1)
    Hint("To disable Tag Board Cutout, install a pen and click on 'Update Display'.");
  else
    Hint("To enable Tag Board Cutout, install a knife and click on 'Update Display'.");
}

}  // namespace taskhelm
