#include "dtmconvert/ground_transform.h"

#include <gdal_alg.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "dtmconvert/gdal_support.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

constexpr int kEdgeSteps = 64;

/// The points of one edge from `from` to `to`, both ends included.
std::vector<PlanePoint> edge(PlanePoint from, PlanePoint to, int steps) {
  std::vector<PlanePoint> points;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    points.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
  }
  return points;
}

}  // namespace

GroundTransform::GroundTransform(GDALDatasetH source, const std::string& targetWkt) {
  ensureGdal();
  GdalMessages messages;
  GdalArguments options;
  if (!targetWkt.empty()) options.add("DST_SRS=" + targetWkt);
  transformer_ = GDALCreateGenImgProjTransformer2(source, nullptr, options.list());
  if (transformer_ == nullptr) {
    throw suite::UserError(
        "Η GDAL δεν βρίσκει μετασχηματισμό από την πηγή στο σύστημα του πλέγματος" +
        messages.because() + ".");
  }
}

GroundTransform::~GroundTransform() {
  if (transformer_ != nullptr) GDALDestroyGenImgProjTransformer(transformer_);
}

std::vector<bool> GroundTransform::transform(std::vector<PlanePoint>& points, bool toPixels) const {
  GdalMessages quiet;
  const std::size_t count = points.size();
  std::vector<double> x(count);
  std::vector<double> y(count);
  std::vector<double> z(count, 0.0);
  std::vector<int> ok(count, FALSE);
  for (std::size_t i = 0; i < count; ++i) {
    x[i] = points[i].x;
    y[i] = points[i].y;
  }
  if (count > 0) {
    GDALGenImgProjTransform(transformer_, toPixels ? TRUE : FALSE, static_cast<int>(count),
                            x.data(), y.data(), z.data(), ok.data());
  }
  std::vector<bool> transformed(count);
  for (std::size_t i = 0; i < count; ++i) {
    transformed[i] = ok[i] != FALSE && std::isfinite(x[i]) && std::isfinite(y[i]);
    points[i] = {x[i], y[i]};
  }
  return transformed;
}

std::vector<bool> GroundTransform::toGround(std::vector<PlanePoint>& pixels) const {
  return transform(pixels, false);
}

std::vector<bool> GroundTransform::toPixels(std::vector<PlanePoint>& ground) const {
  return transform(ground, true);
}

GroundBounds innerGroundBounds(const GroundTransform& transform, const PixelRect& pixels) {
  const PlanePoint nw{pixels.left, pixels.top};
  const PlanePoint ne{pixels.right, pixels.top};
  const PlanePoint se{pixels.right, pixels.bottom};
  const PlanePoint sw{pixels.left, pixels.bottom};
  std::array<std::vector<PlanePoint>, 4> edges{edge(nw, ne, kEdgeSteps), edge(ne, se, kEdgeSteps),
                                               edge(se, sw, kEdgeSteps), edge(sw, nw, kEdgeSteps)};
  std::array<PlanePoint, 4> means{};
  for (std::size_t e = 0; e < edges.size(); ++e) {
    const std::vector<bool> ok = transform.toGround(edges[e]);
    std::vector<PlanePoint> kept;
    for (std::size_t i = 0; i < ok.size(); ++i)
      if (ok[i]) kept.push_back(edges[e][i]);
    if (kept.size() < 2) {
      throw suite::UserError(
          "Τα άκρα της περιοχής δεν μετασχηματίζονται στο σύστημα του πλέγματος: διάλεξε άλλο "
          "σύστημα ή μικρότερη περιοχή.");
    }
    edges[e] = std::move(kept);
    for (const PlanePoint& p : edges[e]) {
      means[e].x += p.x / static_cast<double>(edges[e].size());
      means[e].y += p.y / static_cast<double>(edges[e].size());
    }
  }
  const auto byX = [&](std::size_t a, std::size_t b) { return means[a].x < means[b].x; };
  const auto byY = [&](std::size_t a, std::size_t b) { return means[a].y < means[b].y; };
  std::array<std::size_t, 4> order{0, 1, 2, 3};
  const std::size_t west = *std::min_element(order.begin(), order.end(), byX);
  const std::size_t east = *std::max_element(order.begin(), order.end(), byX);
  const std::size_t south = *std::min_element(order.begin(), order.end(), byY);
  const std::size_t north = *std::max_element(order.begin(), order.end(), byY);
  // Opposite edges are 0 and 2, 1 and 3: the western and eastern edges must be one such pair,
  // the northern and southern the other.
  if ((west + 2) % 4 != east || (south + 2) % 4 != north || west % 2 == south % 2) {
    throw suite::UserError(
        "Η πηγή είναι στραμμένη 45° ή περισσότερο ως προς τους άξονες του συστήματος του "
        "πλέγματος, και δεν ορίζεται ορθογώνια περιοχή μέσα της.");
  }
  constexpr double kInf = std::numeric_limits<double>::infinity();
  GroundBounds inner{-kInf, -kInf, kInf, kInf};
  for (const PlanePoint& p : edges[west]) inner.west = std::max(inner.west, p.x);
  for (const PlanePoint& p : edges[east]) inner.east = std::min(inner.east, p.x);
  for (const PlanePoint& p : edges[south]) inner.south = std::max(inner.south, p.y);
  for (const PlanePoint& p : edges[north]) inner.north = std::min(inner.north, p.y);
  return inner;
}

std::vector<PlanePoint> pixelOutline(const GroundTransform& transform, const GroundBounds& bounds) {
  constexpr int kSteps = 16;
  const PlanePoint nw{bounds.west, bounds.north};
  const PlanePoint ne{bounds.east, bounds.north};
  const PlanePoint se{bounds.east, bounds.south};
  const PlanePoint sw{bounds.west, bounds.south};
  std::vector<PlanePoint> outline;
  for (const auto& [from, to] :
       {std::pair{nw, ne}, std::pair{ne, se}, std::pair{se, sw}, std::pair{sw, nw}}) {
    std::vector<PlanePoint> points = edge(from, to, kSteps);
    points.pop_back();
    outline.insert(outline.end(), points.begin(), points.end());
  }
  const std::vector<bool> ok = transform.toPixels(outline);
  std::vector<PlanePoint> kept;
  for (std::size_t i = 0; i < ok.size(); ++i)
    if (ok[i]) kept.push_back(outline[i]);
  return kept;
}

}  // namespace dtmconvert
