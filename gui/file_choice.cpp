#include "gui/file_choice.h"

#include <QLabel>
#include <optional>

#include "gui/dialogs.h"

namespace suite {

bool chooseFile(Dialogs& dialogs, QWidget* parent, const QString& suiteFilter, QLabel& label,
                std::string& path, bool& chosen) {
  const std::optional<QString> name = dialogs.openFile(parent, suiteFilter);
  if (!name || name->isEmpty()) return false;
  path = name->toStdString();
  chosen = true;
  label.setText(*name);
  label.setToolTip(*name);
  return true;
}

}  // namespace suite
