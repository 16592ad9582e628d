#include "ui/qt/window_exports.h"

#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/export_csv.h"
#include "ui/qt/exporter.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_box.h"

namespace airfoil {

namespace {

// Which table each picture's data is: the circle points, the section with its
// pressure, or the sampled coefficients.
struct DataFile {
  const char* name;
  std::string (*make)(const Window&);
};

DataFile data_of(SurfaceId id) {
  switch (id) {
    case SurfaceId::daire: return {"circle.csv", circle_csv};
    case SurfaceId::profil:
    case SurfaceId::pressure: return {"section.csv", section_csv};
    case SurfaceId::Picture_CL: return {"lift.csv", lift_csv};
    case SurfaceId::Picture_CM: return {"moment.csv", moment_csv};
  }
  return {"section.csv", section_csv};
}

}  // namespace

WindowExports::WindowExports(Form1Window& window) : QObject(&window), window_(window) {
  setObjectName("WindowExports");
  choose_path = [this](const QString& title, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(&window_, title, suggested, filter);
  };
  confirm_print = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, &window_);
    return dialog.exec() == QDialog::Accepted;
  };
  report = [this](const QString& text) { QMessageBox::warning(&window_, tr("Dışa aktarma"), text); };

  // Window-wide shortcuts; the menu bar keeps its single entry.
  print_ = new QAction(tr("Pencereyi yazdır..."), &window_);
  print_->setShortcut(QKeySequence::Print);
  connect(print_, &QAction::triggered, this, &WindowExports::print_window);
  handout_ = new QAction(tr("Ders notunu PDF olarak kaydet..."), &window_);
  handout_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(handout_, &QAction::triggered, this, &WindowExports::save_handout);
  window_.addAction(print_);
  window_.addAction(handout_);

  for (int i = 0; i < 5; ++i) build_menu(static_cast<SurfaceId>(i));
}

void WindowExports::build_menu(SurfaceId id) {
  PictureBox* picture = window_.picture(id);
  auto* menu = new QMenu(picture);
  menu->setObjectName(picture->objectName() + "_menu");
  menus_[static_cast<std::size_t>(id)] = menu;

  connect(menu->addAction(tr("Resmi kopyala")), &QAction::triggered, this,
          [this, picture] { copy_picture(picture->content(), picture->grab().toImage(), window_.zoom()); });
  menu->addSeparator();
  for (const int scale : {1, 2, 4}) {
    connect(menu->addAction(tr("Resmi PNG olarak kaydet (%1x)...").arg(scale)), &QAction::triggered, this,
            [this, id, scale] { save_picture_as(id, static_cast<int>(PictureFormat::Png), scale); });
  }
  connect(menu->addAction(tr("Resmi SVG olarak kaydet...")), &QAction::triggered, this,
          [this, id] { save_picture_as(id, static_cast<int>(PictureFormat::Svg), 1); });
  connect(menu->addAction(tr("Resmi PDF olarak kaydet...")), &QAction::triggered, this,
          [this, id] { save_picture_as(id, static_cast<int>(PictureFormat::Pdf), 1); });
  connect(menu->addAction(tr("Verileri CSV olarak kaydet...")), &QAction::triggered, this,
          [this, id] { save_data(id); });
  menu->addSeparator();
  menu->addAction(print_);
  menu->addAction(handout_);

  connect(picture, &QWidget::customContextMenuRequested, menu,
          [picture, menu](const QPoint& at) { menu->popup(picture->mapToGlobal(at)); });
}

std::array<PictureContent, 5> WindowExports::pictures() const {
  std::array<PictureContent, 5> all;
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = window_.picture(static_cast<SurfaceId>(i))->content();
  return all;
}

void WindowExports::save(const QString& title, const QString& suggested, const QString& filter,
                         const std::function<QString(const QString&)>& write) {
  const QString path = choose_path(title, suggested, filter);
  if (path.isEmpty()) return;
  const QString error = write(path);
  if (!error.isEmpty()) report(tr("%1 yazılamadı: %2").arg(path, error));
}

void WindowExports::save_picture_as(SurfaceId id, int format, double scale) {
  const PictureContent picture = window_.picture(id)->content();
  const auto kind = static_cast<PictureFormat>(format);
  QString suggested = picture.name;
  QString filter;
  switch (kind) {
    case PictureFormat::Png:
      if (scale != 1) suggested += QStringLiteral("@%1x").arg(scale);
      suggested += ".png";
      filter = tr("PNG resimleri (*.png)");
      break;
    case PictureFormat::Svg:
      suggested += ".svg";
      filter = tr("SVG çizimleri (*.svg)");
      break;
    case PictureFormat::Pdf:
      suggested += ".pdf";
      filter = tr("PDF belgeleri (*.pdf)");
      break;
  }
  save(tr("Resmi kaydet"), suggested, filter,
       [&](const QString& path) { return save_picture(picture, path, kind, scale); });
}

void WindowExports::save_data(SurfaceId id) {
  const DataFile data = data_of(id);
  const std::string text = data.make(window_.form().w);
  save(tr("Verileri kaydet"), data.name, tr("CSV tabloları (*.csv)"),
       [&](const QString& path) { return write_file(path, QByteArray::fromStdString(text)); });
}

void WindowExports::save_handout() {
  const QByteArray pdf = handout_pdf(pictures(), window_.form().w, QDate::currentDate());
  save(tr("Ders notunu kaydet"), QStringLiteral("handout.pdf"), tr("PDF belgeleri (*.pdf)"),
       [&](const QString& path) { return write_file(path, pdf); });
}

void WindowExports::print_window() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!confirm_print(printer)) return;
  std::vector<PlacedPicture> placed;
  for (int i = 0; i < 5; ++i) {
    const PictureBox* picture = window_.picture(static_cast<SurfaceId>(i));
    placed.push_back({picture->content(), QRect(picture->mapTo(&window_, QPoint(0, 0)), picture->size())});
  }
  paint_window(window_, placed, printer);
}

}  // namespace airfoil
