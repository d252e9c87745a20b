#pragma once

// Reading back the pictures a drawing window saves, for the tests of gui/ and of the programs'
// drawing windows: the SVG's elements as Qt's SVG generator writes them, the PDF's pages and
// text through poppler's tools, and a recorded drawing's segments and lines to compare them
// with.

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QMenu>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <optional>
#include <vector>

#include "canvas/recording_canvas.h"

namespace suite::picture_testing {

inline QByteArray fileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

/// A segment of a drawing in the picture's pixels, from → to.
struct Segment {
  QPointF from;
  QPointF to;
};

struct SvgPolyline {
  std::vector<QPointF> points;
  QColor stroke;
  double strokeWidth = 0;
};

struct SvgRect {
  QRectF rect;
  QColor fill;
};

struct SvgText {
  QPointF at;  ///< the baseline's start
  QString text;
};

/// What an SVG written by Qt holds, or `error` when it does not parse as XML.
struct SvgDrawing {
  QString error;
  QString width;  ///< the attributes as written, e.g. "211.667mm"
  QString height;
  QRectF viewBox;
  QString title;
  std::vector<SvgPolyline> polylines;
  std::vector<SvgRect> rects;
  std::vector<SvgText> texts;
  int otherShapes = 0;  ///< paths, images and other elements that draw

  /// The segments of every polyline, in order.
  std::vector<Segment> segments() const {
    std::vector<Segment> all;
    for (const SvgPolyline& line : polylines)
      for (std::size_t i = 1; i < line.points.size(); ++i)
        all.push_back({line.points[i - 1], line.points[i]});
    return all;
  }

  /// The texts joined into lines: Qt writes a line as one text element per run of one script,
  /// the pieces of a line on one baseline.
  QStringList textLines() const {
    QStringList lines;
    double baseline = std::nan("");
    for (const SvgText& text : texts) {
      if (lines.isEmpty() || text.at.y() != baseline)
        lines << text.text;
      else
        lines.last() += text.text;
      baseline = text.at.y();
    }
    return lines;
  }
};

/// Parses the SVG `bytes`, taking every element's stroke and fill from the groups around it.
inline SvgDrawing readSvg(const QByteArray& bytes) {
  SvgDrawing svg;
  QXmlStreamReader xml(bytes);
  struct Style {
    QString stroke;
    QString strokeWidth;
    QString fill;
  };
  std::vector<Style> styles{Style{}};
  const auto numbers = [](const QString& text) {
    std::vector<double> values;
    for (const QString& part :
         text.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts))
      values.push_back(part.toDouble());
    return values;
  };
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) {
      styles.pop_back();
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = xml.attributes();
    Style style = styles.back();
    if (a.hasAttribute(QStringLiteral("stroke")))
      style.stroke = a.value(QStringLiteral("stroke")).toString();
    if (a.hasAttribute(QStringLiteral("stroke-width")))
      style.strokeWidth = a.value(QStringLiteral("stroke-width")).toString();
    if (a.hasAttribute(QStringLiteral("fill")))
      style.fill = a.value(QStringLiteral("fill")).toString();
    styles.push_back(style);
    const QStringView name = xml.name();
    if (name == QLatin1String("svg")) {
      svg.width = a.value(QStringLiteral("width")).toString();
      svg.height = a.value(QStringLiteral("height")).toString();
      const std::vector<double> box = numbers(a.value(QStringLiteral("viewBox")).toString());
      if (box.size() == 4) svg.viewBox = QRectF(box[0], box[1], box[2], box[3]);
    } else if (name == QLatin1String("title")) {
      svg.title = xml.readElementText();
      styles.pop_back();
    } else if (name == QLatin1String("polyline") || name == QLatin1String("line")) {
      SvgPolyline line;
      line.stroke = QColor(style.stroke);
      line.strokeWidth = style.strokeWidth.toDouble();
      if (name == QLatin1String("line")) {
        line.points = {QPointF(a.value(QStringLiteral("x1")).toDouble(),
                               a.value(QStringLiteral("y1")).toDouble()),
                       QPointF(a.value(QStringLiteral("x2")).toDouble(),
                               a.value(QStringLiteral("y2")).toDouble())};
      } else {
        const std::vector<double> xy = numbers(a.value(QStringLiteral("points")).toString());
        for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
          line.points.emplace_back(xy[i], xy[i + 1]);
      }
      svg.polylines.push_back(line);
    } else if (name == QLatin1String("rect")) {
      svg.rects.push_back(
          {QRectF(a.value(QStringLiteral("x")).toDouble(), a.value(QStringLiteral("y")).toDouble(),
                  a.value(QStringLiteral("width")).toDouble(),
                  a.value(QStringLiteral("height")).toDouble()),
           QColor(style.fill)});
    } else if (name == QLatin1String("text")) {
      const QPointF at(a.value(QStringLiteral("x")).toDouble(),
                       a.value(QStringLiteral("y")).toDouble());
      svg.texts.push_back({at, xml.readElementText()});
      styles.pop_back();
    } else if (name == QLatin1String("path") || name == QLatin1String("image") ||
               name == QLatin1String("circle") || name == QLatin1String("ellipse") ||
               name == QLatin1String("polygon")) {
      ++svg.otherShapes;
    }
  }
  if (xml.hasError()) svg.error = xml.errorString();
  return svg;
}

/// The segments a recorded drawing drew, in the picture's pixels (15 twips each).
inline std::vector<Segment> recordedSegments(const RecordingCanvas& canvas) {
  std::vector<Segment> segments;
  for (const RecordingCanvas::Op& op : canvas.ops()) {
    if (op.kind != RecordingCanvas::Kind::Line) continue;
    segments.push_back({QPointF(op.fromX / 15, op.fromY / 15), QPointF(op.x / 15, op.y / 15)});
  }
  return segments;
}

/// The texts a recorded drawing printed, in order.
inline QStringList recordedLines(const RecordingCanvas& canvas) {
  QStringList lines;
  for (const RecordingCanvas::Op& op : canvas.ops())
    if (op.kind == RecordingCanvas::Kind::Text) lines << QString::fromStdString(op.text);
  return lines;
}

/// Whether two coordinates agree to the six significant digits Qt writes SVG numbers with.
inline bool sameCoordinate(double written, double exact) {
  return std::abs(written - exact) <= 1e-5 * std::max(1.0, std::abs(exact));
}

/// Empty when `written` are the segments `expected`, in order; else the first difference.
inline QString segmentDifference(const std::vector<Segment>& written,
                                 const std::vector<Segment>& expected) {
  if (written.size() != expected.size())
    return QStringLiteral("%1 segments written, %2 recorded")
        .arg(written.size())
        .arg(expected.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    const Segment& w = written[i];
    const Segment& e = expected[i];
    if (!sameCoordinate(w.from.x(), e.from.x()) || !sameCoordinate(w.from.y(), e.from.y()) ||
        !sameCoordinate(w.to.x(), e.to.x()) || !sameCoordinate(w.to.y(), e.to.y())) {
      return QStringLiteral("segment %1: (%2,%3)-(%4,%5) written, (%6,%7)-(%8,%9) recorded")
          .arg(i)
          .arg(w.from.x())
          .arg(w.from.y())
          .arg(w.to.x())
          .arg(w.to.y())
          .arg(e.from.x())
          .arg(e.from.y())
          .arg(e.to.x())
          .arg(e.to.y());
    }
  }
  return {};
}

/// Runs a tool of poppler-utils on `path`; its standard output, or nothing when it cannot run
/// or fails.
inline std::optional<QString> popplerOutput(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

/// What pdfinfo says of a PDF: its pages and the first page's size in points.
struct PdfFacts {
  int pages = 0;
  QSizeF pagePoints;
};

/// pdfinfo's facts of the PDF at `path`, nothing when pdfinfo (poppler-utils) does not take it
/// for a PDF or cannot run.
inline std::optional<PdfFacts> pdfFacts(const QString& path) {
  const std::optional<QString> info = popplerOutput(QStringLiteral("pdfinfo"), {path});
  if (!info) return std::nullopt;
  PdfFacts facts;
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(*info);
  const QRegularExpressionMatch size =
      QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                         QRegularExpression::MultilineOption)
          .match(*info);
  if (!pages.hasMatch() || !size.hasMatch()) return std::nullopt;
  facts.pages = pages.captured(1).toInt();
  facts.pagePoints = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
  return facts;
}

/// The text of the PDF at `path` as pdftotext reads it, line by line without empty lines.
inline QStringList pdfTextLines(const QString& path) {
  const std::optional<QString> text = popplerOutput(
      QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!text) return {};
  QStringList lines;
  for (const QString& line : text->split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty() && line.trimmed() != QLatin1String("\f")) lines << line.trimmed();
  return lines;
}

/// Whether a page of `points` is a picture of `pixels` at 96 pixels per inch (3/4 point a
/// pixel), in whole points: each side within half a point.
inline bool pageFitsPicture(const QSizeF& points, const QSize& pixels) {
  return std::abs(points.width() - pixels.width() * 0.75) <= 0.5 &&
         std::abs(points.height() - pixels.height() * 0.75) <= 0.5;
}

/// Asks `widget` for its context menu, as a right click does, and gives the entries of the
/// menu that opens (none when none opens), after choosing the entry `choose` of it (none: the
/// menu is closed).
inline QStringList contextMenuOf(QWidget& widget, std::optional<int> choose = std::nullopt) {
  QStringList texts;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) texts << action->text();
    if (choose) {
      menu->setActiveAction(menu->actions().value(*choose));
      QTest::keyClick(menu, Qt::Key_Return);
    } else {
      menu->close();
    }
  });
  const QPoint at(5, 5);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
  QApplication::sendEvent(&widget, &event);
  QApplication::processEvents();
  return texts;
}

}  // namespace suite::picture_testing
