#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <vector>

#include "tests/desktop/latin_script.h"

namespace {

struct Message {
  QString context;
  QString source;
  QString disambiguation;
  QString translation;
  bool finished = true;
};

/// The messages of a Qt Linguist .ts file.
std::vector<Message> readCatalogue(const QString& path) {
  std::vector<Message> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  QString context;
  Message message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      message = Message{context, {}, {}, {}, true};
    } else if (name == QLatin1String("source")) {
      message.source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      message.disambiguation = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      message.translation = xml.readElementText();
      messages.push_back(message);
    }
  }
  return messages;
}

QStringList placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
  QStringList found;
  for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

/// Mnemonic markers: "&" before a letter ("&&" is a literal ampersand).
qsizetype mnemonics(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text.at(i) != QLatin1Char('&')) continue;
    if (text.at(i + 1) == QLatin1Char('&')) {
      ++i;
      continue;
    }
    ++count;
  }
  return count;
}

}  // namespace

/// The suite's Greek catalogue of Qt's own texts (gui/translations/qt_el.ts).
class QtCatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTranslationIsGreekWithTheSourcesPlaceholdersMnemonicsAndLines() {
    const std::vector<Message> messages = readCatalogue(QStringLiteral(SUITE_QT_CATALOGUE_TS));
    QVERIFY2(messages.size() > 100, "the catalogue did not read");
    for (const Message& m : messages) {
      const QByteArray where = (m.context + QLatin1String(": ") + m.source).toUtf8();
      QVERIFY2(m.finished && !m.translation.isEmpty(), where.constData());
      // Qt reads the layout direction from this one entry; Greek is written left to right.
      if (m.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
        QCOMPARE(m.translation, QStringLiteral("LTR"));
        continue;
      }
      QVERIFY2(!suite::test::hasLatinLetter(m.translation), where.constData());
      QVERIFY2(placeholders(m.translation) == placeholders(m.source), where.constData());
      QVERIFY2(mnemonics(m.translation) == mnemonics(m.source), where.constData());
      QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')),
               where.constData());
    }
  }

  void theProgramTranslatesWithTheCatalogueAsItIsInTheRepository() {
    // The embedded catalogue, compiled at build time, is the one in the repository and is loaded.
    for (const Message& m : readCatalogue(QStringLiteral(SUITE_QT_CATALOGUE_TS))) {
      const QByteArray context = m.context.toUtf8();
      const QByteArray source = m.source.toUtf8();
      const QByteArray disambiguation = m.disambiguation.toUtf8();
      QCOMPARE(QCoreApplication::translate(
                   context.constData(), source.constData(),
                   disambiguation.isEmpty() ? nullptr : disambiguation.constData()),
               m.translation);
    }
  }
};

int runQtCatalogueTests(int argc, char** argv) {
  QtCatalogueTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_catalogue_test.moc"
