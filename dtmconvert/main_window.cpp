#include "dtmconvert/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "dtmconvert/busy_progress.h"
#include "dtmconvert/command_line.h"
#include "dtmconvert/grid_export.h"
#include "dtmconvert/grid_import.h"
#include "dtmconvert/grid_text.h"
#include "dtmconvert/number_text.h"
#include "dtmconvert/preview_view.h"
#include "gui/dialogs.h"
#include "gui/guarded_action.h"
#include "gui/suite_notice.h"
#include "gui/wait_cursor.h"
#include "gui/window_placement.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

using suite::UserError;

/// The longest side of a source's picture, in pixels.
constexpr int kPreviewSide = 640;

const QString kSourceFilter = QStringLiteral(
    "Ψηφιδωτά εδάφους|*.tif;*.tiff;*.asc;*.hgt;*.img;*.vrt;*.dem;*.bil;*.flt;*.nc|"
    "Όλα τα αρχεία|*.*");
const QString kGridFilter = QStringLiteral("DTM Files|*.dtm|All Files|*.*");

struct ContourChoice {
  const char* label;
  const char* filter;
  const char* extension;
};
const ContourChoice kContourChoices[] = {{"GeoPackage (.gpkg)", "GeoPackage|*.gpkg", ".gpkg"},
                                         {"GeoJSON (.geojson)", "GeoJSON|*.geojson", ".geojson"},
                                         {"Shapefile (.shp)", "Shapefile|*.shp", ".shp"},
                                         {"DXF (.dxf)", "DXF|*.dxf", ".dxf"}};

/// The screen isolines' pixels per cell are told for: the primary screen, which isolines' map
/// window fills; 1920 × 1080 without one.
suite::TwipsSize summaryScreen() {
  const suite::TwipsSize screen = suite::screenSizeTwips();
  return screen.width > 0 && screen.height > 0 ? screen : kReferenceScreen;
}

QString fromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

std::string utf8(const QString& text) {
  return text.toStdString();
}

QLineEdit* lineEdit(const char* name, const QString& accessible) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  edit->setAccessibleName(accessible);
  return edit;
}

QPushButton* button(const char* name, const QString& caption) {
  auto* push = new QPushButton(caption);
  push->setObjectName(QString::fromLatin1(name));
  return push;
}

QLabel* label(const char* name) {
  auto* text = new QLabel;
  text->setObjectName(QString::fromLatin1(name));
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return text;
}

QPlainTextEdit* report(const char* name, const QString& accessible) {
  auto* text = new QPlainTextEdit;
  text->setObjectName(QString::fromLatin1(name));
  text->setReadOnly(true);
  text->setAccessibleName(accessible);
  return text;
}

/// `path` with its extension replaced by `extension` (".dtm").
QString besideAs(const QString& path, const QString& extension) {
  const QFileInfo file(path);
  return file.dir().filePath(file.completeBaseName() + extension);
}

QString systemText(const SourceInfo& info) {
  switch (info.system) {
    case SystemKind::None:
      return info.georeferenced
                 ? QStringLiteral(
                       "χωρίς σύστημα συντεταγμένων: οι συντεταγμένες μένουν στις "
                       "μονάδες της πηγής")
                 : QStringLiteral("χωρίς γεωαναφορά: συντεταγμένες σε εικονοστοιχεία");
    case SystemKind::Local:
      return fromUtf8(systemLabel(info)) + QStringLiteral(" (τοπικό σύστημα, στις μονάδες του)");
    case SystemKind::Geographic:
      return fromUtf8(systemLabel(info)) + QStringLiteral(" (γεωγραφικό, σε μοίρες)");
    case SystemKind::ProjectedMetres:
      return fromUtf8(systemLabel(info)) + QStringLiteral(" (προβολή σε μέτρα)");
    case SystemKind::ProjectedOtherUnits:
      return fromUtf8(systemLabel(info)) + QStringLiteral(" (προβολή, όχι σε μέτρα)");
  }
  return {};
}

QString sourceDescription(const SourceInfo& info) {
  QString text = QStringLiteral("%1, %2 × %3 εικονοστοιχεία, %4")
                     .arg(fromUtf8(info.driver))
                     .arg(info.width)
                     .arg(info.height)
                     .arg(fromUtf8(info.dataType));
  if (info.bandCount > 1) text += QStringLiteral(" (ζώνη 1 από %1)").arg(info.bandCount);
  text += QStringLiteral(". Σύστημα: ") + systemText(info) + QLatin1Char('.');
  if (info.noData) {
    text += QStringLiteral(" Τιμή «χωρίς δεδομένα»: %1.").arg(fromUtf8(headerNumber(*info.noData)));
  }
  return text;
}

}  // namespace

MainWindow::MainWindow(suite::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("dtmconvert"));
  setWindowTitle(QStringLiteral("Μετατροπή ΨΜΕ"));

  QMenu* file = menuBar()->addMenu(QStringLiteral("Αρχείο"));
  file->setObjectName(QStringLiteral("fileMenu"));
  QAction* openSourceItem = file->addAction(QStringLiteral("Άνοιγμα πηγής…"));
  openSourceItem->setObjectName(QStringLiteral("openSourceItem"));
  openSourceItem->setShortcut(QKeySequence::Open);
  QAction* openGridItem = file->addAction(QStringLiteral("Άνοιγμα αρχείου ΨΜΕ για εξαγωγή…"));
  openGridItem->setObjectName(QStringLiteral("openGridItem"));
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("Έξοδος"));
  quit->setObjectName(QStringLiteral("quitItem"));
  quit->setShortcut(QKeySequence::Quit);
  QMenu* help = menuBar()->addMenu(QStringLiteral("Βοήθεια"));
  help->setObjectName(QStringLiteral("helpMenu"));
  QAction* commandLine = help->addAction(QStringLiteral("Χρήση από τη γραμμή εντολών"));
  commandLine->setObjectName(QStringLiteral("commandLineItem"));
  QAction* notice = help->addAction(QStringLiteral("Πληροφορίες άδεια περιορισμοί"));
  notice->setObjectName(QStringLiteral("noticeItem"));

  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->addTab(buildImportTab(), QStringLiteral("Εισαγωγή εδάφους"));
  tabs_->addTab(buildExportTab(), QStringLiteral("Εξαγωγή"));

  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  progress_->setAccessibleName(QStringLiteral("Πρόοδος"));
  cancel_ = button("cancel", QStringLiteral("Ακύρωση"));
  cancel_->setEnabled(false);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(progress_, 1);
  bottom->addWidget(cancel_);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  statusBar();

  suite::connectGuarded(openSourceItem, dialogs_, this, [this] { openSource(); });
  suite::connectGuarded(openGridItem, dialogs_, this, [this] { openGrid(); });
  connect(quit, &QAction::triggered, this, &QWidget::close);
  suite::connectGuarded(commandLine, dialogs_, this,
                        [this] { dialogs_.message(this, fromUtf8(commandLineHelp())); });
  suite::connectGuarded(notice, dialogs_, this,
                        [this] { dialogs_.message(this, suite::suiteNotice()); });
  connect(cancel_, &QPushButton::clicked, this, [this] { state_.stopRequested = true; });
  resize(1000, 720);
}

QWidget* MainWindow::buildImportTab() {
  auto* open = button("openSource", QStringLiteral("Άνοιγμα πηγής…"));
  sourcePath_ = label("sourcePath");
  sourcePath_->setText(
      QStringLiteral("Καμία πηγή: GeoTIFF, ESRI ASCII Grid, SRTM .hgt, ERDAS "
                     "Imagine, VRT ή ό,τι άλλο διαβάζει η GDAL."));
  sourceInfo_ = label("sourceInfo");
  auto* openRow = new QHBoxLayout;
  openRow->addWidget(open);
  openRow->addWidget(sourcePath_, 1);

  preview_ = new PreviewView;
  preview_->setToolTip(QStringLiteral("Σύρε με το ποντίκι για να διαλέξεις περιοχή."));

  crs_ = lineEdit("crs", QStringLiteral("Σύστημα συντεταγμένων (EPSG)"));
  crs_->setPlaceholderText(QStringLiteral("αυτόματα"));
  targetSystem_ = label("targetSystem");
  const char* boundNames[] = {"boundWest", "boundSouth", "boundEast", "boundNorth"};
  const QString boundTitles[] = {QStringLiteral("Δ"), QStringLiteral("Ν"), QStringLiteral("Α"),
                                 QStringLiteral("Β")};
  const QString boundAccessible[] = {QStringLiteral("Δυτικό όριο"), QStringLiteral("Νότιο όριο"),
                                     QStringLiteral("Ανατολικό όριο"),
                                     QStringLiteral("Βόρειο όριο")};
  auto* boundsGrid = new QFormLayout;
  for (int i = 0; i < 4; ++i) {
    bounds_[i] = lineEdit(boundNames[i], boundAccessible[i]);
    bounds_[i]->setPlaceholderText(QStringLiteral("όλη η πηγή"));
    boundsGrid->addRow(boundTitles[i], bounds_[i]);
  }
  auto* whole = button("wholeSource", QStringLiteral("Όλη η πηγή"));
  cellX_ = lineEdit("cellX", QStringLiteral("Κελί a"));
  cellY_ = lineEdit("cellY", QStringLiteral("Κελί b"));
  auto* cells = new QHBoxLayout;
  cells->addWidget(new QLabel(QStringLiteral("a")));
  cells->addWidget(cellX_);
  cells->addWidget(new QLabel(QStringLiteral("b")));
  cells->addWidget(cellY_);
  resampling_ = new QComboBox;
  resampling_->setObjectName(QStringLiteral("resampling"));
  resampling_->addItem(QStringLiteral("Διγραμμική"), int(Resampling::Bilinear));
  resampling_->addItem(QStringLiteral("Πλησιέστερος κόμβος"), int(Resampling::Nearest));
  resampling_->addItem(QStringLiteral("Κυβική"), int(Resampling::Cubic));
  fillNoData_ = new QCheckBox(QStringLiteral("Συμπλήρωση κενών από τους γείτονες"));
  fillNoData_->setObjectName(QStringLiteral("fillNoData"));

  auto* settings = new QGroupBox(QStringLiteral("Ρυθμίσεις"));
  auto* form = new QFormLayout(settings);
  form->addRow(QStringLiteral("Σύστημα (EPSG)"), crs_);
  form->addRow(targetSystem_);
  auto* area = new QGroupBox(QStringLiteral("Περιοχή στο σύστημα του πλέγματος"));
  auto* areaLayout = new QVBoxLayout(area);
  areaLayout->addLayout(boundsGrid);
  areaLayout->addWidget(whole);
  form->addRow(area);
  form->addRow(QStringLiteral("Κελί"), cells);
  form->addRow(QStringLiteral("Παρεμβολή"), resampling_);
  form->addRow(fillNoData_);

  auto* split = new QSplitter;
  split->addWidget(preview_);
  split->addWidget(settings);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);

  summary_ = report("summary", QStringLiteral("Σύνοψη"));
  auto* summaryBox = new QGroupBox(QStringLiteral("Σύνοψη"));
  auto* summaryLayout = new QVBoxLayout(summaryBox);
  summaryLayout->addWidget(summary_);
  convert_ = button("convert", QStringLiteral("Μετατροπή"));
  convert_->setDefault(true);

  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(openRow);
  layout->addWidget(sourceInfo_);
  layout->addWidget(split, 3);
  layout->addWidget(summaryBox, 2);
  layout->addWidget(convert_, 0, Qt::AlignRight);

  suite::connectGuarded(open, dialogs_, this, [this] { openSource(); });
  suite::connectGuarded(whole, dialogs_, this, [this] { useWholeSource(); });
  suite::connectGuarded(convert_, dialogs_, this, [this] { convert(); });
  for (QLineEdit* edit : {crs_, bounds_[0], bounds_[1], bounds_[2], bounds_[3], cellX_, cellY_})
    connect(edit, &QLineEdit::textChanged, this, [this] { replan(); });
  connect(resampling_, &QComboBox::currentIndexChanged, this, [this] { replan(); });
  connect(preview_, &PreviewView::rectangleDragged, this, [this](const QRectF& pixels) {
    suite::runGuarded(dialogs_, this, [&] { chooseDraggedArea(pixels); });
  });
  replan();
  return tab;
}

QWidget* MainWindow::buildExportTab() {
  auto* open = button("openGrid", QStringLiteral("Άνοιγμα αρχείου ΨΜΕ…"));
  gridPath_ = label("gridPath");
  gridPath_->setText(QStringLiteral("Κανένα αρχείο ΨΜΕ."));
  gridInfo_ = label("gridInfo");
  auto* openRow = new QHBoxLayout;
  openRow->addWidget(open);
  openRow->addWidget(gridPath_, 1);

  auto* geoTiff = button("exportGeoTiff", QStringLiteral("GeoTIFF…"));
  auto* rasterBox = new QGroupBox(QStringLiteral("Ψηφιδωτό με γεωαναφορά"));
  auto* rasterLayout = new QHBoxLayout(rasterBox);
  rasterLayout->addWidget(new QLabel(QStringLiteral("Τα υψόμετρα του πλέγματος ως GeoTIFF.")), 1);
  rasterLayout->addWidget(geoTiff);

  interval_ = lineEdit("interval", QStringLiteral("Ισοδιάσταση"));
  interval_->setText(QStringLiteral("10"));
  contourFormat_ = new QComboBox;
  contourFormat_->setObjectName(QStringLiteral("contourFormat"));
  for (const ContourChoice& choice : kContourChoices)
    contourFormat_->addItem(QString::fromUtf8(choice.label));
  auto* contours = button("exportContours", QStringLiteral("Ισοϋψείς…"));
  auto* contourBox = new QGroupBox(QStringLiteral("Ισοϋψείς καμπύλες"));
  auto* contourForm = new QFormLayout(contourBox);
  contourForm->addRow(QStringLiteral("Ισοδιάσταση"), interval_);
  contourForm->addRow(QStringLiteral("Μορφή"), contourFormat_);
  auto* contourButton = new QHBoxLayout;
  contourButton->addStretch(1);
  contourButton->addWidget(contours);
  contourForm->addRow(contourButton);

  exportReport_ = report("exportReport", QStringLiteral("Αποτέλεσμα εξαγωγής"));

  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(openRow);
  layout->addWidget(gridInfo_);
  layout->addWidget(rasterBox);
  layout->addWidget(contourBox);
  layout->addWidget(exportReport_, 1);

  suite::connectGuarded(open, dialogs_, this, [this] { openGrid(); });
  suite::connectGuarded(geoTiff, dialogs_, this, [this] { exportGeoTiff(); });
  suite::connectGuarded(contours, dialogs_, this, [this] { exportContours(); });
  return tab;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (state_.busy) {
    // Stop the conversion first; the window closes when it has stopped.
    state_.stopRequested = true;
    state_.closeRequested = true;
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::openSource() {
  const std::optional<QString> chosen = dialogs_.openFile(this, kSourceFilter);
  if (!chosen) return;
  std::unique_ptr<SourceRaster> source;
  PreviewHeights preview;
  QImage picture;
  {
    const suite::WaitCursor wait;
    source = std::make_unique<SourceRaster>(utf8(*chosen));
    preview = readPreview(*source, kPreviewSide);
    picture = shadingImage(hillShade(preview), preview.width, preview.height);
  }
  state_.source = std::move(source);
  state_.preview = std::move(preview);
  sourcePath_->setText(*chosen);
  sourceInfo_->setText(sourceDescription(state_.source->info()));
  preview_->setPicture(picture, QSizeF(state_.source->info().width, state_.source->info().height));
  // The settings of the last source do not fit this one, except how it is resampled and filled.
  for (QLineEdit* edit : {crs_, bounds_[0], bounds_[1], bounds_[2], bounds_[3], cellX_, cellY_}) {
    const QSignalBlocker quiet(edit);
    edit->clear();
  }
  replan();
}

ImportSettings MainWindow::settingsFromBoxes() const {
  ImportSettings settings;
  settings.epsg = parseEpsg(utf8(crs_->text()));
  settings.cellX = parseDecimal(utf8(cellX_->text()), "κελί a");
  settings.cellY = parseDecimal(utf8(cellY_->text()), "κελί b");
  if (!settings.cellX && settings.cellY) {
    throw UserError("Δόθηκε μόνο το κελί b: γράψε και το a (ή μόνο το a, για τετράγωνα κελιά).");
  }
  const char* names[] = {"δυτικό όριο", "νότιο όριο", "ανατολικό όριο", "βόρειο όριο"};
  std::optional<double> edges[4];
  int given = 0;
  for (int i = 0; i < 4; ++i) {
    edges[i] = parseDecimal(utf8(bounds_[i]->text()), names[i]);
    given += edges[i] ? 1 : 0;
  }
  if (given == 4) {
    settings.bounds = GroundBounds{*edges[0], *edges[1], *edges[2], *edges[3]};
  } else if (given > 0) {
    throw UserError(
        "Γράψε και τα τέσσερα όρια της περιοχής (Δ, Ν, Α, Β), ή κανένα για όλη την πηγή.");
  }
  settings.resampling = static_cast<Resampling>(resampling_->currentData().toInt());
  settings.fillNoData = fillNoData_->isChecked();
  return settings;
}

void MainWindow::replan() {
  state_.plan.reset();
  state_.planRefusal.clear();
  if (!state_.source) {
    targetSystem_->clear();
    showSummary({QStringLiteral("Άνοιξε μια πηγή: η σύνοψη του πλέγματος θα φανεί εδώ.")});
    return;
  }
  try {
    state_.plan = planImport(*state_.source, settingsFromBoxes());
  } catch (const UserError& error) {
    state_.planRefusal = error.what();
  }
  if (!state_.plan) {
    preview_->setOutline({});
    targetSystem_->clear();
    showSummary({fromUtf8(state_.planRefusal)});
    return;
  }
  const ImportPlan& plan = *state_.plan;
  cellX_->setPlaceholderText(fromUtf8(headerNumber(plan.defaultCellX)));
  cellY_->setPlaceholderText(fromUtf8(headerNumber(plan.defaultCellY)));
  QString system = plan.system.name.empty() ? QString() : fromUtf8(plan.system.name);
  if (plan.system.epsg) system = QStringLiteral("EPSG:%1 %2").arg(*plan.system.epsg).arg(system);
  targetSystem_->setText(system.isEmpty()
                             ? fromUtf8(plan.system.why)
                             : system + QStringLiteral(": ") + fromUtf8(plan.system.why));

  QPolygonF outline;
  std::vector<PlanePoint> pixels;
  try {
    const auto transform = groundTransformOf(*state_.source, plan.system);
    pixels = pixelOutline(*transform, plan.bounds());
  } catch (const UserError&) {
    pixels.clear();
  }
  for (const PlanePoint& p : pixels) outline << QPointF(p.x, p.y);
  preview_->setOutline(outline);

  GridSummary summary = plannedSummary(*state_.source, plan, summaryScreen());
  std::tie(summary.lowest, summary.highest) = heightRangeInside(state_.preview, pixels);
  summary.rangeEstimated = true;
  QStringList lines;
  for (const std::string& line : summaryLines(summary)) lines << fromUtf8(line);
  showSummary(lines);
}

void MainWindow::showSummary(const QStringList& lines) {
  summary_->setPlainText(lines.join(QLatin1Char('\n')));
}

void MainWindow::setBoundsBoxes(const GroundBounds* bounds) {
  const double edges[4] = {bounds ? bounds->west : 0, bounds ? bounds->south : 0,
                           bounds ? bounds->east : 0, bounds ? bounds->north : 0};
  for (int i = 0; i < 4; ++i) {
    const QSignalBlocker quiet(bounds_[i]);
    bounds_[i]->setText(bounds ? fromUtf8(headerNumber(edges[i])) : QString());
  }
  replan();
}

void MainWindow::chooseDraggedArea(const QRectF& sourcePixels) {
  if (!state_.source) return;
  if (!state_.plan) throw UserError(state_.planRefusal);
  const GroundBounds bounds = boundsOfPixels(
      *state_.source, *state_.plan,
      {sourcePixels.left(), sourcePixels.top(), sourcePixels.right(), sourcePixels.bottom()});
  setBoundsBoxes(&bounds);
}

void MainWindow::useWholeSource() {
  setBoundsBoxes(nullptr);
}

bool MainWindow::runBusy(const std::function<void(Progress&)>& work) {
  state_.busy = true;
  state_.stopRequested = false;
  tabs_->setEnabled(false);
  menuBar()->setEnabled(false);
  cancel_->setEnabled(true);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  struct Restore {
    MainWindow& window;
    ~Restore() {
      QApplication::restoreOverrideCursor();
      window.cancel_->setEnabled(false);
      window.menuBar()->setEnabled(true);
      window.tabs_->setEnabled(true);
      window.state_.busy = false;
      if (window.state_.closeRequested) {
        window.state_.closeRequested = false;
        QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
      }
    }
  } restore{*this};
  BusyProgress progress(*progress_, state_.stopRequested);
  try {
    work(progress);
  } catch (const Cancelled&) {
    return false;
  }
  return true;
}

void MainWindow::convert() {
  if (!state_.source) {
    throw UserError("Άνοιξε πρώτα μια πηγή με το «Άνοιγμα πηγής…».");
  }
  ImportRequest request;
  request.settings = settingsFromBoxes();
  const ImportPlan plan = planImport(*state_.source, request.settings);
  (void)plan;
  const std::optional<suite::SaveFileAnswer> answer = dialogs_.saveFile(
      this, QStringLiteral("Αποθήκευση αρχείου ΨΜΕ"),
      besideAs(fromUtf8(state_.source->info().path), QStringLiteral(".dtm")), kGridFilter);
  if (!answer) return;
  request.gridPath = utf8(answer->path);
  request.screen = summaryScreen();
  ImportResult result;
  const bool done = runBusy([&](Progress& progress) {
    result = importGrid(*state_.source, request, progress, [this](const GridSummary& summary) {
      QStringList lines;
      for (const std::string& line : summaryLines(summary)) lines << fromUtf8(line);
      showSummary(lines);
    });
  });
  if (!done) {
    summary_->appendPlainText(QStringLiteral("Η μετατροπή σταμάτησε· δεν γράφτηκε τίποτα."));
    statusBar()->showMessage(QStringLiteral("Η μετατροπή σταμάτησε."));
    return;
  }
  QString written = QStringLiteral("Γράφτηκε το «%1»").arg(answer->path);
  if (result.sidecarWritten)
    written += QStringLiteral(" και το «%1»").arg(fromUtf8(result.sidecar));
  written += QLatin1Char('.');
  if (result.staleSidecarRemoved) {
    written += QStringLiteral(
                   " Το παλιό «%1» αφαιρέθηκε, γιατί το πλέγμα δεν έχει σύστημα "
                   "συντεταγμένων.")
                   .arg(fromUtf8(result.sidecar));
  }
  summary_->appendPlainText(written);
  statusBar()->showMessage(written);
}

void MainWindow::openGrid() {
  const std::optional<QString> chosen = dialogs_.openFile(this, kGridFilter);
  if (!chosen) return;
  const GridFileInfo info = readGridFileInfo(utf8(*chosen));
  state_.gridPath = utf8(*chosen);
  gridPath_->setText(*chosen);
  const suite::GridHeader& h = info.header;
  gridInfo_->setText(
      QStringLiteral("%1 γραμμές × %2 στήλες, κελί %3 × %4, βορειοδυτικός κόμβος (%5, %6). "
                     "Σύστημα: %7.")
          .arg(h.rows)
          .arg(h.columns)
          .arg(fromUtf8(headerNumber(h.spacingX)), fromUtf8(headerNumber(h.spacingY)),
               fromUtf8(headerNumber(h.xNorthWest)), fromUtf8(headerNumber(h.yNorthWest)),
               info.hasSystem ? fromUtf8(info.systemName)
                              : QStringLiteral("κανένα (δεν υπάρχει αρχείο .prj δίπλα του)")));
  exportReport_->clear();
}

void MainWindow::exportGeoTiff() {
  if (state_.gridPath.empty()) throw UserError("Άνοιξε πρώτα ένα αρχείο ΨΜΕ.");
  const std::optional<suite::SaveFileAnswer> answer =
      dialogs_.saveFile(this, QStringLiteral("Αποθήκευση GeoTIFF"),
                        besideAs(fromUtf8(state_.gridPath), QStringLiteral(".tif")),
                        QStringLiteral("GeoTIFF|*.tif;*.tiff"));
  if (!answer) return;
  const std::string path = utf8(answer->path);
  const bool done = runBusy([&](Progress& progress) {
    ProgressStage reading(progress, 0, 0.5);
    const GridRaster grid(state_.gridPath, reading);
    ProgressStage writing(progress, 0.5, 1);
    writeGeoTiff(grid, path, writing);
  });
  exportReport_->appendPlainText(done
                                     ? QStringLiteral("Γράφτηκε το GeoTIFF «%1».").arg(answer->path)
                                     : QStringLiteral("Η εξαγωγή σταμάτησε· δεν γράφτηκε τίποτα."));
}

void MainWindow::exportContours() {
  if (state_.gridPath.empty()) throw UserError("Άνοιξε πρώτα ένα αρχείο ΨΜΕ.");
  const std::optional<double> interval = parseDecimal(utf8(interval_->text()), "ισοδιάσταση");
  if (!interval || !(*interval > 0)) {
    throw UserError("Η ισοδιάσταση πρέπει να είναι θετικός αριθμός, για παράδειγμα 10.");
  }
  const ContourChoice& choice = kContourChoices[std::max(0, contourFormat_->currentIndex())];
  const std::optional<suite::SaveFileAnswer> answer =
      dialogs_.saveFile(this, QStringLiteral("Αποθήκευση ισοϋψών"),
                        besideAs(fromUtf8(state_.gridPath), QString::fromLatin1(choice.extension)),
                        QString::fromUtf8(choice.filter));
  if (!answer) return;
  const std::string path = utf8(answer->path);
  ContourResult result;
  const bool done = runBusy([&](Progress& progress) {
    ProgressStage reading(progress, 0, 0.3);
    const GridRaster grid(state_.gridPath, reading);
    ProgressStage drawing(progress, 0.3, 1);
    result = writeContours(grid, path, *interval, drawing);
  });
  exportReport_->appendPlainText(done
                                     ? QStringLiteral("Γράφτηκαν %1 ισοϋψείς (ανά %2) στο «%3».")
                                           .arg(result.lines)
                                           .arg(fromUtf8(headerNumber(*interval)), answer->path)
                                     : QStringLiteral("Η εξαγωγή σταμάτησε· δεν γράφτηκε τίποτα."));
}

}  // namespace dtmconvert
