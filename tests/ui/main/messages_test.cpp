// The composed messages (a catalogue that cannot be read, a catalogue row that
// gives no section) in both languages: the Turkish text as the program has
// always shown it, and an English text with every part filled in.
#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "model/phrase.h"
#include "model/window.h"
#include "support/temp_catalogue.h"
#include "ui/catalogue_search.h"
#include "ui/qt/app/language.h"
#include "ui/qt/main/message_boxes.h"

namespace airfoil::testing {
namespace {

// Keeps the phrases themselves, as the window's message boxes receive them.
struct PhraseMessages : MessageSink {
  void show(const std::string& text) override { phrases.emplace_back(text); }
  void fault(const std::string& text) override { phrases.emplace_back(text); }
  void show_phrase(const Phrase& phrase) override { phrases.push_back(phrase); }
  std::vector<Phrase> phrases;
};

// Every part that is not a number text has an English translation of its own.
void expect_translated(const Phrase& phrase) {
  if (phrase.literal) return;
  EXPECT_NE(QCoreApplication::translate("Messages", phrase.source.c_str()).toStdString(), phrase.source)
      << phrase.source;
  for (const Phrase& part : phrase.args) expect_translated(part);
}

// The message in English reads as English: no Turkish letter, no part left out.
void expect_english(const Phrase& phrase) {
  set_language(Language::english);
  const QString english = translated(phrase);
  EXPECT_FALSE(english.contains(QRegularExpression("[çğıİöşüÇĞÖŞÜ]"))) << english.toStdString();
  EXPECT_FALSE(english.contains(QRegularExpression("%[0-9]"))) << english.toStdString();
  expect_translated(phrase);
  set_language(Language::turkish);
  EXPECT_EQ(translated(phrase).toStdString(), turkish(phrase));
}

struct Unreadable {
  std::string content;
  bool folder;  // the catalogue's name is a folder's
  const char* turkish;
};
void PrintTo(const Unreadable& file, std::ostream* out) { *out << file.turkish; }

class UnreadableCatalogue : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableCatalogue, IsOnePhraseInTurkishAndInEnglish) {
  TempCatalogue file(GetParam().content);
  PhraseMessages messages;
  Window w;
  w.messages = &messages;
  w.catalogue_path =
      GetParam().folder ? std::filesystem::path(file.path()).parent_path().string() : file.path();
  Form_Load(w);
  ASSERT_EQ(messages.phrases.size(), 1u);
  EXPECT_EQ(turkish(messages.phrases[0]), w.catalogue_path + " dosyası okunamadı: " + GetParam().turkish);
  expect_english(messages.phrases[0]);
}

const std::string kRow1 = "label\n3\n0.12,0.02,0.1,0.05,0.3\n";
std::string rows(int n) {
  std::string text;
  for (int k = 0; k < n; ++k) text += "0.1,0,0.08,0,0.3\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    EveryReason, UnreadableCatalogue,
    ::testing::Values(
        Unreadable{kRow1 + "0.1,0,0.08,0\n0.2,0,0.1,0,0\n", false,
                   "4. satırda beş yerine dört değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1\n0.2,0,0.1,0,0\n", false,
                   "4. satırda beş yerine bir değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{"label\n2\n0.12,0.02,0.1", false,
                   "dosya 3. satırda, beş değerin yalnızca üçü okunmuşken bitiyor. Katalogda "
                   "kullanılabilir profil yok."},
        Unreadable{kRow1 + "0.1,0,0.08,0,0.3,0.5\n", false,
                   "4. satırda beşten fazla değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0,x,0,0\n", false,
                   "4. satırdaki Eps değeri bir sayı değil. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,1e999,0,0,0\n", false,
                   "4. satırdaki kamburluk oranı çok büyük. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0,0,0," + std::string(1001, '1') + "\n", false,
                   "4. satırdaki beşinci değer 1000 karakterden uzun. Dosyanın başındaki 1 profil "
                   "kullanılabilir."},
        Unreadable{"label\nabc\n", false,
                   "2. satırdaki profil sayısı bir sayı değil. Katalogda kullanılabilir profil yok."},
        Unreadable{"label\n", false,
                   "dosyada başlıktan sonra profil sayısı yok. Katalogda kullanılabilir profil yok."},
        Unreadable{kRow1, false,
                   "dosya 3 profil bildiriyor, ama yalnızca 1 profil içeriyor. Dosyanın başındaki 1 "
                   "profil kullanılabilir."},
        Unreadable{"label\n501\n" + rows(501), false,
                   "dosya 501 profil bildiriyor, ama katalog en çok 500 profil alabilir; 501. profil ve "
                   "sonrası okunmadı. Dosyanın başındaki 500 profil kullanılabilir."},
        Unreadable{kRow1 + std::string(5000, '\n'), false,
                   "4. satırdan itibaren çok fazla boşluk ya da boş satır var. Dosyanın başındaki 1 "
                   "profil kullanılabilir."},
        Unreadable{std::string(5000, 'x') + "\n", false,
                   "1. satırdaki başlık 4096 karakterden uzun. Katalogda kullanılabilir profil yok."},
        Unreadable{"", false, "dosya boş. Katalogda kullanılabilir profil yok."},
        Unreadable{"", true, "bu ad bir klasörün adı. Katalogda kullanılabilir profil yok."}));

// The reasons for refusing a count, a label or an encoding have their English.
TEST(UnreadableCatalogue, EveryReasonOfTheCountLabelAndEncodingReadsInEnglish) {
  for (const std::string& content :
       {std::string("label\n"), std::string("label\n0.5\n"), std::string("label\n1,0\n"),
        std::string("1\n0,0,0,0,0\n"), std::string("a, b\n1\n"), std::string("\xFE\xFF"),
        std::string("l\0a\0", 4)}) {
    TempCatalogue file(content);
    PhraseMessages messages;
    Window w;
    w.messages = &messages;
    w.catalogue_path = file.path();
    Form_Load(w);
    ASSERT_EQ(messages.phrases.size(), 1u) << content;
    expect_english(messages.phrases[0]);
  }
}

// The notice that the working folder's entry was passed over for another
// copy, and a file named on the command line that is not there.
TEST(CatalogueNotices, AreOnePhraseInTurkishAndInEnglish) {
  TempCatalogue file("label\n1\n0.12,0.02,0.1,0.05,0\n");
  const std::filesystem::path dir = std::filesystem::path(file.path()).parent_path();
  std::filesystem::create_directories(dir / "work");
  std::filesystem::create_symlink(dir / "nothing", dir / "work" / kCatalogueFileName);
  const CatalogueSource source =
      choose_catalogue({dir / "work", dir / "bin", "..", dir / "build", dir / "data"});
  for (const std::string& path : {source.path, (dir / "other.txt").string()}) {
    PhraseMessages messages;
    Window w;
    w.messages = &messages;
    w.catalogue_path = path;
    w.catalogue_passed_over = source.passed_over;
    Form_Load(w);
    ASSERT_EQ(messages.phrases.size(), path == source.path ? 1u : 2u);
    for (const Phrase& phrase : messages.phrases) expect_english(phrase);
    if (path != source.path) {
      EXPECT_EQ(turkish(messages.phrases[1]), path + " dosyası bulunamadı");
    }
  }
}

TEST(RefusedCatalogueRow, IsOnePhraseInTurkishAndInEnglish) {
  Window w;
  w.catalogue_path = "no-such-directory/KATPE-D20G15.txt";
  Form_Load(w);
  w.nCatalog = 1;
  w.TabThickness(1) = 0.03;
  w.TabEps(1) = -0.6;
  w.HScroll_Thickness.Value = 3;
  try {
    profil_hesapla(w);
    FAIL() << "a circle that does not enclose the origin gave a section";
  } catch (const Fault& fault) {
    EXPECT_EQ(turkish(fault.shown()),
              "Katalogdaki 1. profilin (kalınlık 0.03, kamburluk 0) çemberi, Eps = -0.6 ve Delta = 0 ile "
              "bir profil vermiyor. Ekrandaki önceki profil ve sonuçları geçerli kalıyor.");
    expect_english(fault.shown());
    set_language(Language::english);
    EXPECT_EQ(translated(fault.shown()).toStdString(),
              "The circle of catalogue section 1 (thickness 0.03, camber 0), with Eps = -0.6 and Delta = 0, "
              "gives no section. The previous section and its results on the screen remain valid.");
    set_language(Language::turkish);
  }
}

}  // namespace
}  // namespace airfoil::testing
