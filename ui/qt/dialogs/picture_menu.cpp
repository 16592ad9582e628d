#include "ui/qt/dialogs/picture_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/picture_menu_texts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate(kPictureMenuContext, source); }

void save_picture_as(const PaintedPicture& shown, PictureFormat format, double scale,
                     const SaveDialogs& dialogs) {
  QString suggested = shown.name;
  QString filter;
  switch (format) {
    case PictureFormat::Png:
      if (scale != 1) suggested += QStringLiteral("@%1x").arg(scale);
      suggested += QStringLiteral(".png");
      filter = translated(QT_TRANSLATE_NOOP("PictureMenu", "PNG resimleri (*.png)"));
      break;
    case PictureFormat::Svg:
      suggested += QStringLiteral(".svg");
      filter = translated(QT_TRANSLATE_NOOP("PictureMenu", "SVG çizimleri (*.svg)"));
      break;
    case PictureFormat::Pdf:
      suggested += QStringLiteral(".pdf");
      filter = translated(QT_TRANSLATE_NOOP("PictureMenu", "PDF belgeleri (*.pdf)"));
      break;
  }
  save_through(dialogs, translated(QT_TRANSLATE_NOOP("PictureMenu", "Resmi kaydet")), suggested, filter,
               [&](const QString& path) { return save_picture(shown, path, format, scale); });
}

}  // namespace

SaveDialogs window_dialogs(QWidget& owner) {
  return {[&owner](const QString& title, const QString& suggested, const QString& filter) {
            return QFileDialog::getSaveFileName(&owner, title, suggested, filter);
          },
          [&owner](const QString& text) {
            QMessageBox::warning(&owner, translated(QT_TRANSLATE_NOOP("PictureMenu", "Dışa aktarma")), text);
          }};
}

void save_through(const SaveDialogs& dialogs, const QString& title, const QString& suggested,
                  const QString& filter, const std::function<QString(const QString&)>& write) {
  const QString path = dialogs.choose_path(title, suggested, filter);
  if (path.isEmpty()) return;
  const QString error = write(path);
  if (!error.isEmpty()) {
    dialogs.report(translated(QT_TRANSLATE_NOOP("PictureMenu", "%1 yazılamadı: %2")).arg(path, error));
  }
}

void fill_picture_menu(QMenu& menu, const std::function<PaintedPicture()>& picture,
                       const SaveDialogs& dialogs, const std::optional<PictureData>& data,
                       std::function<void()> copy) {
  if (!copy) copy = [picture] { copy_picture(picture()); };
  const auto add = [&](const QString& text, auto action) {
    QObject::connect(menu.addAction(text), &QAction::triggered, &menu, action);
  };
  add(translated(kMenuCopy), copy);
  menu.addSeparator();
  for (const int scale : kPngScales) {
    add(translated(kMenuPng).arg(scale),
        [picture, scale, &dialogs] { save_picture_as(picture(), PictureFormat::Png, scale, dialogs); });
  }
  add(translated(kMenuSvg),
      [picture, &dialogs] { save_picture_as(picture(), PictureFormat::Svg, 1, dialogs); });
  add(translated(kMenuPdf),
      [picture, &dialogs] { save_picture_as(picture(), PictureFormat::Pdf, 1, dialogs); });
  if (!data) return;
  add(translated(kMenuCsv), [data, &dialogs] {
    const QByteArray bytes = data->bytes();
    save_through(dialogs, translated(QT_TRANSLATE_NOOP("PictureMenu", "Verileri kaydet")), data->name,
                 translated(QT_TRANSLATE_NOOP("PictureMenu", "CSV tabloları (*.csv)")),
                 [&](const QString& path) { return write_file(path, bytes); });
  });
}

void put_first(QMenu& menu, const QList<QAction*>& entries) {
  QAction* first = menu.actions().value(0);
  menu.insertActions(first, entries);
  menu.insertSeparator(first);
}

void popup_on_request(QWidget& widget, QMenu& menu) {
  QObject::connect(&widget, &QWidget::customContextMenuRequested, &menu,
                   [&widget, &menu](const QPoint& at) { menu.popup(widget.mapToGlobal(at)); });
}

QMenu* make_picture_view(QWidget& view) {
  view.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  view.setAttribute(Qt::WA_OpaquePaintEvent);
  view.setContextMenuPolicy(Qt::CustomContextMenu);
  auto* menu = new QMenu(&view);
  menu->setObjectName(view.objectName() + "_menu");
  popup_on_request(view, *menu);
  return menu;
}

}  // namespace airfoil
