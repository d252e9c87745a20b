#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>

#include "canvas/twips.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace suite {

// The controls of the suite's main windows, each placed in twips inside its parent (a window's
// client area or a frame) at a TwipsRect and named with its design name as objectName, e.g.
// "Text1(3)". Labels lie beneath the other controls of their parent, as in the toolkit the
// windows are designed in: where a label overlaps a picture, a box or a button, that control
// shows and takes the clicks.

/// A frame with a caption (ClassicFrame).
QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption,
                    const TwipsRect& twips);

/// A command button whose caption wraps onto further lines when it does not fit (CommandButton).
QPushButton* addCommandButton(QWidget* parent, const QString& name, const QString& caption,
                              const TwipsRect& twips);

/// A parameter row: the caption label `labelName` at `labelTwips` and the text box `boxName` at
/// `boxTwips`, holding `defaultText`. The label is the box's buddy and the box is named for
/// assistive tools after the caption without its leading blanks.
QLineEdit* addParameterBox(QWidget* parent, const QString& boxName, const QString& labelName,
                           const QString& caption, const TwipsRect& labelTwips,
                           const TwipsRect& boxTwips, const QString& defaultText);

/// A label showing `caption` (plain text, left-aligned, centred vertically; a caption wider than
/// the label wraps onto further lines). A caption that does not fit even so, because the label
/// is not tall enough for the lines it needs, is drawn in a smaller size of the label's font
/// (captionFont), so that it shows whole. With a `background` the label is filled with that
/// colour.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption,
                 const TwipsRect& twips, std::optional<QColor> background = std::nullopt);

/// The font a label of addLabel draws its present text in at its present size: the label's own
/// font when the text fits, wrapped as the label wraps; else that font a pixel smaller at a time
/// until the text fits, but never below 8 pixels.
QFont captionFont(const QLabel& label);

/// A one-line text box holding `text`, named `accessibleName` for assistive tools (its caption or
/// its design name) and described by its design name. With a `background` the box is filled
/// with that colour.
QLineEdit* addTextBox(QWidget* parent, const QString& name, const QString& text,
                      const TwipsRect& twips, const QString& accessibleName,
                      std::optional<QColor> background = std::nullopt);

/// Makes Esc, pressed anywhere in `button`'s window, press `button`: the window's return button
/// («Επιστροφή»), as a keyboard user expects.
void pressOnEscape(QAbstractButton& button);

/// Gives `widget` the colour `colour` in the palette role `role`, e.g. a filled label's Window.
void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour);

/// A top-level menu of `bar`, captioned `caption` and named `name` (its design name, e.g. "F1").
QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption);

/// An item of `menu`, captioned `caption` and named `name` (e.g. "ff1").
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);

/// A label that shows a chosen file's name, `caption` until a file is chosen. A name wider than
/// the label is shown with its middle elided; text() is always the whole name. It is a data
/// label (makeDataLabel): assistive tools read the name it shows, tied to `namedBy`, the label
/// that says whose file it is ("Αρχείο DTM ASCII"), when there is one.
QLabel* addFileNameLabel(QWidget* parent, const QString& name, const QString& caption,
                         const TwipsRect& twips, QLabel* namedBy = nullptr);

/// Shows the chosen file's `path` on a label of addFileNameLabel, also as its tooltip, for a
/// name longer than the label.
void showFileName(QLabel& label, const QString& path);

}  // namespace suite
