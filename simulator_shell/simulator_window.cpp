#include "simulator_shell/simulator_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs.h"
#include "gui/file_choice.h"
#include "gui/form_controls.h"
#include "gui/guarded_action.h"
#include "gui/help_window.h"
#include "gui/suite_notice.h"
#include "gui/twips.h"
#include "gui/window_font.h"
#include "simulator_shell/photo_pair_window.h"

namespace suite {

const QString& SimulatorWindow::helpCaption() {
  static const QString caption = QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων");
  return caption;
}

SimulatorWindow::SimulatorWindow(Dialogs& dialogs, const QString& program, int clientHeightTwips,
                                 const QString& parametersCaption, QWidget* parent)
    : ProgramWindow(dialogs, QStringLiteral("Προσομοίωση εικονοσυντεταγμένων"), parent),
      program_(program) {
  resize(sizeFromTwips(7890, clientHeightTwips));
  parameters_ = addSimulationParametersFrame(this, parametersCaption);
  move(pointFromTwips(1, 1));
}

SimulatorWindow::~SimulatorWindow() = default;

QLabel* SimulatorWindow::addFileChoice(QWidget* frame, const QString& buttonName,
                                       const QString& buttonCaption, const TwipsRect& buttonTwips,
                                       const QString& labelName, const QString& labelCaption,
                                       const TwipsRect& labelTwips, std::string& path, bool& chosen) {
  QPushButton* button = addCommandButton(frame, buttonName, buttonCaption, buttonTwips);
  QLabel* label = addFileNameLabel(frame, labelName, labelCaption, labelTwips);
  connect(button, &QPushButton::clicked, this, [this, label, &path, &chosen] {
    runGuarded(dialogs(), this,
               [&] { chooseFile(dialogs(), this, allFilesFilter(), *label, path, chosen); });
  });
  return label;
}

void SimulatorWindow::addCommands(QWidget* frame, int noticeTopTwips, int commandsTopTwips) {
  QPushButton* notice = addCommandButton(frame, QStringLiteral("Command5"),
                                         QStringLiteral("Πληροφορίες άδεια περιορισμοί"),
                                         {3000, noticeTopTwips, 1335, 855});
  QPushButton* draw =
      addCommandButton(frame, QStringLiteral("Command6"), QStringLiteral("Σχεδίασε"),
                       {120, commandsTopTwips, 1095, 615});
  QPushButton* simulate =
      addCommandButton(frame, QStringLiteral("Command3"), QStringLiteral("Προσομοίωσε"),
                       {1440, commandsTopTwips, 1335, 615});
  QPushButton* help = addCommandButton(frame, QStringLiteral("Command4"), QStringLiteral("Βοήθεια"),
                                       {4560, commandsTopTwips, 1095, 615});
  QPushButton* finish =
      addCommandButton(frame, QStringLiteral("Command7"), QStringLiteral("Τελείωσε"),
                       {5880, commandsTopTwips, 1095, 615});

  connect(notice, &QPushButton::clicked, this,
          [this] { runGuarded(dialogs(), this, [this] { showNotice(); }); });
  connect(draw, &QPushButton::clicked, this, [this] { startRun(RunMode::Draw); });
  connect(simulate, &QPushButton::clicked, this, [this] { startRun(RunMode::Simulate); });
  connect(help, &QPushButton::clicked, this, &SimulatorWindow::showHelp);
  connect(finish, &QPushButton::clicked, this, &QWidget::close);
}

void SimulatorWindow::startRun(RunMode mode) {
  runGuarded(dialogs(), this, [&] { run(mode); });
}

void SimulatorWindow::showHelp() {
  runGuarded(dialogs(), this, [&] { openHelp(); });
}

void SimulatorWindow::openSimulatorHelp(const std::vector<std::string>& lines,
                                        int screenHeightTwips) {
  HelpWindowDesign design;
  design.caption = helpCaption();
  design.clientWidthTwips = 10200;
  design.clientHeightTwips = 5175;
  design.returnButton = {8400, 120, 1695, 375};
  design.frameTopLeftTwips = QPoint(5000, 1);
  design.frameHeightTwips = screenHeightTwips;
  openHelpWindow(design, lines);
}

PhotoPairGeometry SimulatorWindow::drawPhotoPair(int screenWidthTwips, int screenHeightTwips,
                                                 const PhotoPairInput& input,
                                                 const PhotoPairStyle& style,
                                                 const std::string& inputPath) {
  if (!photoPairWindow_) photoPairWindow_ = std::make_unique<PhotoPairWindow>(dialogs(), program_);
  return photoPairWindow_->draw(screenWidthTwips, screenHeightTwips, input, style, inputPath);
}

}  // namespace suite
