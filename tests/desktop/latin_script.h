#pragma once

#include <QString>

namespace suite::test {

/// Whether `text` holds a letter of the Latin script (what a Greek user should not meet).
inline bool hasLatinLetter(const QString& text) {
  for (const QChar c : text)
    if (c.isLetter() && c.script() == QChar::Script_Latin) return true;
  return false;
}

}  // namespace suite::test
