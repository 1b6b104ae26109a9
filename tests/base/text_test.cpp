#include "base/text.h"

#include <gtest/gtest.h>

namespace kalkora {
namespace {

TEST(Utf8, RoundTripOfTheProgramsCharacters) {
  const Text text = u"Übungsbeispiele: 3·x – 2 ≠ ℝ ß § ⇒ ∈";
  EXPECT_EQ(TextFromUtf8(Utf8FromText(text)), text);
  EXPECT_EQ(TextFromUtf8("3·x – 2"), u"3·x – 2");
}

TEST(Utf8, BrokenInputGivesReplacementCharacters) {
  EXPECT_EQ(TextFromUtf8("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(TextFromUtf8("\xE2\x80x"), u"\uFFFDx");
  EXPECT_EQ(Utf8FromText(Text(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kalkora
