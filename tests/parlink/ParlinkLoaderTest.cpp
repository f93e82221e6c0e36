// Loading the parallel-port library: the built one binds, a missing library or export is a clear
// error and every call then answers as if no port were open.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/Parlink.h"
#include "tests/parlink/PtyDevice.h"
#include "tests/support/CaseName.h"

namespace {

using parlinktest::ScopedEnv;
using platform::ParlinkLoadError;

TEST(ParlinkLoader, BindsTheBuiltLibrary) {
  platform::ParlinkLibrary lib;
  ASSERT_TRUE(lib.EnsureLoaded()) << lib.Error().detail;
  EXPECT_EQ(lib.Error().kind, ParlinkLoadError::Kind::None);
  EXPECT_EQ(lib.ReturnInt(-1234), -1234);
  EXPECT_EQ(lib.LastError(), 0);
}

struct MissingCase {
  const char* library;
  ParlinkLoadError::Kind kind;
  const char* detail;  // the start of Error().detail
};

void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.library; }

class ParlinkLoaderMissing : public ::testing::TestWithParam<MissingCase> {};

TEST_P(ParlinkLoaderMissing, ReportsItAndAnswersAsWithoutAPort) {
  ScopedEnv chosen("PARLINK_LIBRARY", GetParam().library);
  platform::ParlinkLibrary lib;
  EXPECT_FALSE(lib.EnsureLoaded());
  const ParlinkLoadError& error = lib.Error();
  EXPECT_EQ(error.kind, GetParam().kind);
  EXPECT_EQ(error.library, GetParam().library);
  EXPECT_EQ(error.detail.rfind(GetParam().detail, 0), 0u) << error.detail;
  EXPECT_EQ(error.named, error.kind == ParlinkLoadError::Kind::NotLoaded);

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
    ::testing::Values(MissingCase{"/nonexistent/libparlink.so", ParlinkLoadError::Kind::NotLoaded,
                                  "/nonexistent/libparlink.so"},
                      // A library that loads but is not ours: the first export in order is missing.
                      MissingCase{"libc.so.6", ParlinkLoadError::Kind::LacksFunction,
                                  "BytesInBuffer"}),
    testing_support::PrintedCaseName());

TEST(ParlinkLoader, AFailedLoadIsTriedAgainOnTheNextUse) {
  platform::ParlinkLibrary lib;
  {
    ScopedEnv chosen("PARLINK_LIBRARY", "/nonexistent/libparlink.so");
    EXPECT_FALSE(lib.EnsureLoaded());
  }
  EXPECT_TRUE(lib.EnsureLoaded()) << lib.Error().detail;
  EXPECT_EQ(lib.Error().kind, ParlinkLoadError::Kind::None);
}

}  // namespace
