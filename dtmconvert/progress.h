#pragma once

#include <exception>

namespace dtmconvert {

/// Where a long piece of work tells how far it has come, and learns whether the user asked it
/// to stop.
class Progress {
 public:
  virtual ~Progress() = default;
  /// `done` is the share of the work finished, 0 to 1. Returns false when the work is to stop.
  virtual bool report(double done) = 0;
};

/// Progress that nobody watches: the work always goes on.
class NoProgress : public Progress {
 public:
  bool report(double) override { return true; }
};

/// One stage of a larger piece of work: the stage's share `done` (0 to 1) is reported to
/// `whole` as first + done · (last − first).
class ProgressStage : public Progress {
 public:
  ProgressStage(Progress& whole, double first, double last)
      : whole_(whole), first_(first), last_(last) {}
  bool report(double done) override { return whole_.report(first_ + done * (last_ - first_)); }

 private:
  Progress& whole_;
  double first_;
  double last_;
};

/// Passes reports on to `progress` and remembers whether it asked to stop, for work done by a
/// library that only tells that it failed.
class CancelWatch : public Progress {
 public:
  explicit CancelWatch(Progress& progress) : progress_(progress) {}
  bool report(double done) override {
    if (!stopped_ && !progress_.report(done)) stopped_ = true;
    return !stopped_;
  }
  bool stopped() const { return stopped_; }

 private:
  Progress& progress_;
  bool stopped_ = false;
};

/// Thrown when the user stopped the work through its Progress. Nothing has been written then.
class Cancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "cancelled"; }
};

/// Reports `done` and throws Cancelled when the work is to stop.
inline void reportOrStop(Progress& progress, double done) {
  if (!progress.report(done)) throw Cancelled();
}

}  // namespace dtmconvert
