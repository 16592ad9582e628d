#include "ui/help_content.h"

#include "charts/picture_svg.h"
#include "ui/key_table.h"
#include "ui/translatable.h"

namespace airfoil {

const std::vector<HelpSection>& help_sections() {
  static const std::vector<HelpSection> sections = {
      {QT_TRANSLATE_NOOP("HelpWindow", "Başlarken"),
       {QT_TRANSLATE_NOOP("HelpWindow",
                          "Program açıldığında beş resim boştur. Herhangi bir resme tıklayın ya da "
                          "odak bir resimdeyken Boşluk veya Enter tuşuna basın: kesit, akış ve iki "
                          "katsayı o anki ayarlarla hesaplanır ve beş resmin hepsi çizilir.")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Resimler"),
       {QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>Daire düzlemi</b> (sol üstte): kesiti üreten daire, merkezi (siyah "
                          "artı) ve eksenler. z = ζ + 1/ζ dönüşümü bu daireyi profile çevirir: "
                          "kırmızı çizilen yay alt yüzeye, mavi çizilen yay üst yüzeye dönüşür."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>Profil</b> (ortada üstte): kesitin dış çizgisi, veterle ölçeklenmiş "
                          "bir ızgara üzerinde. Yatay eksen x/c (hücum kenarında 0, firar "
                          "kenarında 1), dikey eksen y/c; alt yüzey kırmızı, üst yüzey mavi. "
                          "Moment referans noktası kaydırıldığında veter üzerindeki küçük kırmızı "
                          "daire o noktayı gösterir."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>Basınç dağılımı</b> (ortada altta): yüzeydeki 1 - Cp, x/c'ye karşı; "
                          "emme tepeleri yukarı doğru yükselir. Alt yüzey kırmızı, üst yüzey "
                          "mavi; Moo sıfırdan farklıysa sıkıştırılabilirlik için düzeltilmiş "
                          "eğri eflatun."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>CL grafiği</b> (sağ üstte): taşıma katsayısı CL, -12° ile 12° "
                          "arasındaki hücum açısına (α) karşı, mavi; kırmızı daire geçerli açıdaki "
                          "değeri gösterir. Moo sıfırdan farklıysa düzeltilmiş eğri ve değer "
                          "eflatun."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>CM grafiği</b> (sağ altta): seçilen referans noktasına göre "
                          "yunuslama momenti katsayısı CM (burun yukarı pozitif), hücum açısına "
                          "karşı; renkler CL grafiğindeki gibidir."),
        QT_TRANSLATE_NOOP("HelpWindow", "Izgara çizgileri yeşil, eksenler siyahtır.")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Ayarlar"),
       {QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>δ</b>: kalınlık, veterin yüzdesi (0 ile 30 arası). <b>γ</b>: "
                          "kamburluk, veterin yüzdesi (0 ile 15 arası). Bu ikisinden biri "
                          "değişince her şey yeniden hesaplanır ve çizilir."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>nP</b>: yüzeydeki hesap noktalarının sayısı (11 ile 101 arası). "
                          "Daire, profil ve basınç resimleri yeniden çizilir; katsayılar nokta "
                          "sayısına bağlı olmadığından iki grafik olduğu gibi kalır."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>α</b>: hücum açısı, derece (-10 ile 10 arası). Basınç dağılımı ve "
                          "iki grafik yeniden çizilir; kesit değişmez."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>xM/c</b>: moment referans noktası, veterin yüzdesi (0 ile 100 "
                          "arası). CM grafiği ve profil yeniden çizilir, nokta profilde "
                          "işaretlenir."),
        QT_TRANSLATE_NOOP(
            "HelpWindow",
            "<b>Moo</b>: serbest akım Mach sayısı; ondalık ayırıcı olarak nokta da virgül de "
            "yazılabilir (örneğin 0.5 ya da 0,5). Yazılan sayı kendiliğinden uygulanmaz: Enter tuşu "
            "her şeyi bu sayıyla yeniden hesaplar ve çizer. Enter'a basılmazsa sayı, basınç "
            "dağılımını ya da bir katsayı grafiğini yeniden çizen bir sonraki hesapta okunur. -1 ile "
            "1 arasında olmayan bir sayı için uyarı verilir ve düzeltme çizilmez."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "<b>CL =</b> ve <b>CM =</b> kutuları, geçerli hücum açısındaki "
                          "sıkıştırılamaz akış katsayılarını gösterir (CL dört, CM beş ondalık "
                          "basamağa yuvarlanır).")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Klavye"), {}, true},
      {QT_TRANSLATE_NOOP("HelpWindow", "Varsayımlar"),
       {QT_TRANSLATE_NOOP(
            "HelpWindow",
            "Akış viskozitesiz ve sıkıştırılamaz kabul edilir. Sirkülasyonu firar kenarı (Kutta) "
            "koşulu belirler: akış sivri firar kenarından düzgünce ayrılır. Bu koşul yalnızca "
            "sirkülasyonu seçer; tutunma kaybının (stall) olmaması viskozitenin yokluğundandır: sınır "
            "tabakası olmadığından akış hiçbir açıda yüzeyden ayrılmaz ve CL açıyla birlikte artmayı "
            "sürdürür. Gerçek bir kesitte sınır tabakası büyük açılarda ayrılır ve taşıma düşer. "
            "Sürükleme kuvveti de sıfırdır, ama yalnızca sürtünme olmadığı için değil: ayrılma ve iz "
            "olmadığından yüzeydeki basınçların bileşkesi serbest akıma diktir (d'Alembert "
            "paradoksu), iki boyutlu bir kesitte kanat ucu girdabının getirdiği sürükleme de yoktur. "
            "Gerçek bir kesit hem sürtünme hem de basınç (biçim) sürüklemesi taşır."),
        QT_TRANSLATE_NOOP(
            "HelpWindow",
            "Moo sıfırdan farklıysa basınç katsayısı ve iki katsayı, Prandtl-Glauert kuralıyla 1/√(1 "
            "- Moo²) çarpanı kadar büyütülür. Bu doğrusal düzeltme yalnızca ses altı ve yüzeye "
            "yapışık akış için, kritik Mach sayısının altında geçerlidir: düzeltilmiş en düşük "
            "basıncın ses hızındaki Cp* değerine ulaştığı Mach sayısı. Kritik Mach sayısı kalınlığa, "
            "kamburluğa ve hücum açısına bağlıdır (%12 kalın, %4 kamburlu kesitte 2°'de 0.599, 6°'de "
            "0.456). Onun üstünde yüzeyde yerel ses üstü bölgeler ve şok dalgaları oluşur; program "
            "bunu basınç resminin üstünde ve okumalar penceresinde (F3) söyler, basınç grafiğinde de "
            "kesikli Cp* çizgisini gösterir. Kalınlığı sıfır bir kesitin sivri hücum kenarında hız, "
            "0° dışında sınırsızdır."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "Kesitler önceden hesaplanmış bir katalogdan (KATPE-D20G15.txt) alınır. "
                          "Katalogda bulunmayan bir kalınlık ve kamburluk çifti için uyarı "
                          "verilir ve önceki kesit kalır.")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Akış alanı"),
       {QT_TRANSLATE_NOOP(
            "HelpWindow",
            "F2 (ya da daire veya profil resminin sağ tık menüsündeki <b>Akış alanı</b>) akış alanı "
            "penceresini açar: solda kesitin, sağda onu üreten dairenin çevresindeki akış. Bu bir "
            "benzetim değil, programın kuramının verdiği kesin potansiyel akıştır. İnce çizgiler eşit "
            "ψ adımlarındaki akım çizgileridir; kalın siyah çizgi, akışın burunda ikiye ayrıldığı ve "
            "firar kenarından düzgünce ayrıldığı bölen akım çizgisidir (ψ = 0). Beyaz noktalar "
            "dairedeki iki durma noktası ve kesitteki karşılıklarıdır. Kesitte bunlardan yalnızca "
            "burundaki bir durma noktasıdır: dönüşümün türevi de ζ = 1'de sıfır olduğundan akış sivri "
            "firar kenarından durmadan, serbest akım hızının %12 kalınlıktaki bir kesitte yaklaşık "
            "0.9 katıyla (daha kalın kesitlerde biraz daha azıyla) ayrılır. Arkadaki renkler basınç "
            "katsayısı Cp'dir: koyu mor -3 (emme), sarı 1 (durma basıncı); renk ölçeği renk körlüğüne "
            "uygundur."),
        QT_TRANSLATE_NOOP(
            "HelpWindow",
            "Fare bir düzlemin üzerindeyken alttaki satır o noktadaki x/c, y/c, u, v, |V| ve Cp "
            "değerlerini gösterir; noktanın öteki düzlemdeki karşılığı bir halkayla işaretlenir. "
            "Klavyeyle Tab bir düzleme gelir ve ok tuşları halkayla gösterilen bir ölçüm noktasını "
            "gezdirir (Shift ile daha ince adımlarla). Pencere ana pencereyi izler: kalınlık, "
            "kamburluk ya da α değişince yeniden çizilir. Resimler sağ tık menüsünden kopyalanır ya "
            "da PNG, SVG veya PDF olarak kaydedilir; Esc pencereyi kapatır.")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Sınır tabakası"),
       {QT_TRANSLATE_NOOP("HelpWindow",
                          "F4 (ya da profil veya basınç resminin sağ tık menüsündeki <b>Sınır "
                          "tabakası</b>) sınır tabakası penceresini açar. Sınır tabakası, yüzeye "
                          "yakın, viskozitenin akışı yavaşlattığı ince katmandır; sürükleme "
                          "kuvvetinin ve tutunma kaybının (stall) kaynağıdır. Program onu kesitin "
                          "kesin viskozitesiz yüzey hızından, ön durma noktasından firar kenarına "
                          "her iki yüzey için ders kitabındaki yöntemlerle hesaplar: laminer "
                          "bölgede Thwaites yöntemi, geçiş için e^N yöntemi (Ncrit = 9; laminer "
                          "tabaka daha önce ayrılırsa geçiş orada, kısa bir ayrılma kabarcığıyla "
                          "olur), türbülanslı bölgede Head'in sürüklenme yöntemi ve Ludwieg-Tillmann "
                          "sürtünme yasası, sürükleme için firar kenarında Squire-Young formülü."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "Resimler: kesit ve üzerinde yer değiştirme kalınlığı δ* (görünsün diye "
                          "10 kat büyütülmüş; T geçiş, S ayrılma noktası); Cf, duvardaki sürtünme "
                          "gerilmesinin serbest akış dinamik basıncına oranı; H = δ*/θ biçim "
                          "çarpanı (laminerde 2.6 dolayında, türbülanslıda 1.4 dolayında; 2.4'ü "
                          "geçince türbülanslı tabaka ayrılır); polar, −10° ile 10° arasında "
                          "viskozitesiz CL'ye karşı CD, kırmızı nokta şimdiki açı. Mavi üst, kırmızı "
                          "alt yüzeydir. Sağda CD, sürtünme ve basınç payları, geçiş ve ayrılma "
                          "noktaları, L/D görünür; Re kutusuna 1e5 ile 1e8 arası bir değer yazıp "
                          "Enter'a basın (geçersiz yazı eski değeri geri getirir)."),
        QT_TRANSLATE_NOOP("HelpWindow",
                          "Sınırlar: sınır tabakası dış akışı geri etkilemez (viskoz-viskozitesiz "
                          "etkileşim yoktur), bu yüzden CL viskozitesiz kalır ve CD, etkileşimli "
                          "bir çözümden genellikle %10 kadar yüksek çıkar. Sıkıştırılabilirlik "
                          "sınır tabakasına uygulanmaz. Tabaka veterin %95'inden önce ayrılırsa "
                          "pencere uyarır: orada tutunma kaybı başlar ve o açının CL ve CM "
                          "değerlerine güvenilmez.")}},
      {QT_TRANSLATE_NOOP("HelpWindow", "Dil"),
       {QT_TRANSLATE_NOOP("HelpWindow",
                          "Program Türkçe açılır. İngilizce için <tt>--lang en</tt>, Türkçe için "
                          "<tt>--lang tr</tt> ile başlatın; seçim sonraki açılışlarda da "
                          "geçerlidir.")}},
  };
  return sections;
}

namespace {

// A paragraph as rich text: everything escaped, so that a "<" in a formula
// stays a character, and then only the bold and typewriter tags the texts
// use given back their meaning.
std::string paragraph_html(const std::string& text) {
  std::string html = escaped(text);
  for (const std::string tag : {"b", "tt", "/b", "/tt"}) {
    const std::string from = "&lt;" + tag + "&gt;", to = "<" + tag + ">";
    for (std::size_t at = html.find(from); at != std::string::npos; at = html.find(from, at + to.size())) {
      html.replace(at, from.size(), to);
    }
  }
  return html;
}

}  // namespace

std::string help_html(const Translate& translate, const std::string& version) {
  // The version, so that a student can say which program a page describes.
  std::string html = "<h2>PelmoraAirfoil " + escaped(version) + "</h2>";
  for (const HelpSection& section : help_sections()) {
    html += "<h3>" + escaped(translate(kHelpContext, section.heading)) + "</h3>";
    for (const char* paragraph : section.paragraphs) {
      html += "<p>" + paragraph_html(translate(kHelpContext, paragraph)) + "</p>";
    }
    if (!section.key_list) continue;
    html += "<table cellspacing=\"0\" cellpadding=\"3\">";
    for (const KeyEntry& entry : kKeyTable) {
      html += "<tr><td><b>" + escaped(translate(kKeysContext, entry.keys)) + "</b></td><td>" +
              escaped(translate(kKeysContext, entry.meaning)) + "</td></tr>";
    }
    html += "</table>";
  }
  return html;
}

}  // namespace airfoil
