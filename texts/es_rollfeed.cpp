// Spanish wordings of the roll-feed window. The Spanish edition words only the texts below in
// Spanish; every other text of the window keeps its English wording there, entered under the
// window's context so that a text missing from both lists is still caught.
#include <iterator>
#include <vector>

#include "texts/Sections.h"

namespace texts {

namespace {

constexpr const char* kWindow = "StoogMoa";

constexpr Entry kSpanish[] = {
    // The model line's wording.
    {"", "Temporarily change MarveskK settings.",
     "Temporalmente cambiar los parámetros del MarveskK."},
    {"", "Permanently change MarveskK defaults.",
     "Permanentemente cambiar los parámetros del MarveskK."},
    {"", "Update MarveskK ", "Actualizar MarveskK "},
    {"", "Latest changes not sent to the MarveskK.",
     "Las ultimas modificaciones no se han enviado al ploter."},
    {"", "Do you want to update the MarveskK?", "Desea actualizar los parámetros del MarveskK?"},
    {"", "Exit without updating the MarveskK?", "Desea salir sin actualizar el MarveskK?"},
    {"", "MarveskK Port Test", "Verificación Comunicación del Ploter"},
    {"", "1. Connect the Diagnostic Module to the MarveskK port.",
     "1. Conecte el Modulo de Diagnostico Serial al puerto serial del ploter."},
    {"", "2. Turn the MarveskK on while holding down the Test Cut",
     "2. Encienda el ploter mientras presiona la tecla Test Cut localizada en el panel de control "
     "del ploter"},
    {"", "4. Turn off the MarveskK.", "4. Apague el ploter."},
    // Sends and fields.
    {kWindow, "Temporarily change Marvesk settings.",
     "Temporalmente cambiar los parámetros del ploter."},
    {kWindow, "Plotter Error", "Error en el Ploter"},
    {kWindow, "Gap between frames.", "Separación entre ventanas."},
};

// Shown in English in both editions.
constexpr const char* kKeptEnglish[] = {
    // Captions of the window, its frames and controls.
    "MarveskK Plotter/Cutter Taskhelm", "Marvesk 5 Taskhelm", "Send Settings to MarveskK ",
    "Send Settings to Plotter", "Roll Feed", "Paneled Roll Feed", "Unpaneled Roll Feed",
    "Sheet (no Roll Feed)", "Tagboard Enabled", "Update Display", "Measurement Units",
    "Panel Size", "Scale", "Acceleration", "Delays", "Force", "Blade", "Blade Steering Arc",
    "Feed Options", "Auto Loop", "Tagboard Features", "English", "Metric", "Temporary",
    "Permanent",
    // Field captions and the parts of the unit captions.
    "X-Axis (in)", "Y-Axis (in)", "Gap (mils)", "X-Axis (%)", "Y-Axis (%)", "(g's)",
    "Up     (ms)", "Down   (ms)", "Min (grams)", "Max (grams)", "Overcut (mils)",
    "Blade Offset (mils)", "Minimum Angle (deg)", "Loop Size (in)", "Cut (mils)", "Blank (mils)",
    "X-Axis ", "Y-Axis ", "Loop Size ", "Gap ", "Cut ", "Blank ", "(in)", "(cm)", "(mils)",
    "(mm)",
    // Menus.
    "&File", "Send &Cut/Plot File...", "&Open Settings File...", "Save Settings &As...", "E&xit",
    "&Setup", "Plotter  &Setup", "&Port  Setup", "&Display", "&Plotter Settings",
    "&Factory Defaults", "&ROM Version", "&Memory Buffer", "&Blade Holder Status", "&Options",
    "F&iltering", "&HPGL Setting...", "Install New Firmware Version ", "&Calibrate",
    "Calibrate &Plotter...", "&Test", "Communication &Test", "&Computer Port Test",
    "&Plotter Port Test", "&Help", "&Contents", "&About",
    // Hints of the window's controls.
    "Media fed in a continuous motion from a cut sheet. No service loop created.",
    ("Media fed from roll. Works with paneled plot files. Maximum X panel and service loop "
     "length is 46''."),
    "Media fed from roll. Works with unpaneled plot files. Maximum X service loop length is 46''.",
    "To disable Tag Board Cutout, install a pen and click on 'Update Display'.",
    "To enable Tag Board Cutout, install a knife and click on 'Update Display'.",
    "Turn on Tag Board Cutout Mode.", "Set cutter options in inches and mils.",
    "Set cutter options in centimeters and millimeters.",
    "Cutter will use these settings until it is turned off.",
    "Cutter will use these settings until they are changed.", "Click here to see current settings.",
    // The closing question, help, and the model line's texts that are kept but never shown.
    "Latest settings have not been sent.", "Are you sure you want to exit?", "Help",
    "The help file could not be opened: ",
    "Turn the MarveskK and connect the Diagnostic Module",
    "Disconnect the MarveskK and connect the Diagnostic Module",
    // The older model line.
    "Permanently change Marvesk defaults.",
    "Update Marvesk 5", "Do you want to update the Marvesk?", "Exit without updating Marvesk 5?",
    "Turn Marvesk 5 on while holding down the Test Cut key",
    "Disconnect Marvesk 5 and connect the Diagnostic Module", "Marvesk 5 Port Test",
    "1. Connect the Diagnostic Module to the Marvesk 5 port.",
    "2. Turn the Marvesk 5 on while holding down the Test Cut", "4. Turn off the Marvesk 5.",
};

}  // namespace

std::span<const Entry> RollFeedTexts() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> all(std::begin(kSpanish), std::end(kSpanish));
    all.push_back({"StoogMoa:close", "Exit Taskhelm", "Exit Taskhelm"});
    for (const char* english : kKeptEnglish) all.push_back({kWindow, english, english});
    return all;
  }();
  return entries;
}

}  // namespace texts
