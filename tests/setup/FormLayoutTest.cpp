// The layout table: positions, containers, tab order, and a row that names nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "forms/Controls.h"
#include "setup/FormLayout.h"
#include "tests/support/TestHost.h"

namespace {

using taskhelm::ApplyLayout;
using taskhelm::Placement;

struct Window : forms::Form {
  explicit Window(forms::Host& host) : forms::Form(host, "Window") {}
  forms::Frame Left{this, "Left"};
  forms::Frame Right{this, "Right"};
  forms::Frame Inside{this, "Inside"};
  forms::TextBox Inner{this, "Inner"};
  forms::TextBox Lower{this, "Lower"};
  forms::CheckBox Beside{this, "Beside"};
  forms::OptionButton Nested{this, "Nested"};
  forms::CommandButton Outer{this, "Outer"};
};

TEST(FormLayout, PlacesIntoFramesAndOrdersTheTabsFrameByFrameInReadingOrder) {
  testing_support::TestHost host;
  Window w(host);
  // The rows of a frame in any order: the focus reads each frame top to bottom, left to right
  // (a row may sit a few pixels lower), the frames and the window's own controls in table order.
  const Placement rows[] = {
      {"Left", 8, 8, 200, 100},
      {"Right", 216, 8, 200, 100},
      {"Outer", 8, 116, 60, 24},
      {"Lower", 4, 60, 50, 22, "Left"},
      {"Beside", 100, 22, 90, 22, "Left"},
      {"Inner", 4, 20, 50, 22, "Left"},
      {"Inside", 4, 20, 150, 60, "Right"},
      {"Nested", 4, 20, 100, 22, "Inside"},
  };
  ApplyLayout(w, 424, 148, rows);
  EXPECT_EQ(w.Inner.Container(), &w.Left);
  EXPECT_EQ(w.Outer.Container(), nullptr);
  EXPECT_EQ(w.Inner.Geometry().Left, 4);
  const std::vector<const forms::Control*> order = {&w.Left, &w.Inner,  &w.Beside, &w.Lower,
                                                    &w.Right, &w.Inside, &w.Nested, &w.Outer};
  for (size_t i = 1; i < order.size(); ++i)
    EXPECT_LT(order[i - 1]->TabIndex(), order[i]->TabIndex()) << order[i]->Name();
}

TEST(FormLayout, ARowNamingNothingIsAFaultOfTheTable) {
  testing_support::TestHost host;
  Window w(host);
  for (const Placement& row : {Placement{"Missing", 0, 0, 1, 1},
                               Placement{"Inner", 0, 0, 1, 1, "NoFrame"}}) {
    const Placement rows[] = {row};
    EXPECT_THROW(ApplyLayout(w, 10, 10, rows), std::logic_error) << row.control;
  }
}

}  // namespace
