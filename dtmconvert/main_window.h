#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

#include "dtmconvert/conversion_state.h"
#include "dtmconvert/suite_fit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace suite {
class Dialogs;
}

namespace dtmconvert {

class PreviewView;

/// The window of dtmconvert. «Εισαγωγή»: open a source raster, see its hill shading with the
/// outline of the grid, set the system, area, cells, resampling and filling, read the summary,
/// and «Μετατροπή» into a DTM grid file. «Εξαγωγή»: open a DTM grid file and write it as a
/// GeoTIFF or its contour lines. Conversions show their progress and stop on «Ακύρωση»; every
/// failure is a Greek message through the dialogs, and the window goes on.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(suite::Dialogs& dialogs, QWidget* parent = nullptr);

  const ConversionState& state() const { return state_; }
  PreviewView& preview() const { return *preview_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildImportTab();
  QWidget* buildExportTab();
  void openSource();
  void openGrid();
  void convert();
  void exportGeoTiff();
  void exportContours();
  /// Plans the grid at the boxes' settings and shows it: outline, system, summary.
  void replan();
  ImportSettings settingsFromBoxes() const;
  void chooseDraggedArea(const QRectF& sourcePixels);
  void useWholeSource();
  void showSummary(const QStringList& lines);
  /// Runs `work` as a conversion: the other controls disabled, «Ακύρωση» enabled, the busy
  /// pointer; returns false when the user stopped it.
  bool runBusy(const std::function<void(Progress&)>& work);
  void setBoundsBoxes(const GroundBounds* bounds);

  suite::Dialogs& dialogs_;
  ConversionState state_;

  QTabWidget* tabs_ = nullptr;
  QLabel* sourcePath_ = nullptr;
  QLabel* sourceInfo_ = nullptr;
  PreviewView* preview_ = nullptr;
  QLineEdit* crs_ = nullptr;
  QLabel* targetSystem_ = nullptr;
  QLineEdit* bounds_[4] = {};
  QLineEdit* cellX_ = nullptr;
  QLineEdit* cellY_ = nullptr;
  QComboBox* resampling_ = nullptr;
  QCheckBox* fillNoData_ = nullptr;
  QPlainTextEdit* summary_ = nullptr;
  QPushButton* convert_ = nullptr;

  QLabel* gridPath_ = nullptr;
  QLabel* gridInfo_ = nullptr;
  QLineEdit* interval_ = nullptr;
  QComboBox* contourFormat_ = nullptr;
  QPlainTextEdit* exportReport_ = nullptr;

  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace dtmconvert
