#include "gui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <algorithm>
#include <vector>

#include "gui/installed_samples.h"
#include "gui/locale_file_columns.h"
#include "gui/twips.h"

namespace suite {
namespace {

/// The icons and types of the file dialog's entries, from their names and the kind of entry
/// (folder, file, special file) alone. Qt's own provider reads a file's first bytes when its
/// name does not settle its type, in the window's thread, and a read of a named pipe, a device
/// or /proc/kmsg can wait for good: this one never opens what it describes, so browsing any
/// folder cannot block the dialog.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;

  QIcon icon(const QFileInfo& info) const override {
    if (info.isDir()) return icon(Folder);
    const QIcon file = icon(File);
    if (!info.isFile()) return file;
    const QList<QMimeType> types = mimeTypes_.mimeTypesForFileName(info.fileName());
    if (types.isEmpty()) return file;
    return QIcon::fromTheme(types.first().iconName(),
                            QIcon::fromTheme(types.first().genericIconName(), file));
  }

  /// "Φάκελος"; "Αρχείο ΨΜΕ" for the suite's own ".dtm" files; for another file the name of
  /// its type in the user's language as the MIME database knows it from the name alone, else
  /// "Αρχείο" and its extension in upper case ("Αρχείο" for a name without one); and "Ειδικό
  /// αρχείο" for a named pipe, a device or a socket.
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QStringLiteral("Φάκελος");
    if (info.isFile()) {
      const QString suffix = info.suffix();
      if (suffix.compare(QLatin1String("dtm"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Αρχείο ΨΜΕ");
      const QList<QMimeType> types = mimeTypes_.mimeTypesForFileName(info.fileName());
      if (!types.isEmpty() && !types.first().comment().isEmpty()) return types.first().comment();
      return suffix.isEmpty() ? QStringLiteral("Αρχείο")
                              : QStringLiteral("Αρχείο %1").arg(suffix.toUpper());
    }
    if (info.isSymLink()) return QStringLiteral("Συντόμευση");  // to nothing that exists
    return QStringLiteral("Ειδικό αρχείο");
  }

 private:
  QMimeDatabase mimeTypes_;
};

/// One entry of a suite filter: its description and its patterns, as written.
struct FilterEntry {
  QString description;
  QStringList patterns;
};

/// The entries of a suite filter "description|patterns|…", patterns separated by ";", blanks
/// around each part left out.
std::vector<FilterEntry> filterEntries(const QString& suiteFilter) {
  QStringList parts = suiteFilter.split(QLatin1Char('|'));
  // The suite's filters end in "|", which leaves one empty part behind.
  while (!parts.isEmpty() && parts.last().trimmed().isEmpty()) parts.removeLast();
  std::vector<FilterEntry> entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    FilterEntry entry;
    entry.description = parts.at(i).trimmed();
    if (i + 1 < parts.size()) {
      for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = pattern.trimmed();
        if (!p.isEmpty()) entry.patterns << p;
      }
    }
    entries.push_back(entry);
  }
  return entries;
}

/// The extensions of each entry of a suite filter, e.g. {{}, {"png"}, {"svg", "svgz"}} for
/// "All Files|*.*|PNG|*.png|SVG|*.svg;*.svgz": a pattern "*.ext" gives "ext", others none.
std::vector<QStringList> filterExtensions(const QString& suiteFilter) {
  std::vector<QStringList> extensions;
  for (const FilterEntry& entry : filterEntries(suiteFilter)) {
    QStringList own;
    for (const QString& pattern : entry.patterns) {
      const QString extension = pattern.mid(2);
      if (pattern.startsWith(QLatin1String("*.")) && !extension.isEmpty() &&
          !extension.contains(QLatin1Char('*')))
        own << extension;
    }
    extensions.push_back(own);
  }
  return extensions;
}

/// What the suite's open and save dialogs share: Qt's own dialog, never the platform's,
/// describing its entries with `icons` (which must outlive it), choosing any name, existing or
/// not, and its columns in the Greek locale.
void prepareFileDialog(QFileDialog& dialog, const QString& name, QFileIconProvider& icons,
                       QFileDialog::AcceptMode mode) {
  dialog.setObjectName(name);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  // Before the dialog shows anything: the entries of the first folder are described once the
  // event loop runs, and by then every description goes through the provider.
  dialog.setIconProvider(&icons);
  // Any name, existing or not: the open dialog also chooses the files a run writes. Accepting
  // an existing file there asks nothing; a program that takes it as a file to write asks
  // itself (chooseOutputFile). The save dialog asks before it replaces one.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(mode);
  // Labels, buttons and headings come in Greek from the suite's catalogue of Qt's texts;
  // the sizes and dates are written in the Greek locale too.
  useLocaleFileColumns(dialog);
}

/// Qt's save dialog that gives a typed name the chosen entry's extension before it checks
/// whether the file exists, so the question whether to replace it is asked of the file that is
/// then written.
class SaveFileDialog : public QFileDialog {
 public:
  SaveFileDialog(QWidget* parent, const QString& title, const QString& suiteFilter)
      : QFileDialog(parent, title, QString(), qtFileFilter(suiteFilter)),
        suiteFilter_(suiteFilter) {}

  int chosenEntry() const { return static_cast<int>(nameFilters().indexOf(selectedNameFilter())); }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (chosen.size() == 1 && !chosen.first().isEmpty() && !QFileInfo(chosen.first()).isDir()) {
      const QString named = withFilterExtension(chosen.first(), suiteFilter_, chosenEntry());
      if (named != chosen.first()) selectFile(named);
    }
    QFileDialog::accept();
  }

 private:
  QString suiteFilter_;
};

}  // namespace

QString qtFileFilter(const QString& suiteFilter) {
  QStringList entries;
  for (const FilterEntry& entry : filterEntries(suiteFilter)) {
    QStringList patterns;
    for (const QString& pattern : entry.patterns)
      patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    patterns.removeDuplicates();
    entries << QStringLiteral("%1 (%2)").arg(entry.description, patterns.join(QLatin1Char(' ')));
  }
  return entries.join(QStringLiteral(";;"));
}

QString findSamplesFolder(const QString& executableFolder, const QString& fallback) {
  if (!executableFolder.isEmpty()) {
    QDir dir(executableFolder);
    do {
      if (dir.exists(QStringLiteral("samples"))) {
        const QFileInfo candidate(dir.filePath(QStringLiteral("samples")));
        if (candidate.isDir()) return candidate.absoluteFilePath();
      }
    } while (dir.cdUp());
  }
  if (!fallback.isEmpty() && QFileInfo(fallback).isDir())
    return QFileInfo(fallback).absoluteFilePath();
  return {};
}

QtDialogs::QtDialogs(QString startFolder) : folder_(std::move(startFolder)) {
  if (folder_.isEmpty()) {
#ifdef SUITE_SOURCE_SAMPLES
    const QString sourceSamples = QStringLiteral(SUITE_SOURCE_SAMPLES);
#else
    const QString sourceSamples;
#endif
    const QString programFolder = QCoreApplication::applicationDirPath();
    folder_ = installedSamplesFolder(programFolder);
    if (folder_.isEmpty()) folder_ = findSamplesFolder(programFolder, sourceSamples);
  }
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& suiteFilter) {
  // Outlives the dialog, which does not own it.
  NameOnlyIconProvider iconProvider;
  QFileDialog dialog(parent, QStringLiteral("Άνοιγμα"), folder_, qtFileFilter(suiteFilter));
  prepareFileDialog(dialog, QStringLiteral("CommonDialog1"), iconProvider, QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  folder_ = QFileInfo(chosen.first()).absolutePath();
  return chosen.first();
}

void QtDialogs::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& defaultText,
                         int leftTwips, int topTwips) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(QGuiApplication::applicationDisplayName());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  dialog.setTextValue(defaultText);
  dialog.move(pointFromTwips(leftTwips, topTwips));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue();
}

QString withFilterExtension(const QString& path, const QString& suiteFilter, int filterIndex) {
  const std::vector<QStringList> entries = filterExtensions(suiteFilter);
  const QString suffix = QFileInfo(path).suffix();
  for (const QStringList& extensions : entries)
    if (extensions.contains(suffix, Qt::CaseInsensitive)) return path;
  if (filterIndex < 0 || static_cast<std::size_t>(filterIndex) >= entries.size()) return path;
  const QStringList& chosen = entries[static_cast<std::size_t>(filterIndex)];
  if (chosen.isEmpty()) return path;
  return path + QLatin1Char('.') + chosen.first();
}

std::optional<SaveFileAnswer> QtDialogs::saveFile(QWidget* parent, const QString& title,
                                                  const QString& suggestedPath,
                                                  const QString& suiteFilter) {
  NameOnlyIconProvider iconProvider;
  SaveFileDialog dialog(parent, title, suiteFilter);
  // The question before a file is replaced comes in Greek too.
  prepareFileDialog(dialog, QStringLiteral("SaveDialog"), iconProvider, QFileDialog::AcceptSave);
  const QFileInfo suggested(suggestedPath);
  dialog.setDirectory(suggested.absolutePath());
  const std::vector<QStringList> entries = filterExtensions(suiteFilter);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].contains(suggested.suffix(), Qt::CaseInsensitive)) {
      dialog.selectNameFilter(dialog.nameFilters().value(static_cast<qsizetype>(i)));
      break;
    }
  }
  dialog.selectFile(suggested.fileName());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return SaveFileAnswer{chosen.first(), std::max(0, dialog.chosenEntry())};
}

}  // namespace suite
