// The layout table: positions, containers, tab order, and a row that names nothing.
#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/Controls.h"
#include "setup/FormLayout.h"
#include "tests/support/TestHost.h"

namespace {

using taskhelm::ApplyLayout;
using taskhelm::Placement;

struct Window : forms::Form {
  explicit Window(forms::Host& host) : forms::Form(host, "Window") {}
  forms::Frame Box{this, "Box"};
  forms::TextBox Inner{this, "Inner"};
  forms::CommandButton Outer{this, "Outer"};
};

TEST(FormLayout, PlacesIntoFramesAndOrdersTheTabs) {
  testing_support::TestHost host;
  Window w(host);
  const Placement rows[] = {
      {"Box", 8, 8, 100, 60},
      {"Outer", 8, 80, 60, 24},
      {"Inner", 4, 20, 50, 22, "Box"},
  };
  ApplyLayout(w, 200, 120, rows);
  EXPECT_EQ(w.Inner.Container(), &w.Box);
  EXPECT_EQ(w.Outer.Container(), nullptr);
  EXPECT_EQ(w.Inner.Geometry().Left, 4);
  EXPECT_LT(w.Outer.TabIndex(), w.Inner.TabIndex());
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
