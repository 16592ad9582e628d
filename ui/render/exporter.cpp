#include "ui/render/exporter.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("Exporter", text); }

// The pictures are laid out for 96 dots per inch; vector outputs keep that
// unit, so one logical pixel is 0.75 point on paper.
constexpr int kLogicalDpi = 96;

}  // namespace

PaintedPicture painted(const PictureContent& picture) {
  return {picture.name, picture.size, to_qcolor(picture.back),
          [picture](QPainter& painter, double scale) { paint_picture(painter, picture, scale); }};
}

QImage picture_image(const PictureContent& picture, double scale) {
  return picture_image(painted(picture), scale);
}
QByteArray picture_svg(const PictureContent& picture) { return picture_svg(painted(picture)); }
QByteArray picture_pdf(const PictureContent& picture) { return picture_pdf(painted(picture)); }
void copy_picture(const PictureContent& picture) { copy_picture(painted(picture)); }
QString save_picture(const PictureContent& picture, const QString& path, PictureFormat format, double scale) {
  return save_picture(painted(picture), path, format, scale);
}

QImage picture_image(const PaintedPicture& picture, double scale) {
  const QSize size(std::max(1, qRound(picture.size.width() * scale)),
                   std::max(1, qRound(picture.size.height() * scale)));
  QImage image(size, QImage::Format_RGB32);
  image.fill(picture.back);
  QPainter painter(&image);
  picture.paint(painter, scale);
  return image;
}

QByteArray picture_svg(const PaintedPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kLogicalDpi);
  svg.setSize(picture.size);
  svg.setViewBox(QRect(QPoint(0, 0), picture.size));
  svg.setTitle(picture.name);
  {
    QPainter painter(&svg);
    picture.paint(painter, 1.0);
  }
  return bytes;
}

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
    picture.paint(painter, 1.0);
  }
  return bytes;
}

QByteArray handout_pdf(const std::array<PictureContent, 5>& pictures, const std::vector<HandoutLine>& lines,
                       const QDate& date) {
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
  const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
  const double fit = std::min(page.width() / static_cast<double>(client_width),
                              page.height() / static_cast<double>(client_height + title_height));

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
    paint_picture(painter, pictures[i], 1.0);
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
  painter.end();
  return bytes;
}

void copy_picture(const PaintedPicture& picture) {
  auto* data = new QMimeData;
  data->setImageData(picture_image(picture));
  data->setData(QStringLiteral("image/svg+xml"), picture_svg(picture));
  QGuiApplication::clipboard()->setMimeData(data);
}

QString write_file(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return file.errorString();
  }
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
