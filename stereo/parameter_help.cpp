#include "stereo/parameter_help.h"

namespace suite {

std::vector<std::string> simulatorHelpLines(std::initializer_list<const char*> programLines) {
  // clang-format off
  std::vector<std::string> lines = {
      "            Παράμετροι προσομοίωσης",
      " Xo  <-- X-Απόσταση απο την αρχή για την αριστερή φωτογραφία",
      " Yo  <-- Y-Απόσταση απο την αρχή για την αριστερή φωτογραφία",
      " Αν Xo = 0 και Yo = 0, δεν προσομοιώνεται απόσταση από την αρχή",
      " θ  <-- Περιστροφή [Δεκαδικές μοίρες D.d]",
      " k  <-- Συντελεστής κλίμακας",
      " σxy  <-- ακρίβεια εικονοσυντεταγμένων",
      " F  <-- Κύρια απόσταση",
      " H(3, 5)  <-- Αλλαγή του υψομέτρου ΨΜΕ γραμμής 3, στήλης 5",
      "              Αν H(3, 5)=0 τότε χρησιμοποιείται το αρχικό υψόμετρο",
      " S*Xo  <-- συντελεστής που πολλαπλασιάζει τα Xo, Yo της αρχής της αριστερής",
      "                εικόνας ώστε να γίνει Xo, Yo της δεξιάς εικόνας",
      " ",
  };
  // clang-format on
  lines.insert(lines.end(), programLines.begin(), programLines.end());
  lines.push_back(" Σημείωση: Για να δοκιμάσετε τις αλλαγές στην κορυφή H(3, 5)");
  lines.push_back("           θα πρέπει το ΨΜΕ να έχει τουλάχιστο 3 γραμμές και 5 στήλες");
  return lines;
}

}  // namespace suite
