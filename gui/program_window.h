#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/suite_window.h"

class QCloseEvent;

namespace suite {

class Dialogs;
class HelpWindow;
struct HelpWindowDesign;

/// The main window of a program of the suite, Form1, with what every one of them does alike.
/// It asks the user through `dialogs`; it shows the suite's notice; it makes its help window
/// (Form2) on the first opening and keeps it; and closing it ends the program, every other
/// window included. A program's main window derives from it, or from a shell that does.
class ProgramWindow : public SuiteWindow {
  Q_OBJECT

 public:
  ~ProgramWindow() override;

  /// The help window; null until first opened.
  HelpWindow* helpWindow() const { return helpWindow_.get(); }

 protected:
  ProgramWindow(Dialogs& dialogs, const QString& caption, QWidget* parent);

  Dialogs& dialogs() const { return dialogs_; }

  /// Shows the suite's notice of rights, terms and disclaimer.
  void showNotice();

  /// Opens the help window and prints `lines` on it afresh. The first opening makes the window
  /// from `design` (later designs are not read); when the design asks, it stands at the right
  /// of this window, top edges level, if the screen has room for both.
  void openHelpWindow(const HelpWindowDesign& design, const std::vector<std::string>& lines);

  void closeEvent(QCloseEvent* event) override;

 private:
  Dialogs& dialogs_;
  std::unique_ptr<HelpWindow> helpWindow_;
};

}  // namespace suite
