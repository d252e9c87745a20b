#pragma once

#include <QGroupBox>

namespace suite {

/// A frame with a caption as the suite's windows draw it: an etched rectangle whose top edge runs
/// through the middle of the caption, the caption a little in from the left. Controls inside are
/// placed relative to the frame's top-left corner, above which nothing is reserved.
class ClassicFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit ClassicFrame(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace suite
