#include "gui/help_window.h"

#include <QPushButton>

#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/window_font.h"
#include "gui/window_placement.h"

namespace suite {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Βοήθεια στον προσομοιωτή στέρεο φωτογραφιών"));
  setFont(windowFont());
  resize(sizeFromTwips(kDesignWidthTwips, kDesignHeightTwips));

  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  setPalette(colours);
  setAutoFillBackground(true);

  surface_ = new PictureBox(this);
  surface_->setObjectName(QStringLiteral("HelpText"));
  surface_->setAccessibleName(QStringLiteral("Κείμενο βοήθειας"));
  surface_->setBackgroundColour(colours.color(QPalette::ToolTipBase));
  surface_->setForegroundColour(colours.color(QPalette::ToolTipText));
  fitSurface();

  return_ = new QPushButton(QStringLiteral("Επιστροφή"), this);
  return_->setObjectName(QStringLiteral("Command1"));
  return_->setGeometry(rectFromTwips(8400, 120, 1695, 375));
  return_->raise();
  connect(return_, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::open(const QString& caption, const std::vector<std::string>& lines,
                      int screenHeightTwips) {
  // The client width stays as it is; only the height follows the screen.
  const auto place = [&] {
    const int frameWidthTwips = pixelsToTwips(width() + frameExtra(*this).width());
    placeWindowFrameTwips(*this, kLeftTwips, kTopTwips, frameWidthTwips, screenHeightTwips);
  };
  place();
  setWindowTitle(caption);
  // A hidden window gets its resize event only when shown, so the surface is fitted now, before
  // it is cleared and printed on.
  fitSurface();
  clearSurface();
  show();
  // The window system's frame is known once the window has been shown; place it again so that
  // the frame, not the client area, is as tall as the screen.
  place();
  fitSurface();
  raise();
  activateWindow();
  for (const std::string& line : lines) printLine(line);
}

void HelpWindow::clearSurface() {
  surface_->clear();
  printed_.clear();
}

void HelpWindow::printLine(const std::string& line) {
  surface_->printLine(line);
  printed_.push_back(line);
}

void HelpWindow::fitSurface() {
  surface_->setGeometry(rect());
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  fitSurface();
  QWidget::resizeEvent(event);
}

}  // namespace suite
