#pragma once

#include <QElapsedTimer>

#include "dtmconvert/progress.h"

class QProgressBar;

namespace dtmconvert {

/// A conversion's progress in a progress bar. The conversion runs on the window's own thread,
/// so every report lets the window handle what happened meanwhile (painting, a click on
/// «Ακύρωση»), at most every 40 ms; `stopRequested` tells when to stop.
class BusyProgress : public Progress {
 public:
  BusyProgress(QProgressBar& bar, const bool& stopRequested);
  ~BusyProgress() override;
  bool report(double done) override;

 private:
  QProgressBar& bar_;
  const bool& stopRequested_;
  QElapsedTimer sinceEvents_;
};

}  // namespace dtmconvert
