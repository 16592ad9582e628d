// What leaves the window: pictures as files and on the clipboard, the
// handout, printing, and the menu and keys that reach them.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "ui/export_csv.h"
#include "ui/qt/main/window_exports.h"
#include "ui/render/exporter.h"
#include "ui/render/picture_labels.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

// A cambered section at incidence in a Mach 0.6 stream, moment about the
// quarter chord: every picture has curves, overlays and markers.
struct DrawnWindow : OpenWindow {
  DrawnWindow() {
    box("Text_Moo")->setText("0.6");
    bar("HScroll_Thickness")->setValue(12);
    bar("HScroll_Camber")->setValue(4);
    bar("HScroll_AlfaD")->setValue(6);
    bar("HScroll_xM")->setValue(25);
  }
  WindowExports& exports() const { return window->exports(); }
};

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int count_pages(const QByteArray& pdf) {
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                          pdf.count("/Type /Page "));
}

TEST(Exports, OneTimesPngIsThePictureOnScreenPixelForPixel) {
  DrawnWindow open;
  for (int i = 0; i < 5; ++i) {
    const auto id = static_cast<SurfaceId>(i);
    EXPECT_EQ(picture_image(open.picture(id)->content()), open.screen_of(id)) << i;
  }
}

TEST(Exports, LargerPngIsScaledAndStaysCrisp) {
  DrawnWindow open;
  const PictureBox* pressure = open.picture(SurfaceId::pressure);
  const QImage image = picture_image(pressure->content(), 2);
  EXPECT_EQ(image.size(), 2 * pressure->size());
  // The drawing itself holds only the chart colours: no smoothed edges.
  const QImage drawing = pressure->drawing(2);
  const std::set<QRgb> palette{qRgb(255, 255, 192), qRgb(0, 0, 0),   qRgb(0, 255, 0),
                               qRgb(255, 0, 0),     qRgb(0, 0, 255), qRgb(255, 0, 255)};
  for (int y = 0; y < drawing.height(); ++y) {
    for (int x = 0; x < drawing.width(); ++x) {
      ASSERT_TRUE(palette.count(drawing.pixel(x, y) | 0xFF000000u)) << x << "," << y;
    }
  }
}

TEST(Exports, SvgHoldsOneElementPerVisibleCall) {
  DrawnWindow open;
  PictureContent profil = open.picture(SurfaceId::profil)->content();
  const auto drawn = [](const QByteArray& svg) {
    int n = 0;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      const auto name = xml.name();
      if (name == u"line" || name == u"polyline" || name == u"circle") ++n;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return n;
  };
  int calls = 0;
  for (const SurfaceCall& c : profil.calls) {
    calls += c.op == SurfaceCall::Op::Line || c.op == SurfaceCall::Op::Circle ? 1 : 0;
  }
  EXPECT_EQ(calls, 12 + 50 + 1);  // grid, outline, reference-point marker
  EXPECT_EQ(drawn(picture_svg(profil)), calls);
  // Calls wholly off the picture or not finite leave no element.
  profil.calls.push_back({SurfaceCall::Op::Line, {5, 5, 6, 6}, 255});
  profil.calls.push_back({SurfaceCall::Op::Line, {NAN, 0, 1, 0}, 255});
  profil.calls.push_back({SurfaceCall::Op::Circle, {50, 0, 0.01f}, 255});
  EXPECT_EQ(drawn(picture_svg(profil)), calls);
}

// Lines land where they fall, between device pixels, in SVG and PDF; only
// the pixel outputs are snapped to the grid.
TEST(Exports, VectorOutputsKeepExactCoordinates) {
  RecordingSurface drawn;
  drawn.Scale(0, 0, 100, 50);
  drawn.Line(10.3f, 20.7f, 80.1f, 33.3f);
  const QByteArray svg = picture_svg(PictureContent{"p", QSize(100, 50), 0, 0, drawn.calls(), {}, {}});
  // The ends of the single-precision calls, not the centres of pixels.
  const QRegularExpressionMatch line =
      QRegularExpression(R"re(<line x1="([^"]+)" y1="([^"]+)" x2="([^"]+)" y2="([^"]+)")re").match(svg);
  ASSERT_TRUE(line.hasMatch()) << svg.toStdString();
  const float ends[] = {10.3f, 20.7f, 80.1f, 33.3f};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(line.captured(k + 1).toDouble(), ends[k]) << k;
}

// What a PDF reader shows of `pdf`: the output of `tool` (pdftotext or
// pdfinfo) on it.
QString read_pdf(const char* tool, const QByteArray& pdf) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.pdf");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
  file.close();
  QProcess run;
  run.start(QString::fromLatin1(tool),
            tool == std::string("pdftotext") ? QStringList{path, "-"} : QStringList{path});
  run.waitForFinished();
  return QString::fromUtf8(run.readAllStandardOutput());
}

TEST(Exports, HandoutIsOneLandscapeA4PageSayingWhatThePicturesShow) {
  DrawnWindow open;
  // Typed after the last cycle: the pictures still show Mach 0.6.
  open.box("Text_Moo")->setText("0.9");
  const QByteArray pdf = handout_pdf(open.exports().pictures(), handout_lines(open.window->form()),
                                     handout_strip(open.window->form()), QDate(2024, 5, 6));
  EXPECT_EQ(count_pages(pdf), 1);
  const QString info = read_pdf("pdfinfo", pdf);
  EXPECT_TRUE(info.contains(QRegularExpression("Page size: +842 x 595 pts \\(A4\\)"))) << info.toStdString();

  const QString text = read_pdf("pdftotext", pdf);
  for (const QString& shown :
       {QString("PelmoraAirfoil - Aerodynamic Characteristics"), QString("2024-05-06"),
        QString("kalınlık t/c = 0.12"), QString("kamburluk f/c = 0.04"), QString("nokta sayısı nP = 51"),
        QString("hücum açısı α = 6°"), QString("xM/c = 0.25"), QString("Mach sayısı Moo = 0.6"),
        "CL = " + open.box("Text_CL")->text(), "CM = " + open.box("Text1")->text(), QString("1-Cp")}) {
    EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << "\n" << text.toStdString();
  }
  EXPECT_FALSE(text.contains("0.9"));
}

TEST(Exports, ProbeLabelsAreTheWindowLabels) {
  OpenWindow open;
  for (int i = 0; i < 5; ++i) {
    const auto id = static_cast<SurfaceId>(i);
    const std::vector<PictureLabel> table = annotation_labels(id);
    const std::vector<PictureLabel> shown = open.picture(id)->content().labels;
    ASSERT_EQ(table.size(), shown.size()) << i;
    for (std::size_t k = 0; k < table.size(); ++k) {
      EXPECT_EQ(table[k].text, shown[k].text);
      EXPECT_EQ(table[k].rect, shown[k].rect);
      EXPECT_EQ(table[k].font, shown[k].font);
    }
  }
}

TEST(Pictures, RepaintAtAnotherDensityWithoutACycle) {
  DrawnWindow open;
  PictureBox* daire = open.picture(SurfaceId::daire);
  const int cleared = daire->clear_count();
  QImage dense(daire->size() * 2, QImage::Format_RGB32);
  dense.setDevicePixelRatio(2);
  daire->render(&dense);
  dense.setDevicePixelRatio(1);
  EXPECT_EQ(dense, daire->drawing(2));
  EXPECT_EQ(daire->clear_count(), cleared);
}

TEST(PictureMenu, OpensByRightClickMenuKeyAndShiftF10) {
  DrawnWindow open;
  PictureBox* cl = open.picture(SurfaceId::Picture_CL);
  QMenu* menu = open.exports().menu(SurfaceId::Picture_CL);
  const auto opens = [&](const std::function<void()>& ask) {
    menu->hide();
    ask();
    const bool shown = menu->isVisible();
    menu->hide();
    return shown;
  };
  // The platform turns the right button and the Menu key into these events.
  for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
    EXPECT_TRUE(opens([&] {
      QContextMenuEvent event(reason, cl->rect().center(), cl->mapToGlobal(cl->rect().center()));
      QApplication::sendEvent(cl, &event);
    }));
  }
  cl->setFocus();
  EXPECT_TRUE(opens([&] { QTest::keyClick(cl, Qt::Key_F10, Qt::ShiftModifier); }));
  // The right button is no click: nothing was redrawn.
  const std::vector<int> before = open.clear_counts();
  QTest::mouseClick(cl, Qt::RightButton);
  menu->hide();
  EXPECT_EQ(open.clear_counts(), before);
}

TEST(PictureMenu, CopiesAndSavesThePictureAndItsData) {
  DrawnWindow open;
  QTemporaryDir dir;
  QString asked;
  open.exports().dialogs.choose_path = [&](const QString&, const QString& suggested, const QString&) {
    asked = suggested;
    return dir.filePath(suggested);
  };
  QMenu* menu = open.exports().menu(SurfaceId::Picture_CM);
  const auto choose = [&](const char* text) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text) return action->trigger();
    }
    FAIL() << text;
  };
  open.window->set_zoom(2);  // copied as seen
  choose("Resmi kopyala");
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->imageData().value<QImage>().convertToFormat(QImage::Format_RGB32),
            open.screen_of(SurfaceId::Picture_CM));
  EXPECT_TRUE(copied->data("image/svg+xml").contains("<svg"));

  choose("Resmi PNG olarak kaydet (4x)...");
  EXPECT_EQ(asked, "Picture_CM@4x.png");
  EXPECT_EQ(QImage(dir.filePath(asked)).size(), 4 * open.picture(SurfaceId::Picture_CM)->content().size);

  choose("Verileri CSV olarak kaydet...");
  QFile csv(dir.filePath("moment.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readAll().toStdString(), table_text(kDataTables[3], open.window->form()));
}

// A save that fails keeps the file that was there and says why in the
// window's language: a full disk (the file-size limit stands in for it, no
// root needed) for every kind of file the window saves, a write-protected
// file (refused even to the superuser) and a folder by that name.
TEST(SavingFromTheWindow, NeverDestroysAGoodFile) {
  DrawnWindow open;
  QTemporaryDir dir;
  QString target, report;
  open.exports().dialogs.choose_path = [&](auto&&...) { return target; };
  open.exports().dialogs.report = [&](const QString& text) { report = text; };
  const QString kept = QString::fromUtf8("; önceki dosya olduğu gibi duruyor");
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit full{8, saved.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);
  QAction* save = nullptr;
  for (QAction* action : open.exports().menu(SurfaceId::pressure)->actions()) {
    if (!action->text().contains("kaydet")) continue;  // PNG, SVG, PDF, CSV and the handout
    std::ofstream((target = dir.filePath(action->text())).toStdString()) << "good";
    setrlimit(RLIMIT_FSIZE, &full);
    (save = action)->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(contents(target), "good") << target.toStdString();
    EXPECT_EQ(report,
              target + QString::fromUtf8(" yazılamadı: dosya, izin verilen en büyük boyutu aşıyor") + kept);
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 7);  // no leftovers
  QFile::setPermissions(target, QFile::ReadOwner);
  save->trigger();
  EXPECT_TRUE(contents(target) == "good" &&
              report.endsWith(QString::fromUtf8(": dosya yazmaya karşı korumalı") + kept));
  target = dir.path();
  save->trigger();
  EXPECT_TRUE(report.endsWith(QString::fromUtf8(": bu ad bir klasöre ait"))) << report.toStdString();
}

TEST(WindowKeys, CtrlPPrintsTheWindowAndCtrlShiftSSavesTheHandout) {
  DrawnWindow open;
  QTemporaryDir dir;
  open.exports().confirm_print = [&](QPrinter& printer) {
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    return true;
  };
  open.exports().dialogs.choose_path = [&](const QString&, const QString& suggested, const QString&) {
    return dir.filePath(suggested);
  };
  open.window->activateWindow();
  QTest::keyClick(open.window.get(), Qt::Key_K, Qt::ControlModifier);  // a pinned reference
  QTest::keyClick(open.window.get(), Qt::Key_P, Qt::ControlModifier);
  QTest::keyClick(open.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  for (const char* name : {"printed.pdf", "handout.pdf"}) {
    const QByteArray pdf = contents(dir.filePath(name));
    EXPECT_EQ(count_pages(pdf), 1) << name;
    // Both carry the readouts and the references' legend below the window.
    const QString text = read_pdf("pdftotext", pdf);
    for (const char* said :
         {"Mkritik = ", "x_ac/c = ", "Referanslar (kesikli çizgiler):", "kesikli: t/c 0.12"}) {
      EXPECT_TRUE(text.contains(QString::fromUtf8(said))) << name << ": " << said << "\n"
                                                          << text.toStdString();
    }
  }
  // A picture saved on its own says which dashed curve is which.
  for (QAction* action : open.exports().menu(SurfaceId::Picture_CL)->actions()) {
    if (action->text().contains("PDF olarak kaydet") && !action->text().contains("Ders")) action->trigger();
  }
  EXPECT_TRUE(read_pdf("pdftotext", contents(dir.filePath("Picture_CL.pdf"))).contains("kesikli: t/c 0.12"));
  // The pictures and controls go to paper as vectors, not as one bitmap of
  // the window at the printer's resolution.
  EXPECT_FALSE(QString::fromLatin1(contents(dir.filePath("printed.pdf")))
                   .contains(QRegularExpression("/Width \\d{4}")));
  EXPECT_EQ(open.window->menuBar()->actions().size(), 1);  // still only "About"
}

}  // namespace
}  // namespace airfoil::testing
