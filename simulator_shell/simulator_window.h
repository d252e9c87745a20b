#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "canvas/twips.h"
#include "gui/program_window.h"
#include "simulator_shell/simulation_parameters_frame.h"
#include "stereo/photo_pair_drawing.h"
#include "stereo/simulation_run.h"

class QLabel;
class QLineEdit;

namespace suite {

class Dialogs;
class PhotoPairWindow;

/// The main window both stereo simulators are built on, Form1, caption "Προσομοίωση
/// εικονοσυντεταγμένων", 7890 twips wide, placed at the screen's top-left corner (1, 1 twip).
/// It holds the simulation parameter frame (Frame1), and gives a program the rest of the shared
/// design: file buttons with their name labels, the five commands ("Πληροφορίες άδεια
/// περιορισμοί", "Σχεδίασε", "Προσομοίωσε", "Βοήθεια", "Τελείωσε") wired to their actions, the
/// help window (Form2) and the photo pair window (Form3), created on first use and kept.
///
/// A program derives from it, adds its own frames and file choices, and supplies the run and
/// the help. Every action runs guarded: a failure shows its message and the window keeps its
/// state. Closing the window, or "Τελείωσε", ends the program with every window.
class SimulatorWindow : public ProgramWindow {
  Q_OBJECT

 public:
  ~SimulatorWindow() override;

  /// The simulation parameter boxes Text1(0) to Text1(6): Xo, Yo, θ, k, σxy, F, S*Xo.
  const std::array<QLineEdit*, 7>& simulationBoxes() const { return parameters_.text1; }
  /// Text3, the replacement height H(3,5).
  QLineEdit* replacementHeightBox() const { return parameters_.text3; }

  /// The caption "Βοήθεια" gives the help window.
  static const QString& helpCaption();
  /// The photo pair window, null until first used.
  PhotoPairWindow* photoPairWindow() const { return photoPairWindow_.get(); }

 protected:
  /// Builds the window of the program `program` ("flightsim", which names its saved pictures)
  /// with a client area 7890 × `clientHeightTwips` twips and the simulation parameter frame
  /// captioned `parametersCaption`.
  SimulatorWindow(Dialogs& dialogs, const QString& program, int clientHeightTwips,
                  const QString& parametersCaption, QWidget* parent);

  const SimulationParameterBoxes& parameterBoxes() const { return parameters_; }

  /// Adds a file button (at `buttonTwips` in `frame`) and the label that shows its file's name
  /// (at `labelTwips`, `labelCaption` until a file is chosen). The button chooses with the
  /// filter "All Files|*.*|" into `path` and `chosen` (see chooseFile: a cancelled dialog
  /// changes nothing); both must live as long as the window.
  QLabel* addFileChoice(QWidget* frame, const QString& buttonName, const QString& buttonCaption,
                        const TwipsRect& buttonTwips, const QString& labelName,
                        const QString& labelCaption, const TwipsRect& labelTwips, std::string& path,
                        bool& chosen);

  /// Adds the five commands to `frame`: Command5 notice (3000, `noticeTop`, 1335 × 855), and
  /// along `commandsTop` Command6 "Σχεδίασε" (120, 1095 × 615), Command3 "Προσομοίωσε" (1440,
  /// 1335 × 615), Command4 "Βοήθεια" (4560, 1095 × 615), Command7 "Τελείωσε" (5880, 1095 × 615).
  void addCommands(QWidget* frame, int noticeTopTwips, int commandsTopTwips);

  /// One run of the program in `mode`, started by "Σχεδίασε" or "Προσομοίωσε". Throws
  /// UserError to refuse or abandon it; the message is shown.
  virtual void run(RunMode mode) = 0;
  /// Opens the help, for "Βοήθεια": normally openHelpWindow with the program's lines.
  virtual void openHelp() = 0;

  /// Opens the help window (created on first use) with helpCaption(), as tall as the screen,
  /// and prints `lines` on it afresh.
  void openSimulatorHelp(const std::vector<std::string>& lines, int screenHeightTwips);
  /// Draws a photo pair on the photo pair window (created on first use), sized to the screen;
  /// `inputPath` is the file the pair was computed from, which names its saved pictures.
  PhotoPairGeometry drawPhotoPair(int screenWidthTwips, int screenHeightTwips,
                                  const PhotoPairInput& input, const PhotoPairStyle& style,
                                  const std::string& inputPath);

 private:
  void startRun(RunMode mode);
  void showHelp();

  QString program_;
  SimulationParameterBoxes parameters_;
  std::unique_ptr<PhotoPairWindow> photoPairWindow_;
};

}  // namespace suite
