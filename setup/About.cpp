// The About window's behaviour: a caption naming the model, the program's part number.
#include "setup/About.h"

#include <cstdint>

#include "startup/App.h"

namespace taskhelm {

namespace {

struct AboutCaption {
  int16_t model;
  const char* caption;
};
constexpr AboutCaption kAboutCaptions[] = {
    {0, "About Plotter 36 K Taskhelm"},
    {32, "About Kelvaro R/V - Quorvane Taskhelm"},
    {33, "About Plotter 870 Kr Taskhelm"},
    {34, "About Plotter 36 Kr Taskhelm"},
    {35, "About MarveskK Plotter/Cutter Taskhelm"},
    {39, "About Quorvane 520 Taskhelm"},
    {40, "About Plotter 870 KrV Taskhelm"},
    {41, "About Plotter 36 KrV Taskhelm"},
    {42, "About Quorvane 555LJ Taskhelm"},
};
// The window's own caption, for the models without a row.
constexpr const char* kOwnCaption = "About Taskhelm";

}  // namespace

About::About(App& app) : forms::Form(app.host, "About"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  AboutOK.Click = [this] { AboutOK_Click(); };
}

void About::Form_Load() {
  const char* caption = kOwnCaption;
  for (const AboutCaption& row : kAboutCaptions)
    if (row.model == app_.s.ModelCode) caption = row.caption;
  SetCaption(app_.T(caption));
  AboutText.SetCaption(app_.T("For Windows XP, 2000, NT, 9x") + "\r\n" + "PN 352604 REV 10" + "\r\n" +
                       app_.T("Control program for Quorvane cutters and plotters.") + "\r\n" +
                       app_.T("Linux edition."));
  AboutOK.SetCaption(app_.T("OK"));
}

void About::AboutOK_Click() { Unload(); }

}  // namespace taskhelm
