#include "topics/fractions/fraction_exercise_items.h"

#include <gtest/gtest.h>

#include "base/random.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// Each kind reaches its own generator: the task slots it writes have the generator's shape.
TEST(PrepareExerciseItem, CallsTheEntryPointOfTheKindAndOpensTheItem) {
  SetRandomSeed(7);
  for (int kind = 1; kind <= 7; ++kind) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " level " << level);
      TBruchM& item = Bruch[2];
      item = TBruchM{};
      item.Richtig = true;
      item.Gezeigt = true;
      PrepareExerciseItem(kind, level, 2);
      EXPECT_TRUE(item.Aktiv);
      EXPECT_FALSE(item.Richtig);
      EXPECT_FALSE(item.Gezeigt);
      EXPECT_FALSE(item.Loesung.empty());
      switch (kind) {
        case 1: EXPECT_TRUE(item.Antwort.empty()); break;  // the domain writes no Antwort
        case 3: EXPECT_EQ(item.Text[1].substr(0, 4), u"kgV("); break;
        case 4: EXPECT_EQ(item.Text[5], item.Text[6]); break;
        case 5:
        case 6:
          EXPECT_EQ(item.Op1, u'·');
          if (level == 2) {
            EXPECT_EQ(item.Variante, 2);
          }
          break;
        case 7: EXPECT_EQ(item.Loesung.find(u'/'), Text::npos); break;
        default: EXPECT_NE(item.Loesung.find(u'/'), Text::npos); break;
      }
    }
  }
}

TEST(PrepareExerciseItem, AnUnknownKindLeavesTheItemAlone) {
  TBruchM& item = Bruch[1];
  item = TBruchM{};
  PrepareExerciseItem(8, 1, 1);
  PrepareExerciseItem(0, 1, 1);
  EXPECT_FALSE(item.Aktiv);
  EXPECT_TRUE(item.Loesung.empty());
}

// A generator writes only its own slots: what another type left in the others stays.
TEST(PrepareExerciseItem, FieldsAGeneratorDoesNotWriteKeepTheirContents) {
  SetRandomSeed(11);
  TBruchM& item = Bruch[3];
  item = TBruchM{};
  item.Text[9] = u"Beispieltext";
  item.Ungleich.HN = u"12·x";
  item.Antwort = u"alt";
  PrepareExerciseItem(1, 1, 3);
  EXPECT_EQ(item.Text[9], u"Beispieltext");
  EXPECT_EQ(item.Ungleich.HN, u"12·x");
  EXPECT_EQ(item.Antwort, u"alt");
}

}  // namespace
}  // namespace kalkora::fractions
