#include "gui/drawing_window.h"

#include <QPushButton>

#include "gui/form_controls.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/window_placement.h"

namespace suite {

DrawingWindow::DrawingWindow(const QString& name, const QString& caption, QWidget* parent)
    : SuiteWindow(name, caption, parent) {}

PictureBox* DrawingWindow::addPicture(const QString& name, const QString& accessibleName) {
  auto* picture = new PictureBox(clientArea());
  picture->setObjectName(name);
  picture->setAccessibleName(accessibleName);
  picture->setBackgroundColour(palette().color(QPalette::HighlightedText));
  picture->setForegroundColour(palette().color(QPalette::WindowText));
  return picture;
}

QPushButton* DrawingWindow::addReturnButton(const TwipsRect& twips) {
  auto* button = new QPushButton(QStringLiteral("Επιστροφή"), clientArea());
  button->setObjectName(QStringLiteral("Command1"));
  placeInClientArea(*button, twips);
  connect(button, &QPushButton::clicked, this, &QWidget::hide);
  pressOnEscape(*button);
  return button;
}

void DrawingWindow::placeInClientArea(QWidget& widget, const TwipsRect& twips) {
  widget.setGeometry(rectFromTwips(twips));
}

void DrawingWindow::placePicture(PictureBox& picture, const TwipsRect& twips) {
  picture.setGeometry(pictureRectFromTwips(twips));
}

void DrawingWindow::showAt(const TwipsRect& frameTwips) {
  placeWindowFrameTwips(*this, frameTwips);
  show();
  // The window system's frame is known once the window has been shown; place it again so that
  // the frame, not the client area, has the size asked for.
  placeWindowFrameTwips(*this, frameTwips);
  raise();
  activateWindow();
}

}  // namespace suite
