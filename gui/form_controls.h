#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace suite {

// The controls of the suite's main windows, each placed in twips inside its parent (a window's
// client area or a frame) and named with its design name as objectName, e.g. "Text1(3)".
// A QRect argument holds twips: left, top, width, height.

/// A frame with a caption (ClassicFrame).
QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& twips);

/// A command button whose caption wraps onto further lines when it does not fit (CommandButton).
QPushButton* addCommandButton(QWidget* parent, const QString& name, const QString& caption,
                              const QRect& twips);

/// A parameter row: the caption label `labelName` at `labelTwips` and the text box `boxName` at
/// `boxTwips`, holding `defaultText`. The label is the box's buddy and the box is named for
/// assistive tools after the caption without its leading blanks.
QLineEdit* addParameterBox(QWidget* parent, const QString& boxName, const QString& labelName,
                           const QString& caption, const QRect& labelTwips, const QRect& boxTwips,
                           const QString& defaultText);

/// A label that shows a chosen file's name, `caption` until a file is chosen. A name wider than
/// the label is shown with its middle elided; text() is always the whole name.
QLabel* addFileNameLabel(QWidget* parent, const QString& name, const QString& caption,
                         const QRect& twips);

}  // namespace suite
