#include "dtmconvert/gdal_support.h"

#include <cpl_error.h>
#include <ogr_spatialref.h>

#include <charconv>
#include <mutex>

namespace dtmconvert {

void ensureGdal() {
  static std::once_flag registered;
  std::call_once(registered, [] { GDALAllRegister(); });
}

GdalMessages::GdalMessages() {
  CPLPushErrorHandlerEx(&GdalMessages::handle, this);
}

GdalMessages::~GdalMessages() {
  CPLPopErrorHandler();
}

void CPL_STDCALL GdalMessages::handle(CPLErr level, CPLErrorNum, const char* message) {
  if (level < CE_Failure) return;
  auto* self = static_cast<GdalMessages*>(CPLGetErrorHandlerUserData());
  if (self != nullptr) self->errors_.emplace_back(message != nullptr ? message : "");
}

std::string GdalMessages::because() const {
  const std::string last = lastError();
  return last.empty() ? std::string() : " (GDAL: " + last + ")";
}

int CPL_STDCALL gdalProgress(double done, const char*, void* progress) {
  if (progress == nullptr) return TRUE;
  return static_cast<Progress*>(progress)->report(done) ? TRUE : FALSE;
}

char** GdalArguments::list() {
  pointers_.clear();
  for (std::string& text : texts_) pointers_.push_back(text.data());
  pointers_.push_back(nullptr);
  return pointers_.data();
}

std::string wktOf(const OGRSpatialReference& system) {
  char* wkt = nullptr;
  const char* const wkt1[] = {"FORMAT=WKT1", nullptr};
  if (system.exportToWkt(&wkt, wkt1) != OGRERR_NONE || wkt == nullptr) {
    CPLFree(wkt);
    wkt = nullptr;
    const char* const wkt2[] = {"FORMAT=WKT2_2019", nullptr};
    system.exportToWkt(&wkt, wkt2);
  }
  std::string text = wkt != nullptr ? wkt : "";
  CPLFree(wkt);
  return text;
}

std::string exactText(double value) {
  // to_chars, unlike printf, writes "." whatever the C locale (Qt sets the user's).
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
  return std::string(text, end.ptr);
}

}  // namespace dtmconvert
