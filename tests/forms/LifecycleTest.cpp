// Loading on first access, modal shows, the program's end inside a modal window, and unloading
// that QueryUnload may refuse.
#include <gtest/gtest.h>

#include "tests/forms/SampleForm.h"
#include "tests/support/AppFixture.h"
#include "tests/support/TestHost.h"

namespace forms_tests {
namespace {

using Log = std::vector<std::string>;

class Lifecycle : public ::testing::Test {
 protected:
  testing_support::TestHost host;
  SampleForm form{host};
  SampleForm dialog{host, "Dialog"};
};

TEST_F(Lifecycle, ModalShowBlocksUntilTheOperatorHidesTheForm) {
  Log order;
  host.modalOperators["Dialog"] = [&](forms::Form& shown) {
    order.push_back(std::string("operator, visible=") + (shown.Visible() ? "1" : "0") +
                    " modal=" + (shown.ShownModal() ? "1" : "0"));
    shown.Hide();
  };
  EXPECT_TRUE(host.Run([&] {
    dialog.Show(forms::ShowMode::Modal);
    order.push_back("after Show");
  }));
  EXPECT_EQ(order, (Log{"operator, visible=1 modal=1", "after Show"}));
  EXPECT_EQ(dialog.log, (Log{"Form.Load", "Form.Activate"}));  // Activate before the window runs
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.ShownModal());
}

TEST_F(Lifecycle, AProgramEndInsideAModalWindowStopsItsCaller) {
  host.modalOperators["Dialog"] = [&](forms::Form&) { host.EndProgram(); };
  bool reachedAfterShow = false;
  EXPECT_FALSE(host.Run([&] {
    form.Show();
    dialog.Show(forms::ShowMode::Modal);
    reachedAfterShow = true;
  }));
  EXPECT_FALSE(reachedAfterShow);
  EXPECT_TRUE(host.Ending());
  EXPECT_FALSE(host.IsShown("Sample"));
}

TEST_F(Lifecycle, AClosingModalWindowActivatesTheWindowItWasOpenedFromAgain) {
  form.Show();
  dialog.Show(forms::ShowMode::Modal);
  EXPECT_EQ(form.log, (Log{"Form.Load", "Form.Activate", "Form.Activate"}));
  EXPECT_EQ(host.activeForm, &form);
  // A window that hid itself before opening the dialog is not activated by its end.
  form.Hide();
  form.log.clear();
  dialog.Show(forms::ShowMode::Modal);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(Lifecycle, ShowingAShownWindowAgainBringsItForwardWithoutAnotherActivate) {
  form.Show();
  form.Show();
  EXPECT_EQ(host.shownForms, (std::vector<std::string>{"Sample", "Sample"}));
  EXPECT_EQ(form.log, (Log{"Form.Load", "Form.Activate"}));
}

// Two modeless windows side by side: coming back to one runs its Activate, whether the operator
// brings it forward or the program shows it again; a message box over it closing does not.
TEST_F(Lifecycle, ReturningToAModelessWindowActivatesItAgain) {
  form.Show();
  dialog.Show();
  form.log.clear();
  form.ActivatedByOperator();
  EXPECT_EQ(form.log, (Log{"Form.Activate"}));
  EXPECT_EQ(host.activeForm, &form);

  form.log.clear();
  host.MsgBox("over the window", forms::MsgButtons::OK, forms::MsgIcon::None, "");
  form.ActivatedByOperator();
  EXPECT_TRUE(form.log.empty()) << "the window kept the activation under the box";

  dialog.ActivatedByOperator();
  form.Show();
  EXPECT_EQ(form.log, (Log{"Form.Activate"}));

  // A hidden or unloaded window is not brought forward.
  dialog.log.clear();
  dialog.Hide();
  dialog.ActivatedByOperator();
  dialog.Unload();
  dialog.ActivatedByOperator();
  EXPECT_TRUE(dialog.log.empty());
}

TEST_F(Lifecycle, QueryUnloadCanKeepTheFormAndTellsWhoClosesIt) {
  std::vector<int> modes;
  int keep = 1;
  form.QueryUnload = [&](int& cancel, int mode) {
    modes.push_back(mode);
    cancel = keep;
  };
  form.Show();
  form.Text1.SetFocus();
  EXPECT_FALSE(form.Unload());
  EXPECT_FALSE(form.Close());
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(host.IsShown("Sample"));
  EXPECT_EQ(form.ActiveControl(), &form.Text1);

  keep = 0;
  EXPECT_TRUE(form.Close());
  EXPECT_EQ(modes, (std::vector<int>{forms::FromCode, forms::FromControlMenu, forms::FromControlMenu}));
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(host.IsShown("Sample"));
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(Lifecycle, AnUnloadDuringAModalShowEndsTheShow) {
  host.modalOperators["Dialog"] = [&](forms::Form& shown) { shown.Unload(); };
  dialog.Show(forms::ShowMode::Modal);
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_FALSE(host.IsShown("Dialog"));
}

// The application's windows: one instance each, loaded invisibly on first access, built anew when
// used after an unload.
class Probe : public SampleForm {
 public:
  explicit Probe(taskhelm::App& app) : SampleForm(app.host, "Probe") { ++constructed; }
  static inline int constructed = 0;
};

TEST(AppWindows, FirstAccessLoadsInvisiblyOnceAndAnUnloadedWindowIsBuiltAnew) {
  testing_support::AppFixture fixture;
  Probe::constructed = 0;
  Probe& first = fixture.app.Window<Probe>();
  EXPECT_TRUE(first.Loaded());
  EXPECT_FALSE(first.Visible());
  EXPECT_TRUE(fixture.host.shownForms.empty());
  Probe& again = fixture.app.Window<Probe>();
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(first.log, Log{"Form.Load"});
  EXPECT_EQ(fixture.app.LoadedWindow<Probe>(), &first);

  first.Show();
  first.Unload();
  EXPECT_EQ(fixture.app.LoadedWindow<Probe>(), nullptr);
  // Used again, it is a new instance: nothing of the old one's life carries over.
  Probe& reloaded = fixture.app.Window<Probe>();
  EXPECT_EQ(Probe::constructed, 2);
  EXPECT_TRUE(reloaded.Loaded());
  EXPECT_EQ(reloaded.log, Log{"Form.Load"});
  EXPECT_EQ(fixture.app.LoadedWindow<Probe>(), &reloaded);
}

}  // namespace
}  // namespace forms_tests
