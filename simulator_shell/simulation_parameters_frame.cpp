#include "simulator_shell/simulation_parameters_frame.h"

#include <QGroupBox>
#include <QLineEdit>

#include "gui/form_controls.h"

namespace suite {

std::array<std::string, 7> SimulationParameterBoxes::simulationTexts() const {
  std::array<std::string, 7> texts;
  for (std::size_t i = 0; i < text1.size(); ++i) texts.at(i) = text1.at(i)->text().toStdString();
  return texts;
}

std::string SimulationParameterBoxes::replacementHeightText() const {
  return text3->text().toStdString();
}

SimulationParameterBoxes addSimulationParametersFrame(QWidget* window, const QString& caption) {
  QGroupBox* frame = addFrame(window, QStringLiteral("Frame1"), caption, {120, 240, 4575, 1455});
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Midlight));
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);

  struct Row {
    const char* box;
    const char* label;
    const char* caption;
    int labelLeft;
    int boxLeft;
    int top;
    const char* defaultText;
  };
  static const Row rows[] = {
      {"Text1(0)", "Label1(5)", "  Xo", 120, 720, 240, "0"},
      {"Text1(1)", "Label1(1)", "  Yo", 120, 720, 480, "0"},
      {"Text1(2)", "Label1(2)", "  θ", 120, 720, 720, "0"},
      {"Text1(3)", "Label1(3)", "  k", 120, 720, 960, "1"},
      {"Text1(4)", "Label1(4)", "  σxy", 2400, 3000, 240, "0.006"},
      {"Text1(5)", "Label1(6)", "  F", 2400, 3000, 480, "152"},
      {"Text3", "Label1(7)", " H(3,5)", 2400, 3000, 720, "0"},
      {"Text1(6)", "Label1(8)", " S*Xo", 2400, 3000, 960, "1.237"},
  };
  constexpr int kLabelWidth = 615;
  constexpr int kLabelHeight = 255;
  constexpr int kBoxWidth = 1455;
  constexpr int kBoxHeight = 285;

  SimulationParameterBoxes boxes;
  std::size_t next = 0;
  for (const Row& row : rows) {
    QLineEdit* box = addParameterBox(
        frame, QString::fromUtf8(row.box), QString::fromUtf8(row.label),
        QString::fromUtf8(row.caption), {row.labelLeft, row.top, kLabelWidth, kLabelHeight},
        {row.boxLeft, row.top, kBoxWidth, kBoxHeight}, QString::fromUtf8(row.defaultText));
    if (QLatin1String(row.box) == QLatin1String("Text3")) {
      boxes.text3 = box;
    } else {
      boxes.text1.at(next++) = box;
    }
  }
  return boxes;
}

}  // namespace suite
