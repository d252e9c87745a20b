#include "cellinterp/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "cellinterp/cell_actions.h"
#include "cellinterp/help_text.h"
#include "cellinterp/shown_values.h"
#include "gui/data_label.h"
#include "gui/dialogs.h"
#include "gui/file_choice.h"
#include "gui/form_controls.h"
#include "gui/guarded_action.h"
#include "gui/help_window.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/wait_cursor.h"

namespace cellinterp {

namespace {

const QColor kCornerLabelColour(255, 192, 192);
const QColor kHeightBoxColour(192, 255, 255);
const QColor kCaptionColour(255, 224, 192);
const QColor kResultColour(192, 255, 192);
const QColor kPointLabelColour(255, 255, 192);
const QColor kInstructionColour(192, 192, 255);
const QColor kPictureColour(255, 255, 128);
/// Picture1, the cell, in Frame1.
constexpr suite::TwipsRect kCellPictureTwips{2400, 840, 855, 735};

std::string boxText(const QLineEdit* box) {
  return box->text().toStdString();
}

QString shown(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

MainWindow::MainWindow(suite::Dialogs& dialogs, QWidget* parent)
    : suite::ProgramWindow(dialogs, QStringLiteral("Υπολογισμός Ζ=f(Χ, Υ)"), parent) {
  resize(suite::sizeFromTwips(8265, 4740));

  QGroupBox* frame = suite::addFrame(this, QStringLiteral("Frame1"), QStringLiteral("Χειρισμοί"),
                                     {240, 120, 7695, 4455});
  buildCornerHeights(frame);
  buildCellPicture(frame);
  buildPointCoordinates(frame);
  buildCommands(frame);

  // The picture's outer size as designed, taken once: clicks map onto it whatever happens to
  // the picture later. Its last pixel column and row lie at this width and height.
  state_.pictureWidthTwips = kCellPictureTwips.width;
  state_.pictureHeightTwips = kCellPictureTwips.height;
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCornerHeights(QWidget* frame) {
  suite::addLabel(frame, QStringLiteral("Label5"), QStringLiteral("Υψόμετρα κορυφών"),
                  {120, 240, 1815, 255});
  const QString captions[4] = {QStringLiteral("Z(i, j)"), QStringLiteral("Z(i, j+1)"),
                               QStringLiteral("Z(i+1, j)"), QStringLiteral("Z(i+1, j+1)")};
  for (int k = 0; k < 4; ++k) {
    const int top = 480 + 240 * k;
    suite::addLabel(frame, QStringLiteral("Label2(%1)").arg(k), captions[k], {120, top, 855, 255},
                    kCornerLabelColour);
    cornerBoxes_.at(static_cast<std::size_t>(k)) =
        suite::addTextBox(frame, QStringLiteral("Text1(%1)").arg(k), QString(),
                          {960, top, 975, 285}, captions[k], kHeightBoxColour);
  }
  QLabel* gridSizeCaption =
      suite::addLabel(frame, QStringLiteral("Label12"), QStringLiteral("Γρ. Στ"),
                      {120, 1440, 855, 375}, kCaptionColour);
  gridSizeLabel_ = suite::addLabel(frame, QStringLiteral("Label13"), QString(),
                                   {960, 1440, 975, 375}, kResultColour);
  suite::makeDataLabel(*gridSizeLabel_, gridSizeCaption);
  QLabel* fileCaption = suite::addLabel(frame, QStringLiteral("Label4"),
                                        QStringLiteral("Αρχείο DTM ASCII"), {120, 1800, 1575, 375});
  fileNameLabel_ = suite::addFileNameLabel(frame, QStringLiteral("Label1"), QString(),
                                           {1680, 1800, 5895, 375}, fileCaption);
}

void MainWindow::buildCellPicture(QWidget* frame) {
  suite::addLabel(frame, QStringLiteral("Label6"), QStringLiteral("Κελί πλέγματος"),
                  {2040, 240, 1575, 255});
  // A plain light-yellow picture stands for the whole cell, north up; nothing is drawn on it.
  cellPicture_ = new suite::PictureBox(frame);
  cellPicture_->setObjectName(QStringLiteral("Picture1"));
  cellPicture_->setAccessibleName(QStringLiteral("Κελί πλέγματος"));
  cellPicture_->setAccessibleDescription(QStringLiteral("Picture1"));
  // Every pixel that a click addresses, 0 to 855 twips across, so the last pixel column is the
  // east edge of the cell (u = a) and the last row its south edge (v = 0).
  cellPicture_->setGeometry(suite::pictureRectFromTwips(kCellPictureTwips));
  cellPicture_->setBackgroundColour(kPictureColour);
  cellPicture_->setCursor(Qt::CrossCursor);
  connect(cellPicture_, &suite::PictureBox::mousePressedTwips, this,
          [this](Qt::MouseButton, double xTwips, double yTwips) {
            suite::runGuarded(dialogs(), this, [&] { interpolateAtPicture(xTwips, yTwips); });
          });

  // The corner captions name the grid node at each corner of the picture. They overlap its
  // corner pixels and lie beneath it, so a click on a corner reaches the picture.
  struct Corner {
    const char* caption;
    suite::TwipsRect twips;
  };
  const Corner corners[4] = {{"i, j", {1920, 600, 495, 255}},
                             {"i, j+1", {3240, 600, 495, 255}},
                             {"i+1, j", {1920, 1560, 495, 255}},
                             {"i+1, j+1", {3240, 1560, 615, 255}}};
  for (int k = 0; k < 4; ++k) {
    suite::addLabel(frame, QStringLiteral("Label3(%1)").arg(k),
                    QString::fromUtf8(corners[k].caption), corners[k].twips, kCaptionColour);
  }
}

void MainWindow::buildPointCoordinates(QWidget* frame) {
  suite::addLabel(frame, QStringLiteral("Label8"), QStringLiteral("Συντεταγμένες σημείου"),
                  {4680, 360, 2175, 255});
  suite::addLabel(frame, QStringLiteral("Label7(2)"), QStringLiteral("         Χ"),
                  {4440, 720, 1335, 255}, kPointLabelColour);
  suite::addLabel(frame, QStringLiteral("Label7(3)"), QStringLiteral("         Υ"),
                  {5760, 720, 1335, 255}, kPointLabelColour);
  suite::addLabel(frame, QStringLiteral("Label7(1)"), QStringLiteral("u,   v -->"),
                  {3720, 1200, 735, 255}, kPointLabelColour);
  suite::addLabel(frame, QStringLiteral("Label7(0)"), QStringLiteral("  Ζ ="),
                  {4440, 1560, 615, 255}, kPointLabelColour);
  // X and Y above, u and v (shown by a click, typed for "Διγραμμική") below them.
  const auto pointBox = [frame](const char* name, const char* accessibleName,
                                const suite::TwipsRect& twips) {
    return suite::addTextBox(frame, QString::fromLatin1(name), QString(), twips,
                             QString::fromUtf8(accessibleName), kHeightBoxColour);
  };
  xBox_ = pointBox("Text2(0)", "Χ", {4440, 960, 1335, 285});
  yBox_ = pointBox("Text2(1)", "Υ", {5760, 960, 1335, 285});
  uBox_ = pointBox("Text2(2)", "u", {4440, 1200, 1335, 285});
  vBox_ = pointBox("Text2(3)", "v", {5760, 1200, 1335, 285});
  zBox_ = suite::addTextBox(frame, QStringLiteral("Text4"), QString(), {5040, 1560, 1335, 285},
                            QStringLiteral("Ζ"), kResultColour);
}

void MainWindow::buildCommands(QWidget* frame) {
  QPushButton* load = suite::addCommandButton(
      frame, QStringLiteral("Command1"), QStringLiteral("Βάλε αρχείο"), {120, 2160, 1215, 375});
  QPushButton* notice = suite::addCommandButton(frame, QStringLiteral("Command2"),
                                                QStringLiteral("Πληροφορίες άδεια περιορισμοί"),
                                                {120, 2640, 1215, 735});
  QPushButton* help = suite::addCommandButton(frame, QStringLiteral("Command3"),
                                              QStringLiteral("Βοήθεια"), {120, 3480, 1215, 375});
  QPushButton* end = suite::addCommandButton(frame, QStringLiteral("Command5"),
                                             QStringLiteral("Τέλος"), {120, 3960, 1215, 375});
  suite::addLabel(frame, QStringLiteral("Label11"), QStringLiteral("Κάνε Παρεμβολή"),
                  {1800, 2400, 1335, 375});
  QPushButton* interpolate = suite::addCommandButton(
      frame, QStringLiteral("Command4"), QStringLiteral("Διγραμμική"), {1800, 2760, 1335, 375});

  suite::addLabel(frame, QStringLiteral("Label9"), QStringLiteral("Βάλε γραμμή,         στήλη"),
                  {4200, 2280, 2055, 255});
  rowBox_ = suite::addTextBox(frame, QStringLiteral("Text3"), QStringLiteral("1"),
                              {4200, 2520, 1095, 375}, QStringLiteral("γραμμή"));
  columnBox_ = suite::addTextBox(frame, QStringLiteral("Text5"), QStringLiteral("1"),
                                 {5280, 2520, 975, 375}, QStringLiteral("στήλη"));
  suite::addLabel(frame, QStringLiteral("Label10"),
                  QStringLiteral("Για να λειτουργήσει το πρόγραμμα Βάλε γραμμή, στήλη και μετά "
                                 "κάνε κλικ στο κελί πλέγματος ή βάλε τις τιμές u, v και μετά "
                                 "κάνε παρεμβολή"),
                  {3600, 3120, 3855, 855}, kInstructionColour);

  suite::connectGuarded(load, dialogs(), this, [this] { loadFile(); });
  suite::connectGuarded(notice, dialogs(), this, [this] { showNotice(); });
  suite::connectGuarded(help, dialogs(), this, [this] { openHelp(); });
  suite::connectGuarded(interpolate, dialogs(), this, [this] { interpolateTypedValues(); });
  connect(end, &QPushButton::clicked, this, &QWidget::close);
  // Every change of either box, each keystroke included, applies the row and column.
  for (QLineEdit* box : {rowBox_, columnBox_}) {
    connect(box, &QLineEdit::textChanged, this,
            [this] { suite::runGuarded(dialogs(), this, [this] { applyBoxes(); }); });
  }
}

void MainWindow::loadFile() {
  const std::optional<std::string> chosen =
      suite::chooseFile(dialogs(), this, suite::dtmFilesFilter());
  if (!chosen) {
    dialogs().message(this, shown(cancelledLoadMessage(state_)));
    return;
  }
  LoadOutcome outcome;
  {
    const suite::WaitCursor wait;  // a large grid takes a moment to read
    outcome = loadGridFile(state_, *chosen, boxText(rowBox_), boxText(columnBox_));
  }
  suite::showFileName(*fileNameLabel_, shown(*chosen));
  gridSizeLabel_->setText(shown(gridSizeText(state_.grid.header)));
  showCorners();
  if (outcome.notice) dialogs().message(this, shown(*outcome.notice));
}

void MainWindow::applyBoxes() {
  if (applyRowColumn(state_, boxText(rowBox_), boxText(columnBox_))) {
    showCorners();
  } else {
    dialogs().message(this, shown(std::string(kOutsideGridMessage)));
  }
}

void MainWindow::interpolateAtPicture(double xTwips, double yTwips) {
  const PointTexts texts = pointTexts(interpolateAtClick(state_, xTwips, yTwips));
  uBox_->setText(shown(texts.u));
  vBox_->setText(shown(texts.v));
  xBox_->setText(shown(texts.x));
  yBox_->setText(shown(texts.y));
  zBox_->setText(shown(texts.z));
}

void MainWindow::interpolateTypedValues() {
  applyBoxes();
  const std::optional<InterpolatedPoint> point =
      interpolateTyped(state_, boxText(uBox_), boxText(vBox_));
  if (!point) return;  // no cell at all: applying the boxes has said so
  const PointTexts texts = pointTexts(*point);
  xBox_->setText(shown(texts.x));
  yBox_->setText(shown(texts.y));
  zBox_->setText(shown(texts.z));
}

void MainWindow::showCorners() {
  if (!state_.cell) {
    for (QLineEdit* box : cornerBoxes_) box->clear();
    return;
  }
  const std::array<std::string, 4> texts = cornerTexts(cornerHeights(state_.grid, *state_.cell));
  for (std::size_t k = 0; k < texts.size(); ++k) cornerBoxes_.at(k)->setText(shown(texts.at(k)));
}

void MainWindow::openHelp() {
  suite::HelpWindowDesign design;
  design.caption = QStringLiteral("Βοήθεια");
  design.clientWidthTwips = 7815;
  design.clientHeightTwips = 7470;
  design.background = QColor(255, 255, 192);
  design.returnButton = {120, 120, 1095, 375};
  // Beside this window the first time; after that the help stays where the user puts it.
  design.firstBesideMainWindow = true;
  openHelpWindow(design, helpLines());
}

}  // namespace cellinterp
