// Loading the parallel-port library: the built one binds, a missing library or export is a clear
// error and every call then answers as if no port were open.
#include <ostream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Parlink.h"
#include "tests/parlink/PtyDevice.h"
#include "tests/support/CaseName.h"

namespace {

using parlinktest::ScopedEnv;
using ::testing::HasSubstr;

TEST(ParlinkLoader, BindsTheBuiltLibrary) {
  platform::ParlinkLibrary lib;
  ASSERT_TRUE(lib.EnsureLoaded()) << lib.Error();
  EXPECT_EQ(lib.Error(), "");
  EXPECT_EQ(lib.ReturnInt(-1234), -1234);
  EXPECT_EQ(lib.LastError(), 0);
}

struct MissingCase {
  const char* library;
  const char* error;  // part of Error()
};

void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.library; }

class ParlinkLoaderMissing : public ::testing::TestWithParam<MissingCase> {};

TEST_P(ParlinkLoaderMissing, ReportsItAndAnswersAsWithoutAPort) {
  ScopedEnv chosen("PARLINK_LIBRARY", GetParam().library);
  platform::ParlinkLibrary lib;
  EXPECT_FALSE(lib.EnsureLoaded());
  EXPECT_THAT(lib.Error(), HasSubstr(GetParam().error));

  char buf[8] = {};
  EXPECT_EQ(lib.OpenLPT(1), -2);
  EXPECT_EQ(lib.SetLPTto(1, 255, 10, 10, 255), 0);
  EXPECT_EQ(lib.WriteLPT("!IC@", 4), -2);
  EXPECT_EQ(lib.ReadLPT(buf, 8), -2);
  EXPECT_EQ(lib.QueryLPT("!IC@", buf, 8), -1);
  EXPECT_EQ(lib.BytesInBuffer(1), -2);
  EXPECT_EQ(lib.ReturnInt(7), 0);
  EXPECT_EQ(lib.CloseLPT(), 0);
  EXPECT_EQ(lib.LastError(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParlinkLoaderMissing,
    ::testing::Values(MissingCase{"/nonexistent/libparlink.so", "/nonexistent/libparlink.so"},
                      // A library that loads but is not ours: the first export in order is missing.
                      MissingCase{"libc.so.6", "lacks the function BytesInBuffer"}),
    testing_support::PrintedCaseName());

TEST(ParlinkLoader, AFailedLoadIsTriedAgainOnTheNextUse) {
  platform::ParlinkLibrary lib;
  {
    ScopedEnv chosen("PARLINK_LIBRARY", "/nonexistent/libparlink.so");
    EXPECT_FALSE(lib.EnsureLoaded());
  }
  EXPECT_TRUE(lib.EnsureLoaded()) << lib.Error();
  EXPECT_EQ(lib.Error(), "");
}

}  // namespace
