#include "ui/qt/main/window_exports.h"

#include <QCoreApplication>
#include <QDate>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/export_csv.h"
#include "ui/handout.h"
#include "ui/qt/main/picture_box.h"
#include "ui/render/exporter.h"

namespace airfoil {

namespace {

// The whole window, fitted to the page of `device` and centred on it.
void paint_window(QWidget& window, QPagedPaintDevice& device) {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const double fit = std::min(page.width() / static_cast<double>(window.width()),
                              page.height() / static_cast<double>(window.height()));
  painter.translate((page.width() - window.width() * fit) / 2, (page.height() - window.height() * fit) / 2);
  painter.scale(fit, fit);
  window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
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
    fill_picture_menu(
        *menu, [picture] { return painted(picture->content()); }, dialogs,
        PictureData{QString::fromUtf8(table.file),
                    [this, &table] { return QByteArray::fromStdString(table_text(table, form_)); }});
    popup_on_request(*picture, *menu);
  }
}

std::array<PictureContent, 5> WindowExports::pictures() const {
  std::array<PictureContent, 5> all;
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = pictures_[i]->content();
  return all;
}

void WindowExports::save_handout() {
  const QByteArray pdf = handout_pdf(pictures(), handout_lines(form_), QDate::currentDate());
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
  paint_window(window_, printer);
}

}  // namespace airfoil
