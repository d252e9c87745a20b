#include "simulator/photo_pair_window.h"

#include <QPushButton>

#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/window_font.h"
#include "gui/window_placement.h"

namespace suite {

PhotoPairWindow::PhotoPairWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Σχεδίασε στέρεο Α/Φ"));
  setFont(windowFont());

  picture_ = new PictureBox(this);
  picture_->setObjectName(QStringLiteral("Picture1"));
  picture_->setAccessibleName(QStringLiteral("Στέρεο ζεύγος αεροφωτογραφιών"));
  picture_->setBackgroundColour(palette().color(QPalette::HighlightedText));
  picture_->setForegroundColour(palette().color(QPalette::WindowText));

  return_ = new QPushButton(QStringLiteral("Επιστροφή"), this);
  return_->setObjectName(QStringLiteral("Command1"));
  return_->setGeometry(rectFromTwips(120, 0, 2652, 252));
  connect(return_, &QPushButton::clicked, this, &QWidget::hide);
}

PhotoPairGeometry PhotoPairWindow::draw(int screenWidthTwips, int screenHeightTwips,
                                        const PhotoPairInput& input, const PhotoPairStyle& style) {
  const PhotoPairWindowLayout layout = photoPairWindowLayout(screenWidthTwips, screenHeightTwips);
  placeWindowFrameTwips(*this, layout.window.left, layout.window.top, layout.window.width,
                        layout.window.height);
  picture_->setGeometry(rectFromTwips(layout.picture.left, layout.picture.top, layout.picture.width,
                                      layout.picture.height));
  PhotoPairGeometry geometry;
  try {
    geometry = drawPhotoPair(*picture_, input, style);
  } catch (...) {
    picture_->clear();
    hide();
    throw;
  }
  show();
  // The window system's frame is known once the window has been shown; place it again so that
  // the frame, not the client area, covers the screen.
  placeWindowFrameTwips(*this, layout.window.left, layout.window.top, layout.window.width,
                        layout.window.height);
  raise();
  activateWindow();
  return geometry;
}

}  // namespace suite
