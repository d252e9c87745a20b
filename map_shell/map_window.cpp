#include "map_shell/map_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "gui/data_label.h"
#include "gui/form_controls.h"
#include "gui/picture_box.h"
#include "gui/picture_saving.h"
#include "gui/wait_cursor.h"

namespace suite {

MapWindow::MapWindow(Dialogs& dialogs, const QString& program, const QString& caption,
                     const TwipsRect& readoutTwips, const QString& pictureName,
                     const QString& panelName, QWidget* parent)
    : DrawingWindow(QStringLiteral("Form2"), caption, parent) {
  mapMenu_ = addMenu(menuBar(), QStringLiteral("Map1"), QStringLiteral("Χάρτης"));
  QAction* exit = addMenuItem(mapMenu_, QStringLiteral("Map2"), QStringLiteral("Έξοδος"));
  connect(exit, &QAction::triggered, this, [this] {
    hide();
    restoreDefaultPointer();
  });

  picture_ = addPicture(QStringLiteral("Picture1"), pictureName);
  panel_ = addPicture(QStringLiteral("Picture2"), panelName);
  saving_ = new PictureSaving(*this, *picture_, dialogs, program);
  saving_->addToMenu(*mapMenu_, exit);
  readout_ = addLabel(clientArea(), QStringLiteral("Label1"), QString(), readoutTwips);
  // The readout's text stands at the top of its line, clear of Picture1 below it; the line
  // overlaps the picture's top, and a click there belongs to the picture. Unlike the other
  // labels it stays above the picture, so that on a low screen, where the picture starts
  // higher, the picture does not hide its text.
  readout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
  readout_->setWordWrap(false);
  readout_->raise();
  makeDataLabel(*readout_);
}

DrawingWindowLayout MapWindow::coverScreen(int screenWidthTwips, int screenHeightTwips) {
  const DrawingWindowLayout layout = drawingWindowLayout(screenWidthTwips, screenHeightTwips);
  const TwipsRect frame{0, 0, layout.screenWidth, layout.screenHeight};
  showAt(frame);
  placePicture(*picture_, layout.picture);
  placePicture(*panel_, layout.panel);
  return layout;
}

}  // namespace suite
