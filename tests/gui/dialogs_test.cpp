#include "gui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <stdexcept>

#include "gui/guarded_action.h"
#include "gui/scripted_dialogs.h"
#include "tests/gui/dialog_answer.h"
#include "text/user_error.h"

using suite::test::DialogAnswer;

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
