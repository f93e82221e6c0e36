#pragma once
// The program-wide state through which the windows and the port layer talk to each other. One
// instance, owned by the application object; everything starts at zero, False or empty.
// Integer = int16_t, Long = int32_t, Single = float; lengths in mils unless noted.
#include <array>
#include <cstdint>
#include <string>

#include "link/Models.h"

namespace taskhelm {

// The five time-outs of a port, in milliseconds.
struct PortTimeoutRecord {
  int32_t ReadInterval = 0;
  int32_t ReadTotalMultiplier = 0;
  int32_t ReadTotalConstant = 0;
  int32_t WriteTotalMultiplier = 0;
  int32_t WriteTotalConstant = 0;
};

using DeviceParameterArray = std::array<float, 26>;

struct SharedState {
  // Port and link.
  std::string PortName;      // "COM1".."COM8"; "COM0" = the parallel port in LptPortName
  std::string LptPortName;   // "LPT1".."LPT4"; "LPT0" while a serial port is configured
  int16_t LptNumber = 0;     // 1..4, 0 = none
  std::string OpenPortName;  // port last opened or written; shown in messages
  bool ReportErrors = false;
  bool FlashMode = false;
  bool SendingFile = false;
  bool AbortRequested = false;
  int16_t LptOpenResult = 0;
  int32_t LptWriteResult = 0;
  std::string LptBuffer;
  PortTimeoutRecord PortTimeouts;
  std::string PendingPortName;
  std::string PendingLptName;
  bool PresentChecked = true;  // the Setup window's "Plotter Present", also set by the model check
  int16_t PortTestMode = 0;

  // Identification and model.
  HeldModel ModelCode;  // reads as the code; an assignment also sets the row (LinkContext::model)
  int16_t DeviceId = 0;
  bool PlotterPresent = false;
  int16_t LastPresentState = 0;
  int16_t LastModel = 0;
  int16_t ForceLimitLow = 0;
  int16_t ForceLimitHigh = 0;
  int32_t PanelMaxX = 0;
  int32_t PanelMaxY = 0;
  int16_t YSizeInches = 0;
  std::string NotConnectedText;
  float CutterWidth = 0;
  int32_t CutterSizeClass = 0;
  int16_t ConfigModel = 0;
  DeviceParameterArray DumpParams{};
  std::array<int16_t, 55> ModelIdTable{};  // indexed 1..54

  // Settings record, in device units.
  int16_t HpglMode = 0;
  int16_t BladeOffset = 0;
  int16_t OvercutSetting = 0;
  int16_t MinAngle = 0;
  int16_t AccelSetting = 0;
  int16_t PenUpDelay = 0;
  int16_t PenDownDelay = 0;
  int32_t PanelSizeX = 0;
  int32_t PanelSizeY = 0;
  int16_t ScaleX = 0;
  int16_t ScaleY = 0;
  int16_t ForceMin = 0;
  int16_t ForceMax = 0;
  int16_t KeypadSpeed = 0;
  int16_t SensorEnabled = 0;
  int16_t FrameGap = 0;
  int16_t RollFeedOn = 0;
  int16_t TagboardOn = 0;
  int16_t CutLengthSetting = 0;
  int16_t BlankLengthSetting = 0;
  int16_t PounceOn = 0;
  int16_t PounceCutLength = 0;
  int16_t PounceBlankLength = 0;
  int16_t AutoLoopOn = 0;
  int32_t LoopSizeSetting = 0;
  int16_t TuSetting = 0;
  int16_t TangentialEnable = 0;
  int16_t TangentialLength = 0;
  int16_t TangentialForce = 0;
  int16_t CorneringMode = 0;
  int16_t MarkSkip = 0;
  int16_t TractorFeed = 0;
  float XScaleCal = 0;
  float YScaleCal = 0;
  float XFactoryCal = 0;
  float YFactoryCal = 0;
  int32_t CarriageForce = 0;
  int32_t CarriageDuration = 0;
  int32_t CoastForce = 0;
  int32_t CoastTime = 0;
  int16_t FilterSetting = 0;

  // Flags and user-interface state.
  bool SettingsSent = false;
  bool DeviceSettingsRead = false;
  bool FileSettingsLoaded = false;
  bool SettingsForced = false;
  bool MetricUnits = false;
  int16_t SetupMenuIndex = 0;
  int16_t FileMenuIndex = 0;
  bool HpglModeChanged = false;
  int16_t CheckEveryFrame = 0;
  std::string BinFileName;
  std::string LastFileDrive;
  std::string LastFileFolder;
};

}  // namespace taskhelm
