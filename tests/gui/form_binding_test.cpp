#include "gui/form_binding.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

/// A run's texts with a field that no box fills.
struct SizeTexts {
  std::string width = "10";
  std::string height = "20";
  std::string unbound = "κρατιέται";
};

// The first row fills the second field: box names and fields need not share an order.
const suite::BoxBinding<SizeTexts> kSizeBoxes[] = {
    {"Text1(1)", "Label1(0)", "  Ύψος", {0, 0, 600, 255}, {600, 0, 900, 285}, &SizeTexts::height},
    {"Text1(0)",
     "Label1(1)",
     "  Πλάτος",
     {0, 300, 600, 255},
     {600, 300, 900, 285},
     &SizeTexts::width},
};

}  // namespace

class FormBindingTest : public QObject {
  Q_OBJECT

 private slots:
  void eachBoxStartsWithItsFieldsTextAndStandsAtItsTwips() {
    QWidget form;
    const suite::BoundBoxes<SizeTexts> boxes(&form, kSizeBoxes);
    auto* height = form.findChild<QLineEdit*>(QStringLiteral("Text1(1)"));
    auto* width = form.findChild<QLineEdit*>(QStringLiteral("Text1(0)"));
    QVERIFY(height != nullptr && width != nullptr);
    QCOMPARE(height->text(), QStringLiteral("20"));
    QCOMPARE(width->text(), QStringLiteral("10"));
    QCOMPARE(height->geometry(), QRect(40, 0, 60, 19));
    QCOMPARE(width->accessibleName(), QStringLiteral("Πλάτος"));
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1(0)"));
    QCOMPARE(label->text(), QStringLiteral("  Ύψος"));
    QCOMPARE(label->buddy(), height);

    QCOMPARE(boxes.box(&SizeTexts::height), height);
    QCOMPARE(boxes.box(&SizeTexts::width), width);
    QVERIFY(boxes.box(&SizeTexts::unbound) == nullptr);
  }

  void theTextsAreGatheredAsTypedEachIntoItsField() {
    QWidget form;
    const suite::BoundBoxes<SizeTexts> boxes(&form, kSizeBoxes);
    boxes.box(&SizeTexts::width)->setText(QStringLiteral(" 7.5 μέτρα"));
    boxes.box(&SizeTexts::height)->clear();
    const SizeTexts typed = boxes.texts();
    QCOMPARE(typed.width, std::string(" 7.5 μέτρα"));
    QCOMPARE(typed.height, std::string());
    QCOMPARE(typed.unbound, std::string("κρατιέται"));
    // Gathering leaves the boxes as they are.
    QCOMPARE(boxes.box(&SizeTexts::width)->text(), QStringLiteral(" 7.5 μέτρα"));
  }
};

int runFormBindingTests(int argc, char** argv) {
  FormBindingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "form_binding_test.moc"
