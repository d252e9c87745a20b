#include "gui/program_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "gui/dialogs.h"
#include "gui/help_window.h"
#include "gui/suite_notice.h"

namespace suite {

ProgramWindow::ProgramWindow(Dialogs& dialogs, const QString& caption, QWidget* parent)
    : SuiteWindow(QStringLiteral("Form1"), caption, parent), dialogs_(dialogs) {}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::showNotice() {
  dialogs_.message(this, suiteNotice());
}

void ProgramWindow::openHelpWindow(const HelpWindowDesign& design,
                                   const std::vector<std::string>& lines) {
  if (!helpWindow_) {
    helpWindow_ = std::make_unique<HelpWindow>(design);
    if (design.firstBesideMainWindow) {
      const QRect mainFrame = frameGeometry();
      const QPoint beside(mainFrame.right() + 1, mainFrame.top());
      const QScreen* screen = this->screen();
      if (screen != nullptr &&
          screen->availableGeometry().right() >= beside.x() + helpWindow_->width())
        helpWindow_->move(beside);
    }
  }
  helpWindow_->open(lines);
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace suite
