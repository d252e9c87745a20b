#include "gui/suite_window.h"

#include <QMenuBar>
#include <QResizeEvent>

#include "gui/twips.h"
#include "gui/window_font.h"

namespace suite {

SuiteWindow::SuiteWindow(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName(name);
  setWindowTitle(caption);
  setFont(windowFont());
}

QWidget* SuiteWindow::clientArea() {
  if (client_ == nullptr) {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->show();
    layOutClientArea();
  }
  return client_;
}

QMenuBar* SuiteWindow::menuBar() {
  if (menuBar_ == nullptr) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    // The menus belong to this window: a desktop's global menu would take them away from it.
    menuBar_->setNativeMenuBar(false);
    menuBar_->show();
    layOutClientArea();
  }
  return menuBar_;
}

int SuiteWindow::menuBarHeight() const {
  return menuBar_ == nullptr ? 0 : menuBar_->sizeHint().height();
}

void SuiteWindow::setClientSizeTwips(int widthTwips, int heightTwips) {
  const QSize client = sizeFromTwips(widthTwips, heightTwips);
  resize(client.width(), client.height() + menuBarHeight());
  layOutClientArea();
}

void SuiteWindow::layOutClientArea() {
  const int top = menuBarHeight();
  if (menuBar_ != nullptr) menuBar_->setGeometry(0, 0, width(), top);
  if (client_ != nullptr) client_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void SuiteWindow::resizeEvent(QResizeEvent* event) {
  layOutClientArea();
  QWidget::resizeEvent(event);
}

}  // namespace suite
