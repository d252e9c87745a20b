#include "gui/form_controls.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "gui/data_label.h"
#include "gui/twips.h"

namespace suite {

namespace {

/// A frame with a caption as the suite's windows draw it: an etched rectangle whose top edge runs
/// through the middle of the caption, the caption a little in from the left. Controls inside are
/// placed relative to the frame's top-left corner, above which nothing is reserved.
class ClassicFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    constexpr int kCaptionIndentPixels = 6;
    constexpr int kCaptionPaddingPixels = 2;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;

    // Etched: a dark rectangle with a light one one pixel to the lower right.
    const QRect outline = rect().adjusted(0, lineY, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(outline);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outline.translated(1, 1));

    if (title().isEmpty()) return;
    // The caption sits kCaptionIndentPixels in from the left; a caption nearly as wide as the
    // frame moves left to fit, and one wider still is elided.
    const int room = width() - 2 * kCaptionPaddingPixels;
    const QString caption = metrics.elidedText(title(), Qt::ElideRight, room);
    const int captionWidth = metrics.horizontalAdvance(caption) + 2 * kCaptionPaddingPixels;
    const int indent = qBound(0, width() - 1 - captionWidth, kCaptionIndentPixels);
    const QRect captionRect(indent, 0, captionWidth, metrics.height());
    painter.fillRect(captionRect, palette().brush(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
  }
};

/// A push button whose caption wraps onto further lines when it does not fit its width, centred
/// both ways, as the suite's tall command buttons show their captions. text() stays the caption.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked()) {
      textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), caption, QPalette::ButtonText);
  }
};

/// `control`, named `name` (its design name) and placed at `twips` in its parent.
template <typename Control>
Control* placed(Control* control, const QString& name, const TwipsRect& twips) {
  control->setObjectName(name);
  control->setGeometry(rectFromTwips(twips));
  return control;
}

/// Stacks `label` beneath every sibling that is not a label, above the labels before it. The
/// suite's windows are designed in a toolkit whose labels are painted on their container, under
/// its pictures, boxes, buttons and frames: where a label overlaps one of those, as the cell
/// picture's corner captions overlap its corners, the control shows and takes the clicks.
/// Controls made later stack above it anyway.
void stackBeneathControls(QLabel& label) {
  QWidget* parent = label.parentWidget();
  if (parent == nullptr) return;
  for (QObject* child : parent->children()) {
    auto* sibling = qobject_cast<QWidget*>(child);
    if (sibling == nullptr || sibling == &label || sibling->isWindow() ||
        qobject_cast<QLabel*>(sibling) != nullptr)
      continue;
    label.stackUnder(sibling);  // the lowest control: children are listed bottom first
    return;
  }
}

/// `label`, named and placed as `placed` does, showing its caption as plain text, left-aligned
/// and centred vertically, beneath the controls beside it (stackBeneathControls).
template <typename Label>
Label* placedLabel(Label* label, const QString& name, const TwipsRect& twips) {
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  placed(label, name, twips);
  stackBeneathControls(*label);
  return label;
}

/// A file name label: a name wider than the label is shown with its middle left out, so the
/// start of the path and the file's own name both stay in sight. text() stays the whole name.
class FileNameLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(std::max(0, indent()), 0, 0, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
  }
};

constexpr int kSmallestCaptionPixels = 8;

int captionFlags(const QLabel& label) {
  return static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
}

/// The label of addLabel: its caption drawn in captionFont(), so that a caption a little too
/// wide for a one-line label shows whole rather than losing its end or its second line.
class CaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(captionFont(*this));
    style()->drawItemText(&painter, contentsRect(), captionFlags(*this), palette(), isEnabled(),
                          text(), foregroundRole());
  }
};

}  // namespace

QFont captionFont(const QLabel& label) {
  const QRect area = label.contentsRect();
  const int flags = captionFlags(label);
  const auto fits = [&](const QFont& font) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, label.text());
    return needed.width() <= area.width() && needed.height() <= area.height();
  };
  QFont font = label.font();
  if (fits(font)) return font;
  for (int pixels = QFontInfo(font).pixelSize() - 1; pixels >= kSmallestCaptionPixels; --pixels) {
    font.setPixelSize(pixels);
    if (fits(font)) break;
  }
  return font;
}

QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption,
                    const TwipsRect& twips) {
  return placed(new ClassicFrame(caption, parent), name, twips);
}

QPushButton* addCommandButton(QWidget* parent, const QString& name, const QString& caption,
                              const TwipsRect& twips) {
  return placed(new CommandButton(caption, parent), name, twips);
}

QLineEdit* addParameterBox(QWidget* parent, const QString& boxName, const QString& labelName,
                           const QString& caption, const TwipsRect& labelTwips,
                           const TwipsRect& boxTwips, const QString& defaultText) {
  QLabel* label = placedLabel(new QLabel(caption, parent), labelName, labelTwips);
  QLineEdit* box = placed(new QLineEdit(defaultText, parent), boxName, boxTwips);
  box->setAccessibleName(caption.trimmed());
  box->setAccessibleDescription(boxName);
  label->setBuddy(box);
  return box;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption,
                 const TwipsRect& twips, std::optional<QColor> background) {
  QLabel* label = placedLabel(new CaptionLabel(caption, parent), name, twips);
  label->setWordWrap(true);
  label->setAccessibleDescription(name);
  if (background) {
    setColour(*label, QPalette::Window, *background);
    label->setAutoFillBackground(true);
  }
  return label;
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, const QString& text,
                      const TwipsRect& twips, const QString& accessibleName,
                      std::optional<QColor> background) {
  QLineEdit* box = placed(new QLineEdit(text, parent), name, twips);
  box->setAccessibleName(accessibleName);
  box->setAccessibleDescription(name);
  if (background) setColour(*box, QPalette::Base, *background);
  return box;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

QLabel* addFileNameLabel(QWidget* parent, const QString& name, const QString& caption,
                         const TwipsRect& twips, QLabel* namedBy) {
  QLabel* label = placedLabel(new FileNameLabel(caption, parent), name, twips);
  label->setIndent(6);  // keeps the name clear of the button it overlaps slightly
  makeDataLabel(*label, namedBy);
  return label;
}

void pressOnEscape(QAbstractButton& button) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button.window());
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &button, &QAbstractButton::click);
}

void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette colours = widget.palette();
  colours.setColor(role, colour);
  widget.setPalette(colours);
}

void showFileName(QLabel& label, const QString& path) {
  label.setText(path);
  label.setToolTip(path);
}

}  // namespace suite
