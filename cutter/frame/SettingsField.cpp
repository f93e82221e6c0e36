#include "cutter/frame/SettingsField.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Numbers.h"
#include "setup/StatusHints.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace taskhelm {
namespace {

template <class C>
C* FindOf(forms::Form& form, const char* name, forms::ControlKind kind) {
  if (name == nullptr) return nullptr;
  forms::Control* c = form.FindControl(name);
  if (c == nullptr || c->Kind() != kind)
    throw std::logic_error(std::string("settings field control missing: ") + name);
  return static_cast<C*>(c);
}

}  // namespace

void SettingRef::Set(int64_t v) const {
  if (narrow_) *narrow_ = static_cast<int16_t>(v);
  if (wide_) *wide_ = static_cast<int32_t>(v);
}

SettingRef Setting::In(SharedState& s) const {
  if (narrow_) return SettingRef(s.*narrow_);
  if (wide_) return SettingRef(s.*wide_);
  return select_ ? select_(s) : SettingRef();
}

SettingsField::SettingsField(FieldSet& set, const FieldSpec& row)
    : set_(set),
      spec_(row),
      box_(*FindOf<forms::TextBox>(set.Window(), row.box, forms::ControlKind::TextBox)),
      label_(FindOf<forms::Label>(set.Window(), row.label, forms::ControlKind::Label)),
      spin_(FindOf<forms::SpinButton>(set.Window(), row.spin, forms::ControlKind::SpinButton)) {
  Wire();
}

void SettingsField::Wire() {
  App& app = Application();
  box_.Change = [&app] { app.s.SettingsSent = false; };
  box_.GotFocus = [this] { ShowHint(); };
  box_.MouseMove = [this] { ShowHint(); };
  if (label_) label_->MouseMove = [this] { ShowHint(); };
  // Enter moves on; the key itself still reaches the box.
  box_.KeyPress = [this](int& keyAscii) {
    if (keyAscii == forms::Key::Return) EnterPressed();
  };
  box_.LostFocus = [this] { Validate(); };
  if (spin_) {
    spin_->SpinDown = [this] { spec_.spinDown ? spec_.spinDown(*this) : Step(-1); };
    spin_->SpinUp = [this] { spec_.spinUp ? spec_.spinUp(*this) : Step(+1); };
  }
}

App& SettingsField::Application() const { return set_.Application(); }

const UnitView& SettingsField::View() const {
  return Application().s.MetricUnits ? spec_.metric : spec_.english;
}

double SettingsField::Reading() const {
  const App& app = Application();
  if (spec_.reader == Reader::Regional ||
      (spec_.reader == Reader::RegionalInMetric && app.s.MetricUnits))
    return platform::PlainReading(ToPointDecimal(app, box_.Text()));
  return platform::PlainReading(box_.Text());
}

double SettingsField::ToDevice(double shown) const { return shown * View().mul / View().div; }
double SettingsField::ToShown(double device) const { return device / View().mul * View().div; }

SettingRef SettingsField::Target() const { return spec_.setting.In(Application().s); }
int64_t SettingsField::Low() const { return spec_.low.In(Application().s); }
int64_t SettingsField::High() const { return spec_.high.In(Application().s); }

void SettingsField::Validate() {
  SettingRef target = Target();
  if (!target) return;
  // A box still showing its stored value keeps that exact value: the text is a rounded view, and
  // reading it back would move a setting the operator never touched (46.36 cm is not 18250 mils).
  const double stored = static_cast<double>(target.Get());
  const double x =
      box_.Text() == Format(ToShown(stored), View().pattern) ? stored : ToDevice(Reading());
  const int64_t low = Low(), high = High();
  int64_t v;
  if (spec_.beforeClamp) {
    // The hook sees the rounded value itself; far outside every bound, a huge entry is held at
    // a size that still rounds.
    constexpr double kFar = 1e15;
    const int64_t rounded = platform::RoundHalfEven(x >= -kFar ? std::min(x, kFar) : -kFar);
    v = std::clamp(spec_.beforeClamp(*this, rounded), low, high);
  } else if (!(x >= static_cast<double>(low))) {
    // Clamping before rounding keeps huge entries in range; with whole-number bounds it gives
    // what rounding first and clamping then would.
    v = low;
  } else if (x > static_cast<double>(high)) {
    v = high;
  } else {
    v = platform::RoundHalfEven(x);
  }
  target.Set(v);
  if (spec_.afterStore) spec_.afterStore(*this);
  if (spec_.rewrite == Rewrite::Yes) Show();
}

void SettingsField::Show() {
  if (SettingRef target = Target()) ShowValue(static_cast<double>(target.Get()));
}

void SettingsField::ShowValue(double device) { ShowValue(device, View().pattern); }

void SettingsField::ShowValue(double device, std::string_view pattern) {
  Write(ToShown(device), pattern);
}

std::string SettingsField::Format(double shown, std::string_view pattern) const {
  return platform::FormatNumber(shown, pattern, Application().regional.sDecimal);
}

void SettingsField::Write(double shown, std::string_view pattern) {
  box_.SetText(Format(shown, pattern));
}

void SettingsField::SwitchUnits() {
  const bool metric = Application().s.MetricUnits;
  const UnitSwitch rule = spec_.units;
  if (rule == UnitSwitch::ConvertText || (rule == UnitSwitch::MetricConvertsText && metric)) {
    // Only the view changes: old shown -> new shown without the detour through device units.
    const UnitView& from = metric ? spec_.english : spec_.metric;
    const UnitView& to = View();
    double shown = Reading();
    if (from.mul != to.mul) shown = shown * from.mul / to.mul;
    Write(shown * to.div / from.div, to.pattern);
  } else if (rule != UnitSwitch::Keep) {
    const SettingRef shown = spec_.shows ? spec_.shows(Application().s) : Target();
    if (shown) ShowValue(static_cast<double>(shown.Get()));
  }
}

void SettingsField::Step(int direction) {
  const double shown = Reading();
  if (spec_.spinStop == SpinStop::AtBounds) {
    const double device = ToDevice(shown);
    const int64_t bound = direction < 0 ? Low() : High();
    if (direction < 0 ? device <= static_cast<double>(bound) : device >= static_cast<double>(bound)) {
      ShowValue(static_cast<double>(bound), View().spinPattern);
      Validate();
      return;
    }
  }
  Write(shown + direction * View().step, View().spinPattern);
  Validate();
}

void SettingsField::ShowHint() {
  taskhelm::ShowHint(Application(), set_.StatusBar(), spec_.hint, set_.Window().Name());
}

void SettingsField::EnterPressed() {
  for (const char* name : spec_.next) {
    if (name == nullptr) break;
    forms::Control* c = set_.Window().FindControl(name);
    if (c == nullptr || !CanTakeFocus(*c)) continue;
    if (c->Kind() == forms::ControlKind::TextBox) {
      auto* box = static_cast<forms::TextBox*>(c);
      box->SetSelection(static_cast<int>(box->Text().size()), 0);
    }
    c->SetFocus();
    return;
  }
}

FieldSet::FieldSet(App& app, forms::Form& form, forms::TextBox& statusBar,
                   std::span<const FieldSpec> specs, const int16_t* minAngleFloor)
    : app_(app), form_(form), statusBar_(statusBar), minAngleFloor_(minAngleFloor) {
  for (const FieldSpec& row : specs) fields_.push_back(std::make_unique<SettingsField>(*this, row));
}

SettingsField& FieldSet::operator[](std::string_view box) const {
  for (const auto& f : fields_)
    if (box == f->Spec().box) return *f;
  throw std::out_of_range("no settings field " + std::string(box));
}

void FieldSet::CommitFocused(SendCause cause) {
  const forms::Control* active = form_.ActiveControl();
  for (const auto& f : fields_) {
    if (&f->Box() != active) continue;
    const CommitOnSend commit = f->Spec().commit;
    if (commit == CommitOnSend::Yes ||
        (commit == CommitOnSend::WhenAskedFirst && cause == SendCause::UpdateFirst))
      f->Validate();
    return;
  }
}

void FieldSet::ShowCaptions() {
  for (const auto& f : fields_)
    if (f->Caption() && f->Spec().caption)
      f->Caption()->SetCaption(app_.T(f->Spec().caption, form_.Name()));
}

void FieldSet::SwitchUnits() {
  for (const auto& f : fields_) f->SwitchUnits();
}

bool CanTakeFocus(const forms::Control& control) {
  if (!control.CanFocus()) return false;
  for (const forms::Control* c = control.Container(); c; c = c->Container())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

}  // namespace taskhelm
