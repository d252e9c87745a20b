#include "stereo/simulation_run.h"

#include <gtest/gtest.h>

using suite::refuseRun;
using suite::RunMode;

namespace {

const std::string kNoDtm = "Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ";
const std::string kNoOutput = "Θα πρέπει να βάλεις όνομα αρχείου εξόδου";

const std::optional<std::string> kDtm = "/d/a.dtm";
const std::optional<std::string> kOutput = "/d/out.txt";
const std::optional<std::string> kNone;

}  // namespace

TEST(RunChecks, MissingDtmFileIsReportedFirstInEitherMode) {
  EXPECT_EQ(refuseRun(RunMode::Draw, kNone, kNone), kNoDtm);
  EXPECT_EQ(refuseRun(RunMode::Draw, kNone, kOutput), kNoDtm);
  EXPECT_EQ(refuseRun(RunMode::Simulate, kNone, kNone), kNoDtm);
}

TEST(RunChecks, OnlySimulateNeedsThePhotoSimulationFile) {
  EXPECT_EQ(refuseRun(RunMode::Simulate, kDtm, kNone), kNoOutput);
  EXPECT_EQ(refuseRun(RunMode::Draw, kDtm, kNone), std::nullopt);
  EXPECT_EQ(refuseRun(RunMode::Simulate, kDtm, kOutput), std::nullopt);
}
