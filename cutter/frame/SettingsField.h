#pragma once
// The settings field family: every numeric setting of the settings windows is a text box holding
// the value in the unit the operator sees, a caption label and a spin button. One component carries
// the mechanics (change marking, hint, Enter, validation on focus loss, spin stepping); each window
// describes its fields in a table of FieldSpec rows and adds its couplings as hooks.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"

namespace taskhelm {

class App;
struct SharedState;

// Where a field's value lives: one 16- or 32-bit setting of the shared state, or nowhere.
class SettingRef {
 public:
  SettingRef() = default;
  explicit SettingRef(int16_t& v) : narrow_(&v) {}
  explicit SettingRef(int32_t& v) : wide_(&v) {}
  explicit operator bool() const { return narrow_ || wide_; }
  int64_t Get() const { return narrow_ ? *narrow_ : (wide_ ? *wide_ : 0); }
  // The value must fit the setting's width (the field's bounds see to that).
  void Set(int64_t v) const;

 private:
  int16_t* narrow_ = nullptr;
  int32_t* wide_ = nullptr;
};

// A field's setting: a member of the shared state, or a choice made from the state.
class Setting {
 public:
  constexpr Setting(int16_t SharedState::*m) : narrow_(m) {}
  constexpr Setting(int32_t SharedState::*m) : wide_(m) {}
  constexpr Setting(SettingRef (*select)(SharedState&)) : select_(select) {}
  SettingRef In(SharedState& s) const;

 private:
  int16_t SharedState::*narrow_ = nullptr;
  int32_t SharedState::*wide_ = nullptr;
  SettingRef (*select_)(SharedState&) = nullptr;
};

// A bound in device units: a number, or a model limit read from the state.
struct Bound {
  constexpr Bound(int32_t v) : value(v) {}
  constexpr Bound(int64_t (*limit)(const SharedState&)) : of(limit) {}
  int64_t In(const SharedState& s) const { return of ? of(s) : value; }
  int64_t value = 0;
  int64_t (*of)(const SharedState&) = nullptr;
};

// How a box text is read: the leading number as it stands, or after the regional decimal
// separator has become "." (always, or in metric units only).
enum class Reader { Plain, Regional, RegionalInMetric };

// A field in one unit system: device = shown * mul / div, shown = device / mul * div; the display
// pattern ("" is the plain number); the spin step in the shown unit and the pattern the spin writes.
struct UnitView {
  double mul = 1;
  double div = 1;
  const char* pattern = "";
  double step = 1;
  const char* spinPattern = "";
};

// Whether the validation writes the stored value back into the box.
enum class Rewrite { Yes, No };
// Whether a window's send validates this field first when it holds the focus: always, never, or
// only when the send answers the question whether unsent changes go first (a file send or a
// calibration would otherwise lose a value still being typed).
enum class CommitOnSend { Yes, No, WhenAskedFirst };
// What started a send.
enum class SendCause { Button, UpdateFirst };
// Whether the plain spin step stops at the bounds (at or past one it writes the bound itself)
// or steps on and leaves the bounds to the validation.
enum class SpinStop { Validation, AtBounds };
// What the unit switch writes into the box: nothing (it reads the same in both systems), the
// shown number converted, the setting in the new unit, or the first in metric and the second
// in English.
enum class UnitSwitch { Keep, ConvertText, ShowSetting, MetricConvertsText };

class SettingsField;
using FieldHook = void (*)(SettingsField&);
// Sees the typed value, rounded, before the clamp to the bounds; returns the value to clamp.
using BeforeClampHook = int64_t (*)(SettingsField&, int64_t rounded);

// One row of a window's field table.
struct FieldSpec {
  const char* box;    // text box, named after the setting
  const char* label;  // caption label (its mouse-over shows the hint), or nullptr
  const char* caption = nullptr;  // the label's English caption in English units
  const char* spin;   // spin button
  Setting setting;
  Bound low, high;  // device units
  Reader reader;
  UnitView english, metric;
  const char* hint;  // English text; shown through the catalogue
  // Enter: the focus goes to the first of these that can take it (a box gets its caret at the
  // end); none: the focus stays.
  std::array<const char*, 3> next = {};
  FieldHook afterStore = nullptr;  // cross-field check once the field has stored its value
  FieldHook spinDown = nullptr;    // replaces the plain step
  FieldHook spinUp = nullptr;
  Rewrite rewrite = Rewrite::Yes;
  CommitOnSend commit = CommitOnSend::Yes;
  UnitSwitch units = UnitSwitch::Keep;
  // What the box shows where that differs from what it stores (none: the setting).
  SettingRef (*shows)(SharedState&) = nullptr;
  BeforeClampHook beforeClamp = nullptr;
  SpinStop spinStop = SpinStop::Validation;
};

class FieldSet;

class SettingsField {
 public:
  SettingsField(FieldSet& set, const FieldSpec& row);
  SettingsField(const SettingsField&) = delete;
  SettingsField& operator=(const SettingsField&) = delete;

  const FieldSpec& Spec() const { return spec_; }
  FieldSet& Set() const { return set_; }
  App& Application() const;
  forms::TextBox& Box() const { return box_; }
  forms::SpinButton* Spin() const { return spin_; }
  forms::Label* Caption() const { return label_; }

  // The unit system now shown, and the box text read by the field's reader (in that unit).
  const UnitView& View() const;
  double Reading() const;
  double ToDevice(double shown) const;
  double ToShown(double device) const;
  // The setting the field edits now (may be none), and its bounds.
  SettingRef Target() const;
  int64_t Low() const;
  int64_t High() const;

  // Focus loss: read, convert, round halves to even, clamp, store, couple, show.
  void Validate();
  // The box shows the stored value (or a given device value) in the current unit and pattern.
  void Show();
  void ShowValue(double device);
  void ShowValue(double device, std::string_view pattern);
  // The box text becomes a value in the shown unit, written in a pattern (fires Change).
  void Write(double shown, std::string_view pattern);
  std::string Format(double shown, std::string_view pattern) const;

  // The units have just switched: rewrite the box as the row's UnitSwitch says.
  void SwitchUnits();

  // The plain spin step: reading -/+ step, written in the spin pattern, then validated.
  void Step(int direction);
  void ShowHint();
  void EnterPressed();

 private:
  void Wire();
  FieldSet& set_;
  const FieldSpec& spec_;
  forms::TextBox& box_;
  forms::Label* label_;
  forms::SpinButton* spin_;
};

// The fields of one window, built from its table. The window owns it; it outlives no control.
class FieldSet {
 public:
  // A window with a blade offset field names its lowest minimum angle while the offset is below
  // 30 mils.
  FieldSet(App& app, forms::Form& form, forms::TextBox& statusBar, std::span<const FieldSpec> specs,
           const int16_t* minAngleFloor = nullptr);

  App& Application() const { return app_; }
  forms::Form& Window() const { return form_; }
  forms::TextBox& StatusBar() const { return statusBar_; }
  int16_t MinAngleFloor() const { return minAngleFloor_ ? *minAngleFloor_ : kDefaultAngleFloor; }

  SettingsField& operator[](std::string_view box) const;
  // Validates the field whose box has the focus, when it is one this send commits.
  void CommitFocused(SendCause cause);
  // The units have just switched: every field rewrites its box.
  void SwitchUnits();
  // Every label with a caption in its row shows it, worded for the window.
  void ShowCaptions();

 private:
  static constexpr int16_t kDefaultAngleFloor = 45;
  App& app_;
  forms::Form& form_;
  forms::TextBox& statusBar_;
  const int16_t* minAngleFloor_;
  std::vector<std::unique_ptr<SettingsField>> fields_;
};

// Whether a control can take the focus now: it and every frame around it shown and enabled.
bool CanTakeFocus(const forms::Control& control);

}  // namespace taskhelm
