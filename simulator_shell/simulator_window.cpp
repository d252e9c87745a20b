#include "simulator_shell/simulator_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs.h"
#include "gui/file_choice.h"
#include "gui/form_controls.h"
#include "gui/guarded_action.h"
#include "gui/help_window.h"
#include "gui/twips.h"
#include "gui/window_placement.h"
#include "simulator_shell/photo_pair_window.h"

namespace suite {

SimulatorWindow::SimulatorWindow(Dialogs& dialogs, const QString& program, int clientHeightTwips,
                                 const QString& parametersCaption,
                                 const std::vector<std::string>& helpLines, QWidget* parent)
    : ProgramWindow(dialogs, QStringLiteral("Προσομοίωση εικονοσυντεταγμένων"), parent),
      program_(program),
      helpLines_(helpLines),
      screenTwips_(screenSizeTwips()) {
  resize(sizeFromTwips(7890, clientHeightTwips));
  parameters_ = addSimulationParametersFrame(this, parametersCaption);
  move(pointFromTwips(1, 1));
}

SimulatorWindow::~SimulatorWindow() = default;

FileChoiceDesign SimulatorWindow::inputFileChoice(int labelWidthTwips) {
  return {"Command1",
          "Όνομα Αρχείου  ΨΜΕ",
          {120, 240, 2052, 375},
          "Label1(0)",
          "Κανένα",
          {2160, 240, labelWidthTwips, 375}};
}

void SimulatorWindow::addFilesFrame(const FilesFrameDesign& design,
                                    std::initializer_list<FileChoice> choices) {
  QGroupBox* frame =
      addFrame(this, QStringLiteral("Frame2"), QString::fromUtf8(design.caption), design.twips);
  for (const FileChoice& choice : choices) addFileChoice(frame, choice);
  addCommands(frame, design.noticeTopTwips, design.commandsTopTwips);
}

void SimulatorWindow::addFileChoice(QWidget* frame, const FileChoice& choice) {
  const FileChoiceDesign& design = choice.design;
  QPushButton* button = addCommandButton(frame, QString::fromUtf8(design.button),
                                         QString::fromUtf8(design.caption), design.buttonTwips);
  QLabel* label = addFileNameLabel(frame, QString::fromUtf8(design.label),
                                   QString::fromUtf8(design.labelCaption), design.labelTwips);
  // Assistive tools read the name the label shows; the button's caption says whose it is.
  label->setAccessibleDescription(button->text());
  const auto choose = design.use == FileUse::Written ? chooseOutputFile : chooseFile;
  connectGuarded(button, dialogs(), this, [this, label, choose, chosen = choice.chosen] {
    if (std::optional<std::string> path = choose(dialogs(), this, allFilesFilter())) {
      showFileName(*label, QString::fromStdString(*path));
      chosen(std::move(*path));
    }
  });
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

  connectGuarded(notice, dialogs(), this, [this] { showNotice(); });
  connectGuarded(draw, dialogs(), this, [this] { run(RunMode::Draw); });
  connectGuarded(simulate, dialogs(), this, [this] { run(RunMode::Simulate); });
  connectGuarded(help, dialogs(), this, [this] { openHelp(); });
  connect(finish, &QPushButton::clicked, this, &QWidget::close);
}

void SimulatorWindow::openHelp() {
  HelpWindowDesign design;
  design.caption = QStringLiteral("Προσωμοίωση στέρεο εικονοσυντεταγμένων");
  design.clientWidthTwips = 10200;
  design.clientHeightTwips = 5175;
  design.returnButton = {8400, 120, 1695, 375};
  design.frameTopLeftTwips = QPoint(5000, 1);
  design.frameHeightTwips = screenTwips_.height;
  openHelpWindow(design, helpLines_);
}

PhotoPairGeometry SimulatorWindow::drawPhotoPair(const PhotoPairInput& input,
                                                 const PhotoPairStyle& style,
                                                 const std::string& inputPath) {
  if (!photoPairWindow_) photoPairWindow_ = std::make_unique<PhotoPairWindow>(dialogs(), program_);
  return photoPairWindow_->draw(screenTwips_.width, screenTwips_.height, input, style,
                                inputPath);
}

}  // namespace suite
