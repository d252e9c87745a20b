#include "gui/wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace suite {

WaitCursor::WaitCursor() {
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
  if (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

void restoreDefaultPointer() {
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

}  // namespace suite
