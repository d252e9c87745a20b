#include "gui/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "gui/painter_canvas.h"
#include "gui/twips.h"
#include "text/user_error.h"

namespace suite {

namespace {

constexpr int kScreenDotsPerInch = 96;
// The PDF page is laid out in twips: 1440 to the inch, 20 to the point.
constexpr int kPdfDotsPerInch = 1440;
constexpr double kPointsPerPixel = 72.0 / kScreenDotsPerInch;

[[noreturn]] void refuse(const QString& why) {
  throw UserError(
      QStringLiteral("Δεν ήταν δυνατό να σχηματιστεί η εικόνα: %1.").arg(why).toStdString());
}

/// Replays the drawing onto `painter`, whose coordinates are the picture's pixels.
void replay(const PictureContent& content, QPainter& painter) {
  if (!painter.isActive()) refuse(QStringLiteral("το Qt δεν άνοιξε τον σχεδιαστή του αρχείου"));
  {
    PainterCanvas canvas(painter, pixelsToTwips(content.image.width()),
                         pixelsToTwips(content.image.height()), content.font, content.foreground,
                         content.background);
    if (content.paint) content.paint(canvas);
  }
  painter.end();
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) refuse(QStringLiteral("το Qt δεν έγραψε το PNG"));
  return bytes;
}

QByteArray svg(const PictureContent& content) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const QSize pixels = content.image.size();
  generator.setSize(pixels);
  generator.setViewBox(QRect(QPoint(0, 0), pixels));
  generator.setResolution(kScreenDotsPerInch);
  generator.setTitle(content.title);
  generator.setDescription(content.creator);
  QPainter painter(&generator);
  replay(content, painter);
  return bytes;
}

QByteArray pdf(const PictureContent& content) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(content.title);
  writer.setCreator(content.creator);
  const QSize pixels = content.image.size();
  writer.setPageSize(
      QPageSize(QSizeF(pixels.width() * kPointsPerPixel, pixels.height() * kPointsPerPixel),
                QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(kPdfDotsPerInch);
  QPainter painter(&writer);
  // The page holds whole points; the picture is fitted to it exactly.
  painter.setWindow(QRect(QPoint(0, 0), pixels));
  painter.setViewport(0, 0, writer.width(), writer.height());
  replay(content, painter);
  return bytes;
}

}  // namespace

const QString& pictureFilter() {
  static const QString filter =
      QStringLiteral("Εικόνα PNG|*.png|Σχέδιο SVG|*.svg|Έγγραφο PDF|*.pdf");
  return filter;
}

std::optional<PictureFormat> pictureFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return PictureFormat::Png;
  if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
  if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
  return std::nullopt;
}

QString pictureExtension(PictureFormat format) {
  switch (format) {
    case PictureFormat::Svg:
      return QStringLiteral(".svg");
    case PictureFormat::Pdf:
      return QStringLiteral(".pdf");
    case PictureFormat::Png:
      break;
  }
  return QStringLiteral(".png");
}

QString proposedPictureName(const QString& inputPath, const QString& program,
                            PictureFormat format) {
  const QString input = QFileInfo(inputPath).completeBaseName();
  const QString name = input.isEmpty() ? program : input + QLatin1Char('-') + program;
  return name + pictureExtension(format);
}

QByteArray renderPicture(const PictureContent& content, PictureFormat format) {
  if (content.image.isNull() || content.image.width() <= 0 || content.image.height() <= 0)
    refuse(QStringLiteral("το σχέδιο δεν έχει μέγεθος"));
  switch (format) {
    case PictureFormat::Svg:
      return svg(content);
    case PictureFormat::Pdf:
      return pdf(content);
    case PictureFormat::Png:
      break;
  }
  return png(content.image);
}

}  // namespace suite
