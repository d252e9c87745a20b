#include "isolines/contour_rasterizer.h"

#include <string>

#include "text/number_format.h"
#include "text/user_error.h"

namespace isolines {

namespace {

// A number as a window shows it, without the blank before a value that is not negative.
std::string withoutBlank(std::string text) {
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

namespace detail {

void throwBandOutOfRange(double height, float interval, std::int32_t southRow,
                         std::int32_t westColumn) {
  throw suite::UserError(
      "Με ισοδιάσταση " + withoutBlank(suite::numberTextSingle(interval)) + " το ύψος " +
      withoutBlank(suite::numberText(height)) + " στο κελί των γραμμών " +
      std::to_string(southRow - 1) + " και " + std::to_string(southRow) + ", στηλών " +
      std::to_string(westColumn) + " και " + std::to_string(westColumn + 1) +
      " του πλέγματος απέχει από το 0 περισσότερες από 2147483647 ισοδιαστάσεις, όσες μετρά "
      "το πρόγραμμα: βάλε μεγαλύτερη ισοδιάσταση.");
}

}  // namespace detail

template class BasicContourRasterizer<long double>;

}  // namespace isolines
