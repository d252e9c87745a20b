#pragma once

#include <QPushButton>

namespace suite {

/// A push button whose caption wraps onto further lines when it does not fit its width, centred
/// both ways, as the suite's tall command buttons show their captions. text() stays the caption.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace suite
