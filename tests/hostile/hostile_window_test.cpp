// Hostile files given to every program through its real main window, with the scripted dialogs:
// an empty file, a binary one, a text of words, a header that announces far more heights than
// the file holds, a header of 2^31 − 1 rows, a file of 1 GB of blanks and a sparse one of 1 GB
// (its bytes all zero), a named pipe, a folder, and
// a file that shrinks or vanishes between two drawings or, in vantage, between the two reads of
// one drawing. Each is refused at once with one Greek message that names the file, what was
// shown before stays, and the program then draws or loads a good file. The lying header is also
// given to each program started afresh in a child process, whose time and peak memory are
// measured.

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gui/application.h"
#include "tests/gui/qt_test_main.h"
#include "tests/gui/window_testing.h"
#include "tests/hostile/open_hook.h"
#include "tests/hostile/program_drivers.h"
#include "tests/hostile/under_sanitizer.h"

using hostile_testing::ProgramDriver;
using hostile_testing::Shown;
using suite::test::shown;
using suite::test::writeBytes;

namespace {

/// The one file a lying header holds: 16384 × 16384 = 2^28 nodes announced, nine heights.
const std::string kLyingHeader = "16384 16384 632000 4132000 100 100";
const std::string kNineHeights = "\n10 20 30 40 50 60 70 80 90\n";

/// The stereo DTM file form of a grid file's header and heights: a title and two orientations
/// around them.
std::string asStereo(const std::string& header, const std::string& heights) {
  return "Στέρεο ζεύγος ΨΜΕ\r\n" + header + "\r\n632900.000,4130500.000,1802.174,.1,.2,.3\r\n" +
         "633900.000,4130500.000,1802.174,.1,.2,.3\r\n" + heights;
}

std::string lyingHeaderFile(const ProgramDriver& program) {
  return program.readsStereo ? asStereo(kLyingHeader, kNineHeights) : kLyingHeader + kNineHeights;
}

/// One hostile file, made in `folder` for `program`; returns its path.
using HostileFile = QString (*)(const QTemporaryDir& folder, const ProgramDriver& program);

/// A file of 1 GB of blanks, written once for every program that is given it: a reader must skip
/// the blanks, find that no number follows and say so within the second or two a user waits.
/// Empty where the temporary folder has no room for it.
QString gigabyteOfBlanks() {
  static const QTemporaryDir folder;
  static const QString path = []() -> QString {
    constexpr std::uintmax_t kSize = std::uintmax_t{1} << 30;
    std::error_code error;
    const auto space = std::filesystem::space(folder.path().toStdString(), error);
    if (error || space.available < 2 * kSize) return {};
    const QString file = folder.filePath(QStringLiteral("blanks.dtm"));
    std::ofstream out(file.toStdString(), std::ios::binary);
    const std::string blanks(std::size_t{1} << 20, ' ');
    for (std::uintmax_t written = 0; written < kSize && out; written += blanks.size()) {
      out.write(blanks.data(), static_cast<std::streamsize>(blanks.size()));
    }
    if (!out.flush()) {
      std::filesystem::remove(file.toStdString(), error);
      return {};
    }
    return file;
  }();
  return path;
}

QString written(const QTemporaryDir& folder, const char* name, const std::string& bytes) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  writeBytes(path, bytes);
  return path;
}

/// What every message about a hostile file says besides naming it.
struct Case {
  const char* name;
  HostileFile make;
  /// A part of every program's message (a regular expression): the place or the reason.
  const char* says;
};

const Case kCases[] = {
    {"empty file",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       return written(folder, "empty.dtm", "");
     },
     "τελειώνει πριν από την τιμή 1 "},
    {"binary file",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       std::mt19937 random(7);
       std::string bytes(4096, '\0');
       for (char& byte : bytes) byte = static_cast<char>(random());
       return written(folder, "binary.dtm", bytes);
     },
     "γραμμή \\d+, η τιμή \\d+ .*δεν είναι αριθμός|τίτλος|πάνω από"},
    {"text of words",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       return written(folder, "words.dtm", "Αυτό το αρχείο είναι ένα κείμενο, όχι πλέγμα.\n");
     },
     "γραμμή \\d+, η τιμή \\d+ .*δεν είναι αριθμός"},
    {"header announcing far more heights than the file holds",
     [](const QTemporaryDir& folder, const ProgramDriver& program) {
       return written(folder, "lying.dtm", lyingHeaderFile(program));
     },
     "τελειώνει πριν από την τιμή 16 |\\(16384 γραμμές × 16384 στήλες\\)"},
    {"header announcing 2^31 - 1 rows",
     [](const QTemporaryDir& folder, const ProgramDriver& program) {
       const std::string header = "2147483647,1,632900,4131000,100,100";
       const std::string heights = "\n1\n2\n";
       return written(folder, "rows.dtm",
                      program.readsStereo ? asStereo(header, heights) : header + heights);
     },
     "2147483647|τελειώνει πριν από την τιμή \\d+ "},
    {"1 GB of blanks",
     [](const QTemporaryDir&, const ProgramDriver&) { return gigabyteOfBlanks(); },
     "τελειώνει πριν από την τιμή 1 |τίτλος"},
    {"sparse file of 1 GB",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       const QString path = written(folder, "huge.dtm", "");
       std::filesystem::resize_file(path.toStdString(), std::uintmax_t{1} << 30);
       return path;
     },
     "γραμμή 1, η τιμή 1 .*δεν είναι αριθμός|τίτλος"},
    {"named pipe",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       const QString path = folder.filePath(QStringLiteral("pipe.dtm"));
       if (::mkfifo(path.toLocal8Bit().constData(), 0600) != 0) qFatal("no named pipe");
       return path;
     },
     "Είναι επώνυμη σωλήνωση \\(FIFO\\), όχι αρχείο\\."},
    {"folder",
     [](const QTemporaryDir& folder, const ProgramDriver&) {
       const QString path = folder.filePath(QStringLiteral("folder.dtm"));
       std::filesystem::create_directory(path.toStdString());
       return path;
     },
     "Είναι φάκελος, όχι αρχείο\\."},
};

/// Runs `action` and returns how long it took, milliseconds.
template <typename Action>
qint64 timed(Action&& action) {
  QElapsedTimer timer;
  timer.start();
  action();
  return timer.elapsed();
}

/// Checks that `dialogs` showed one message since it was last cleared, naming `path` («…») and
/// matching `says`; prints it, as the record of what each program says.
void expectOneRefusal(const suite::ScriptedDialogs& dialogs, const QString& path,
                      const QString& says, const QString& what) {
  QCOMPARE(dialogs.messages().size(), std::size_t{1});
  const QString& message = dialogs.messages().front();
  qInfo().noquote() << what << "::" << message;
  QVERIFY2(message.contains(QStringLiteral("«%1»").arg(path)), qPrintable(message));
  QVERIFY2(message.contains(QRegularExpression(says)), qPrintable(message));
}

/// Removes the file at `path`, or cuts it to the first half of `whole`.
void change(const QString& path, const std::string& whole, bool vanishes) {
  if (vanishes) {
    std::filesystem::remove(path.toStdString());
  } else {
    writeBytes(path, whole.substr(0, whole.size() / 2));
  }
}

/// What a refusal of a file that `change` removed or cut says.
QString changedFileSays(bool vanishes) {
  return vanishes ? QStringLiteral("Δεν υπάρχει τέτοιο αρχείο\\.")
                  : QStringLiteral("τελειώνει πριν από την τιμή \\d+");
}

/// Draws or loads the program's good file: no message, something shown.
void expectUsable(const ProgramDriver& program, QWidget& window, suite::ScriptedDialogs& dialogs) {
  dialogs.clearRecord();
  program.use(window, dialogs, program.goodFile);
  QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
  QVERIFY(program.shown(window).any);
}

// --- The program started afresh in a child process (the test binary, run with --use-once).

/// What a child reported: how long it took, what it said, and its peak resident memory.
struct ChildRun {
  bool ended = false;
  qint64 elapsedMs = -1;
  QString message;
  long peakKiB = -1;
};

/// The peak resident memory of this process since it started its program (VmHWM): unlike the
/// peak that wait4() reports, it leaves out the memory of the process that started it.
long peakKiBOfThisProcess() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return -1;
}

/// Starts this test binary as `program` given `path` (none: the window alone) and waits for it.
ChildRun runChild(const QString& program, const QString& path) {
  const QByteArray name = program.toUtf8();
  const QByteArray file = path.toLocal8Bit();
  std::vector<char*> arguments = {const_cast<char*>("hostile_window_test"),
                                  const_cast<char*>("--use-once"), const_cast<char*>(name.data())};
  if (!path.isEmpty()) arguments.push_back(const_cast<char*>(file.data()));
  arguments.push_back(nullptr);
  int fds[2];
  if (::pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  pid_t pid = 0;
  const int failed =
      posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  ChildRun run;
  QByteArray output;
  char chunk[4096];
  ssize_t got;
  while ((got = ::read(fds[0], chunk, sizeof chunk)) > 0) output.append(chunk, got);
  ::close(fds[0]);
  if (failed != 0) return run;
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  for (const QString& line : QString::fromUtf8(output).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("elapsed-ms "))) run.elapsedMs = line.mid(11).toLongLong();
    if (line.startsWith(QLatin1String("message "))) run.message += line.mid(8);
    if (line.startsWith(QLatin1String("peak-kib "))) run.peakKiB = line.mid(9).toLong();
  }
  return run;
}

/// The child: `program`'s main window shown, then given the file at `path`, if any, as a user
/// does; prints how long that took, the messages shown and the process's peak memory.
int useOnce(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString name = QString::fromUtf8(argv[2]);
  suite::prepareApplication(app, name);
  const ProgramDriver& program = hostile_testing::programDriver(name);
  suite::ScriptedDialogs dialogs;
  const std::unique_ptr<QWidget> window = program.make(dialogs);
  window->show();
  QApplication::processEvents();
  if (argc > 3) {
    const qint64 elapsed =
        timed([&] { program.use(*window, dialogs, QString::fromLocal8Bit(argv[3])); });
    std::printf("elapsed-ms %lld\n", static_cast<long long>(elapsed));
    for (const QString& message : dialogs.messages()) {
      std::printf("message %s\n", message.simplified().toUtf8().constData());
    }
  }
  std::printf("peak-kib %ld\n", peakKiBOfThisProcess());
  return 0;
}

}  // namespace

class HostileWindowTest : public QObject {
  Q_OBJECT

  static void addProgramRows() {
    QTest::addColumn<QString>("program");
    for (const ProgramDriver& program : hostile_testing::programDrivers()) {
      QTest::newRow(qPrintable(program.name)) << program.name;
    }
  }

 private slots:
  void hostileFileIsRefusedAtOnceNamingItAndTheProgramStaysUsable_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("hostile");
    for (const ProgramDriver& program : hostile_testing::programDrivers()) {
      for (int k = 0; k < static_cast<int>(std::size(kCases)); ++k) {
        QTest::addRow("%s, %s", qPrintable(program.name), kCases[k].name) << program.name << k;
      }
    }
  }
  void hostileFileIsRefusedAtOnceNamingItAndTheProgramStaysUsable() {
    QFETCH(QString, program);
    QFETCH(int, hostile);
    const ProgramDriver& driver = hostile_testing::programDriver(program);
    const Case& hostileCase = kCases[hostile];
    const QTemporaryDir folder;
    const QString path = hostileCase.make(folder, driver);
    if (path.isEmpty()) QSKIP("no room in the temporary folder for this file");
    const QString says = QString::fromUtf8(hostileCase.says);
    suite::ScriptedDialogs dialogs;
    const std::unique_ptr<QWidget> window = driver.make(dialogs);

    // As the first file: refused, nothing shown.
    const qint64 first = timed([&] { driver.use(*window, dialogs, path); });
    expectOneRefusal(dialogs, path, says, program + ", " + hostileCase.name);
    QVERIFY(!driver.shown(*window).any);
    expectUsable(driver, *window, dialogs);

    // After a good file: refused, and what the good file showed stays.
    const Shown before = driver.shown(*window);
    dialogs.clearRecord();
    const qint64 second = timed([&] { driver.use(*window, dialogs, path); });
    expectOneRefusal(dialogs, path, says, program + ", " + hostileCase.name);
    QVERIFY(driver.shown(*window) == before);
    expectUsable(driver, *window, dialogs);
    qInfo("%s, %s: refused in %lld ms, then in %lld ms", qPrintable(program), hostileCase.name,
          static_cast<long long>(first), static_cast<long long>(second));
    // Within the two seconds a user waits; a sanitizer's checks of every byte read slow the
    // reading of the huge files several times, so there the bound is four times as long.
    const qint64 limitMs = hostile_testing::kUnderSanitizer ? 8000 : 2000;
    QVERIFY(first < limitMs && second < limitMs);
  }

  void fileThatShrinksOrVanishesBetweenTwoDrawingsIsRefusedAndTheLastDrawingStays_data() {
    addProgramRows();
  }
  void fileThatShrinksOrVanishesBetweenTwoDrawingsIsRefusedAndTheLastDrawingStays() {
    QFETCH(QString, program);
    const ProgramDriver& driver = hostile_testing::programDriver(program);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("changing.dtm"));
    const std::string whole = suite::test::fileBytes(driver.goodFile);
    for (const bool vanishes : {false, true}) {
      writeBytes(path, whole);
      suite::ScriptedDialogs dialogs;
      const std::unique_ptr<QWidget> window = driver.make(dialogs);
      driver.use(*window, dialogs, path);
      QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
      const Shown before = driver.shown(*window);
      QVERIFY(before.any);

      change(path, whole, vanishes);
      driver.again(*window, dialogs);
      expectOneRefusal(dialogs, path, changedFileSays(vanishes),
                       program + (vanishes ? ", vanished" : ", cut in half"));
      QVERIFY(driver.shown(*window) == before);

      // The file back as it was draws again.
      writeBytes(path, whole);
      dialogs.clearRecord();
      driver.again(*window, dialogs);
      QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
      QVERIFY(driver.shown(*window).any);
    }
  }

  // vantage's first drawing reads its file for the model frame, then again for the perspective.
  void fileThatShrinksOrVanishesBetweenThePerspectivesTwoReadsIsRefused() {
    const ProgramDriver& vantage = hostile_testing::programDriver(QStringLiteral("vantage"));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("changing.dtm"));
    const std::string whole = suite::test::fileBytes(vantage.goodFile);
    for (const bool vanishes : {false, true}) {
      writeBytes(path, whole);
      suite::ScriptedDialogs dialogs;
      const std::unique_ptr<QWidget> window = vantage.make(dialogs);
      hostile_testing::beforeOpening(path.toStdString(), 2, [&] { change(path, whole, vanishes); });
      vantage.use(*window, dialogs, path);
      QVERIFY(hostile_testing::hookRan());
      expectOneRefusal(dialogs, path, changedFileSays(vanishes),
                       QStringLiteral("vantage, between the two reads, ") +
                           (vanishes ? "vanished" : "cut in half"));
      QVERIFY(!vantage.shown(*window).any);

      writeBytes(path, whole);
      dialogs.clearRecord();
      vantage.again(*window, dialogs);
      QVERIFY2(dialogs.messages().empty(), qPrintable(shown(dialogs)));
      QVERIFY(vantage.shown(*window).any);
    }
  }

  // A user's first try: the program just started, the lying header chosen. The whole program's
  // peak memory is measured, and the program's alone for comparison.
  void lyingHeaderIsRefusedWithinTwoSecondsAndAHundredMegabytes_data() { addProgramRows(); }
  void lyingHeaderIsRefusedWithinTwoSecondsAndAHundredMegabytes() {
    QFETCH(QString, program);
    const ProgramDriver& driver = hostile_testing::programDriver(program);
    const QTemporaryDir folder;
    const QString path = written(folder, "lying.dtm", lyingHeaderFile(driver));
    QVERIFY(QFileInfo(path).size() <= 256);
    const ChildRun alone = runChild(program, QString());
    const ChildRun lying = runChild(program, path);
    QVERIFY(alone.ended && lying.ended && alone.peakKiB > 0 && lying.peakKiB > 0);
    qInfo("%s: the lying header refused in %lld ms; peak %ld KiB (the program alone: %ld KiB)",
          qPrintable(program), static_cast<long long>(lying.elapsedMs), lying.peakKiB,
          alone.peakKiB);
    QVERIFY2(lying.message.contains(QStringLiteral("«%1»").arg(path)), qPrintable(lying.message));
    QVERIFY(lying.elapsedMs >= 0 && lying.elapsedMs < 2000);
    // A sanitizer's own memory is no part of the program's: there only the growth is measured.
    const long limitKiB = 100 * 1024;
    QVERIFY(lying.peakKiB - alone.peakKiB < limitKiB);
    if (!hostile_testing::kUnderSanitizer) QVERIFY(lying.peakKiB < limitKiB);
  }
};

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--use-once") == 0) return useOnce(argc, argv);
  return suite::test::runQtTests(argc, argv, {[](int c, char** v) {
                                   HostileWindowTest test;
                                   return QTest::qExec(&test, c, v);
                                 }});
}

#include "hostile_window_test.moc"
