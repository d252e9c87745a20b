#include "simulator_shell/photo_pair_window.h"

#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/window_placement.h"

namespace suite {

PhotoPairWindow::PhotoPairWindow(Dialogs& dialogs, const QString& program, QWidget* parent)
    : DrawingWindow(QStringLiteral("Form3"), QStringLiteral("Σχεδίασε στέρεο Α/Φ"), parent) {
  picture_ =
      addPicture(QStringLiteral("Picture1"), QStringLiteral("Στέρεο ζεύγος αεροφωτογραφιών"));
  addReturnButton({120, 0, 2652, 252});
  saving_ = new PictureSaving(*this, *picture_, dialogs, program);
  saving_->offerOnPicture();
}

PhotoPairGeometry PhotoPairWindow::draw(int screenWidthTwips, int screenHeightTwips,
                                        const PhotoPairInput& input, const PhotoPairStyle& style,
                                        const std::string& inputPath) {
  const PhotoPairWindowLayout layout = photoPairWindowLayout(screenWidthTwips, screenHeightTwips);
  placeWindowFrameTwips(*this, layout.window);
  placeInClientArea(*picture_, layout.picture);
  PhotoPairGeometry geometry;
  try {
    geometry = drawPhotoPair(*picture_, input, style);
  } catch (...) {
    picture_->clear();
    saving_->forgetDrawing();
    hide();
    throw;
  }
  saving_->setDrawing(inputPath,
                      [input, style](Canvas& canvas) { drawPhotoPair(canvas, input, style); });
  showAt(layout.window);
  return geometry;
}

}  // namespace suite
