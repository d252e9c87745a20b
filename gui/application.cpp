#include "gui/application.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include "gui/window_font.h"

namespace suite {

QString desktopId(const QString& programName) {
  return QStringLiteral(SUITE_APP_ID_PREFIX ".") + programName;
}

QIcon programIcon(const QString& programName) {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/suite/icons/") + programName);
  for (const QFileInfo& png : sizes.entryInfoList({QStringLiteral("*.png")}, QDir::Files))
    icon.addFile(png.filePath());
  return icon;
}

void prepareApplication(QApplication& app, const QString& programName) {
  QApplication::setFont(windowFont());
  QCoreApplication::setApplicationName(programName);
  QGuiApplication::setDesktopFileName(desktopId(programName));
  QApplication::setWindowIcon(programIcon(programName));

  // Qt's own texts and its locale-dependent columns in Greek. QString::number, QString::arg and
  // the suite's number code ignore the default locale, so "." stays the decimal point.
  QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
  auto* qtTexts = new QTranslator(&app);
  if (!qtTexts->load(QString::fromLatin1(kQtGreekCatalogue))) {
    qWarning("The Greek catalogue of Qt's texts %s did not load", kQtGreekCatalogue);
    delete qtTexts;
    return;
  }
  QCoreApplication::installTranslator(qtTexts);
}

}  // namespace suite
