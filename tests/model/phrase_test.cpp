#include <gtest/gtest.h>

#include <string>

#include "model/phrase.h"

namespace airfoil::testing {
namespace {

// A translation that marks what it translated, to see which parts went through it.
std::string marked(const std::string& source) { return "<" + source + ">"; }

TEST(Phrase, FillsEachPlaceholderOnceWithItsPartAndNeverTranslatesANumber) {
  const Phrase phrase("%2. satırda %1 var; %3 kalır", {Phrase("dört"), literal("%1.5")});
  EXPECT_EQ(turkish(phrase), "%1.5. satırda dört var; %3 kalır");
  EXPECT_EQ(render(phrase, marked), "<%1.5. satırda <dört> var; %3 kalır>");
}

}  // namespace
}  // namespace airfoil::testing
