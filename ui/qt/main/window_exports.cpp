#include "ui/qt/main/window_exports.h"

#include <QCoreApplication>
#include <QDate>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <vector>

#include "ui/export_csv.h"
#include "ui/handout.h"
#include "ui/qt/main/picture_box.h"
#include "ui/render/exporter.h"

namespace airfoil {

namespace {

// A picture of the window and where it shows, in the window's coordinates.
struct PlacedPicture {
  PictureContent content;
  QRect place;
};

// The whole window, fitted to the page of `device` and centred on it: the
// controls as they paint themselves, `pictures` as vectors at their places,
// and below them `strip`, the readouts and the references' legend.
void paint_window(QWidget& window, const std::vector<PlacedPicture>& pictures, const HandoutStrip& strip,
                  QPagedPaintDevice& device) {
  // A widget rendered straight onto a printer goes through one bitmap of
  // the whole window at the printer's resolution (over a gigabyte at 1200
  // dots per inch). Recorded into a QPicture instead, the controls stay
  // drawing commands. The pictures are then drawn again over their places
  // as exact vectors from their calls. (Leaving them out of the recording by
  // a region would let their labels paint past their edges.)
  QPicture recorded;
  {
    QPainter recorder(&recorded);
    window.render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
  }

  QPainter painter(&device);
  const QRect page = painter.viewport();
  const int height = window.height() + kStripHeight;
  const double fit = std::min(page.width() / static_cast<double>(window.width()),
                              page.height() / static_cast<double>(height));
  painter.translate((page.width() - window.width() * fit) / 2, (page.height() - height * fit) / 2);
  painter.scale(fit, fit);
  // A QPicture replays at the ratio of the device's resolution to its own,
  // on top of the painter's transform; the fit above already holds that.
  painter.save();
  painter.scale(recorded.logicalDpiX() / static_cast<double>(device.logicalDpiX()),
                recorded.logicalDpiY() / static_cast<double>(device.logicalDpiY()));
  painter.drawPicture(0, 0, recorded);
  painter.restore();
  for (const PlacedPicture& picture : pictures) {
    painter.save();
    painter.translate(picture.place.topLeft());
    // The recorded calls are at the designed size; the window may show them
    // zoomed.
    painter.scale(picture.place.width() / static_cast<double>(picture.content.size.width()),
                  picture.place.height() / static_cast<double>(picture.content.size.height()));
    paint_picture(painter, picture.content, 1.0, Placement::exact);
    painter.restore();
  }
  painter.translate(0, window.height());
  paint_strip(painter, strip, window.width());
}

}  // namespace

WindowExports::WindowExports(QWidget& window, const std::array<PictureBox*, 5>& pictures, const Form1& form)
    : QObject(&window), window_(window), pictures_(pictures), form_(form) {
  setObjectName("WindowExports");
  dialogs = window_dialogs(window);
  confirm_print = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, &window_);
    return dialog.exec() == QDialog::Accepted;
  };
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    PictureBox* picture = pictures_[i];
    auto* menu = new QMenu(picture);
    menu->setObjectName(picture->objectName() + "_menu");
    menus_[i] = menu;
    const DataTable& table = data_table_of(static_cast<SurfaceId>(i));
    // A copy is what is seen: the picture's pixels at the zoom on screen.
    const auto copy = [picture] {
      copy_picture(picture->content(), picture->grab().toImage(), picture->zoom());
    };
    fill_picture_menu(
        *menu, [this, picture] { return with_legend(painted(picture->content()), headed_legend(form_.w)); },
        dialogs,
        PictureData{QString::fromUtf8(table.file),
                    [this, &table] { return QByteArray::fromStdString(table_text(table, form_)); }},
        copy);
    popup_on_request(*picture, *menu);
  }
}

std::array<PictureContent, 5> WindowExports::pictures() const {
  std::array<PictureContent, 5> all;
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = pictures_[i]->content();
  return all;
}

void WindowExports::save_handout() {
  const QByteArray pdf =
      handout_pdf(pictures(), handout_lines(form_), handout_strip(form_), QDate::currentDate());
  save_through(
      dialogs,
      QCoreApplication::translate("PictureMenu", QT_TRANSLATE_NOOP("PictureMenu", "Ders notunu kaydet")),
      QStringLiteral("handout.pdf"),
      QCoreApplication::translate("PictureMenu", QT_TRANSLATE_NOOP("PictureMenu", "PDF belgeleri (*.pdf)")),
      [&](const QString& path) { return write_file(path, pdf); });
}

void WindowExports::print_window() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!confirm_print(printer)) return;
  std::vector<PlacedPicture> placed;
  for (const PictureBox* picture : pictures_) {
    placed.push_back({picture->content(), QRect(picture->mapTo(&window_, QPoint(0, 0)), picture->size())});
  }
  paint_window(window_, placed, handout_strip(form_), printer);
}

}  // namespace airfoil
