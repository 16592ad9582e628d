#include "ui/picture_texts.h"

#include "model/numtext.h"

namespace airfoil {

// Numbers in these texts are written with a point, whatever the language, as
// the boxes show them.
const std::array<ControlText, 13> kControlTexts{{
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
         "basılmazsa sayı bir sonraki hesapta okunur. Prandtl-Glauert düzeltmesi kesitin kritik Mach "
         "sayısının altında geçerlidir (F3).")},
    {"Text_CL", QT_TRANSLATE_NOOP("Controls", "Taşıma katsayısı CL"),
     QT_TRANSLATE_NOOP("Controls",
                       "Geçerli hücum açısındaki taşıma katsayısı, sıkıştırılamaz akış için, dört "
                       "ondalık basamağa yuvarlanmış.")},
    {"Text1", QT_TRANSLATE_NOOP("Controls", "Yunuslama momenti katsayısı CM"),
     QT_TRANSLATE_NOOP("Controls",
                       "Referans noktasına göre yunuslama momenti katsayısı (burun yukarı "
                       "pozitif), geçerli hücum açısında, sıkıştırılamaz akış için, beş ondalık "
                       "basamağa yuvarlanmış.")},
}};

// The pictures, in the order of SurfaceId: name, and what the picture shows
// with its axes and colours.
const std::array<ControlText, 5> kPictureTexts{{
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
}};

namespace {

Phrase number(double x, int decimals) { return literal(general_format(round_half_even(x, decimals))); }

}  // namespace

// The coefficient texts are the ones the boxes showed when the chart was
// drawn; a compressibility correction is named only when the chart drew one.
Phrase picture_numbers(SurfaceId id, const DrawnCase& drawn) {
  const DrawnCase& c = drawn;
  const Phrase alfa = number(c.AlfaD, 4);
  const Phrase thickness = number(c.Thickness, 4);
  const Phrase camber = number(c.Camber, 4);
  const Phrase points = number(c.nP, 0);
  switch (id) {
    case SurfaceId::daire:
      return {QT_TRANSLATE_NOOP("Controls", "Kalınlık %1, kamburluk %2 için daire: merkez (%3, %4)."),
              {thickness, camber, number(-c.Eps, 4), number(c.Delta, 4)}};
    case SurfaceId::profil:
      return {QT_TRANSLATE_NOOP("Controls", "Kalınlık %1, kamburluk %2 (veter oranı), %3 yüzey noktası."),
              {thickness, camber, points}};
    case SurfaceId::pressure:
      return {QT_TRANSLATE_NOOP("Controls", "Hücum açısı %1 derecede 1-Cp, %2 yüzey noktası."),
              {alfa, points}};
    case SurfaceId::Picture_CL: {
      Phrase lift(QT_TRANSLATE_NOOP("Controls", "CL %1, hücum açısı %2 derece"), {literal(c.CL), alfa});
      if (!c.CLcorrected) return lift;
      return {"%1%2",
              {lift, {QT_TRANSLATE_NOOP("Controls", "; düzeltilmiş CL %1"), {number(*c.CLcorrected, 4)}}}};
    }
    case SurfaceId::Picture_CM:
      return {QT_TRANSLATE_NOOP("Controls", "CM %1, x/c %2 noktasına göre, hücum açısı %3 derece"),
              {literal(c.CM), number(c.xM, 4), alfa}};
  }
  return {};
}

}  // namespace airfoil
