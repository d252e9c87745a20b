#include "gui/application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "flightsim/main_window.h"
#include "gui/installed_samples.h"
#include "gui/scripted_dialogs.h"
#include "gui/suite_notice.h"
#include "gui/window_font.h"
#include "stereo/uniform_source.h"

/// What suite::prepareApplication sets up (the test binary is prepared as flightsim), and how an
/// installed program finds its samples.
class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void theProgramHasTheSuitesFontItsNameItsDesktopEntryAndItsIconAtEverySize() {
    QCOMPARE(QApplication::font().family(), suite::windowFont().family());
    QCOMPARE(QApplication::font().pixelSize(), suite::windowFont().pixelSize());
    // Message and input boxes are titled with the display name, the program's own name.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("flightsim"));
    QCOMPARE(QGuiApplication::desktopFileName(), suite::desktopId(QStringLiteral("flightsim")));
    QVERIFY(suite::desktopId(QStringLiteral("flightsim")).endsWith(QLatin1String(".flightsim")));

    const QList<QSize> sizes = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    suite::ScriptedDialogs dialogs;
    flightsim::MainWindow window(dialogs);
    QList<QSize> drawn = window.windowIcon().availableSizes();
    std::sort(drawn.begin(), drawn.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(drawn, sizes);
    QCOMPARE(window.windowIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
    QVERIFY(suite::programIcon(QStringLiteral("no-such-program")).isNull());
  }

  void theGreekDefaultLocaleLeavesTheSuitesNumbersAlone() {
    // Qt's own texts (the file dialog's sizes and dates) follow the Greek locale...
    QCOMPARE(QLocale().language(), QLocale::Greek);
    QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
    // ...while every way the suite turns numbers into text keeps ".".
    QCOMPARE(QString::number(1234.5), QStringLiteral("1234.5"));
    QCOMPARE(QString::number(-0.000125, 'g', 15), QStringLiteral("-0.000125"));
    QCOMPARE(QStringLiteral("%1 %2").arg(0.25).arg(3.0, 0, 'f', 3), QStringLiteral("0.25 3.000"));
  }

  void anInstalledProgramFindsTheSamplesOfItsPrefix() {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    QCOMPARE(suite::installedSamplesFolder(root.filePath(QStringLiteral("bin"))), QString());

    QVERIFY(root.mkpath(QStringLiteral("share/photogrammetry-suite/samples")));
    QCOMPARE(suite::installedSamplesFolder(root.filePath(QStringLiteral("bin"))),
             QDir::cleanPath(
                 root.absoluteFilePath(QStringLiteral("share/photogrammetry-suite/samples"))));
    QCOMPARE(suite::installedSamplesFolder(QString()), QString());
  }

  void theNoticeNamesWhereTheSamplesAndTheirDescriptionLie() {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    const QString bin = root.filePath(QStringLiteral("bin"));
    // Run from a build folder: the description in the source tree.
    const QString fromBuild = suite::suiteNoticeFor(bin);
    QVERIFY(fromBuild.endsWith(
        QStringLiteral("\n\nΤα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) και "
                       "η προέλευσή τους περιγράφονται στο samples/README.md.")));
    const QString terms = fromBuild.left(fromBuild.lastIndexOf(QStringLiteral("\n\n")) + 2);

    // Installed: the samples folder of the prefix, by its absolute path...
    QVERIFY(root.mkpath(QStringLiteral("share/photogrammetry-suite/samples")));
    const QString samples = QDir::cleanPath(
        root.absoluteFilePath(QStringLiteral("share/photogrammetry-suite/samples")));
    QCOMPARE(suite::suiteNoticeFor(bin),
             terms +
                 QStringLiteral("Τα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) βρίσκονται στον "
                                "φάκελο ") +
                 samples + QStringLiteral("."));

    // ...and their description among the installed documentation, once it is there.
    QVERIFY(root.mkpath(QStringLiteral("share/doc/photogrammetry-suite/samples")));
    const QString readme = QDir::cleanPath(
        root.absoluteFilePath(QStringLiteral("share/doc/photogrammetry-suite/samples/README.md")));
    QFile file(readme);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(suite::suiteNoticeFor(bin),
             terms +
                 QStringLiteral("Τα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) βρίσκονται στον "
                                "φάκελο ") +
                 samples + QStringLiteral(". Τα δείγματα και η προέλευσή τους περιγράφονται στο ") +
                 readme + QStringLiteral("."));

    // This test program runs from its build folder, with no samples beside it.
    QCOMPARE(suite::suiteNotice(), suite::suiteNoticeFor(QCoreApplication::applicationDirPath()));
  }
};

int runApplicationTests(int argc, char** argv) {
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
