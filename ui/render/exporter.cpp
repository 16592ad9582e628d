#include "ui/render/exporter.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cerrno>

#include "charts/device_plan.h"
#include "charts/picture_svg.h"
#include "ui/drawing_svg.h"
#include "ui/output_file.h"
#include "ui/picture_notes.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("Exporter", text); }

// The pictures are laid out for 96 dots per inch; vector outputs keep that
// unit, so one logical pixel is 0.75 point on paper.
constexpr int kLogicalDpi = 96;

QString said_readout(const Phrase& phrase) {
  return QString::fromStdString(render(phrase, [](const std::string& source) {
    return QCoreApplication::translate(kReadoutsContext, source.c_str()).toStdString();
  }));
}

// A recorded picture as the Qt-free writer has it: the device shapes of its
// calls, placed exactly, its labels, and the legend strip below it.
QByteArray recorded_svg(const PictureContent& picture, const LegendStrip& legend, double scale) {
  DevicePlan plan = plan_picture(picture.calls, picture.start_scale, picture.size.width(),
                                 picture.size.height(), scale, picture.back, picture.fore, 1, false);
  plan.height += legend.height * scale;
  std::vector<SvgLabel> labels;
  for (const PictureLabel& label : picture.labels) {
    const QFont& f = label.font;
    const double pixels = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96 / 72;
    std::string family(1, '\'');
    family.append(f.family().toStdString()).append("', ").append(css_family(Family::arial));
    labels.push_back({label.text.toStdString(), label.rect.x() * scale, label.rect.y() * scale,
                      label.rect.width() * scale, label.rect.height() * scale, family, pixels * scale,
                      f.italic(), f.bold()});
  }
  for (const LegendLine& line : legend.lines) {
    labels.push_back({said_readout(line.text).toStdString(), line.left * scale, line.top * scale,
                      line.width * scale, line.height * scale, css_family(kLegendFont.family),
                      kLegendFont.points * 96 / 72 * scale});
  }
  return QByteArray::fromStdString(picture_svg(plan, labels, picture.back));
}

// The picture as SVG in its logical pixels, shown `scale` times as large.
QByteArray svg_of(const PaintedPicture& picture, double scale) {
  if (picture.recorded) return recorded_svg(*picture.recorded, picture.legend, scale);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kLogicalDpi);
  svg.setSize(QSize(qRound(picture.size.width() * scale), qRound(picture.size.height() * scale)));
  svg.setViewBox(QRect(QPoint(0, 0), picture.size));
  svg.setTitle(picture.name);
  {
    QPainter painter(&svg);
    picture.paint(painter, 1.0, Placement::exact);
  }
  return bytes;
}

}  // namespace

PaintedPicture painted(const PictureContent& picture) {
  return {picture.name, picture.size, to_qcolor(picture.back),
          [picture](QPainter& painter, double scale, Placement placement) {
            paint_picture(painter, picture, scale, placement);
          },
          picture};
}

QImage picture_image(const PictureContent& picture, double scale) {
  return picture_image(painted(picture), scale);
}
QByteArray picture_svg(const PictureContent& picture) { return picture_svg(painted(picture)); }
QByteArray picture_pdf(const PictureContent& picture) { return picture_pdf(painted(picture)); }
void copy_picture(const PictureContent& picture, const QImage& shown, double zoom) {
  auto* data = new QMimeData;
  data->setImageData(shown);
  data->setData(QStringLiteral("image/svg+xml"), svg_of(painted(picture), zoom));
  QGuiApplication::clipboard()->setMimeData(data);
}
QString save_picture(const PictureContent& picture, const QString& path, PictureFormat format, double scale) {
  return save_picture(painted(picture), path, format, scale);
}

QImage picture_image(const PaintedPicture& picture, double scale) {
  const QSize size(std::max(1, qRound(picture.size.width() * scale)),
                   std::max(1, qRound(picture.size.height() * scale)));
  QImage image(size, QImage::Format_RGB32);
  image.fill(picture.back);
  QPainter painter(&image);
  picture.paint(painter, scale, Placement::snapped);
  return image;
}

QByteArray picture_svg(const PaintedPicture& picture) { return svg_of(picture, 1.0); }

QByteArray picture_pdf(const PaintedPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(kLogicalDpi);
  pdf.setTitle(picture.name);
  const QSizeF points(picture.size.width() * 72.0 / kLogicalDpi, picture.size.height() * 72.0 / kLogicalDpi);
  pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF()));
  {
    QPainter painter(&pdf);
    picture.paint(painter, 1.0, Placement::exact);
  }
  return bytes;
}

void paint_strip(QPainter& painter, const HandoutStrip& strip, int width) {
  // Readouts in the first two columns, five lines each, the legend in the
  // third.
  painter.save();
  QFont font = painter.font();
  font.setBold(false);
  // 8 points at 96 dots per inch, the painter's logical pixels, whatever the
  // device's own resolution (a printer's is far finer).
  const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
  font.setPointSizeF(dpi > 0 ? 8 * 96.0 / dpi : 8);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int top = 14;
  for (std::size_t i = 0; i < strip.readouts.size(); ++i) {
    const int column = static_cast<int>(i / 5);
    const int row = static_cast<int>(i % 5);
    painter.drawText(QPoint(8 + column * width * 36 / 100, top + row * 17), said_readout(strip.readouts[i]));
  }
  for (std::size_t i = 0; i < strip.legend.size(); ++i) {
    painter.drawText(QPoint(width * 72 / 100, top + static_cast<int>(i) * 17), said_readout(strip.legend[i]));
  }
  painter.restore();
}

PaintedPicture with_legend(PaintedPicture picture, const std::vector<Phrase>& legend) {
  const int picture_height = picture.size.height();
  const int width = picture.size.width();
  const LegendStrip strip = legend_strip(legend, width, picture_height);
  if (strip.lines.empty()) return picture;
  picture.legend = strip;
  const auto paint = picture.paint;
  const QColor back = picture.back;
  picture.size.setHeight(picture_height + strip.height);
  picture.paint = [paint, back, strip, width, picture_height](QPainter& painter, double scale,
                                                              Placement placement) {
    paint(painter, scale, placement);
    painter.save();
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, picture_height, width, strip.height), back);
    QFont font = painter.font();
    font.setPointSizeF(kLegendFont.points);
    // Set in logical pixels whatever the device's resolution, as the labels.
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
    if (dpi != 96 && dpi > 0) font.setPointSizeF(kLegendFont.points * 96.0 / dpi);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const LegendLine& line : strip.lines) {
      painter.drawText(QRectF(line.left, line.top, line.width, line.height), Qt::AlignLeft | Qt::AlignVCenter,
                       said_readout(line.text));
    }
    painter.restore();
  };
  return picture;
}

QByteArray handout_pdf(const std::array<PictureContent, 5>& pictures, const std::vector<HandoutLine>& lines,
                       const HandoutStrip& strip, const QDate& date) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(kLogicalDpi);
  pdf.setTitle(translated(QT_TRANSLATE_NOOP("Exporter", "Kanat profili ders notu")));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                QPageLayout::Millimeter));

  // The page holds the window's client area as laid out (the pictures at
  // their places, the facts where the input panel stands on screen) below a
  // title line, scaled to fit.
  const int client_width = twips_to_pixels(kClientWidth);
  const int client_height = twips_to_pixels(kClientHeight);
  const int title_height = 28;
  const int strip_height = kStripHeight;
  const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
  const double fit =
      std::min(page.width() / static_cast<double>(client_width),
               page.height() / static_cast<double>(client_height + title_height + strip_height));

  QPainter painter(&pdf);
  painter.scale(fit, fit);
  QFont title_font = painter.font();
  title_font.setPointSizeF(12);
  title_font.setBold(true);
  painter.setFont(title_font);
  painter.drawText(QRect(0, 0, client_width, title_height), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(kWindowCaption));
  QFont small = title_font;
  small.setBold(false);
  small.setPointSizeF(9);
  painter.setFont(small);
  painter.drawText(QRect(0, 0, client_width, title_height), Qt::AlignRight | Qt::AlignVCenter,
                   date.toString(Qt::ISODate));

  painter.translate(0, title_height);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const SurfaceLayout& place = kSurfaceLayouts[i];
    painter.save();
    painter.translate(twips_to_pixels(place.Left), twips_to_pixels(place.Top));
    paint_picture(painter, pictures[i], 1.0, Placement::exact);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(QRectF(0, 0, pictures[i].size.width(), pictures[i].size.height()));
    painter.restore();
  }

  // The facts, in the space of the input panel below the circle picture.
  const SurfaceLayout& circle = surface_layout(SurfaceId::daire);
  QPoint at(twips_to_pixels(circle.Left), twips_to_pixels(circle.Top + circle.Height) + 24);
  painter.setPen(Qt::black);
  for (const HandoutLine& line : lines) {
    QFont font = small;
    font.setBold(line.heading);
    painter.setFont(font);
    painter.drawText(at, QString::fromStdString(render(line.text, [](const std::string& source) {
                       return QCoreApplication::translate(kHandoutContext, source.c_str()).toStdString();
                     })));
    at.ry() += 19;
  }

  painter.save();
  painter.translate(0, client_height);
  paint_strip(painter, strip, client_width);
  painter.restore();
  painter.end();
  return bytes;
}

void copy_picture(const PaintedPicture& picture) {
  auto* data = new QMimeData;
  data->setImageData(picture_image(picture));
  data->setData(QStringLiteral("image/svg+xml"), picture_svg(picture));
  QGuiApplication::clipboard()->setMimeData(data);
}

namespace {

// Why a file could not be written, from the system's error number, in the
// user's language: the system's own text is English (or the C library's
// language), not the window's.
QString reason_of(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return translated(QT_TRANSLATE_NOOP("Exporter", "diskte yer kalmadı"));
    case EFBIG:
      return translated(QT_TRANSLATE_NOOP("Exporter", "dosya, izin verilen en büyük boyutu aşıyor"));
    case EACCES:
    case EPERM: return translated(QT_TRANSLATE_NOOP("Exporter", "bu klasöre yazma izniniz yok"));
    case EROFS: return translated(QT_TRANSLATE_NOOP("Exporter", "disk yalnızca okunabilir"));
    case EISDIR: return translated(QT_TRANSLATE_NOOP("Exporter", "bu ad bir klasöre ait"));
    case ENOENT:
    case ENOTDIR: return translated(QT_TRANSLATE_NOOP("Exporter", "klasör yok"));
    default: return translated(QT_TRANSLATE_NOOP("Exporter", "sistem hatası %1")).arg(error);
  }
}

}  // namespace

QString write_file(const QString& path, const QByteArray& bytes) {
  // What QSaveFile would refuse with an English text of its own, or (as the
  // superuser) not refuse at all.
  const QFileInfo target(path);
  if (target.isDir()) return reason_of(EISDIR);
  const QString kept = target.exists()
                           ? translated(QT_TRANSLATE_NOOP("Exporter", "; önceki dosya olduğu gibi duruyor"))
                           : QString();
  if (write_protected(QFile::encodeName(path).toStdString()))
    return translated(QT_TRANSLATE_NOOP("Exporter", "dosya yazmaya karşı korumalı")) + kept;

  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return reason_of(errno != 0 ? errno : EACCES) + kept;
  // The write lands in a buffer; a full disk shows only at the flush. Qt's
  // commit() renames the new file into place even after a failed buffered
  // write, so every step is checked and a failure cancels the save before
  // the old file is touched.
  errno = 0;
  const bool written =
      file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
  if (!written) {
    const int error = errno != 0 ? errno : EIO;
    file.cancelWriting();
    return reason_of(error) + kept;
  }
  errno = 0;
  if (!file.commit()) return reason_of(errno != 0 ? errno : EIO) + kept;
  return {};
}

QString save_picture(const PaintedPicture& picture, const QString& path, PictureFormat format, double scale) {
  switch (format) {
    case PictureFormat::Svg: return write_file(path, picture_svg(picture));
    case PictureFormat::Pdf: return write_file(path, picture_pdf(picture));
    case PictureFormat::Png: break;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture_image(picture, scale).save(&buffer, "PNG")) {
    return translated(QT_TRANSLATE_NOOP("Exporter", "resim kodlanamadı"));
  }
  return write_file(path, png);
}

}  // namespace airfoil
