#include "gui/file_choice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "gui/dialogs.h"

namespace suite {

std::optional<std::string> chooseFile(Dialogs& dialogs, QWidget* parent,
                                      const QString& suiteFilter) {
  const std::optional<QString> name = dialogs.openFile(parent, suiteFilter);
  if (!name || name->isEmpty()) return std::nullopt;
  return name->toStdString();
}

QString replaceQuestion(const QString& path) {
  // Qt's text, found in the catalogue of Qt's texts under the file dialog's name.
  return QCoreApplication::translate("QFileDialog",
                                     "%1 already exists.\nDo you want to replace it?")
      .arg(QFileInfo(path).fileName());
}

std::optional<std::string> chooseOutputFile(Dialogs& dialogs, QWidget* parent,
                                            const QString& suiteFilter) {
  std::optional<std::string> path = chooseFile(dialogs, parent, suiteFilter);
  if (!path) return path;
  const QString name = QString::fromStdString(*path);
  if (QFileInfo::exists(name) && !dialogs.question(parent, replaceQuestion(name)))
    return std::nullopt;
  return path;
}

}  // namespace suite
