#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "canvas/twips.h"
#include "gui/program_window.h"
#include "simulator_shell/simulation_parameters_frame.h"
#include "stereo/photo_pair_drawing.h"
#include "stereo/simulation_run.h"

class QLineEdit;

namespace suite {

class Dialogs;
class PhotoPairWindow;

/// Whether a run reads the file a file button chooses or writes it.
enum class FileUse { Read, Written };

/// A file button of a simulator's files frame and the label that shows the chosen file's name.
struct FileChoiceDesign {
  const char* button;        ///< its design name, e.g. "Command1"
  const char* caption;       ///< UTF-8
  TwipsRect buttonTwips;     ///< in the frame
  const char* label;         ///< the label's design name, e.g. "Label1(0)"
  const char* labelCaption;  ///< shown until a file is chosen
  TwipsRect labelTwips;
  /// A file a run writes is taken, when it exists already, only once the user has agreed to
  /// its replacing (chooseOutputFile); one it reads is taken as chosen.
  FileUse use = FileUse::Read;
};

/// A file button as a program adds it: its design, and what the program does with the name
/// (UTF-8) of a file chosen with it.
struct FileChoice {
  FileChoiceDesign design;
  std::function<void(std::string)> chosen;
};

/// Frame2 of a simulator: its file choices above the five commands.
struct FilesFrameDesign {
  const char* caption;  ///< UTF-8
  TwipsRect twips;
  int noticeTopTwips = 0;    ///< the top of Command5
  int commandsTopTwips = 0;  ///< the top of Command6, Command3, Command4 and Command7
};

/// The main window both stereo simulators are built on, Form1, caption "Προσομοίωση
/// εικονοσυντεταγμένων", 7890 twips wide, placed at the screen's top-left corner (1, 1 twip).
/// It holds the simulation parameter frame (Frame1), and gives a program the rest of the shared
/// design: the files frame with its file buttons and their name labels, and the five commands
/// ("Πληροφορίες άδεια περιορισμοί", "Σχεδίασε", "Προσομοίωσε", "Βοήθεια", "Τελείωσε") wired to
/// their actions; the help window (Form2) as tall as the screen and the photo pair window
/// (Form3), made on first use and kept.
///
/// A program derives from it, adds its own frames and file choices, and supplies the run. Every
/// action runs guarded: a failure shows its message and the window keeps its state. Closing the
/// window, or "Τελείωσε", ends the program with every window.
class SimulatorWindow : public ProgramWindow {
  Q_OBJECT

 public:
  ~SimulatorWindow() override;

  /// The parameter box that fills `field` of the texts a run reads, e.g. Text1(5) for focalMm.
  QLineEdit* parameterBox(std::string SimulationParameterTexts::*field) const {
    return parameters_.box(field);
  }
  /// The size of the screen, twips, taken when the window is made: the photo pair window
  /// covers it and the help window is as tall.
  TwipsSize screenTwips() const { return screenTwips_; }
  /// The photo pair window, null until first used.
  PhotoPairWindow* photoPairWindow() const { return photoPairWindow_.get(); }

  /// The input file button of every simulator: Command1 "Όνομα Αρχείου  ΨΜΕ" at (120, 240),
  /// 2052 × 375 twips, and its label Label1(0), "Κανένα" (a Greek Kappa) until a file is chosen,
  /// at (2160, 240), `labelWidthTwips` × 375.
  static FileChoiceDesign inputFileChoice(int labelWidthTwips);

 protected:
  /// Builds the window of the program `program` ("flightsim", which names its saved pictures)
  /// with a client area 7890 × `clientHeightTwips` twips and the simulation parameter frame
  /// captioned `parametersCaption`; "Βοήθεια" prints `helpLines` (UTF-8), which must outlive
  /// the window.
  SimulatorWindow(Dialogs& dialogs, const QString& program, int clientHeightTwips,
                  const QString& parametersCaption, const std::vector<std::string>& helpLines,
                  QWidget* parent);

  /// The texts of the simulation parameter boxes as typed now.
  SimulationParameterTexts parameterTexts() const { return parameters_.texts(); }

  /// Adds Frame2 with its file choices, each a button that asks for a file with the filter
  /// "All Files|*.*|" and a label that shows the chosen file's name (a data label, described for
  /// assistive tools by the button's caption); a cancelled dialog changes nothing, and so does
  /// a No to the question before an existing file is taken as one to write. Then the five
  /// commands: Command5 notice (3000, noticeTop, 1335 × 855), and along commandsTop Command6
  /// "Σχεδίασε" (120, 1095 × 615), Command3 "Προσομοίωσε" (1440, 1335 × 615), Command4
  /// "Βοήθεια" (4560, 1095 × 615), Command7 "Τελείωσε" (5880, 1095 × 615).
  void addFilesFrame(const FilesFrameDesign& design, std::initializer_list<FileChoice> choices);

  /// One run of the program in `mode`, started by "Σχεδίασε" or "Προσομοίωσε". Throws
  /// UserError to refuse or abandon it; the message is shown.
  virtual void run(RunMode mode) = 0;

  /// Draws a photo pair on the photo pair window (made on first use), sized to the screen;
  /// `inputPath` is the file the pair was computed from, which names its saved pictures.
  PhotoPairGeometry drawPhotoPair(const PhotoPairInput& input, const PhotoPairStyle& style,
                                  const std::string& inputPath);

 private:
  void addFileChoice(QWidget* frame, const FileChoice& choice);
  void addCommands(QWidget* frame, int noticeTopTwips, int commandsTopTwips);
  void openHelp();

  QString program_;
  const std::vector<std::string>& helpLines_;
  TwipsSize screenTwips_;
  SimulationParameterBoxes parameters_;
  std::unique_ptr<PhotoPairWindow> photoPairWindow_;
};

}  // namespace suite
