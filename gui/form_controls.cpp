#include "gui/form_controls.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "gui/classic_frame.h"
#include "gui/command_button.h"
#include "gui/twips.h"

namespace suite {

namespace {

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
  auto* frame = new ClassicFrame(caption, parent);
  frame->setObjectName(name);
  frame->setGeometry(rectFromTwips(twips));
  return frame;
}

QPushButton* addCommandButton(QWidget* parent, const QString& name, const QString& caption,
                              const TwipsRect& twips) {
  auto* button = new CommandButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(rectFromTwips(twips));
  return button;
}

QLineEdit* addParameterBox(QWidget* parent, const QString& boxName, const QString& labelName,
                           const QString& caption, const TwipsRect& labelTwips, const TwipsRect& boxTwips,
                           const QString& defaultText) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(labelName);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(rectFromTwips(labelTwips));

  auto* box = new QLineEdit(defaultText, parent);
  box->setObjectName(boxName);
  box->setGeometry(rectFromTwips(boxTwips));
  box->setAccessibleName(caption.trimmed());
  box->setAccessibleDescription(boxName);
  label->setBuddy(box);
  return box;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, const TwipsRect& twips,
                 std::optional<QColor> background) {
  auto* label = new CaptionLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(true);
  label->setGeometry(rectFromTwips(twips));
  label->setAccessibleDescription(name);
  if (background) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, *background);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
  }
  return label;
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, const QString& text, const TwipsRect& twips,
                      const QString& accessibleName, std::optional<QColor> background) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setGeometry(rectFromTwips(twips));
  box->setAccessibleName(accessibleName);
  box->setAccessibleDescription(name);
  if (background) {
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, *background);
    box->setPalette(colours);
  }
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
                         const TwipsRect& twips) {
  auto* label = new FileNameLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setIndent(6);  // keeps the name clear of the button it overlaps slightly
  label->setGeometry(rectFromTwips(twips));
  return label;
}

void showFileName(QLabel& label, const QString& path) {
  label.setText(path);
  label.setToolTip(path);
}

}  // namespace suite
