#include "vantage/centre_texts.h"

#include "text/number_format.h"

namespace vantage {

std::array<std::string, 7> parameterPanelLines(const ProjectionCentre& centre) {
  using suite::showTwoDecimals;
  using suite::showTwoDecimalsSingle;
  return {"Προβολικό Κέντρο",
          "",
          "Xo = " + showTwoDecimals(centre.x),
          "Yo = " + showTwoDecimals(centre.y),
          "Zo = " + showTwoDecimals(centre.z),
          "Az = " + showTwoDecimalsSingle(centre.azimuthDegrees),
          " S = " + showTwoDecimalsSingle(centre.depressionDegrees)};
}

std::string centreReadout(const ProjectionCentre& centre) {
  const auto cut = [](double value) { return suite::numberText(suite::cutTwoDecimals(value)); };
  const auto cutSingle = [](float value) {
    return suite::numberTextSingle(suite::cutTwoDecimalsSingle(value));
  };
  return "    Xo =  " + cut(centre.x) + "    Yo =  " + cut(centre.y) +
         "    Az =  " + cutSingle(centre.azimuthDegrees) +
         "    S =  " + cutSingle(centre.depressionDegrees) + "    Zo =  " + cut(centre.z);
}

}  // namespace vantage
