#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace suite {

class Canvas;

/// The formats a drawing is saved in.
enum class PictureFormat { Png, Svg, Pdf };

/// The save dialog's filter: "Εικόνα PNG|*.png|Σχέδιο SVG|*.svg|Έγγραφο PDF|*.pdf", in the
/// order of PictureFormat.
const QString& pictureFilter();

/// The format a file name's extension names, without regard to case ("map.PDF" is a PDF);
/// nothing for any other extension or none.
std::optional<PictureFormat> pictureFormatOf(const QString& path);

/// The extension of `format` with its dot: ".png", ".svg", ".pdf".
QString pictureExtension(PictureFormat format);

/// The name a drawing is first offered under: the input file's name without its last extension,
/// a hyphen, the program and the format's extension ("maunga-whau.dtm" drawn by isolines:
/// "maunga-whau-isolines.png"); the program alone when there is no input name.
QString proposedPictureName(const QString& inputPath, const QString& program, PictureFormat format);

/// A drawing as a picture box shows it, with everything needed to save it.
struct PictureContent {
  /// The picture as drawn, one image pixel per pixel of the picture box; its size is the
  /// picture's size (15 twips a pixel).
  QImage image;
  QFont font;  ///< the picture's font, for printed text
  QColor foreground;
  QColor background;
  /// Paints the drawing again onto a canvas of the picture's size, from the drawing's own data:
  /// the same calls that drew it on the screen.
  std::function<void(Canvas&)> paint;
  QString title;    ///< what the picture shows, kept as the SVG's title and the PDF's
  QString creator;  ///< the program, kept as the SVG's description and the PDF's creator
};

/// The file's bytes in `format`:
/// - PNG: `content.image`, pixel for pixel;
/// - SVG: a vector drawing whose view box is the picture's size in pixels, "0 0 W H", and whose
///   width and height are that size at 96 pixels per inch, in millimetres; content.paint is
///   replayed onto it through a PainterCanvas, so each line of the drawing is a polyline, each
///   printed line text (Qt writes one text element per run of one script: "A/" and
///   "Φ: 111, …" of one line are two, side by side) and each block of points a rectangle;
/// - PDF: one page of the picture's size at 96 pixels per inch (a pixel is 3/4 point, the page
///   in whole points), the drawing replayed onto it the same way, its text in the embedded font.
/// Throws UserError (Greek message) for an empty picture or when Qt cannot make the file.
QByteArray renderPicture(const PictureContent& content, PictureFormat format);

}  // namespace suite
