#include "gui/dialogs.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "gui/guarded_action.h"
#include "gui/scripted_dialogs.h"
#include "tests/gui/dialog_answer.h"
#include "text/user_error.h"

using suite::test::DialogAnswer;

namespace {

/// Ends the test binary with a message if it is still running after `seconds`: a dialog that
/// blocks in a read never returns to its event loop, so no timer of the test could end it.
class Watchdog {
 public:
  explicit Watchdog(unsigned seconds) {
    std::signal(SIGALRM, &expire);
    ::alarm(seconds);
  }
  ~Watchdog() { ::alarm(0); }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  static void expire(int) {
    static const char kMessage[] = "FAIL: the file dialog blocked and never returned\n";
    [[maybe_unused]] const auto written = ::write(2, kMessage, sizeof kMessage - 1);
    ::_exit(1);
  }
};

/// The file system model of an open file dialog.
QFileSystemModel* modelOf(QFileDialog* dialog) {
  return dialog->findChild<QFileSystemModel*>();
}

/// Waits until the dialog lists the entries `wanted` of `folder` and has described every entry it
/// lists (an entry's type is known once the model has taken its details), then gives each
/// listed entry's name and type. Asks for every icon too, as the list view does when it paints.
std::map<QString, QString> listedEntries(QFileDialog* dialog, const QString& folder,
                                         const QStringList& wanted) {
  QFileSystemModel* model = modelOf(dialog);
  std::map<QString, QString> entries;
  if (model == nullptr) return entries;
  const auto described = [&] {
    const QModelIndex root = model->index(folder);
    entries.clear();
    for (int row = 0; row < model->rowCount(root); ++row) {
      const QModelIndex entry = model->index(row, 0, root);
      model->data(entry, Qt::DecorationRole);
      entries[model->fileName(entry)] = model->type(entry);
    }
    for (const QString& name : wanted)
      if (entries.count(name) == 0) return false;
    for (const auto& entry : entries)
      if (entry.second.isEmpty()) return false;
    return true;
  };
  // What is there after ten seconds shows what was missing.
  if (!QTest::qWaitFor(described, 10000)) qWarning("the folder was not fully described");
  return entries;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void suiteFiltersBecomeQtFilters_data() {
    QTest::addColumn<QString>("suite");
    QTest::addColumn<QString>("qt");
    QTest::newRow("all files") << "All Files|*.*|"
                               << "All Files (*)";
    QTest::newRow("three entries") << "All Files|*.*|Text Files|*.txt|DTM Files|*.dtm"
                                   << "All Files (*);;Text Files (*.txt);;DTM Files (*.dtm)";
    QTest::newRow("pattern list") << "Pictures|*.bmp;*.gif|"
                                  << "Pictures (*.bmp *.gif)";
    QTest::newRow("description alone") << "Everything"
                                       << "Everything (*)";
    QTest::newRow("empty") << ""
                           << "";
  }
  void suiteFiltersBecomeQtFilters() {
    QFETCH(QString, suite);
    QFETCH(QString, qt);
    QCOMPARE(suite::qtFileFilter(suite), qt);
  }

  void samplesFolderIsFoundAboveTheExecutableElseTheFallback() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("samples")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("build/default/flightsim")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("elsewhere/bin")));
    const QString samples = QDir(root.path()).absoluteFilePath(QStringLiteral("samples"));

    QCOMPARE(suite::findSamplesFolder(root.filePath(QStringLiteral("build/default/flightsim")), {}),
             samples);
    QTemporaryDir other;
    QCOMPARE(suite::findSamplesFolder(other.path(), samples), samples);
    QCOMPARE(suite::findSamplesFolder(other.path(), other.filePath(QStringLiteral("missing"))),
             QString());
  }

  void openFileAcceptsANameThatDoesNotExistYetAndRemembersItsFolder() {
    QTemporaryDir folder;
    suite::QtDialogs dialogs(folder.path());
    QStringList filters;
    QString startFolder;
    const auto answer = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      filters = dialog->nameFilters();
      startFolder = dialog->directory().absolutePath();
      QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
      dialog->selectFile(QStringLiteral("new output.txt"));
      static_cast<QDialog*>(dialog)
          ->accept();  // QFileDialog's own accept(), as the Open button does
    });
    const std::optional<QString> chosen =
        dialogs.openFile(nullptr, QStringLiteral("All Files|*.*|"));

    QCOMPARE(filters, QStringList{QStringLiteral("All Files (*)")});
    QCOMPARE(startFolder, QDir(folder.path()).absolutePath());
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, QDir(folder.path()).absoluteFilePath(QStringLiteral("new output.txt")));
    QCOMPARE(dialogs.nextFolder(), QDir(folder.path()).absolutePath());
  }

  void cancelledOpenFileGivesNothing() {
    suite::QtDialogs dialogs(QDir::tempPath());
    const auto answer =
        DialogAnswer::when<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!dialogs.openFile(nullptr, QStringLiteral("All Files|*.*|")).has_value());
    QCOMPARE(dialogs.nextFolder(), QDir::tempPath());
  }

  void fileDialogListsAFolderOfSpecialFilesWithoutOpeningAny() {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const char* name : {"hills.dtm", "notes", "readme.txt"}) {
      QFile file(dir.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("3,3,10000,11900,100,100\n");
    }
    QVERIFY(dir.mkdir(QStringLiteral("older")));
    // A named pipe without a writer: opening it for reading would wait for good.
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600),
             0);
    // Every file opened in the folder leaves an event here.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(folder.path()).constData(),
                                IN_OPEN | IN_ACCESS) >= 0);

    const Watchdog watchdog(60);
    suite::QtDialogs dialogs(folder.path());
    std::map<QString, QString> entries;
    QString pipeType;
    const auto answer = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      entries = listedEntries(dialog, folder.path(), {"hills.dtm", "notes", "readme.txt", "older"});
      // The dialog shows no special files, but its model describes the pipe all the same.
      if (dialog->iconProvider() != nullptr)
        pipeType = dialog->iconProvider()->type(QFileInfo(dir.filePath(QStringLiteral("pipe"))));
      dialog->reject();
    });
    QVERIFY(!dialogs.openFile(nullptr, QStringLiteral("All Files|*.*|")).has_value());

    std::set<QString> opened;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
      for (char* p = buffer; p < buffer + got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(p);
        // The folder itself is opened to be listed; an event naming an entry is a file opened.
        if (event->len > 0 && (event->mask & IN_ISDIR) == 0)
          opened.insert(QString::fromLocal8Bit(event->name));
        p += sizeof(inotify_event) + event->len;
      }
    }
    ::close(watch);
    QVERIFY2(opened.empty(), qPrintable(QStringList(opened.begin(), opened.end()).join(' ')));
    QCOMPARE(entries.size(), std::size_t{4});
    QCOMPARE(entries[QStringLiteral("hills.dtm")], QStringLiteral("Αρχείο ΨΜΕ"));
    QCOMPARE(entries[QStringLiteral("notes")], QStringLiteral("Αρχείο"));
    QCOMPARE(entries[QStringLiteral("older")], QStringLiteral("Φάκελος"));
    QCOMPARE(pipeType, QStringLiteral("Ειδικό αρχείο"));
  }

  void fileDialogListsProcAndCompletesATypedProcPath() {
    // As root, reading /proc/kmsg waits for the next kernel message; the dialog must never try.
    const Watchdog watchdog(60);
    suite::QtDialogs dialogs(QStringLiteral("/proc"));
    std::map<QString, QString> entries;
    const auto answer = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      entries = listedEntries(dialog, QStringLiteral("/proc"), {"self", "version"});
      // Typing a path makes the name box complete it from the same listing.
      if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        QTest::keyClicks(name, QStringLiteral("/proc/k"));
        QTest::qWait(200);
      }
      dialog->reject();
    });
    QVERIFY(!dialogs.openFile(nullptr, QStringLiteral("All Files|*.*|")).has_value());
    QCOMPARE(entries[QStringLiteral("self")], QStringLiteral("Φάκελος"));
    if (QFileInfo::exists(QStringLiteral("/proc/kmsg")))
      QCOMPARE(entries[QStringLiteral("kmsg")], QStringLiteral("Αρχείο"));
  }

  void aSavedNameGetsTheChosenEntrysExtensionUnlessItHasOneOfTheFilters_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("named");
    const QString filter = QStringLiteral("PNG|*.png|SVG|*.svg;*.svgz|Όλα|*.*");
    QTest::newRow("no extension") << "/a/map" << 1 << "/a/map.svg";
    QTest::newRow("an extension of another entry") << "/a/map.PNG" << 1 << "/a/map.PNG";
    QTest::newRow("the entry's second") << "/a/map.svgz" << 0 << "/a/map.svgz";
    QTest::newRow("a foreign extension") << "/a/maunga.whau" << 0 << "/a/maunga.whau.png";
    QTest::newRow("an entry of any file") << "/a/map" << 2 << "/a/map";
    QTest::newRow("no such entry") << "/a/map" << 7 << "/a/map";
    QTest::newRow("a dot folder") << "/a.svg/map" << 0 << "/a.svg/map.png";
  }
  void aSavedNameGetsTheChosenEntrysExtensionUnlessItHasOneOfTheFilters() {
    QFETCH(QString, path);
    QFETCH(int, entry);
    QFETCH(QString, named);
    QCOMPARE(suite::withFilterExtension(path, QStringLiteral("PNG|*.png|SVG|*.svg;*.svgz|Όλα|*.*"),
                                        entry),
             named);
  }

  void saveFileOffersTheSuggestedNameAndAsksBeforeReplacingTheFileItWrites() {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    {
      QFile earlier(dir.filePath(QStringLiteral("map.svg")));
      QVERIFY(earlier.open(QIODevice::WriteOnly));
    }
    suite::QtDialogs dialogs(QDir::tempPath());
    QString title, startFolder, offeredName, offeredFilter;
    bool saveMode = false;
    QString replaceQuestion;
    std::unique_ptr<DialogAnswer> confirm;
    const auto answer = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      title = dialog->windowTitle();
      startFolder = dialog->directory().absolutePath();
      saveMode = dialog->acceptMode() == QFileDialog::AcceptSave &&
                 dialog->testOption(QFileDialog::DontUseNativeDialog);
      offeredFilter = dialog->selectedNameFilter();
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name == nullptr) return dialog->reject();
      offeredName = name->text();
      // "map" with SVG chosen is map.svg, which exists: the dialog asks first.
      dialog->selectNameFilter(QStringLiteral("SVG (*.svg)"));
      name->setText(QStringLiteral("map"));
      confirm = DialogAnswer::when<QMessageBox>([&](QMessageBox* box) {
        replaceQuestion = box->text();
        box->button(QMessageBox::Yes)->click();
      });
      static_cast<QDialog*>(dialog)->accept();
    });
    const std::optional<suite::SaveFileAnswer> chosen =
        dialogs.saveFile(nullptr, QStringLiteral("Αποθήκευση εικόνας"),
                         dir.filePath(QStringLiteral("hills-isolines.pdf")),
                         QStringLiteral("PNG|*.png|SVG|*.svg|PDF|*.pdf"));

    QCOMPARE(title, QStringLiteral("Αποθήκευση εικόνας"));
    QVERIFY(saveMode);
    QCOMPARE(startFolder, dir.absolutePath());
    QCOMPARE(offeredName, QStringLiteral("hills-isolines.pdf"));
    QCOMPARE(offeredFilter, QStringLiteral("PDF (*.pdf)"));
    QVERIFY2(replaceQuestion.contains(QStringLiteral("map.svg")), qPrintable(replaceQuestion));
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->path, dir.absoluteFilePath(QStringLiteral("map.svg")));
    QCOMPARE(chosen->filterIndex, 1);
    QCOMPARE(dialogs.nextFolder(), QDir::tempPath());  // the open-file dialog's folder stays

    const auto cancel =
        DialogAnswer::when<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!dialogs
                 .saveFile(nullptr, QStringLiteral("Αποθήκευση εικόνας"),
                           dir.filePath(QStringLiteral("x.png")), QStringLiteral("PNG|*.png"))
                 .has_value());
  }

  void messageHasOnlyAnOkButton() {
    suite::QtDialogs dialogs(QDir::tempPath());
    QString text;
    int buttons = -1;
    const auto answer = DialogAnswer::when<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      box->button(QMessageBox::Ok)->click();
    });
    dialogs.message(nullptr, QStringLiteral("Θα πρέπει <να> βάλεις"));
    QCOMPARE(text, QStringLiteral("Θα πρέπει <να> βάλεις"));
    QCOMPARE(buttons, 1);
  }

  void questionIsAWarningWhoseDefaultAndEscapeAnswerIsNo() {
    suite::QtDialogs dialogs(QDir::tempPath());
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QAbstractButton* byDefault = nullptr;
    const auto yes = DialogAnswer::when<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      icon = box->icon();
      for (QAbstractButton* button : box->buttons()) buttons << box->standardButton(button);
      byDefault = box->defaultButton();
      QVERIFY(byDefault == box->button(QMessageBox::No));
      QCOMPARE(box->textFormat(), Qt::PlainText);
      box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(dialogs.question(nullptr, QStringLiteral("Το <α>.txt υπάρχει ήδη.")));
    QCOMPARE(text, QStringLiteral("Το <α>.txt υπάρχει ήδη."));
    QCOMPARE(icon, QMessageBox::Warning);
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));

    // Esc, Return on the default button, and closing the box all answer No.
    const auto escape = DialogAnswer::when<QMessageBox>(
        [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!dialogs.question(nullptr, QStringLiteral("Να αντικατασταθεί;")));
    const auto enter = DialogAnswer::when<QMessageBox>(
        [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(!dialogs.question(nullptr, QStringLiteral("Να αντικατασταθεί;")));
    const auto close = DialogAnswer::when<QMessageBox>([](QMessageBox* box) { box->close(); });
    QVERIFY(!dialogs.question(nullptr, QStringLiteral("Να αντικατασταθεί;")));
  }

  void inputOpensAtItsTwipsAndGivesTheTextOrEmptyWhenCancelled() {
    suite::QtDialogs dialogs(QDir::tempPath());
    QPoint at;
    QString prompt;
    const auto answer = DialogAnswer::when<QInputDialog>([&](QInputDialog* dialog) {
      at = dialog->pos();
      prompt = dialog->labelText();
      QCOMPARE(dialog->textValue(), QStringLiteral("10"));
      dialog->setTextValue(QStringLiteral("25"));
      dialog->accept();
    });
    QCOMPARE(
        dialogs.input(nullptr, QStringLiteral("Ισοδιάσταση;"), QStringLiteral("10"), 1500, 750),
        QStringLiteral("25"));
    QCOMPARE(at, QPoint(100, 50));
    QCOMPARE(prompt, QStringLiteral("Ισοδιάσταση;"));

    const auto cancel =
        DialogAnswer::when<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    QCOMPARE(dialogs.input(nullptr, QStringLiteral("Ισοδιάσταση;"), QStringLiteral("10"), 0, 0),
             QString());
  }

  void guardedActionsTellTheUserInsteadOfThrowing() {
    suite::ScriptedDialogs dialogs;
    suite::runGuarded(dialogs, nullptr,
                      [] { throw suite::UserError("Το αρχείο a.dtm τελειώνει στη γραμμή 3"); });
    suite::runGuarded(dialogs, nullptr, [] { throw std::runtime_error("stoi"); });
    suite::runGuarded(dialogs, nullptr, [] { throw 42; });
    suite::runGuarded(dialogs, nullptr, [] {});
    QCOMPARE(dialogs.messages().size(), std::size_t{3});
    QCOMPARE(dialogs.messages()[0], QStringLiteral("Το αρχείο a.dtm τελειώνει στη γραμμή 3"));
    QVERIFY(dialogs.messages()[1].contains(QStringLiteral("stoi")));
    QVERIFY(!dialogs.messages()[2].isEmpty());
  }
};

int runDialogsTests(int argc, char** argv) {
  DialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
