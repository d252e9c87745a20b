#include "dtmconvert/command_line.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>

#include "dtmconvert/grid_export.h"
#include "dtmconvert/grid_import.h"
#include "dtmconvert/grid_summary.h"
#include "dtmconvert/number_text.h"
#include "dtmconvert/source_raster.h"
#include "dtmconvert/target_system.h"
#include "text/user_error.h"

namespace dtmconvert {

namespace {

/// A mistake in the command line itself.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Shows the share done as "label 42 %" rewritten in place, once per whole per cent.
class TerminalProgress : public Progress {
 public:
  TerminalProgress(std::ostream& err, std::string label, bool shown)
      : err_(err), label_(std::move(label)), shown_(shown) {}
  ~TerminalProgress() override { finish(); }
  bool report(double done) override {
    if (!shown_) return true;
    const int percent = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * 100));
    if (percent != last_) {
      last_ = percent;
      err_ << '\r' << label_ << ' ' << percent << " %" << std::flush;
    }
    return true;
  }
  /// Ends the line, once something was shown.
  void finish() {
    if (shown_ && last_ >= 0) err_ << '\n' << std::flush;
    last_ = -1;
  }

 private:
  std::ostream& err_;
  std::string label_;
  bool shown_;
  int last_ = -1;
};

/// A number written in full, "." as the decimal point.
double numberOf(const std::string& text, const std::string& option) {
  std::optional<double> value;
  try {
    value = parseDecimal(text, option);
  } catch (const suite::UserError& error) {
    throw UsageError(error.what());
  }
  if (!value) throw UsageError("το " + option + " θέλει αριθμό");
  return *value;
}

std::vector<double> numbersOf(const std::string& text, const std::string& option) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    numbers.push_back(numberOf(text.substr(start, comma - start), option));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return numbers;
}

/// The words and the options of a command: "--name value", "--name=value" or a flag.
struct Command {
  std::vector<std::string> words;
  std::map<std::string, std::string> options;
};

Command parse(const std::vector<std::string>& arguments, const std::vector<std::string>& valued,
              const std::vector<std::string>& flags) {
  Command command;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.rfind("--", 0) != 0) {
      command.words.push_back(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (std::find(flags.begin(), flags.end(), name) != flags.end() && equals == std::string::npos) {
      command.options[name] = "";
    } else if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
      if (equals != std::string::npos) {
        command.options[name] = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        command.options[name] = arguments[++i];
      } else {
        throw UsageError("το " + name + " θέλει τιμή");
      }
    } else {
      throw UsageError("άγνωστη επιλογή «" + argument + "»");
    }
  }
  return command;
}

void expectWords(const Command& command, std::size_t count, const std::string& what) {
  if (command.words.size() != count) throw UsageError(what);
}

ImportSettings importSettingsOf(const Command& command) {
  ImportSettings settings;
  const auto& options = command.options;
  if (const auto crs = options.find("--crs"); crs != options.end()) {
    try {
      settings.epsg = parseEpsg(crs->second);
    } catch (const suite::UserError& error) {
      throw UsageError(error.what());
    }
    if (!settings.epsg) throw UsageError("το --crs θέλει κωδικό EPSG, π.χ. --crs EPSG:2100");
  }
  if (const auto cell = options.find("--cell"); cell != options.end()) {
    const std::vector<double> sizes = numbersOf(cell->second, "--cell");
    if (sizes.size() > 2) throw UsageError("το --cell παίρνει το a ή τα a,b");
    settings.cellX = sizes[0];
    settings.cellY = sizes.size() == 2 ? sizes[1] : sizes[0];
  }
  if (const auto bounds = options.find("--bounds"); bounds != options.end()) {
    const std::vector<double> edges = numbersOf(bounds->second, "--bounds");
    if (edges.size() != 4) throw UsageError("το --bounds παίρνει τέσσερις αριθμούς Δ,Ν,Α,Β");
    settings.bounds = GroundBounds{edges[0], edges[1], edges[2], edges[3]};
  }
  if (const auto resampling = options.find("--resampling"); resampling != options.end()) {
    const std::string& name = resampling->second;
    if (name == "bilinear") {
      settings.resampling = Resampling::Bilinear;
    } else if (name == "nearest") {
      settings.resampling = Resampling::Nearest;
    } else if (name == "cubic") {
      settings.resampling = Resampling::Cubic;
    } else {
      throw UsageError("το --resampling παίρνει bilinear, nearest ή cubic, όχι «" + name + "»");
    }
  }
  settings.fillNoData = options.count("--fill-nodata") > 0;
  return settings;
}

int runImport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              bool showProgress) {
  const Command command =
      parse(arguments, {"--crs", "--cell", "--bounds", "--resampling"}, {"--fill-nodata"});
  expectWords(command, 2, "το import θέλει την πηγή και το αρχείο ΨΜΕ: import ΠΗΓΗ ΕΞΟΔΟΣ.dtm");
  ImportRequest request;
  request.gridPath = command.words[1];
  request.settings = importSettingsOf(command);
  const SourceRaster source(command.words[0]);
  TerminalProgress progress(err, "Μετατροπή", showProgress);
  const ImportResult result =
      importGrid(source, request, progress, [&](const GridSummary& summary) {
        progress.finish();
        for (const std::string& line : summaryLines(summary)) out << line << '\n';
        out << std::flush;
      });
  progress.finish();
  out << "Γράφτηκε το «" << request.gridPath << "»";
  if (result.sidecarWritten) out << " και το «" << result.sidecar << "»";
  out << ".\n";
  if (result.staleSidecarRemoved) {
    out << "Το παλιό «" << result.sidecar
        << "» αφαιρέθηκε: το πλέγμα δεν έχει σύστημα συντεταγμένων.\n";
  }
  return kExitSuccess;
}

int runGeoTiff(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
               bool showProgress) {
  const Command command = parse(arguments, {}, {});
  expectWords(command, 2,
              "το geotiff θέλει το αρχείο ΨΜΕ και το GeoTIFF: geotiff ΕΙΣΟΔΟΣ.dtm ΕΞΟΔΟΣ.tif");
  TerminalProgress progress(err, "GeoTIFF", showProgress);
  ProgressStage reading(progress, 0, 0.5);
  const GridRaster grid(command.words[0], reading);
  ProgressStage writing(progress, 0.5, 1);
  writeGeoTiff(grid, command.words[1], writing);
  progress.finish();
  out << "Γράφτηκε το «" << command.words[1] << "» (" << grid.header().rows << " × "
      << grid.header().columns << ").\n";
  return kExitSuccess;
}

int runContours(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                bool showProgress) {
  const Command command = parse(arguments, {"--interval"}, {});
  expectWords(command, 2,
              "το contours θέλει το αρχείο ΨΜΕ και το αρχείο ισοϋψών: contours ΕΙΣΟΔΟΣ.dtm "
              "ΕΞΟΔΟΣ.gpkg --interval H");
  const auto interval = command.options.find("--interval");
  if (interval == command.options.end()) throw UsageError("το contours θέλει --interval H");
  const double step = numberOf(interval->second, "--interval");
  if (!contourFormatOf(command.words[1])) {
    throw UsageError("το αρχείο ισοϋψών τελειώνει σε .gpkg, .geojson, .shp ή .dxf");
  }
  TerminalProgress progress(err, "Ισοϋψείς", showProgress);
  ProgressStage reading(progress, 0, 0.3);
  const GridRaster grid(command.words[0], reading);
  ProgressStage drawing(progress, 0.3, 1);
  const ContourResult result = writeContours(grid, command.words[1], step, drawing);
  progress.finish();
  out << "Γράφτηκε το «" << command.words[1] << "»: " << result.lines << " γραμμές.\n";
  return kExitSuccess;
}

}  // namespace

std::string commandLineHelp() {
  return "Χρήση:\n"
         "  dtmconvert\n"
         "      ανοίγει το παράθυρο του προγράμματος.\n"
         "  dtmconvert import ΠΗΓΗ ΕΞΟΔΟΣ.dtm [--crs EPSG:N] [--cell A[,B]] [--bounds Δ,Ν,Α,Β]\n"
         "                    [--resampling bilinear|nearest|cubic] [--fill-nodata]\n"
         "      γράφει τη ζώνη 1 ψηφιδωτού (GeoTIFF, ESRI ASCII Grid, SRTM .hgt, ...) ως αρχείο\n"
         "      ΨΜΕ και δίπλα του το σύστημα συντεταγμένων του (ΕΞΟΔΟΣ.prj).\n"
         "      --crs EPSG:N   προβολικό σύστημα σε μέτρα· χωρίς αυτό, γεωγραφική πηγή πηγαίνει\n"
         "                     στο ΕΓΣΑ87 (EPSG:2100) στην Ελλάδα, αλλού στη ζώνη UTM της\n"
         "      --cell A[,B]   κελί a (και b) στο σύστημα του πλέγματος· χωρίς αυτό, η ανάλυση\n"
         "                     της πηγής\n"
         "      --bounds Δ,Ν,Α,Β  η περιοχή στο σύστημα του πλέγματος· χωρίς αυτό, όλη η πηγή\n"
         "      --resampling   διγραμμική (bilinear, η προεπιλογή), πλησιέστερος (nearest)\n"
         "                     ή κυβική (cubic) παρεμβολή\n"
         "      --fill-nodata  συμπληρώνει από τους γείτονες κόμβους χωρίς δεδομένα\n"
         "  dtmconvert geotiff ΕΙΣΟΔΟΣ.dtm ΕΞΟΔΟΣ.tif\n"
         "      γράφει τα υψόμετρα αρχείου ΨΜΕ ως GeoTIFF με γεωαναφορά.\n"
         "  dtmconvert contours ΕΙΣΟΔΟΣ.dtm ΕΞΟΔΟΣ.gpkg|.geojson|.shp|.dxf --interval H\n"
         "      γράφει τις ισοϋψείς ανά H, με το υψόμετρο κάθε γραμμής (πεδίο height).\n"
         "  dtmconvert --help\n"
         "      αυτό το κείμενο.\n"
         "Κατάσταση εξόδου: 0 όταν πέτυχε, 1 όταν απέτυχε, 2 για λάθος στη γραμμή εντολών.\n";
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   bool showProgress) {
  try {
    if (arguments.empty()) throw UsageError("δεν δόθηκε εντολή");
    const std::string& verb = arguments[0];
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (verb == "--help" || verb == "-h" || verb == "help") {
      out << commandLineHelp();
      return kExitSuccess;
    }
    if (verb == "import") return runImport(rest, out, err, showProgress);
    if (verb == "geotiff") return runGeoTiff(rest, out, err, showProgress);
    if (verb == "contours") return runContours(rest, out, err, showProgress);
    throw UsageError("άγνωστη εντολή «" + verb + "»");
  } catch (const UsageError& error) {
    err << "dtmconvert: " << error.what() << "\n"
        << "Για βοήθεια: dtmconvert --help\n";
    return kExitUsage;
  } catch (const suite::UserError& error) {
    err << "dtmconvert: " << error.what() << "\n";
    return kExitFailure;
  } catch (const Cancelled&) {
    err << "dtmconvert: η εργασία σταμάτησε.\n";
    return kExitFailure;
  } catch (const std::exception& error) {
    err << "dtmconvert: απρόσμενο σφάλμα: " << error.what() << "\n";
    return kExitFailure;
  }
}

}  // namespace dtmconvert
