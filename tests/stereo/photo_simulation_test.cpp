#include "stereo/photo_simulation.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "golden.h"
#include "stereo/photo_simulation_file.h"
#include "stereo/stereo_dtm_file.h"
#include "text/user_error.h"

namespace suite {
namespace {

using testing::matchesGolden;

StereoImagePoint pairOf(double lx, double ly, double rx, double ry) {
  return {{lx, ly}, {rx, ry}};
}

ImageSimilarity similarity(double xo, double yo, double theta, double k, double s,
                           SimilarityTerms terms = SimilarityTerms::OffsetInside) {
  ImageSimilarity sim;
  sim.xoMm = xo;
  sim.yoMm = yo;
  sim.thetaDegrees = theta;
  sim.scale = k;
  sim.rightFactor = s;
  sim.pointTerms = terms;
  return sim;
}

// σxy = 0 in a fresh error list: every error is 0.
SimulatedPair withoutErrors(const std::vector<StereoImagePoint>& points,
                            const ImageSimilarity& sim) {
  ErrorList errors;
  FixedUniformSource source({0.0f});
  return simulatePhotoPair(points, sim, errors, source);
}

std::string written(const PhotoSimulationFileLayout& layout,
                    const PhotoSimulationFileContent& content) {
  std::ostringstream out;
  writePhotoSimulationFile(out, layout, content);
  return out.str();
}

TEST(PhotoSimulation, RotatedScaledOffsetPointsOfThePairExample) {
  // Node 1 of pairsim's help example.
  const std::vector<StereoImagePoint> node1{
      pairOf(-2.215210761941461, 66.23812353340853, -79.99488828630537, 71.0570803993005)};
  const SimulatedPair turned =
      withoutErrors(node1, similarity(10, 20, 90, 2, 1.237, SimilarityTerms::OffsetLast));
  EXPECT_EQ(turned.left.fiducials.size(), 8u);
  EXPECT_NEAR(turned.left.points[0].x, -112.476, 0.0005);
  EXPECT_NEAR(turned.left.points[0].y, 35.570, 0.0005);

  const SimulatedPair scaled =
      withoutErrors(node1, similarity(0, 0, 0, 1, 1.237, SimilarityTerms::OffsetLast));
  EXPECT_TRUE(scaled.left.fiducials.empty());
  EXPECT_EQ(scaled.left.points[0].x, -2.215210761941461);
  EXPECT_NEAR(scaled.right.points[0].x, -98.954, 0.0005);
  EXPECT_NEAR(scaled.right.points[0].y, 87.898, 0.0005);
}

TEST(PhotoSimulation, FiducialsTakeErrorsReversedAndPointsInOrder) {
  const std::vector<StereoImagePoint> points{pairOf(1.5, -2.25, 3, 4), pairOf(-7, 8.5, 0.25, 1),
                                             pairOf(0, 0, -1, 2)};
  ImageSimilarity sim = similarity(10, 20, 0, 1, 1);
  sim.sigmaXyMm = 0.01;
  const std::vector<float> draws{0.3f, 0.9f, 0.1f, 0.6f, 0.45f, 0.75f, 0.2f};
  ErrorList errors;
  FixedUniformSource source(draws);
  const SimulatedPair pair = simulatePhotoPair(points, sim, errors, source);

  // Replay the draws: per photo 8 for the marks, then 2·3 + 2 for the points.
  ErrorList e;
  FixedUniformSource again(draws);
  for (const SimulatedPhoto* photo : {&pair.left, &pair.right}) {
    e.generate(8, 0.01, again);
    ASSERT_EQ(photo->fiducials.size(), 8u);
    EXPECT_EQ(photo->fiducials[0].position.x, -115);  // nominal
    EXPECT_EQ(photo->fiducials[4].number, 11111);
    EXPECT_EQ(photo->fiducials[4].position.x, -105.0 + e(2));
    EXPECT_EQ(photo->fiducials[4].position.y, 20.0 + e(1));
    EXPECT_EQ(photo->fiducials[7].number, 11114);
    EXPECT_EQ(photo->fiducials[7].position.x, 10.0 + e(8));
    EXPECT_EQ(photo->fiducials[7].position.y, -95.0 + e(7));
    e.generate(8, 0.01, again);
    const ImagePointMm& projected = photo == &pair.right ? points[1].right : points[1].left;
    EXPECT_EQ(photo->points[1].x, projected.x + 10 + e(3));
    EXPECT_EQ(photo->points[1].y, projected.y + 20 + e(4));
  }
  EXPECT_EQ(source.drawn(), again.drawn());
}

TEST(PhotoSimulation, CountsTheGeneratorRefusesAreRefusedBeforeAnyDraw) {
  const ImageSimilarity sim = similarity(1, 1, 0, 1, 1);
  ErrorList errors;
  errors.set(3, 0.125f);
  FixedUniformSource source({0.5f});
  // 1170 points need 2342 errors; 2 points need 6, a count whose slices never settle.
  for (std::size_t count : {std::size_t{kMostSimulatedPoints} + 1, std::size_t{2}}) {
    EXPECT_THROW(simulatePhotoPair(std::vector<StereoImagePoint>(count), sim, errors, source),
                 ErrorCountRefused);
  }
  EXPECT_EQ(source.drawn(), 0u);
  EXPECT_EQ(errors(3), 0.125f);
  EXPECT_EQ(kMostSimulatedPoints, 1169);
  EXPECT_EQ(simulatePhotoPair(std::vector<StereoImagePoint>(1169), sim, errors, source)
                .right.points.size(),
            1169u);
}

TEST(PhotoSimulationFile, NoPointsGivesHeadersAndEndLinesOnly) {
  PhotoSimulationFileContent content;
  content.focalMm = 152;
  content.left = {632800, 4131400, 1802.1739130434783, 0.25, -0.25, 0};
  content.right = {633800, 4131400.0004, 1802.1739130434783, -1.5, 0, 12.3456};
  content.photos = withoutErrors({}, similarity(0, 5, 0, 1, 1));  // Yo alone: no fiducials
  EXPECT_TRUE(matchesGolden(written(PhotoSimulationFileLayout::flightsim(), content),
                            "photo_simulation_no_points.txt"));
}

TEST(PhotoSimulationFile, FiducialLinesBetweenHeaderAndPoints) {
  PhotoSimulationFileContent content;
  content.controlPoints = {
      {632900, 4131600, 152.25}, {633000.5, 4131499.9996, -3}, {633100, 4131500, 1000000.25}};
  content.focalMm = 152;
  content.left = {632800, 4131400, 1802.1739130434783, 1.18, -0.97, 0.31};
  content.right = {633800, 4131400, 1801.9, -0.25, 0, 12.3456};
  content.photos = withoutErrors(
      {pairOf(1.5, -2.25, 3, 4), pairOf(-0.0004, 100, -12.3456, 0.5), pairOf(-200.5, 0, 0, -0.001)},
      similarity(10, 20, 0, 1, 2));
  EXPECT_TRUE(matchesGolden(written(PhotoSimulationFileLayout::flightsim(), content),
                            "photo_simulation_fiducials.txt"));
}

TEST(PhotoSimulationFile, OffsetInYAloneWritesNoFiducialLines) {
  PhotoSimulationFileContent content;
  const double heights[10] = {100, 152.25, -3.5, 0.5, 1802.1739130434783, 0, -0.25, 12, 1e6, 7};
  std::vector<StereoImagePoint> projected;
  for (int q = 1; q <= 10; ++q) {
    const int row = (q - 1) / 5;
    const int column = (q - 1) % 5;
    content.controlPoints.push_back(
        {632000.0 + 100 * column, 4132000.0 - 100 * row, heights[q - 1]});
    projected.push_back(pairOf(q + 0.125, -2.0 * q, -10.0 * q, 0.5 * q));
  }
  content.focalMm = 152;
  content.left = {632200, 4131900, 1802.1739130434783, 0, 0, 0};
  content.right = {633200, 4131900, 1802.1739130434783, 0.001, -0.0004, 359.9996};
  content.photos = withoutErrors(projected, similarity(0, 5, 0, 1, 1.5));
  EXPECT_TRUE(matchesGolden(written(PhotoSimulationFileLayout::flightsim(), content),
                            "photo_simulation_no_fiducials.txt"));
}

TEST(PhotoSimulationFile, PairsimVariantFromTheHelpExampleFile) {
  // pairsim's whole path: read the stereo DTM file, project every node, simulate, write.
  StereoDtmReader reader(testing::stereoData("help_example_stereo_dtm.txt"));
  PhotoSimulationFileContent content;
  const GridHeader& h = reader.header();
  GridHeight node;
  while (reader.next(node)) {
    content.controlPoints.push_back({h.xNorthWest + (node.column - 1) * h.spacingX,
                                     h.yNorthWest - (node.row - 1) * h.spacingY, node.z});
  }
  content.focalMm = 152;
  content.left = reader.left();
  content.right = reader.right();
  const StereoProjection pair =
      projectStereoPair(content.controlPoints, content.left, content.right, content.focalMm);
  content.photos =
      withoutErrors(pair.points, similarity(10, 20, 90, 2, 1.237, SimilarityTerms::OffsetLast));
  EXPECT_TRUE(matchesGolden(written(PhotoSimulationFileLayout::pairsim(reader.title()), content),
                            "photo_simulation_pairsim.txt"));
}

// A number a mask or print form would write as "NaN" or "Inf": the file is refused before its
// first byte, naming what cannot be written.
TEST(PhotoSimulationFile, NumberThatIsNotFiniteIsRefusedBeforeAnythingIsWritten) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const auto content = [](double height, double imageX, double scale) {
    PhotoSimulationFileContent c;
    c.controlPoints = {{632900, 4131600, 152.25}, {633000, 4131600, height}, {633100, 4131600, 7}};
    c.focalMm = 152;
    c.left = {632800, 4131400, 1802.17, 1.18, -0.97, 0.31};
    c.right = {633800, 4131400, 1801.9, -0.25, 0, 12.3456};
    // Three points: the error generator serves their 2 · 3 + 2 errors.
    c.photos =
        withoutErrors({pairOf(1.5, -2.25, 3, 4), pairOf(imageX, 100, -12, 0.5), pairOf(1, 2, 3, 4)},
                      similarity(10, 20, 0, scale, 2));
    return c;
  };
  const struct {
    PhotoSimulationFileContent content;
    const char* named;
  } cases[] = {
      {content(inf, 0, 1), "Το φωτοσταθερό σημείο 2 (X, Y, Z)"},
      {content(0, nan, 1), "Οι εικονοσυντεταγμένες του σημείου 2 της Α/Φ 111"},
      {content(0, 0, 1e307), "Το σημείο αναφοράς 11111 της Α/Φ 111"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    try {
      writePhotoSimulationFile(out, PhotoSimulationFileLayout::flightsim(), c.content);
      ADD_FAILURE() << "written: " << c.named;
    } catch (const UserError& error) {
      EXPECT_EQ(std::string(error.what()).find(c.named), 0u) << error.what();
    }
    EXPECT_EQ(out.str(), "") << c.named;
  }
  PhotoSimulationFileContent badOrientation = content(0, 0, 1);
  badOrientation.right.kappaDegrees = nan;
  EXPECT_THROW(written(PhotoSimulationFileLayout::flightsim(), badOrientation), UserError);
}

}  // namespace
}  // namespace suite
