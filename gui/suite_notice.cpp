#include "gui/suite_notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "gui/installed_samples.h"

namespace suite {

namespace {

/// The notice's rights, terms of use and disclaimer, before the paragraph on the samples.
const QString& noticeTerms() {
  static const QString text = QStringLiteral(
      "Προγράμματα φωτογραμμετρίας και τοπογραφίας για τη διδασκαλία: προσομοίωση στέρεο "
      "αεροφωτογραφιών και εικονοσυντεταγμένων, προοπτική όψη, παρεμβολή υψομέτρου και "
      "ισοϋψείς καμπύλες από ψηφιακό μοντέλο εδάφους (ΨΜΕ).\n"
      "\n"
      "Άδεια: τα προγράμματα διατίθενται ελεύθερα για διδασκαλία και μελέτη. Μπορείτε να τα "
      "χρησιμοποιείτε, να τα αντιγράφετε και να τα μοιράζεστε για τους σκοπούς αυτούς.\n"
      "\n"
      "Περιορισμοί: τα προγράμματα παρέχονται «ως έχουν», χωρίς καμία εγγύηση ορθότητας ή "
      "καταλληλότητας για συγκεκριμένο σκοπό. Οι φωτογραφίες, οι συντεταγμένες και τα σχέδια "
      "που παράγουν είναι προσομοιώσεις για εκπαίδευση και δεν προορίζονται για παραγωγή χαρτών "
      "ή για μετρήσεις στην πράξη. Την ευθύνη για τη χρήση των αποτελεσμάτων την έχει ο "
      "χρήστης.\n"
      "\n");
  return text;
}

/// Where the samples and their description lie, as the notice's last paragraph says it.
QString samplesParagraph(const QString& executableFolder) {
  const QString installedSamples = installedSamplesFolder(executableFolder);
  if (installedSamples.isEmpty()) {
    return QStringLiteral(
        "Τα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) και η προέλευσή τους περιγράφονται στο "
        "samples/README.md.");
  }
  const QFileInfo readme(
      QDir(executableFolder).filePath(QStringLiteral(SUITE_SAMPLES_README_FROM_BINDIR)));
  QString paragraph =
      QStringLiteral("Τα δείγματα ψηφιακού μοντέλου εδάφους (ΨΜΕ) βρίσκονται στον φάκελο %1.")
          .arg(QDir::toNativeSeparators(installedSamples));
  // A system may leave documentation out of what it installs; then only the folder is named.
  if (readme.isFile()) {
    paragraph += QStringLiteral(" Τα δείγματα και η προέλευσή τους περιγράφονται στο %1.")
                     .arg(QDir::toNativeSeparators(QDir::cleanPath(readme.absoluteFilePath())));
  }
  return paragraph;
}

}  // namespace

QString suiteNoticeFor(const QString& executableFolder) {
  return noticeTerms() + samplesParagraph(executableFolder);
}

const QString& suiteNotice() {
  static const QString text = suiteNoticeFor(QCoreApplication::applicationDirPath());
  return text;
}

}  // namespace suite
