#include "dtmconvert/busy_progress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace dtmconvert {

namespace {

constexpr int kSteps = 1000;
constexpr qint64 kEventsEveryMs = 40;

}  // namespace

BusyProgress::BusyProgress(QProgressBar& bar, const bool& stopRequested)
    : bar_(bar), stopRequested_(stopRequested) {
  bar_.setRange(0, kSteps);
  bar_.setValue(0);
  bar_.setTextVisible(true);
  sinceEvents_.start();
}

BusyProgress::~BusyProgress() {
  bar_.setValue(0);
  bar_.setTextVisible(false);
}

bool BusyProgress::report(double done) {
  const int value = static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kSteps));
  if (value != bar_.value()) bar_.setValue(value);
  if (sinceEvents_.elapsed() >= kEventsEveryMs) {
    QCoreApplication::processEvents();
    sinceEvents_.restart();
  }
  return !stopRequested_;
}

}  // namespace dtmconvert
