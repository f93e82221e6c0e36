#pragma once
// The settings a simulated device holds, in its own units: lengths in mils, forces in grams, delays
// in ms, acceleration in tenths of g, keypad speed in cm/s. The names follow the program's setting
// variables, so a test reads as "the device holds what the program sent".

namespace sim {

struct DeviceSettings {
  int HpglMode = 1;
  int PanelSizeX = 0;
  int PanelSizeY = 0;
  int ScaleX = 100;
  int ScaleY = 100;
  int PenUpDelay = 0;
  int PenDownDelay = 0;
  int AccelSetting = 10;
  int ForceMin = 10;
  int ForceMax = 200;
  int BladeOffset = 15;
  int OvercutSetting = 10;
  int MinAngle = 30;
  // Calibration factors: the user's pair and the factory's pair.
  double XScaleCal = 1.0;
  double YScaleCal = 1.0;
  double XFactoryCal = 1.0;
  double YFactoryCal = 1.0;
  int AutoLoopOn = 0;
  int LoopSizeSetting = 15000;
  int PounceOn = 0;
  int TagboardOn = 0;
  int CutLengthSetting = 2000;
  int BlankLengthSetting = 60;
  int PounceCutLength = 40;
  int PounceBlankLength = 600;
  int CorneringMode = 13;
  int CutterWidth = 30000;  // cutters: the width of material the machine takes
  int RollFeedOn = 0;
  int FrameGap = 0;
  double KeypadSpeed = 50.8;  // cm/s, as the pen plotters report it
  int SensorEnabled = 1;
  int MarkSkip = 0;
  int TuSetting = 0;
  // Tangential knife (identification number 50).
  int TangentialEnable = 0;
  int TangentialForce = 120;
  int TangentialLength = 40;

  bool operator==(const DeviceSettings&) const = default;
};

}  // namespace sim
