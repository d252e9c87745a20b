#pragma once

#include <QString>

class QLabel;

namespace suite {

/// What assistive tools hear of a data label that shows nothing yet.
inline const QString& nothingShownName() {
  static const QString name = QStringLiteral("Κανένα");
  return name;
}

/// Makes `label` a data label: one whose text is something the program shows (a chosen file's
/// name, a readout of coordinates, a grid's size), which a run or a click changes. Assistive
/// tools read it by the text it shows at that moment, never by a fixed name, and hear of every
/// change; while it shows nothing they read nothingShownName(). With a `caption`, the label that
/// names what it shows ("Αρχείο DTM ASCII"), the caption is tied to it (its buddy), so a screen
/// reader announces the two together. A name set later with setAccessibleName still wins.
void makeDataLabel(QLabel& label, QLabel* caption = nullptr);

}  // namespace suite
