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

// The start-up message for a file that is there but could not be read whole.
std::vector<std::string> unreadable(const std::string& rest) {
  return {std::string(kCatalogueFileUnreadable) + ": " + rest};
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
  EXPECT_EQ(messages.shown, std::vector<std::string>{kCatalogueFileMissing});
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
                      "label\n\n2\n\n0.12,0.02,0.1,0.05,0.3,\n0.1,,0.08,,0.3\n",
                      "label\n2\n\"0.12\",0.02 ,1e-1,5E-2,+0.3\n0.10,-0,0.080,0e5,3e-1\n",
                      "label,2,0.12,0.02,0.1,0.05,0.3,0.1,0,0.08,0,0.3"));

TEST(FormLoad, FewerRowsThanAnnouncedKeepsWhatWasRead) {
  Loaded l("label\n4\n0.12,0.02,0.1,0.05,0.3\n0.1,0,0.08\n");
  EXPECT_EQ(l.messages.shown, unreadable("dosya 4. satırda, beş değerin yalnızca üçü okunmuşken bitiyor. "
                                         "Dosyanın başındaki 1 profil kullanılabilir."));
  EXPECT_EQ(l.w.nCatalog, 4);
  EXPECT_TRUE(l.finds(0.12, 0.02));
  EXPECT_EQ(l.w.TabEps(2), 0.08);  // the part of row 2 before the end stays
  EXPECT_EQ(l.w.TabDelta(2), 0);
  // Rows announced but never read hold 0 and match thickness 0, camber 0:
  // the flat plate.
  EXPECT_EQ(*catalogue_row(l.w, 0, 0), 3);
  profil_hesapla(l.w);
  EXPECT_EQ(l.messages.shown.size(), 1u);
  EXPECT_EQ(l.w.Eps, 0);
  EXPECT_EQ(l.w.Delta, 0);
  EXPECT_EQ(l.w.Chord, 4);
}

TEST(FormLoad, MoreThan500RowsFailsAtRow501AndTheLookupStopsAt500) {
  std::string content = "label\n600\n";
  for (int k = 1; k <= 600; ++k) content += std::to_string(k) + ",0,0.1,0.05," + std::to_string(k) + "\n";
  Loaded l(content);
  EXPECT_EQ(l.messages.shown,
            unreadable("dosya 600 profil bildiriyor, ama katalog en çok 500 profil alabilir; 501. "
                       "profil ve sonrası okunmadı. Dosyanın başındaki 500 profil kullanılabilir."));
  EXPECT_EQ(l.w.nCatalog, 600);
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

// A fractional count reads the rows below it, a negative one none; neither
// is an error.
TEST(FormLoad, CountIsComparedAsANumber) {
  Loaded fractional("label\n1.5\n0.12,0.02,0.1,0.05,0\n");
  EXPECT_TRUE(fractional.messages.shown.empty());
  EXPECT_EQ(fractional.w.nCatalog, 1.5);
  EXPECT_TRUE(fractional.finds(0.12, 0.02));
  Loaded negative("label\n-3\n");
  EXPECT_TRUE(negative.messages.shown.empty());
  EXPECT_FALSE(negative.finds(0, 0));
}

// A field that is not a number stops the reading where it stands.
class BadNumberField : public ::testing::TestWithParam<const char*> {};

TEST_P(BadNumberField, FailsWithTheMessageKeepingEarlierFields) {
  Loaded l(std::string("label\n3\n0.12,0.02,0.1,0.05,0\n0.1,0,") + GetParam() + ",0,0\n0.2,0,0.1,0,0\n");
  EXPECT_EQ(l.messages.shown, unreadable("4. satırdaki Eps değeri bir sayı değil. Dosyanın başındaki "
                                         "1 profil kullanılabilir."));
  EXPECT_TRUE(l.finds(0.12, 0.02));
  EXPECT_EQ(l.w.TabThickness(2), 0.1);
  EXPECT_EQ(l.w.TabEps(2), 0);
  EXPECT_FALSE(l.finds(0.2, 0));
}

INSTANTIATE_TEST_SUITE_P(Fields, BadNumberField,
                         ::testing::Values("nan", "inf", "-infinity", "0x10", "&H10", "1.2.3", "12abc", "1 2",
                                           "e5", ".", "\"abc\"", "0.08 e"));

TEST(FormLoad, NonNumericCountIsAnEmptyCatalogue) {
  Loaded l("label\nmany\n0.12,0.02,0.1,0.05,0\n");
  EXPECT_EQ(l.messages.shown, unreadable("2. satırdaki profil sayısı bir sayı değil. Katalogda "
                                         "kullanılabilir profil yok."));
  EXPECT_EQ(l.w.nCatalog, 0);
  EXPECT_FALSE(l.finds(0.12, 0.02));
  EXPECT_FALSE(l.finds(0, 0));
}

TEST(FormLoad, EmptyFileFailsBeforeTheCount) {
  Loaded l("");
  EXPECT_EQ(l.messages.shown, unreadable("dosya boş. Katalogda kullanılabilir profil yok."));
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
  EXPECT_EQ(l.messages.shown, unreadable(GetParam().message));
  EXPECT_FALSE(l.finds(0.2, 0));  // the row after the trouble is never read
}

const std::string kRow1 = "label\n3\n0.12,0.02,0.1,0.05,0.3\n";

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFile,
    ::testing::Values(
        // One row per line: a value too few or too many would shift every
        // later row by a column.
        Unreadable{kRow1 + "0.1,0,0.08,0\n0.2,0,0.1,0,0\n",
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
                   "1. satırdaki başlık 4096 karakterden uzun. Katalogda kullanılabilir profil yok."}));

TEST(FormLoad, ANumberOfAThousandCharactersIsStillRead) {
  Loaded l("label\n1\n0.12,0.02,0." + std::string(998, '1') + ",0.05,0\n");
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_NEAR(l.w.TabEps(1), 0.1111, 1e-4);
}

// Rows laid out some other way are read by field order, as before.
TEST(FormLoad, RowsNotStartingALineAreReadInFieldOrder) {
  Loaded l("label\n2,0.12,0.02,0.1,0.05,0.3,0.1,0\n0.08,0,0.3\n");
  EXPECT_TRUE(l.messages.shown.empty());
  EXPECT_EQ(l.w.TabEps(2), 0.08);
}

TEST(FormLoad, OnlyARegularFileIsRead) {
  TempCatalogue file("");
  const std::string dir = std::filesystem::path(file.path()).parent_path().string();
  const std::string fifo = dir + "/pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {dir, fifo, std::string("/dev/zero")}) {
    RecordedMessages messages;
    Window w;
    w.messages = &messages;
    w.catalogue_path = path;
    Form_Load(w);  // a pipe without a writer must not block
    EXPECT_EQ(messages.shown,
              unreadable("bu ad sıradan bir dosyanın değil; bir klasörün, aygıtın ya da borunun adı. "
                         "Katalogda kullanılabilir profil yok."))
        << path;
  }
}

}  // namespace
}  // namespace airfoil::testing
