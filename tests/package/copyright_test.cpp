#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

#include "gui/suite_notice.h"

namespace {

/// One paragraph of a machine-readable copyright file: its fields, each value with its
/// continuation lines unfolded (" ." is an empty line) and joined by "\n".
struct Stanza {
  std::vector<std::pair<QString, QString>> fields;
  QString value(const QString& name) const {
    for (const auto& [field, text] : fields)
      if (field == name) return text;
    return {};
  }
};

std::vector<Stanza> readCopyright(const QString& path) {
  QFile file(path);
  std::vector<Stanza> stanzas;
  if (!file.open(QIODevice::ReadOnly)) return stanzas;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  Stanza current;
  for (const QString& line : lines) {
    if (line.trimmed().isEmpty()) {
      if (!current.fields.empty()) stanzas.push_back(current);
      current = {};
    } else if (line.startsWith(QLatin1Char(' ')) && !current.fields.empty()) {
      const QString text = line.mid(1);
      current.fields.back().second +=
          QLatin1Char('\n') + (text == QLatin1String(".") ? QString() : text);
    } else {
      const qsizetype colon = line.indexOf(QLatin1Char(':'));
      current.fields.emplace_back(line.left(colon), line.mid(colon + 1).trimmed());
    }
  }
  if (!current.fields.empty()) stanzas.push_back(current);
  return stanzas;
}

/// The paragraphs of a text whose lines are wrapped anywhere, each with single blanks.
QStringList paragraphs(const QString& text) {
  QStringList result;
  for (const QString& paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
    result << paragraph.simplified();
  return result;
}

}  // namespace

// The package's copyright file states the terms that the programs' notice box shows, so the
// two cannot drift apart: the licence's text is the notice's "Άδεια" and "Περιορισμοί"
// paragraphs, word for word.
TEST(CopyrightFile, StatesTheTermsOfTheNoticeBoxWordForWord) {
  const std::vector<Stanza> stanzas = readCopyright(QStringLiteral(SUITE_COPYRIGHT_FILE));
  ASSERT_GE(stanzas.size(), 3u) << SUITE_COPYRIGHT_FILE;
  EXPECT_EQ(stanzas.front().value(QStringLiteral("Format")),
            QStringLiteral("https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));

  const QString filesLicence = [&] {
    for (const Stanza& stanza : stanzas)
      if (stanza.value(QStringLiteral("Files")) == QLatin1String("*"))
        return stanza.value(QStringLiteral("License"));
    return QString();
  }();
  ASSERT_FALSE(filesLicence.isEmpty()) << "no Files: * paragraph with a licence";
  ASSERT_FALSE(filesLicence.contains(QLatin1Char('\n'))) << "the licence's text stands apart";

  QString licenceText;
  for (const Stanza& stanza : stanzas) {
    const QString licence = stanza.value(QStringLiteral("License"));
    if (stanza.value(QStringLiteral("Files")).isEmpty() && licence.startsWith(filesLicence + '\n'))
      licenceText = licence.mid(filesLicence.size() + 1);
  }
  ASSERT_FALSE(licenceText.isEmpty())
      << "no paragraph gives the text of " << filesLicence.toStdString();

  const QStringList notice = paragraphs(suite::suiteNoticeFor(QString()));
  QStringList terms;
  for (const QString& paragraph : notice)
    if (paragraph.startsWith(QStringLiteral("Άδεια:")) ||
        paragraph.startsWith(QStringLiteral("Περιορισμοί:")))
      terms << paragraph;
  ASSERT_EQ(terms.size(), 2) << "the notice lost its terms";
  EXPECT_EQ(paragraphs(licenceText).join(QStringLiteral("\n\n")).toStdString(),
            terms.join(QStringLiteral("\n\n")).toStdString());
}
