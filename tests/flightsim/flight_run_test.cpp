#include "flightsim/flight_run.h"

#include <gtest/gtest.h>

using flightsim::FlightFiles;
using flightsim::refuseRun;
using flightsim::RunMode;

namespace {

const std::string kNoDtm = "Θα πρέπει να βάλεις όνομα αρχείου με δεδομένα ΨΜΕ";
const std::string kNoOutput = "Θα πρέπει να βάλεις όνομα αρχείου εξόδου";

FlightFiles chosen(bool dtm, bool photoSim) {
  FlightFiles files;
  files.dtmChosen = dtm;
  files.dtmPath = dtm ? "/d/a.dtm" : "";
  files.photoSimChosen = photoSim;
  files.photoSimPath = photoSim ? "/d/out.txt" : "";
  return files;
}

}  // namespace

TEST(RunChecks, MissingDtmFileIsReportedFirstInEitherMode) {
  EXPECT_EQ(refuseRun(RunMode::Draw, chosen(false, false)), kNoDtm);
  EXPECT_EQ(refuseRun(RunMode::Draw, chosen(false, true)), kNoDtm);
  EXPECT_EQ(refuseRun(RunMode::Simulate, chosen(false, false)), kNoDtm);
}

TEST(RunChecks, OnlySimulateNeedsThePhotoSimulationFile) {
  EXPECT_EQ(refuseRun(RunMode::Simulate, chosen(true, false)), kNoOutput);
  EXPECT_EQ(refuseRun(RunMode::Draw, chosen(true, false)), std::nullopt);
  EXPECT_EQ(refuseRun(RunMode::Simulate, chosen(true, true)), std::nullopt);
}
