// Everything that leaves the window: a picture as PNG at any scale, SVG or
// PDF, on the clipboard; the whole window on paper; a one-page PDF handout.
// The window and airfoil-probe both export through here, and every picture
// goes through the one replay of its calls.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ui/handout.h"
#include "ui/picture_notes.h"
#include "ui/render/picture_painter.h"

namespace airfoil {

enum class PictureFormat { Png, Svg, Pdf };

// A picture drawn by a function rather than replayed from recorded calls:
// `paint` draws it at `scale` device pixels per logical pixel from the
// painter's origin, into whatever device the painter is on; `exact` for the
// vector outputs (SVG, PDF, paper), which get unsnapped coordinates and any
// raster part at print resolution. Every output below goes through this, the
// recorded pictures included.
struct PaintedPicture {
  using Paint = std::function<void(QPainter& painter, double scale, Placement placement)>;
  PaintedPicture() = default;
  PaintedPicture(QString name_, QSize size_, QColor back_, Paint paint_,
                 std::optional<PictureContent> recorded_ = std::nullopt)
      : name(std::move(name_)),
        size(size_),
        back(back_),
        paint(std::move(paint_)),
        recorded(std::move(recorded_)) {}

  QString name;
  QSize size;  // logical pixels
  QColor back;
  Paint paint;
  // A picture of recorded calls, whose SVG file the Qt-free writer that every
  // face uses writes (with `legend` below it); other pictures' SVG is
  // generated from `paint`.
  std::optional<PictureContent> recorded;
  LegendStrip legend;
};

// A recorded picture as a painted one.
PaintedPicture painted(const PictureContent& picture);

QImage picture_image(const PaintedPicture& picture, double scale = 1.0);
QByteArray picture_svg(const PaintedPicture& picture);
QByteArray picture_pdf(const PaintedPicture& picture);
// Puts the picture on the clipboard as an image and as SVG.
void copy_picture(const PaintedPicture& picture);
QString save_picture(const PaintedPicture& picture, const QString& path, PictureFormat format,
                     double scale = 1.0);

// The picture, labels included, at `scale` image pixels per logical pixel.
QImage picture_image(const PictureContent& picture, double scale = 1.0);
// One drawn element per Line or Circle call that shows on the picture, then
// the labels, in the picture's logical pixels.
QByteArray picture_svg(const PictureContent& picture);
// A one-page PDF the size of the picture.
QByteArray picture_pdf(const PictureContent& picture);

// The handout: the five pictures with their labels where the window shows
// them, the lines of handout.h beside them, the strip of readouts and the
// references' legend below them and the date, on one landscape A4 page.
// `pictures` are in the order of the surface table.
QByteArray handout_pdf(const std::array<PictureContent, 5>& pictures, const std::vector<HandoutLine>& lines,
                       const HandoutStrip& strip, const QDate& date);

// The height in logical pixels of the strip of readouts and the references'
// legend below the window on paper.
inline constexpr int kStripHeight = 104;
// Paints `strip` from the painter's origin across `width` logical pixels.
void paint_strip(QPainter& painter, const HandoutStrip& strip, int width);

// `picture` with the pinned references' legend below it, one line each, so
// that a picture saved on its own still says which dashed curve is which;
// `picture` itself when nothing is pinned.
PaintedPicture with_legend(PaintedPicture picture, const std::vector<Phrase>& legend);

// Puts the picture on the clipboard as it is seen: `shown`, its pixels on
// screen, as the image, and SVG sized `zoom` times the designed size.
void copy_picture(const PictureContent& picture, const QImage& shown, double zoom);

// Writes `bytes` to `path` whole or not at all: a failed write leaves any
// file that was there untouched. Returns the reason on failure in the
// user's language, else empty. A file whose write permission is taken away
// is not replaced, even for the superuser.
QString write_file(const QString& path, const QByteArray& bytes);

// Writes the picture in `format` (PNG at `scale`); the reason on failure.
QString save_picture(const PictureContent& picture, const QString& path, PictureFormat format,
                     double scale = 1.0);

}  // namespace airfoil
