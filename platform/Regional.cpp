#include "platform/Regional.h"

#include <langinfo.h>
#include <locale.h>

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The locale name the user's environment gives one category, by the usual precedence.
std::string LocaleName(const char* category) {
  for (const char* name : {"LC_ALL", category, "LANG"}) {
    const std::string_view value = Env(name);
    if (!value.empty()) return std::string(value);
  }
  return "C";
}

// The C locale stands for "no regional settings": the program's defaults hold there.
bool IsPlainLocale(const std::string& name) {
  return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// A separate locale object, so that the program's own C locale is never touched.
locale_t OpenLocale(int mask, const std::string& name) {
  return newlocale(mask, name.c_str(), static_cast<locale_t>(nullptr));
}

// Countries that measure in inches; used when the named locale is not installed.
bool UsTerritory(const std::string& name) {
  const size_t under = name.find('_');
  if (under == std::string::npos) return false;
  const std::string territory = name.substr(under + 1, 2);
  return territory == "US" || territory == "LR" || territory == "MM";
}

int MeasureOfLocale() {
  const std::string name = LocaleName("LC_MEASUREMENT");
  if (IsPlainLocale(name)) return Regional{}.iMeasure;
  if (locale_t loc = OpenLocale(LC_MEASUREMENT_MASK, name)) {
    const char* system = nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, loc);
    const int measurement = system ? system[0] : 0;
    freelocale(loc);
    if (measurement == 1) return 0;
    if (measurement == 2) return 1;
  }
  return UsTerritory(name) ? 1 : 0;
}

char DecimalOfLocale() {
  const std::string name = LocaleName("LC_NUMERIC");
  char separator = Regional{}.sDecimal;
  if (IsPlainLocale(name)) return separator;
  if (locale_t loc = OpenLocale(LC_NUMERIC_MASK, name)) {
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    // A separator of several bytes (not ASCII) cannot be one character: keep the default.
    if (radix && radix[0] != '\0' && radix[1] == '\0' && static_cast<unsigned char>(radix[0]) < 128)
      separator = radix[0];
    freelocale(loc);
  }
  return separator;
}

}  // namespace

Regional ReadRegionalSettings() {
  Regional r;
  r.iMeasure = MeasureOfLocale();
  r.sDecimal = DecimalOfLocale();

  const std::string_view measure = Env("RENDIX_IMEASURE");
  int value = 0;
  const auto res = std::from_chars(measure.data(), measure.data() + measure.size(), value);
  if (!measure.empty() && res.ec == std::errc() && res.ptr == measure.data() + measure.size())
    r.iMeasure = value;

  const std::string_view separator = Env("RENDIX_SDECIMAL");
  if (!separator.empty()) r.sDecimal = separator[0];
  return r;
}

}  // namespace platform
