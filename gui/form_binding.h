#pragma once

#include <QLineEdit>
#include <QString>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "canvas/twips.h"
#include "gui/form_controls.h"

class QWidget;

namespace suite {

/// One parameter row of a window's design, bound to the field of a run's texts that its box
/// fills: the caption label and the text box, each with its design name and its place in
/// twips. The box starts with the field's value in a default-made `Texts`.
template <typename Texts>
struct BoxBinding {
  const char* box;      ///< the box's design name, e.g. "Text1(0)"
  const char* label;    ///< the caption label's design name, e.g. "Label1(5)"
  const char* caption;  ///< UTF-8, blanks included
  TwipsRect labelTwips;
  TwipsRect boxTwips;
  std::string Texts::*field;
};

/// The text boxes of a form, built from its bindings, that gather what is typed into them into
/// a `Texts` when an action starts: the window keeps no copy of the texts.
template <typename Texts>
class BoundBoxes {
 public:
  BoundBoxes() = default;

  /// Adds the label and box of each binding to `parent` (addParameterBox), in order.
  template <std::size_t N>
  BoundBoxes(QWidget* parent, const BoxBinding<Texts> (&bindings)[N]) {
    const Texts start;
    for (const BoxBinding<Texts>& binding : bindings) {
      QLineEdit* box =
          addParameterBox(parent, QString::fromUtf8(binding.box), QString::fromUtf8(binding.label),
                          QString::fromUtf8(binding.caption), binding.labelTwips, binding.boxTwips,
                          QString::fromStdString(start.*binding.field));
      boxes_.emplace_back(box, binding.field);
    }
  }

  /// The texts as typed now (UTF-8); a field that no box fills keeps its start value.
  Texts texts() const {
    Texts texts;
    for (const auto& [edit, field] : boxes_) texts.*field = edit->text().toStdString();
    return texts;
  }

  /// The box that fills `field`; null when none does.
  QLineEdit* box(std::string Texts::*field) const {
    for (const auto& [edit, bound] : boxes_)
      if (bound == field) return edit;
    return nullptr;
  }

 private:
  std::vector<std::pair<QLineEdit*, std::string Texts::*>> boxes_;
};

}  // namespace suite
