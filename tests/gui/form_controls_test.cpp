#include "gui/form_controls.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

#include "gui/window_font.h"

namespace {

int pixelsOf(const QFont& font) {
  return QFontInfo(font).pixelSize();
}

}  // namespace

class FormControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void aCaptionThatFitsKeepsTheLabelsFont() {
    QWidget form;
    form.setFont(suite::windowFont());
    QLabel* heading = suite::addLabel(&form, QStringLiteral("Label5"),
                                      QStringLiteral("Υψόμετρα κορυφών"), {120, 240, 1815, 255});
    QCOMPARE(pixelsOf(suite::captionFont(*heading)), 11);
    // A long text wraps in a label tall enough for its lines.
    QLabel* instruction = suite::addLabel(
        &form, QStringLiteral("Label10"),
        QStringLiteral("Για να λειτουργήσει το πρόγραμμα Βάλε γραμμή, στήλη και μετά κάνε κλικ "
                       "στο κελί πλέγματος ή βάλε τις τιμές u, v και μετά κάνε παρεμβολή"),
        {3600, 3120, 3855, 855}, QColor(192, 192, 255));
    QCOMPARE(pixelsOf(suite::captionFont(*instruction)), 11);
  }

  void aCaptionTooWideForItsOneLineIsDrawnSmallerAndWhole() {
    QWidget form;
    form.setFont(suite::windowFont());
    // 57 pixels wide and 17 high: room for one line only.
    QLabel* label = suite::addLabel(&form, QStringLiteral("Label2(3)"),
                                    QStringLiteral("Z(i+1, j+1)"), {120, 1200, 855, 255});
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width());
    const QFont fitted = suite::captionFont(*label);
    QVERIFY(pixelsOf(fitted) < 11 && pixelsOf(fitted) >= 8);
    QVERIFY(QFontMetrics(fitted).horizontalAdvance(label->text()) <= label->width());
    QCOMPARE(label->text(), QStringLiteral("Z(i+1, j+1)"));
    QCOMPARE(pixelsOf(label->font()), 11);

    // No smaller than 8 pixels, however long the caption.
    label->setText(QStringLiteral("Z(i+1, j+1) Z(i+1, j+1) Z(i+1, j+1) Z(i+1, j+1)"));
    QCOMPARE(pixelsOf(suite::captionFont(*label)), 8);
  }
};

int runFormControlsTests(int argc, char** argv) {
  FormControlsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "form_controls_test.moc"
