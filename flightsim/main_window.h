#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "flightsim/flight_simulation.h"
#include "flightsim/flight_state.h"

class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace suite {
class Dialogs;
class HelpWindow;
class PhotoPairWindow;
class UniformSource;
}  // namespace suite

namespace flightsim {

/// flightsim's main window, Form1: the simulation parameters, the projection centre of the left
/// photo, the three file choices and the commands. Controls are placed in twips as designed and
/// carry their design names as objectName ("Text2(3)", "Command1"). The window owns the program's
/// state; the parameters stay in the boxes, which each run reads afresh. The help window and the
/// drawing window are created on first use and live as long as this window.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  /// The notice of rights, terms of use and disclaimer that "Πληροφορίες άδεια περιορισμοί" shows.
  static const QString& notice();

  /// `source` gives the random numbers of every run; null means the program's clock source.
  explicit MainWindow(suite::Dialogs& dialogs,
                      std::unique_ptr<suite::UniformSource> source = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  const FlightState& state() const { return state_; }

  /// The simulation parameter boxes Text1(0) to Text1(6): Xo, Yo, θ, k, σxy, F, S*Xo.
  const std::array<QLineEdit*, 7>& simulationBoxes() const { return text1_; }
  /// The projection-centre boxes Text2(0) to Text2(7): X-L, Y-L, mean ground height, base,
  /// σ of the centre, σ of the angles, overlap %, frame side in mm.
  const std::array<QLineEdit*, 8>& centreBoxes() const { return text2_; }
  /// Text3, the replacement height H(3,5).
  QLineEdit* replacementHeightBox() const { return text3_; }

  /// The caption the help window gets when "Βοήθεια" opens it.
  static const QString& helpCaption();
  /// The secondary windows, null until first used.
  suite::HelpWindow* helpWindow() const { return helpWindow_.get(); }
  suite::PhotoPairWindow* photoPairWindow() const { return photoPairWindow_.get(); }

 private slots:
  void chooseDtmFile();
  void choosePhotoSimFile();
  void chooseStereoDtmFile();
  void draw();
  void simulate();
  void showHelp();
  void showNotice();
  void finish();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildSimulationFrame();
  void buildCentreFrame();
  void buildFilesFrame();
  QLineEdit* addBox(QWidget* frame, const QString& name, const QString& labelName,
                    const QString& caption, int labelLeft, int labelWidth, int boxLeft,
                    int boxWidth, int top, const QString& defaultText);
  QPushButton* addCommand(QWidget* frame, const QString& name, const QString& caption, int left,
                          int top, int width, int height);
  QLabel* addFileLabel(QWidget* frame, const QString& name, const QString& caption, int left,
                       int top, int width, int height);
  void chooseFile(QLabel* label, std::string& path, bool& chosen);
  void startRun(RunMode mode);
  void executeRun(RunMode mode);
  FlightParameterTexts parameterTexts() const;
  void drawPair(const FlightResult& result);

  suite::Dialogs& dialogs_;
  FlightState state_;
  std::array<QLineEdit*, 7> text1_{};
  std::array<QLineEdit*, 8> text2_{};
  QLineEdit* text3_ = nullptr;
  QLabel* dtmLabel_ = nullptr;
  QLabel* photoSimLabel_ = nullptr;
  QLabel* stereoDtmLabel_ = nullptr;
  std::unique_ptr<suite::HelpWindow> helpWindow_;
  std::unique_ptr<suite::PhotoPairWindow> photoPairWindow_;
};

}  // namespace flightsim
