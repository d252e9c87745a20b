#include "gui/form_controls.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/data_label.h"
#include "gui/picture_box.h"
#include "gui/twips.h"
#include "gui/window_font.h"

namespace {

int pixelsOf(const QFont& font) {
  return QFontInfo(font).pixelSize();
}

QString accessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
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

  void labelsLieBeneathThePicturesBoxesAndButtonsTheyOverlap() {
    QWidget form;
    form.resize(400, 200);
    // A picture made first, its corners overlapped by captions made after it, as in the cell
    // window; a box and a button made after the labels that overlap them.
    auto* picture = new suite::PictureBox(&form);
    picture->setGeometry(suite::rectFromTwips({2400, 840, 855, 735}));
    QLabel* northWest = suite::addLabel(&form, QStringLiteral("Label3(0)"), QStringLiteral("i, j"),
                                        {1920, 600, 495, 255});
    QLabel* southEast = suite::addLabel(&form, QStringLiteral("Label3(3)"),
                                        QStringLiteral("i+1, j+1"), {3240, 1560, 615, 255});
    QLabel* caption = suite::addLabel(&form, QStringLiteral("Label12"), QStringLiteral("Γρ. Στ"),
                                      {120, 1440, 855, 375}, QColor(255, 224, 192));
    QLabel* size = suite::addLabel(&form, QStringLiteral("Label13"), QString(),
                                   {960, 1440, 975, 375}, QColor(192, 255, 192));
    QLineEdit* box = suite::addParameterBox(&form, QStringLiteral("Text1(0)"),
                                            QStringLiteral("Label1(5)"), QStringLiteral("  Xo"),
                                            {120, 2400, 615, 255}, {720, 2400, 1455, 285}, "0");
    QPushButton* button =
        suite::addCommandButton(&form, QStringLiteral("Command1"),
                                QStringLiteral("Όνομα Αρχείου  ΨΜΕ"), {120, 2640, 2052, 375});
    QLabel* name = suite::addFileNameLabel(&form, QStringLiteral("Label1(0)"),
                                           QStringLiteral("Κανένα"), {2160, 2640, 5175, 375});

    // Every corner pixel of the picture is the picture's, under the captions too.
    const QRect cell = picture->geometry();
    QVERIFY(northWest->geometry().contains(cell.topLeft()));
    QVERIFY(southEast->geometry().contains(cell.bottomRight()));
    for (const QPoint corner :
         {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()})
      QCOMPARE(form.childAt(corner), picture);
    // The box over its caption, the button over the file name beside it.
    const QPoint boxCaptionOverlap(box->x(), box->y() + 2);
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("Label1(5)"))
                ->geometry()
                .contains(boxCaptionOverlap));
    QCOMPARE(form.childAt(boxCaptionOverlap), box);
    const QPoint buttonNameOverlap(name->x(), name->y() + 5);
    QVERIFY(button->geometry().contains(buttonNameOverlap));
    QCOMPARE(form.childAt(buttonNameOverlap), button);
    // Among labels, a later one lies above an earlier one.
    const QPoint labelsOverlap(size->x(), size->y() + 5);
    QVERIFY(caption->geometry().contains(labelsOverlap));
    QCOMPARE(form.childAt(labelsOverlap), size);
  }

  void aDataLabelIsReadAsItShowsAndNamedByItsCaption() {
    QWidget form;
    QLabel* caption = suite::addLabel(&form, QStringLiteral("Label4"),
                                      QStringLiteral("Αρχείο DTM ASCII"), {240, 1560, 1575, 375});
    QLabel* data =
        suite::addLabel(&form, QStringLiteral("Label1"), QString(), {1800, 1560, 3855, 375});
    data->setAccessibleName(QStringLiteral("Label1"));  // a fixed name is dropped
    suite::makeDataLabel(*data, caption);

    // Nothing shown yet: "Κανένα", never an empty name.
    QCOMPARE(accessibleName(data), QStringLiteral("Κανένα"));
    QCOMPARE(accessibleName(data), suite::nothingShownName());
    for (const QString& shown : {QStringLiteral("    X =   632000    Y =   4132000"),
                                 QStringLiteral("/tmp/a & b.dtm"), QStringLiteral("5x6")}) {
      data->setText(shown);
      QCOMPARE(accessibleName(data), shown);
    }
    data->clear();
    QCOMPARE(accessibleName(data), QStringLiteral("Κανένα"));
    QAccessibleInterface* dataInterface = QAccessible::queryAccessibleInterface(data);
    QCOMPARE(dataInterface->role(), QAccessible::StaticText);
    QCOMPARE(dataInterface->text(QAccessible::Description), QStringLiteral("Label1"));

    // The caption labels it, both ways round; the caption keeps its own text as its name.
    QCOMPARE(caption->buddy(), data);
    const auto labelledBy = dataInterface->relations(QAccessible::Label);
    QCOMPARE(labelledBy.size(), 1);
    QCOMPARE(labelledBy.first().first->object(), caption);
    const auto labels =
        QAccessible::queryAccessibleInterface(caption)->relations(QAccessible::Labelled);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), data);
    QCOMPARE(accessibleName(caption), QStringLiteral("Αρχείο DTM ASCII"));

    // A file name label is a data label from the start.
    QLabel* file = suite::addFileNameLabel(&form, QStringLiteral("Label2"),
                                           QStringLiteral("Kανένα"), {2520, 600, 4815, 375});
    QCOMPARE(accessibleName(file), QStringLiteral("Kανένα"));
    suite::showFileName(*file, QStringLiteral("/home/μαθητής/έξοδος.txt"));
    QCOMPARE(accessibleName(file), QStringLiteral("/home/μαθητής/έξοδος.txt"));
  }
};

int runFormControlsTests(int argc, char** argv) {
  FormControlsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "form_controls_test.moc"
