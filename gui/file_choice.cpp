#include "gui/file_choice.h"

#include "gui/dialogs.h"

namespace suite {

std::optional<std::string> chooseFile(Dialogs& dialogs, QWidget* parent,
                                      const QString& suiteFilter) {
  const std::optional<QString> name = dialogs.openFile(parent, suiteFilter);
  if (!name || name->isEmpty()) return std::nullopt;
  return name->toStdString();
}

}  // namespace suite
