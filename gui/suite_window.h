#pragma once

#include <QWidget>

class QMenuBar;
class QResizeEvent;

namespace suite {

/// A top-level window of the suite: an optional menu bar along its top and the client area
/// below it, in which the window's controls are placed in twips. Without a menu bar the client
/// area is the whole window. A window without a menu bar may place its controls in the window
/// itself instead, and then has no client area.
class SuiteWindow : public QWidget {
  Q_OBJECT

 public:
  /// A window named `name` (its design name, e.g. "Form1") with `caption` as its title, in the
  /// suite's window font.
  SuiteWindow(const QString& name, const QString& caption, QWidget* parent = nullptr);

  /// The menu bar, made on first use; it is drawn in the window, never as a global menu.
  QMenuBar* menuBar();
  /// The area below the menu bar that the controls stand in, made on first use.
  QWidget* clientArea();

  /// Sizes the window so that its client area is `width` × `height` twips below the menu bar.
  void setClientSizeTwips(int widthTwips, int heightTwips);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int menuBarHeight() const;
  void layOutClientArea();

  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
};

}  // namespace suite
