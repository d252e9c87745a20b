#include "map_shell/menu_main_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <cmath>

#include "gui/dialogs.h"
#include "gui/file_choice.h"
#include "gui/form_controls.h"
#include "gui/guarded_action.h"
#include "gui/window_placement.h"
#include "text/leading_number.h"
#include "text/number_format.h"
#include "text/single_precision.h"
#include "text/user_error.h"

namespace suite {

namespace {

const QString kUniformScale = QStringLiteral("Ομοιόμορφη κλίμακα");
const QString kDifferentScales = QStringLiteral("Διαφορετική κλίμακα σε Χ, Υ");

/// The number an input box's answer gives, in single precision. A number beyond the single
/// range is refused rather than taken as an infinity.
float singleFromAnswer(const QString& answer) {
  const double value = leadingNumber(answer.toStdString());
  const float single = toSingle(value);
  if (std::isinf(single)) {
    throw UserError("Ο αριθμός «" + answer.trimmed().toStdString() +
                    "» είναι πολύ μεγάλος για να χρησιμοποιηθεί.");
  }
  return single;
}

}  // namespace

MenuMainWindow::MenuMainWindow(Dialogs& dialogs, const MenuMainWindowDesign& design,
                               QWidget* parent)
    : ProgramWindow(dialogs, design.caption, parent),
      design_(design),
      screenSize_(screenSizeTwips) {
  settings_.number = design.startNumber;

  QMenu* fileMenu = addMenu(menuBar(), QStringLiteral("F1"), QStringLiteral("Αρχείο"));
  // "aρχείου" begins with a Latin "a".
  QAction* open =
      addMenuItem(fileMenu, QStringLiteral("ff1"), QStringLiteral("Άνοιγμα aρχείου DTM Grid"));
  QAction* exit = addMenuItem(fileMenu, QStringLiteral("ff4"), QStringLiteral("Έξοδος"));
  QMenu* drawMenu = addMenu(menuBar(), QStringLiteral("Mp"), design.drawMenuCaption);
  QAction* draw = addMenuItem(drawMenu, QStringLiteral("Mp1"), QStringLiteral("Σχεδίασε"));
  QMenu* noticeMenu =
      addMenu(menuBar(), QStringLiteral("Pl0"), QStringLiteral("Πληροφορίες/άδεια/περιορισμοί"));
  QAction* notice = addMenuItem(noticeMenu, QStringLiteral("Pl11"),
                                QStringLiteral("Πληροφορίες/άδεια/περιορισμοί"));
  setClientSizeTwips(design.clientWidthTwips, design.clientHeightTwips);

  QGroupBox* frame = addFrame(clientArea(), QStringLiteral("Frame1"), QString(), design.frame);
  frame->setAccessibleName(QStringLiteral("Frame1"));
  QPushButton* scale = addCommandButton(frame, QStringLiteral("Command1"),
                                        QStringLiteral("Κλίμακα"), design.scaleButton);
  scaleLabel_ = addLabel(frame, QStringLiteral("Label7"), kUniformScale, design.scaleLabel);
  QPushButton* number = addCommandButton(frame, QStringLiteral("Command3"),
                                         design.numberButtonCaption, design.numberButton);
  numberLabel_ = addLabel(frame, QStringLiteral("Label2"), QString::number(design.startNumber),
                          design.numberLabel);
  QLabel* fileCaption = addLabel(frame, QStringLiteral("Label4"),
                                 QStringLiteral("Αρχείο DTM ASCII"), design.fileCaptionLabel);
  fileNameLabel_ = addFileNameLabel(frame, QStringLiteral("Label1"), QString(),
                                    design.fileNameLabel, fileCaption);

  connectGuarded(open, dialogs, this, [this] { chooseDtmFile(); });
  connect(exit, &QAction::triggered, this, &QWidget::close);
  connectGuarded(draw, dialogs, this, [this] { startDrawing(); });
  connectGuarded(notice, dialogs, this, [this] { showNotice(); });
  connectGuarded(scale, dialogs, this, [this] { toggleScale(); });
  connectGuarded(number, dialogs, this, [this] { askNumber(); });
}

MenuMainWindow::~MenuMainWindow() = default;

MenuMainWindowSettings MenuMainWindow::settings() const {
  MenuMainWindowSettings now = settings_;
  const TwipsSize screen = screenSize_();
  now.screenWidthTwips = screen.width;
  now.screenHeightTwips = screen.height;
  return now;
}

void MenuMainWindow::toggleScale() {
  settings_.differentScales = !settings_.differentScales;
  scaleLabel_->setText(settings_.differentScales ? kDifferentScales : kUniformScale);
}

void MenuMainWindow::askNumber() {
  const QString answer = dialogs().input(this, design_.numberPrompt, QString(), 100, 5000);
  // A cancelled or empty answer reads 0, as any text that is not a number.
  settings_.number = singleFromAnswer(answer);
  numberLabel_->setText(QString::fromStdString(numberTextSingle(settings_.number)));
}

void MenuMainWindow::chooseDtmFile() {
  // A cancelled dialog changes nothing: the earlier file, or none, stays chosen.
  if (std::optional<std::string> path = chooseFile(dialogs(), this, dtmFilesFilter())) {
    showFileName(*fileNameLabel_, QString::fromStdString(*path));
    settings_.dtmPath = std::move(path);
  }
}

void MenuMainWindow::startDrawing() {
  if (!settings_.dtmPath) {
    dialogs().message(this, QStringLiteral(" Βάλε πρώτα το αρχείο Ψηφιακού Μοντέλου Εδάφους"));
    return;
  }
  draw(settings());
}

}  // namespace suite
