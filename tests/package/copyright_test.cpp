#include <fnmatch.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

/// The files of the source tree, by their paths from its root ("samples/maunga-whau.dtm"),
/// the build folders and git's own left out.
QStringList sourceFiles() {
  const QDir root(QStringLiteral(SUITE_SOURCE_DIR));
  QStringList files;
  for (const QFileInfo& entry : root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
    if (entry.isFile()) {
      files << entry.fileName();
    } else if (entry.fileName() != QLatin1String("build") &&
               entry.fileName() != QLatin1String(".git")) {
      QDirIterator it(entry.filePath(), QDir::Files, QDirIterator::Subdirectories);
      while (it.hasNext()) files << root.relativeFilePath(it.next());
    }
  }
  return files;
}

/// Whether `path` matches the copyright file's pattern: "*" any characters, "/" included, "?" one.
bool matches(const QString& pattern, const QString& path) {
  return fnmatch(pattern.toStdString().c_str(), path.toStdString().c_str(), 0) == 0;
}

/// The Files paragraphs other than "Files: *", each with its patterns.
std::vector<std::pair<Stanza, QStringList>> particularFiles(const std::vector<Stanza>& stanzas) {
  std::vector<std::pair<Stanza, QStringList>> result;
  for (const Stanza& stanza : stanzas) {
    const QStringList patterns =
        stanza.value(QStringLiteral("Files")).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!patterns.isEmpty() && patterns != QStringList{QStringLiteral("*")})
      result.emplace_back(stanza, patterns);
  }
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

// The sample terrain of Maunga Whau is R's data set volcano, not the suite's own work: every file
// made from it (the DTM grid file and the rasters for dtmconvert, whatever they are named) falls
// under a paragraph of its own with R's licence, and no pattern of such a paragraph names a file
// that is not there, so a renamed sample cannot slip back under the suite's terms.
TEST(CopyrightFile, TheMaungaWhauSamplesCarryTheLicenceOfTheirSource) {
  const std::vector<Stanza> stanzas = readCopyright(QStringLiteral(SUITE_COPYRIGHT_FILE));
  const auto particular = particularFiles(stanzas);
  const QStringList files = sourceFiles();

  QStringList samples;
  for (const QString& file : files)
    if (file.startsWith(QLatin1String("samples/maunga-whau")) &&
        (file.endsWith(QLatin1String(".dtm")) || file.endsWith(QLatin1String(".tif"))))
      samples << file;
  ASSERT_GE(samples.size(), 1) << "no Maunga Whau sample in " << SUITE_SOURCE_DIR;

  for (const QString& sample : samples) {
    QString licence;
    for (const auto& [stanza, patterns] : particular)
      for (const QString& pattern : patterns)
        if (matches(pattern, sample)) licence = stanza.value(QStringLiteral("License"));
    EXPECT_EQ(licence.toStdString(), "GPL-2 or GPL-3") << sample.toStdString();
  }

  for (const auto& [stanza, patterns] : particular)
    for (const QString& pattern : patterns) {
      bool found = false;
      for (const QString& file : files) found = found || matches(pattern, file);
      EXPECT_TRUE(found) << "no file matches " << pattern.toStdString();
    }
}

// Every licence a Files paragraph names by a short name ("GPL-2 or GPL-3" names two) has its text
// in a paragraph of its own, and a GNU licence points to its full text on a Debian system.
TEST(CopyrightFile, EveryLicenceNamedHasItsText) {
  const std::vector<Stanza> stanzas = readCopyright(QStringLiteral(SUITE_COPYRIGHT_FILE));
  QStringList named;
  for (const Stanza& stanza : stanzas) {
    const QString licence = stanza.value(QStringLiteral("License"));
    if (stanza.value(QStringLiteral("Files")).isEmpty() || licence.contains(QLatin1Char('\n')))
      continue;
    for (const QString& name : licence.split(QRegularExpression(QStringLiteral("\\s+(or|and)\\s+"))))
      named << name.trimmed();
  }
  ASSERT_FALSE(named.isEmpty());

  for (const QString& name : named) {
    QString text;
    for (const Stanza& stanza : stanzas) {
      const QString licence = stanza.value(QStringLiteral("License"));
      if (stanza.value(QStringLiteral("Files")).isEmpty() && licence.startsWith(name + '\n'))
        text = licence.mid(name.size() + 1);
    }
    EXPECT_FALSE(text.trimmed().isEmpty()) << "no text of the licence " << name.toStdString();
    if (name.startsWith(QLatin1String("GPL-"))) {
      EXPECT_TRUE(text.contains(QStringLiteral("/usr/share/common-licenses/") + name))
          << name.toStdString() << " does not point to its full text";
    }
  }
}
