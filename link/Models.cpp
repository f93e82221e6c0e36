// The model codes, their names and families.
#include "link/Models.h"

#include <array>

namespace taskhelm {

namespace {

// code, name in lists and messages, family
constexpr std::array<ModelProfile, 10> kModels{{
    {32, "Kelvaro R/V ", ModelFamily::Cutter},
    {33, "Plotter 870 Kr ", ModelFamily::PenPlotter},
    {34, "Plotter 36 Kr ", ModelFamily::PenPlotter},
    {35, "MarveskK Plotter/Cutter ", ModelFamily::RollFeed},
    {36, "Quorvane 530 ", ModelFamily::Cutter},
    {39, "Quorvane 520 ", ModelFamily::Cutter},
    {40, "Plotter 870 KrV ", ModelFamily::PenPlotter},
    {41, "Plotter 36 KrV ", ModelFamily::PenPlotter},
    {42, "Quorvane 555LJ", ModelFamily::Cutter},
    {47, "Quorvane 530Q ", ModelFamily::Cutter},
}};

}  // namespace

const ModelProfile* FindModel(int16_t code) {
  for (const ModelProfile& model : kModels)
    if (model.code == code) return &model;
  return nullptr;
}

ModelFamily FamilyOf(int16_t code) {
  const ModelProfile* model = FindModel(code);
  return model ? model->family : ModelFamily::None;
}

bool HasMarkSensor(int16_t code) { return code == 33 || code == 40; }

std::string ModelName(int16_t code, int16_t deviceId) {
  if (code == 32 && (deviceId == 46 || deviceId == 54)) return "Quorvane 510 ";
  const ModelProfile* model = FindModel(code);
  return model ? model->name : "";
}

}  // namespace taskhelm
