#pragma once

#include <gdal.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "dtmconvert/progress.h"

class OGRSpatialReference;

namespace dtmconvert {

/// Registers GDAL's drivers, once for the whole program. Every entry point of the library that
/// uses GDAL calls it first.
void ensureGdal();

struct DatasetCloser {
  void operator()(GDALDatasetH dataset) const {
    if (dataset != nullptr) GDALClose(dataset);
  }
};

/// An open GDAL dataset, closed when the handle goes.
using Dataset = std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, DatasetCloser>;

/// Gathers the error messages GDAL gives while it lives instead of letting GDAL print them, so
/// that a failure is told once, in the suite's message. Captures nest: each sees the messages
/// given during its own life. Warnings are dropped.
class GdalMessages {
 public:
  GdalMessages();
  ~GdalMessages();
  GdalMessages(const GdalMessages&) = delete;
  GdalMessages& operator=(const GdalMessages&) = delete;

  /// The last error message, or "" when GDAL gave none.
  std::string lastError() const { return errors_.empty() ? std::string() : errors_.back(); }

  /// How many error messages GDAL gave so far.
  std::size_t errorCount() const { return errors_.size(); }

  /// " (GDAL: message)" for the last error message, or "" when GDAL gave none: the tail of a
  /// Greek message that says why GDAL failed.
  std::string because() const;

 private:
  static void CPL_STDCALL handle(CPLErr level, CPLErrorNum number, const char* message);
  std::vector<std::string> errors_;
};

/// The progress callback GDAL's functions take, over a Progress passed as their progress
/// argument; returns FALSE to make GDAL stop when the Progress says so.
int CPL_STDCALL gdalProgress(double done, const char* message, void* progress);

/// A list of texts in GDAL's form (a null-terminated char* array), built from std::strings.
class GdalArguments {
 public:
  GdalArguments() = default;
  explicit GdalArguments(std::vector<std::string> texts) : texts_(std::move(texts)) {}
  void add(std::string text) { texts_.push_back(std::move(text)); }
  /// Pointers into the texts, valid until the next add.
  char** list();

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

/// The coordinate system as WKT: WKT 1, as GIS programs read it most widely (with its EPSG
/// authority), or WKT 2 (2019) for a system WKT 1 cannot hold.
std::string wktOf(const OGRSpatialReference& system);

/// `value` with every digit needed to read it back exactly ("%.17g"), for GDAL's text options.
std::string exactText(double value);

}  // namespace dtmconvert
