#include "gui/help_window.h"

#include <QPushButton>

#include "gui/form_controls.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/window_font.h"
#include "gui/window_placement.h"

namespace suite {

HelpWindow::HelpWindow(HelpWindowDesign design, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(std::move(design)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(design_.caption);
  setFont(windowFont());
  resize(sizeFromTwips(design_.clientWidthTwips, design_.clientHeightTwips));

  QPalette colours = palette();
  const QColor background = design_.background.value_or(colours.color(QPalette::ToolTipBase));
  const QColor text = design_.background ? colours.color(QPalette::WindowText)
                                         : colours.color(QPalette::ToolTipText);
  colours.setColor(QPalette::Window, background);
  setPalette(colours);
  setAutoFillBackground(true);

  surface_ = new PictureBox(this);
  surface_->setObjectName(QStringLiteral("HelpText"));
  surface_->setAccessibleName(QStringLiteral("Κείμενο βοήθειας"));
  surface_->setBackgroundColour(background);
  surface_->setForegroundColour(text);
  fitSurface();

  return_ = new QPushButton(QStringLiteral("Επιστροφή"), this);
  return_->setObjectName(QStringLiteral("Command1"));
  return_->setGeometry(rectFromTwips(design_.returnButton));
  return_->raise();
  connect(return_, &QPushButton::clicked, this, &QWidget::hide);
  pressOnEscape(*return_);
}

void HelpWindow::place() {
  if (!design_.frameTopLeftTwips) return;
  const QPoint at = *design_.frameTopLeftTwips;
  if (design_.frameHeightTwips) {
    // The client width stays as it is; only the height is set.
    const int frameWidthTwips = pixelsToTwips(width() + frameExtra(*this).width());
    placeWindowFrameTwips(*this, {at.x(), at.y(), frameWidthTwips, *design_.frameHeightTwips});
  } else {
    move(pointFromTwips(at.x(), at.y()));
  }
}

void HelpWindow::open(const std::vector<std::string>& lines) {
  place();
  setWindowTitle(design_.caption);
  // A hidden window gets its resize event only when shown, so the surface is fitted now, before
  // it is cleared and printed on.
  fitSurface();
  clearSurface();
  show();
  // The window system's frame is known once the window has been shown; place it again so that
  // the frame, not the client area, stands where the design says.
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
