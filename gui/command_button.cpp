#include "gui/command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace suite {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CommandButton::paintEvent(QPaintEvent*) {
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

}  // namespace suite
