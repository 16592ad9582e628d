#include "ui/qt/accessibility.h"

#include <QCoreApplication>
#include <QWidget>

#include <cmath>
#include <string>

#include "model/numtext.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/qt_layout.h"

namespace airfoil {

namespace {

constexpr const char* kContext = "Controls";

QString translated(const char* source) { return QCoreApplication::translate(kContext, source); }

struct ControlText {
  const char* object;
  const char* name;
  const char* description;  // also the tooltip: meaning, units and effect
};

// Numbers in these texts are written with a point, whatever the language, as
// the boxes show them.
constexpr ControlText kControls[] = {
    {"HScroll_Thickness", QT_TRANSLATE_NOOP("Controls", "Kalınlık, veter yüzdesi"),
     QT_TRANSLATE_NOOP("Controls",
                       "Kesitin en büyük kalınlığı, veterin yüzdesi olarak (0 ile 30 arası). "
                       "Değişince her şey yeniden hesaplanır ve çizilir.")},
    {"HScroll_Camber", QT_TRANSLATE_NOOP("Controls", "Kamburluk, veter yüzdesi"),
     QT_TRANSLATE_NOOP("Controls",
                       "Orta çizginin en büyük kamburluğu, veterin yüzdesi olarak (0 ile 15 "
                       "arası). Değişince her şey yeniden hesaplanır ve çizilir.")},
    {"HScroll_nP", QT_TRANSLATE_NOOP("Controls", "Yüzey noktası sayısı"),
     QT_TRANSLATE_NOOP("Controls",
                       "Kesit yüzeyindeki hesap noktalarının sayısı (11 ile 101 arası; oklarla "
                       "2'şer, çubuğun boş yerine tıklayarak 10'ar adım). Daire, profil ve basınç "
                       "resimleri yeniden çizilir; katsayı grafikleri değişmez.")},
    {"HScroll_AlfaD", QT_TRANSLATE_NOOP("Controls", "Hücum açısı, derece"),
     QT_TRANSLATE_NOOP("Controls",
                       "Hücum açısı α, derece (-10 ile 10 arası). Basınç dağılımı ile CL ve CM "
                       "grafikleri yeniden çizilir; kesit değişmez.")},
    {"HScroll_xM", QT_TRANSLATE_NOOP("Controls", "Moment referans noktası, veter yüzdesi"),
     QT_TRANSLATE_NOOP("Controls",
                       "Yunuslama momentinin alındığı noktanın hücum kenarından uzaklığı, "
                       "veterin yüzdesi olarak (0 ile 100 arası). CM grafiği yeniden çizilir, "
                       "nokta profilde küçük kırmızı bir daireyle gösterilir.")},
    {"Text_Thickness", QT_TRANSLATE_NOOP("Controls", "Kalınlık oranı t/c"),
     QT_TRANSLATE_NOOP("Controls", "En büyük kalınlığın veter uzunluğuna oranı; kalınlık çubuğu belirler.")},
    {"Text_Camber", QT_TRANSLATE_NOOP("Controls", "Kamburluk oranı"),
     QT_TRANSLATE_NOOP("Controls",
                       "En büyük kamburluğun veter uzunluğuna oranı; kamburluk çubuğu belirler.")},
    {"Text_nP", QT_TRANSLATE_NOOP("Controls", "Nokta sayısı"),
     QT_TRANSLATE_NOOP("Controls", "Kesit yüzeyindeki hesap noktalarının sayısı; nP çubuğu belirler.")},
    {"Text_AlfaD", QT_TRANSLATE_NOOP("Controls", "Hücum açısı"),
     QT_TRANSLATE_NOOP("Controls", "Hücum açısı α, derece; α çubuğu belirler.")},
    {"Text_xM", QT_TRANSLATE_NOOP("Controls", "Moment referans noktası x/c"),
     QT_TRANSLATE_NOOP("Controls",
                       "Moment referans noktasının hücum kenarından uzaklığı, veter uzunluğuna "
                       "oranı olarak; xM/c çubuğu belirler.")},
    {"Text_Moo", QT_TRANSLATE_NOOP("Controls", "Serbest akım Mach sayısı"),
     QT_TRANSLATE_NOOP(
         "Controls",
         "Serbest akım Mach sayısı M∞, -1 ile 1 arasında; ondalık ayırıcı nokta da virgül de "
         "olabilir, 0 sıkıştırılamaz akıştır. Enter her şeyi bu sayıyla yeniden hesaplar; Enter'a "
         "basılmazsa sayı bir sonraki hesapta okunur. Prandtl-Glauert düzeltmesi kabaca |M∞| < 0.7 "
         "için anlamlıdır.")},
    {"Text_CL", QT_TRANSLATE_NOOP("Controls", "Taşıma katsayısı CL"),
     QT_TRANSLATE_NOOP("Controls",
                       "Geçerli hücum açısındaki taşıma katsayısı, sıkıştırılamaz akış için, dört "
                       "ondalık basamağa yuvarlanmış.")},
    {"Text1", QT_TRANSLATE_NOOP("Controls", "Yunuslama momenti katsayısı CM"),
     QT_TRANSLATE_NOOP("Controls",
                       "Referans noktasına göre yunuslama momenti katsayısı (burun yukarı "
                       "pozitif), geçerli hücum açısında, sıkıştırılamaz akış için, beş ondalık "
                       "basamağa yuvarlanmış.")},
};

// The pictures, in the order of SurfaceId: name, and what the picture shows
// with its axes and colours.
constexpr ControlText kPictures[] = {
    {"daire", QT_TRANSLATE_NOOP("Controls", "Daire düzlemi"),
     QT_TRANSLATE_NOOP("Controls",
                       "Kesiti üreten daire, merkezi (artı) ve eksenler. z = ζ + 1/ζ dönüşümü "
                       "kırmızı yayı alt yüzeye, mavi yayı üst yüzeye çevirir.")},
    {"profil", QT_TRANSLATE_NOOP("Controls", "Profil"),
     QT_TRANSLATE_NOOP("Controls",
                       "Kesit, veterle ölçeklenmiş ızgara üzerinde: yatayda x/c, dikeyde y/c. "
                       "Alt yüzey kırmızı, üst yüzey mavi.")},
    {"pressure", QT_TRANSLATE_NOOP("Controls", "Basınç dağılımı"),
     QT_TRANSLATE_NOOP("Controls",
                       "Yüzeydeki 1-Cp, x/c'ye karşı. Alt yüzey kırmızı, üst yüzey mavi, "
                       "sıkıştırılabilirlik düzeltmeli eğri eflatun.")},
    {"Picture_CL", QT_TRANSLATE_NOOP("Controls", "CL grafiği"),
     QT_TRANSLATE_NOOP("Controls",
                       "Taşıma katsayısı CL, hücum açısına (derece) karşı; kırmızı daire geçerli "
                       "açıda. Sıkıştırılabilirlik düzeltmeli eğri eflatun.")},
    {"Picture_CM", QT_TRANSLATE_NOOP("Controls", "CM grafiği"),
     QT_TRANSLATE_NOOP("Controls",
                       "Referans noktasına göre yunuslama momenti katsayısı CM, hücum açısına "
                       "(derece) karşı; kırmızı daire geçerli açıda. Sıkıştırılabilirlik "
                       "düzeltmeli eğri eflatun.")},
};

// The clear count of a picture when its description was last written.
constexpr const char* kDescribedAt = "airfoil_described_at";

QString number(double x, int decimals) {
  return QString::fromStdString(general_format(round_half_even(x, decimals)));
}

QString box_text(const TextBox& box) { return QString::fromStdString(box.Text); }

// What a drawn picture shows now, in numbers. The coefficient texts are the
// ones the boxes show; a compressibility correction is named only when the
// last reading of the Mach number drew one.
QString numbers_of(SurfaceId id, const Window& w) {
  const QString alfa = number(w.AlfaD, 4);
  const QString thickness = number(w.Thickness, 4);
  const QString camber = number(w.Camber, 4);
  const QString points = number(w.nP, 0);
  const bool corrected = w.Beta > 0 && w.Beta < 1;
  switch (id) {
    case SurfaceId::daire:
      return translated("Kalınlık %1, kamburluk %2 için daire: merkez (%3, %4).")
          .arg(thickness, camber, number(-w.Eps, 4), number(w.Delta, 4));
    case SurfaceId::profil:
      return translated("Kalınlık %1, kamburluk %2 (veter oranı), %3 yüzey noktası.")
          .arg(thickness, camber, points);
    case SurfaceId::pressure:
      return translated("Hücum açısı %1 derecede 1-Cp, %2 yüzey noktası.").arg(alfa, points);
    case SurfaceId::Picture_CL: {
      QString text = translated("CL %1, hücum açısı %2 derece").arg(box_text(w.Text_CL), alfa);
      if (corrected) text += translated("; düzeltilmiş CL %1").arg(number(w.CL / w.Beta, 4));
      return text;
    }
    case SurfaceId::Picture_CM:
      return translated("CM %1, x/c %2 noktasına göre, hücum açısı %3 derece")
          .arg(box_text(w.Text1), number(w.xM, 4), alfa);
  }
  return {};
}

}  // namespace

void apply_control_texts(Form1Window& window) {
  for (const ControlText& entry : kControls) {
    auto* control = window.findChild<QWidget*>(QString::fromUtf8(entry.object));
    if (control == nullptr) continue;
    control->setAccessibleName(translated(entry.name));
    const QString description = with_user_decimal_point(translated(entry.description));
    control->setAccessibleDescription(description);
    control->setToolTip(description);
  }
  for (std::size_t i = 0; i < std::size(kPictures); ++i) {
    PictureBox* picture = window.picture(static_cast<SurfaceId>(i));
    picture->setAccessibleName(translated(kPictures[i].name));
  }
  describe_pictures(window);
}

void describe_pictures(Form1Window& window) {
  const Window& w = window.form().w;
  for (std::size_t i = 0; i < std::size(kPictures); ++i) {
    const auto id = static_cast<SurfaceId>(i);
    PictureBox* picture = window.picture(id);
    const QString meaning = translated(kPictures[i].description);
    // Until a procedure has drawn on it, a picture shows only its background
    // and annotations: say what brings it to life.
    if (picture->clear_count() == 0) {
      const QString empty = translated(
          "Henüz çizilmedi: tıklayınca (ya da Boşluk veya Enter) her şey "
          "hesaplanır ve çizilir.");
      picture->setAccessibleDescription(empty + QLatin1Char(' ') + meaning);
      picture->setToolTip(empty);
      picture->setProperty(kDescribedAt, 0);
      continue;
    }
    // A picture the last cycle did not redraw still shows the numbers it was
    // drawn with; its description stays with them.
    const int drawn = picture->clear_count();
    if (picture->property(kDescribedAt).toInt() == drawn) continue;
    picture->setProperty(kDescribedAt, drawn);
    const QString now = with_user_decimal_point(numbers_of(id, w));
    picture->setAccessibleDescription(now + QLatin1Char(' ') + meaning);
    picture->setToolTip(meaning + QLatin1Char('\n') + now);
  }
}

}  // namespace airfoil
