#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "flightsim/main_window.h"
#include "gui/application.h"
#include "gui/dialogs.h"
#include "gui/picture_file.h"
#include "stereo/uniform_source.h"
#include "tests/desktop/latin_script.h"
#include "tests/gui/dialog_answer.h"

using suite::test::DialogAnswer;
using suite::test::hasLatinLetter;

namespace {

/// A text on the screen and where it was seen.
struct Seen {
  QString where;
  QString text;
};

/// Every text Qt asks the translators for while it is installed; it translates nothing itself.
class AskedTexts : public QTranslator {
 public:
  using Key = std::tuple<QString, QString, QString>;  // context, source, disambiguation

  QString translate(const char* context, const char* source, const char* disambiguation,
                    int) const override {
    asked_.emplace(QString::fromUtf8(context), QString::fromUtf8(source),
                   QString::fromUtf8(disambiguation));
    return {};
  }
  bool isEmpty() const override { return false; }
  const std::set<Key>& asked() const { return asked_; }

 private:
  mutable std::set<Key> asked_;
};

void rightClick(QWidget* widget, QPoint at) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
}

void addMenuTexts(const QMenu& menu, const QString& where, std::vector<Seen>& seen) {
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    // An item's shortcut follows a tab ("Ctrl+Z"): key names as printed on the keys, left out.
    seen.push_back({where, action->text().section(QLatin1Char('\t'), 0, 0)});
    if (action->menu() != nullptr) addMenuTexts(*action->menu(), where, seen);
  }
}

/// The texts of the context menu that a right click at `at` on `widget` opens, whether the
/// widget runs the menu in its own loop or pops it up; the menu is closed again.
std::vector<Seen> contextMenuTexts(QWidget* widget, QPoint at, const QString& where) {
  std::vector<Seen> seen;
  const auto takeMenu = [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      addMenuTexts(*menu, where, seen);
      menu->close();
    }
  };
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, takeMenu);
  poll.start(10);
  rightClick(widget, at);
  takeMenu();
  return seen;
}

/// The visible texts of `dialog`: its title, labels, buttons, tooltips, combo box entries and
/// header sections.
std::vector<Seen> visibleTexts(QWidget* dialog) {
  std::vector<Seen> seen{{QStringLiteral("title"), dialog->windowTitle()}};
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    const QString where = QString::fromLatin1(widget->metaObject()->className()) +
                          QLatin1Char(' ') + widget->objectName();
    if (!widget->toolTip().isEmpty())
      seen.push_back({where + QLatin1String(" tooltip"), widget->toolTip()});
    if (auto* label = qobject_cast<QLabel*>(widget)) seen.push_back({where, label->text()});
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      seen.push_back({where, button->text()});
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) seen.push_back({where, combo->itemText(i)});
    if (auto* header = qobject_cast<QHeaderView*>(widget))
      for (int i = 0; i < header->count(); ++i)
        if (!header->isSectionHidden(i))
          seen.push_back({where, header->model()->headerData(i, header->orientation()).toString()});
  }
  return seen;
}

void append(std::vector<Seen>& to, const std::vector<Seen>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

QStringList textsAt(const std::vector<Seen>& seen, const QString& wherePrefix) {
  QStringList texts;
  for (const Seen& s : seen)
    if (s.where.startsWith(wherePrefix)) texts << s.text;
  return texts;
}

/// The file list of the dialog's detail view: one row of column texts per entry.
std::vector<QStringList> fileRows(QFileDialog* dialog) {
  std::vector<QStringList> rows;
  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  if (view == nullptr) return rows;
  const QAbstractItemModel* model = view->model();
  for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
    QStringList row;
    for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
      row << model->index(r, c, view->rootIndex()).data().toString();
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

/// The dialogs a program shows the user, opened for real in a running flightsim window: the file
/// dialog, a message box and the input box. Every text that Qt draws in them is Greek; the only
/// Latin letters left are in file and folder names, in the filter texts the programs pass, in the
/// program's own name (the title of its boxes), in key names printed on the keys (menu
/// shortcuts, "Ctrl+Z"), and in the Greek locale's own symbols for file sizes ("KiB").
class GreekDialogsTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  AskedTexts asked_;

  QString file(const QString& name) const { return QDir(folder_.path()).filePath(name); }

  bool isFileName(const QString& text) const {
    if (text.startsWith(QLatin1Char('/')) || QFileInfo::exists(file(text))) return true;
    if (text == QDir::home().dirName()) return true;
    for (QDir dir(folder_.path()); !dir.isRoot(); dir.cdUp())
      if (dir.dirName() == text) return true;
    return false;
  }

  /// Fails on every text with a Latin letter that is none of the allowed names.
  void expectGreek(const std::vector<Seen>& seen, const QStringList& filters) {
    for (const Seen& s : seen) {
      const QString& text = s.text;
      if (isFileName(text) || filters.contains(text) ||
          text == QGuiApplication::applicationDisplayName())
        continue;
      QVERIFY2(!hasLatinLetter(text), qPrintable(s.where + QLatin1String(": ") + s.text));
    }
  }

  std::unique_ptr<flightsim::MainWindow> openWindow(suite::Dialogs& dialogs) {
    auto window = std::make_unique<flightsim::MainWindow>(
        dialogs, std::make_unique<suite::FixedUniformSource>(std::vector<float>{.5f}));
    window->show();
    return window;
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    // Enough terrain models for the file list to scroll, a larger one for a size with decimals,
    // a text file and a folder.
    for (int i = 1; i <= 40; ++i) {
      QFile model(file(QStringLiteral("λόφος-%1.dtm").arg(i, 2, 10, QLatin1Char('0'))));
      QVERIFY(model.open(QIODevice::WriteOnly));
      model.write("3,3,0,0,1,1\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n");
    }
    QFile large(file(QStringLiteral("hills.dtm")));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(5432, '1'));
    QFile notes(file(QStringLiteral("σημειώσεις.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("text\n");
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("παλιά")));
    QCoreApplication::installTranslator(&asked_);
  }

  void cleanupTestCase() { QCoreApplication::removeTranslator(&asked_); }

  void theFileDialogOfTheMainWindowIsGreek() {
    suite::QtDialogs dialogs(folder_.path());
    const auto window = openWindow(dialogs);
    std::vector<Seen> seen;
    std::vector<QStringList> rows;
    QStringList filters;
    bool loaded = false;
    QList<int> narrowColumns;  // columns too narrow for their Greek texts, which would be cut
    const auto answer = DialogAnswer::when<QFileDialog>(
        [&](QFileDialog* dialog) {
          // Sizes, types and dates are gathered in the background; wait for all 43 entries.
          loaded = QTest::qWaitFor([&] {
            rows = fileRows(dialog);
            if (rows.size() != 43) return false;
            for (const QStringList& row : rows)
              if (row.size() != 4 || row.at(2).isEmpty() || row.at(3).isEmpty()) return false;
            return true;
          });
          filters = dialog->nameFilters();
          seen = visibleTexts(dialog);
          auto* files = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
          // A cell's text is cut when it is wider than its column less the item's margins. The
          // columns follow their texts once the view has laid them out.
          const QFontMetrics metrics(files->font());
          const auto findNarrowColumns = [&] {
            narrowColumns.clear();
            for (int column = 1; column <= 3; ++column) {
              int widest = 0;
              for (const QStringList& row : rows)
                widest = std::max(widest, metrics.horizontalAdvance(row.at(column)));
              if (files->header()->sectionSize(column) < widest + 6) narrowColumns << column;
            }
            return narrowColumns.isEmpty();
          };
          (void)QTest::qWaitFor(findNarrowColumns, 2000);
          append(seen, contextMenuTexts(files->viewport(), {5, 5}, QStringLiteral("file menu")));
          append(seen, contextMenuTexts(files->header()->viewport(), {5, 5},
                                        QStringLiteral("column menu")));
          QScrollBar* scroll = files->verticalScrollBar();
          if (scroll->isVisible())
            append(seen, contextMenuTexts(scroll, {3, 20}, QStringLiteral("scroll menu")));
          for (auto* sidebar : dialog->findChildren<QListView*>(QStringLiteral("sidebar"))) {
            for (int r = 0; r < sidebar->model()->rowCount(); ++r) {
              const QModelIndex entry = sidebar->model()->index(r, 0);
              seen.push_back({QStringLiteral("sidebar"), entry.data().toString()});
              seen.push_back(
                  {QStringLiteral("sidebar tooltip"), entry.data(Qt::ToolTipRole).toString()});
            }
            sidebar->setCurrentIndex(sidebar->model()->index(0, 0));
            append(seen,
                   contextMenuTexts(sidebar->viewport(), {5, 5}, QStringLiteral("sidebar menu")));
          }
          auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
          append(seen, contextMenuTexts(name, {5, 5}, QStringLiteral("file name menu")));
          dialog->reject();
        },
        30000);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);

    QVERIFY2(loaded, "the dialog did not list the folder's 43 entries with their columns");
    expectGreek(seen, filters);
    QCOMPARE(narrowColumns, QList<int>());
    QCOMPARE(textsAt(seen, QStringLiteral("QHeaderView")),
             (QStringList{"Όνομα", "Μέγεθος", "Τύπος", "Τροποποιήθηκε"}));
    const QStringList labels = textsAt(seen, QStringLiteral("QLabel"));
    for (const char* label : {"Αναζήτηση σε:", "Όνο&μα αρχείου:", "Τύπος αρχείων:"})
      QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
    const QStringList buttons = textsAt(seen, QStringLiteral("QPushButton"));
    QVERIFY(buttons.contains(QStringLiteral("Ά&νοιγμα")) &&
            buttons.contains(QStringLiteral("Άκυρο")));
    QVERIFY(textsAt(seen, QStringLiteral("file menu")).contains(QStringLiteral("&Μετονομασία")));
    QVERIFY(
        textsAt(seen, QStringLiteral("column menu")).contains(QStringLiteral("Εμφάνιση: Μέγεθος")));
    QVERIFY(textsAt(seen, QStringLiteral("scroll menu")).contains(QStringLiteral("Κύλιση ως εδώ")));
    QVERIFY(textsAt(seen, QStringLiteral("sidebar")).contains(QStringLiteral("Υπολογιστής")));
    QVERIFY(
        textsAt(seen, QStringLiteral("file name menu")).contains(QStringLiteral("Επιλογή όλων")));

    // Sizes and dates in the Greek locale, types in Greek.
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    for (const QStringList& row : rows) {
      const QFileInfo entry(file(row.at(0)));
      QVERIFY2(entry.exists(), qPrintable(row.at(0)));
      QCOMPARE(row.at(1), entry.isDir() ? QString() : greek.formattedDataSize(entry.size()));
      QCOMPARE(row.at(3), greek.toString(entry.lastModified(), QLocale::ShortFormat));
      QVERIFY2(!hasLatinLetter(row.at(2)) && !hasLatinLetter(row.at(3)),
               qPrintable(row.join(" | ")));
    }
    QVERIFY(std::any_of(rows.begin(), rows.end(), [](const QStringList& row) {
      return row.at(1) == QStringLiteral("5,30 KiB");
    }));
  }

  void aMessageBoxOfTheMainWindowIsGreek() {
    suite::QtDialogs dialogs(folder_.path());
    const auto window = openWindow(dialogs);
    std::vector<Seen> seen;
    const auto answer = DialogAnswer::when<QMessageBox>([&](QMessageBox* box) {
      seen = visibleTexts(box);
      for (QLabel* label : box->findChildren<QLabel*>())
        append(seen, contextMenuTexts(label, {2, 2}, QStringLiteral("label menu")));
      box->button(QMessageBox::Ok)->click();
    });
    // "Προσομοίωσε" before any file is chosen: the program tells the user in a message box.
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);

    QCOMPARE(textsAt(seen, QStringLiteral("QPushButton")), QStringList{QStringLiteral("Εντάξει")});
    QCOMPARE(textsAt(seen, QStringLiteral("title")), QStringList{QStringLiteral("flightsim")});
    expectGreek(seen, {});
  }

  void theInputBoxIsGreek() {
    suite::QtDialogs dialogs(folder_.path());
    std::vector<Seen> seen;
    const auto answer = DialogAnswer::when<QInputDialog>([&](QInputDialog* box) {
      seen = visibleTexts(box);
      append(seen,
             contextMenuTexts(box->findChild<QLineEdit*>(), {5, 5}, QStringLiteral("text menu")));
      box->reject();
    });
    dialogs.input(nullptr, QStringLiteral("Βάλε ισοδιάσταση"), QString(), 100, 5000);

    QStringList buttons = textsAt(seen, QStringLiteral("QPushButton"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Άκυρο", "Εντάξει"}));
    QVERIFY(textsAt(seen, QStringLiteral("text menu")).size() >= 7);
    expectGreek(seen, {});
  }

  void theSaveDialogOfAPictureIsGreekAndAsksInGreekBeforeReplacing() {
    QFile earlier(file(QStringLiteral("χάρτης.png")));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    suite::QtDialogs dialogs(folder_.path());
    std::vector<Seen> seen;
    QStringList filters;
    QString question;
    QStringList questionButtons;
    std::unique_ptr<DialogAnswer> confirm;
    const auto answer = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      filters = dialog->nameFilters();
      seen = visibleTexts(dialog);
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name == nullptr) return dialog->reject();
      // A name without extension, PNG chosen: χάρτης.png, which is there already.
      name->setText(QStringLiteral("χάρτης"));
      confirm = DialogAnswer::when<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        for (QAbstractButton* button : box->buttons()) questionButtons << button->text();
        box->button(QMessageBox::No)->click();
      });
      static_cast<QDialog*>(dialog)->accept();
      // Not replaced: the dialog stays open for another name.
      if (dialog->isVisible()) dialog->reject();
    });
    const std::optional<suite::SaveFileAnswer> chosen =
        dialogs.saveFile(nullptr, QStringLiteral("Αποθήκευση εικόνας"),
                         file(QStringLiteral("λόφος-isolines.png")), suite::pictureFilter());

    QVERIFY(!chosen.has_value());
    expectGreek(seen, filters);
    QCOMPARE(filters,
             (QStringList{"Εικόνα PNG (*.png)", "Σχέδιο SVG (*.svg)", "Έγγραφο PDF (*.pdf)"}));
    const QStringList buttons = textsAt(seen, QStringLiteral("QPushButton"));
    QVERIFY2(buttons.contains(QStringLiteral("Α&ποθήκευση")) &&
                 buttons.contains(QStringLiteral("Άκυρο")),
             qPrintable(buttons.join('|')));
    const QStringList labels = textsAt(seen, QStringLiteral("QLabel"));
    for (const char* label : {"Αναζήτηση σε:", "Όνο&μα αρχείου:", "Τύπος αρχείων:"})
      QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
    QCOMPARE(question, QStringLiteral("Το χάρτης.png υπάρχει ήδη.\nΝα αντικατασταθεί;"));
    for (const QString& button : questionButtons)
      QVERIFY2(!hasLatinLetter(button), qPrintable(button));
  }

  void theQuestionBeforeAnExistingFileIsTakenToBeWrittenIsGreek() {
    suite::QtDialogs dialogs(folder_.path());
    const auto window = openWindow(dialogs);
    // The existing hills.dtm picked as the photo simulation file, in the open-file dialog.
    bool picked = false;
    const auto pick = DialogAnswer::when<QFileDialog>([&](QFileDialog* dialog) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name == nullptr) return dialog->reject();
      name->setText(QStringLiteral("hills.dtm"));
      picked = true;
      static_cast<QDialog*>(dialog)->accept();
    });
    // The question comes once the dialog has closed; watched for until then.
    std::vector<Seen> seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = visibleTexts(box);
        box->button(QMessageBox::No)->click();
      }
    });
    watch.start(10);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    watch.stop();

    QVERIFY(picked);
    QVERIFY(textsAt(seen, QStringLiteral("QLabel"))
                .contains(QStringLiteral("Το hills.dtm υπάρχει ήδη.\nΝα αντικατασταθεί;")));
    QStringList buttons = textsAt(seen, QStringLiteral("QPushButton"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"&Ναι", "Ό&χι"}));
    QCOMPARE(textsAt(seen, QStringLiteral("title")), QStringList{QStringLiteral("flightsim")});
    // Greek but for the file's name.
    for (Seen& s : seen) s.text.remove(QStringLiteral("hills.dtm"));
    expectGreek(seen, {});
    // Declined: the label still says that no file is chosen.
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Kανένα"));
  }

  void everyTextQtAskedForInTheseDialogsHasItsGreek() {
    QTranslator catalogue;
    QVERIFY(catalogue.load(QString::fromLatin1(suite::kQtGreekCatalogue)));
    QStringList missing;
    for (const auto& [context, source, disambiguation] : asked_.asked()) {
      // Key names stay as printed on the keys; so do the dialogs' shortcuts ("Alt+Left").
      if (context == QLatin1String("QShortcut")) continue;
      if (source.contains(QLatin1Char('+')) && !QKeySequence::fromString(source).isEmpty())
        continue;
      const QByteArray c = context.toUtf8(), s = source.toUtf8(), d = disambiguation.toUtf8();
      if (catalogue.translate(c.constData(), s.constData(), d.isEmpty() ? nullptr : d.constData())
              .isEmpty())
        missing << context + QLatin1String(": ") + source;
    }
    QVERIFY(asked_.asked().size() > 40);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String("; "))));
  }
};

int runGreekDialogsTests(int argc, char** argv) {
  GreekDialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "greek_dialogs_test.moc"
