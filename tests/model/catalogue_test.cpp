#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "model/catalogue.h"
#include "model/window.h"
#include "tests/model/model_support.h"

namespace airfoil::testing {
namespace {

// The start-up message for a file that is there but could not be read whole;
// it names the file as it was given.
std::vector<std::string> unreadable(const std::string& path, const std::string& rest) {
  return {path + " dosyası okunamadı: " + rest};
}

// Start-up from a catalogue file with the given content.
struct Loaded {
  explicit Loaded(const std::string& content) : file(content) {
    w.messages = &messages;
    w.catalogue_path = file.path();
    Form_Load(w);
  }
  TempCatalogue file;
  RecordedMessages messages;
  Window w;
  bool finds(double thickness, double camber) const {
    return catalogue_row(w, thickness, camber).has_value();
  }
  std::vector<std::string> unreadable(const std::string& rest) const {
    return testing::unreadable(file.path(), rest);
  }
};

const std::string kTwoRows =
    "Generating circles for thickness and camber ratios\n"
    "2\n"
    "0.12,0.02,0.1,0.05,0.3\n"
    "0.1,0,0.08,0,0.3\n";

TEST(FormLoad, ReadsEveryFieldOfAWellFormedFile) {
  Loaded l(kTwoRows);
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_EQ(l.w.pi, std::atan(1.0) * 4);
  EXPECT_EQ(l.w.BetaTE, 0);
  EXPECT_EQ(l.w.nCatalog, 2);
  EXPECT_EQ(l.w.TabThickness(1), 0.12);
  EXPECT_EQ(l.w.TabCamber(1), 0.02);
  EXPECT_EQ(l.w.TabEps(1), 0.1);
  EXPECT_EQ(l.w.TabDelta(1), 0.05);
  EXPECT_EQ(l.w.TabCol5(1), 0.3);
  EXPECT_EQ(l.w.TabThickness(2), 10 / 100.0);
  EXPECT_EQ(l.w.TabEps(2), 0.08);
  EXPECT_EQ(l.w.TabEps(3), 0);
}

TEST(FormLoad, MissingFileGivesTheMessageAndAnEmptyCatalogue) {
  RecordedMessages messages;
  Window w;
  w.messages = &messages;
  w.catalogue_path = "no-such-directory/KATPE-D20G15.txt";
  Form_Load(w);
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{"no-such-directory/KATPE-D20G15.txt dosyası bulunamadı"});
  EXPECT_EQ(w.pi, std::atan(1.0) * 4);
  EXPECT_EQ(w.nCatalog, 0);
  profil_hesapla(w);
  EXPECT_EQ(messages.shown.back(), kProfileNotInCatalogue);
  EXPECT_EQ(w.Chord, 0);
  EXPECT_EQ(w.nSeg, 0);
}

// The same content written with other separators and layouts reads the same.
class FieldLayouts : public ::testing::TestWithParam<const char*> {};

TEST_P(FieldLayouts, ReadTheSameCatalogue) {
  Loaded l(GetParam());
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_EQ(l.w.nCatalog, 2);
  EXPECT_TRUE(l.finds(0.12, 0.02));
  EXPECT_EQ(l.w.TabEps(1), 0.1);
  EXPECT_EQ(l.w.TabDelta(1), 0.05);
  EXPECT_EQ(l.w.TabCol5(1), 0.3);
  EXPECT_TRUE(l.finds(0.1, 0));
  EXPECT_EQ(l.w.TabEps(2), 0.08);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FieldLayouts,
    ::testing::Values("\"Circles, for thickness, camber\"\n2\n0.12,0.02,0.1,0.05,0.3\n0.1,0,0.08,0,0.3\n",
                      "label\r\n2\r\n0.12,0.02,0.1,0.05,0.3\r\n0.1,0,0.08,0,0.3\r\n",
                      "label\r2\r0.12,0.02,0.1,0.05,0.3\r0.1,0,0.08,0,0.3",
                      "label\n 2\n  0.12,\t0.02 , 0.1,0.05,0.3\n\t.1,0.00,8e-2,0,.3\n",
                      "label\n\n2\n\n0.12,0.02,0.1,0.05,0.3\n0.1,,0.08,,\n",
                      "label\n2\n\"0.12\",0.02 ,1e-1,5E-2,+0.3\n0.10,-0,0.080,0e5,3e-1\n",
                      "label,2,0.12,0.02,0.1,0.05,0.3,0.1,0,0.08,0,0.3"));

// The message's count is the lookup's: a row cut short, and the rows
// announced but never read, are not found (they would give Eps = Delta = 0,
// a flat plate under another row's name).
TEST(FormLoad, FewerRowsThanAnnouncedKeepsOnlyTheRowsReadWhole) {
  Loaded l("label\n4\n0.12,0.02,0.1,0.05,0.3\n0.01,0.08,0.08\n");
  EXPECT_EQ(l.messages.shown, l.unreadable("dosya 4. satırda, beş değerin yalnızca üçü okunmuşken bitiyor. "
                                           "Dosyanın başındaki 1 profil kullanılabilir."));
  EXPECT_EQ(l.w.nCatalog, 1);
  EXPECT_TRUE(l.finds(0.12, 0.02));
  EXPECT_FALSE(l.finds(0.01, 0.08));
  EXPECT_FALSE(l.finds(0, 0));
  EXPECT_EQ(l.w.TabEps(2), 0);
  l.w.HScroll_Thickness.Value = 1;
  l.w.HScroll_Camber.Value = 8;
  profil_hesapla(l.w);
  EXPECT_EQ(l.messages.shown.back(), kProfileNotInCatalogue);
  EXPECT_EQ(l.w.Chord, 0);
}

TEST(FormLoad, MoreThan500RowsFailsAtRow501AndTheLookupStopsAt500) {
  std::string content = "label\n600\n";
  for (int k = 1; k <= 600; ++k) content += std::to_string(k) + ",0,0.1,0.05," + std::to_string(k) + "\n";
  Loaded l(content);
  EXPECT_EQ(l.messages.shown,
            l.unreadable("dosya 600 profil bildiriyor, ama katalog en çok 500 profil alabilir; 501. "
                         "profil ve sonrası okunmadı. Dosyanın başındaki 500 profil kullanılabilir."));
  EXPECT_EQ(l.w.nCatalog, 500);
  EXPECT_EQ(l.w.TabCol5(500), 500);
  EXPECT_TRUE(l.finds(500, 0));
  // A miss searches all 500 rows and must not step past the arrays' end.
  EXPECT_FALSE(l.finds(0.5, 0));
  EXPECT_NO_THROW(profil_hesapla(l.w));
  EXPECT_EQ(l.messages.shown.back(), kProfileNotInCatalogue);
}

TEST(Lookup, FirstOfTwoEqualKeysWins) {
  Loaded l("label\n3\n0.1,0,0.08,0,1\n0.12,0.02,0.1,0.05,2\n0.12,0.02,0.2,0.1,3\n");
  EXPECT_EQ(*catalogue_row(l.w, 0.12, 0.02), 2);
}

TEST(Lookup, PercentageKeysNeverMatch) {
  Loaded l("label\n1\n12,2,0.1,0.05,0\n");
  EXPECT_FALSE(l.finds(0.12, 0.02));
  EXPECT_TRUE(l.finds(12, 2));
}

TEST(Lookup, KeysMatchExactlyNotApproximately) {
  Loaded l("label\n1\n0.120000000000001,0.02,0.1,0.05,0\n");
  EXPECT_FALSE(l.finds(0.12, 0.02));
}

// A field that is not a number stops the reading where it stands.
class BadNumberField : public ::testing::TestWithParam<const char*> {};

TEST_P(BadNumberField, FailsWithTheMessageKeepingEarlierFields) {
  Loaded l(std::string("label\n3\n0.12,0.02,0.1,0.05,0\n0.1,0,") + GetParam() + ",0,0\n0.2,0,0.1,0,0\n");
  EXPECT_EQ(l.messages.shown, l.unreadable("4. satırdaki Eps değeri bir sayı değil. Dosyanın başındaki "
                                           "1 profil kullanılabilir."));
  EXPECT_TRUE(l.finds(0.12, 0.02));
  EXPECT_EQ(l.w.nCatalog, 1);
  EXPECT_FALSE(l.finds(0.1, 0));  // its keys were read, its circle was not
  EXPECT_EQ(l.w.TabThickness(2), 0);
  EXPECT_FALSE(l.finds(0.2, 0));
}

INSTANTIATE_TEST_SUITE_P(Fields, BadNumberField,
                         ::testing::Values("nan", "inf", "-infinity", "0x10", "&H10", "1.2.3", "12abc", "1 2",
                                           "e5", ".", "\"abc\"", "0.08 e"));

TEST(FormLoad, NonNumericCountIsAnEmptyCatalogue) {
  Loaded l("label\nmany\n0.12,0.02,0.1,0.05,0\n");
  EXPECT_EQ(l.messages.shown, l.unreadable("2. satırdaki profil sayısı bir sayı değil. Katalogda "
                                           "kullanılabilir profil yok."));
  EXPECT_EQ(l.w.nCatalog, 0);
  EXPECT_FALSE(l.finds(0.12, 0.02));
  EXPECT_FALSE(l.finds(0, 0));
}

TEST(FormLoad, EmptyFileFailsBeforeTheCount) {
  Loaded l("");
  EXPECT_EQ(l.messages.shown, l.unreadable("dosya boş. Katalogda kullanılabilir profil yok."));
  EXPECT_EQ(l.w.nCatalog, 0);
}

TEST(FormLoad, AnEmptyFirstLineIsTheLabel) {
  Loaded l("\n2\n0.12,0.02,0.1,0.05,0.3\n0.1,0,0.08,0,0.3\n");
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_EQ(l.w.nCatalog, 2);
  EXPECT_TRUE(l.finds(0.1, 0));
}

// Every way a file that is there can fail to be read names its line and its
// reason, and says how much of the catalogue is still there.
struct Unreadable {
  std::string content;
  const char* message;
};

class UnreadableFile : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableFile, SaysWhereAndWhy) {
  Loaded l(GetParam().content);
  EXPECT_EQ(l.messages.shown, l.unreadable(GetParam().message));
  EXPECT_FALSE(l.finds(0.2, 0));  // the row after the trouble is never read
  EXPECT_FALSE(l.finds(0.1, 0));  // nor the row in trouble
}

const std::string kRow1 = "label\n3\n0.12,0.02,0.1,0.05,0.3\n";

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFile,
    ::testing::Values(
        // One row per line: a value too few or too many would shift every
        // later row by a column.
        Unreadable{kRow1 + "0.1,0,0.08,0\n0.2,0,0.1,0,0\n",
                   "4. satırda beş yerine dört değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        // A file saved on Windows: a CR before each line end is no line of
        // its own, and the message still names the line at fault.
        Unreadable{"label\r\n3\r\n0.12,0.02,0.1,0.05,0.3\r\n0.1,0,0.08,0\r\n0.2,0,0.1,0,0\r\n",
                   "4. satırda beş yerine dört değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0,0.08,0,0.3,0.5\n0.2,0,0.1,0,0\n",
                   "4. satırda beşten fazla değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0,0.08,0,0.3,,\n0.2,0,0.1,0,0\n",
                   "4. satırda beşten fazla değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0,1e999,0,0\n0.2,0,0.1,0,0\n",
                   "4. satırdaki Eps değeri çok büyük. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{kRow1 + "0.1,0," + std::string(1001, '1') + ",0,0\n0.2,0,0.1,0,0\n",
                   "4. satırdaki Eps değeri 1000 karakterden uzun. Dosyanın başındaki 1 profil "
                   "kullanılabilir."},
        Unreadable{kRow1 + std::string(5000, '\n') + "0.2,0,0.1,0,0\n",
                   "4. satırdan itibaren çok fazla boşluk ya da boş satır var. Dosyanın başındaki 1 "
                   "profil kullanılabilir."},
        Unreadable{std::string(5000, 'x') + "\n1\n0.2,0,0.1,0,0\n",
                   "1. satırdaki başlık 4096 karakterden uzun. Katalogda kullanılabilir profil yok."},
        // A comma ends a field, so a row that ends in one has an empty value
        // after it: five with the last one empty, six with a sixth empty.
        Unreadable{kRow1 + "0.1,0,0.08,\n0.2,0,0.1,0,0\n",
                   "4. satırda beş yerine dört değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{"label\n1\n0.1,0,0.08,0,0.3,\n",
                   "3. satırda beşten fazla değer var. Katalogda kullanılabilir profil yok."},
        // The count: one whole number of at least 1, alone on its line when
        // the label is alone on its own.
        Unreadable{"label\n-5\n0.1,0,0.08,0,0.3\n",
                   "2. satırdaki profil sayısı -5; 1 ile 500 arasında bir tam sayı olmalı. Katalogda "
                   "kullanılabilir profil yok."},
        Unreadable{"label\r\n0\r\n",
                   "2. satırdaki profil sayısı 0; 1 ile 500 arasında bir tam sayı olmalı. "
                   "Katalogda kullanılabilir profil yok."},
        Unreadable{"label\n2.5\n0.1,0,0.08,0,0.3\n0.2,0,0.1,0,0\n",
                   "2. satırdaki profil sayısı 2.5; 1 ile 500 arasında bir tam sayı olmalı. Katalogda "
                   "kullanılabilir profil yok."},
        Unreadable{"label\n,1\n0.1,0,0.08,0,0.3\n",
                   "2. satırdaki profil sayısı boş. Katalogda kullanılabilir profil yok."},
        Unreadable{
            "label\n2,0\n0.1,0,0.08,0,0.3\n0.2,0,0.1,0,0\n",
            "2. satırda profil sayısından sonra başka değer var. Katalogda kullanılabilir profil yok."},
        Unreadable{"2\n0.1,0,0.08,0,0.3\n0.2,0,0.1,0,0\n",
                   "dosyanın başlık satırı yok: 1. satırda başlık yerine profil sayısı var. Katalogda "
                   "kullanılabilir profil yok."},
        // A label with a comma outside quotes: the message points at line 1.
        Unreadable{
            "Circles, thickness 10 %\n1\n0.1,0,0.08,0,0.3\n",
            "1. satırdaki profil sayısı bir sayı değil (1. satırda başlıktan sonra başka değer de var; "
            "başlıkta virgül varsa başlık tırnak içinde yazılmalı). Katalogda kullanılabilir profil yok."},
        // Line ends of every kind count once.
        Unreadable{"label\r\n3\r\n0.12,0.02,0.1,0.05,0.3\r\n\r\n0.1,0,x,0,0\r\n",
                   "5. satırdaki Eps değeri bir sayı değil. Dosyanın başındaki 1 profil kullanılabilir."},
        Unreadable{"label\r3\r0.12,0.02,0.1,0.05,0.3\r0.1,0,0.08\r0.2,0,0.1,0,0\r",
                   "4. satırda beş yerine üç değer var. Dosyanın başındaki 1 profil kullanılabilir."},
        // Another encoding is refused by name; a UTF-8 byte order mark is not
        // part of the label.
        Unreadable{std::string("\xFF\xFEl\0a\0b\0\n\0", 10),
                   "dosya UTF-16 ile kaydedilmiş; katalog UTF-8 ya da ASCII metni olmalı. "
                   "Katalogda kullanılabilir profil yok."},
        Unreadable{
            std::string("l\0a\0b\0\n\0", 8),
            "1. satırda sıfır baytı var: dosya UTF-16 ile kaydedilmiş olabilir; katalog UTF-8 ya da ASCII "
            "metni olmalı. Katalogda kullanılabilir profil yok."},
        Unreadable{"\xEF\xBB\xBF\"Circles, thickness\"\n2\n0.12,0.02,0.1,0.05,0.3\n0.1,0,x,0,0\n",
                   "4. satırdaki Eps değeri bir sayı değil. Dosyanın başındaki 1 profil kullanılabilir."}));

TEST(FormLoad, ANumberOfAThousandCharactersIsStillRead) {
  Loaded l("label\n1\n0.12,0.02,0." + std::string(998, '1') + ",0.05,0\n");
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_NEAR(l.w.TabEps(1), 0.1111, 1e-4);
}

// A file whose first line holds more than the label is read by field order.
TEST(FormLoad, RowsNotStartingALineAreReadInFieldOrder) {
  Loaded l("label,2,0.12,0.02,0.1,0.05,0.3,0.1,0\n0.08,0,0.3\n");
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_EQ(l.w.TabEps(2), 0.08);
}

// Each kind of name that is no plain file is refused by what it is, and a
// pipe without a writer does not block.
TEST(FormLoad, OnlyARegularFileIsRead) {
  TempCatalogue file("");
  const std::filesystem::path dir = std::filesystem::path(file.path()).parent_path();
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir / "nothing", dir / "dangling");
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  const std::pair<std::string, const char*> names[] = {
      {dir.string(), "bu ad bir klasörün adı"},
      {(dir / "pipe").string(), "bu ad bir borunun (FIFO) adı"},
      {"/dev/zero", "bu ad bir aygıtın adı"},
      {(dir / "dangling").string(), "bu ad var olmayan bir dosyayı gösteren bir bağlantı"},
      {(dir / "loop").string(), "bu ad kendi üzerine dönen bir bağlantı zinciri"}};
  for (const auto& [path, why] : names) {
    RecordedMessages messages;
    Window w;
    w.messages = &messages;
    w.catalogue_path = path;
    Form_Load(w);
    EXPECT_EQ(messages.shown, unreadable(path, std::string(why) + ". Katalogda kullanılabilir profil yok."));
  }
}

}  // namespace
}  // namespace airfoil::testing
