#include "gui/data_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace suite {

namespace {

/// The dynamic property that marks a data label.
constexpr char kDataLabelProperty[] = "suiteDataLabel";

/// A data label as assistive tools see it: static text named by the text it shows.
class DataLabelInterface : public QAccessibleWidget {
 public:
  explicit DataLabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    const QString set = widget()->accessibleName();
    if (!set.isEmpty()) return set;
    // The text as shown: data labels show plain text, with no mnemonic to strip.
    const QString shown = static_cast<const QLabel*>(widget())->text();
    return shown.isEmpty() ? nothingShownName() : shown;
  }
};

/// Qt asks each factory for every class of an object, most derived first; a data label answers
/// as a QLabel (a label class without a meta-object of its own reports QLabel anyway).
QAccessibleInterface* dataLabelInterface(const QString& className, QObject* object) {
  if (object == nullptr || className != QLatin1String("QLabel") ||
      !object->property(kDataLabelProperty).toBool())
    return nullptr;
  return new DataLabelInterface(static_cast<QLabel*>(object));
}

}  // namespace

void makeDataLabel(QLabel& label, QLabel* caption) {
  static const bool installed = [] {
    QAccessible::installFactory(dataLabelInterface);
    return true;
  }();
  (void)installed;
  label.setProperty(kDataLabelProperty, true);
  label.setAccessibleName(QString());
  // Qt makes a label's interface as soon as its text or description is first set, and keeps
  // it: one made before the label became a data label is let go, so that the next question
  // gets a data label's.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&label);
  if (made != nullptr && dynamic_cast<DataLabelInterface*>(made) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  if (caption != nullptr) caption->setBuddy(&label);
}

}  // namespace suite
