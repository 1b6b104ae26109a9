// The page of the unlike-denominator exercise for many items of every level, at every stage,
// answered right and answered wrong twice with the longest texts the fields take: every
// field and button stands inside the page, in its own table column, apart from the others of
// its stage, and every text fits its cell and the lines fit the page.

#include "topics/fractions/unlike_denominators_sheet.h"

#include <gtest/gtest.h>

#include "base/random.h"
#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "frame/text_conversion.h"
#include "practice/answer_field.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_texts.h"

namespace kalkora::fractions {
namespace {

constexpr int kItemsPerLevel = 300;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The widths the window gives its fields: the typed expected text in the field's font.
std::array<int, 13> FieldWidths(const TBruchM& item, int level) {
  AnswerField field;
  QFont font = ArialPixelFont(24, true);
  field.setFont(font);
  std::array<int, 13> widths{};
  for (int f = 1; f <= 12; ++f) {
    widths[At(f)] =
        UnlikeSheet::FieldWidth(f, field.widthShowing(ToQString(TypedFieldText(item, level, f))));
  }
  return widths;
}

// The widest character the field lets the learner type ("^" only raises the next one).
char16_t WidestKey(const TBruchM& item, int level, int field) {
  char16_t widest = u'0';
  for (char16_t key : KeysOfField(item, level, field).accepted) {
    if (key != u'^' && MarkupWidth(Text(1, key), 18, true) > MarkupWidth(Text(1, widest), 18, true))
      widest = key;
  }
  return widest;
}

// The stage's answers as shown once it is finished: right, or wrong twice with as many
// characters as the field takes, the slip made of its widest key.
void Finish(UnlikeSheetState& state, int stage, bool right) {
  const TBruchM& item = *state.item;
  for (int f : StageFields(item, stage)) {
    ShownAnswer& shown = state.shown[At(f)];
    shown.finished = true;
    shown.right = right;
    shown.expected = ExpectedFieldText(item, f);
    shown.learner = TypedFieldText(item, state.level, f);
    shown.learner.resize(static_cast<std::size_t>(LongestFieldText(item, state.level, f)),
                         WidestKey(item, state.level, f));
  }
}

TEST(UnlikeSheet, FieldsButtonsAndTextsKeepTheirPlaces) {
  const QRect page(0, 0, 1000, 690);
  const int columnRight[] = {0, 455, 755, 995};  // the table's column borders less 3 pixels
  SetRandomSeed(4711);
  for (int level = 1; level <= 3; ++level) {
    for (int n = 0; n < kItemsPerLevel; ++n) {
      PrepareUnlikeItem(level);
      const TBruchM& item = Bruch[1];
      for (const bool right : {true, false}) {
        UnlikeSheetState state;
        state.item = &item;
        state.level = level;
        state.fieldWidths = FieldWidths(item, level);
        for (int stage = kStageFactorise; stage <= kItemFinished; ++stage) {
          SCOPED_TRACE(testing::Message()
                       << "Stufe " << level << " variant " << item.Variante << " item " << n
                       << " stage " << stage << (right ? " right" : " wrong"));
          state.stage = stage;
          const UnlikeSheet sheet(state);
          EXPECT_LE(sheet.overrun(), 0.0);
          if (stage <= kStageResult) {
            const QRect button = sheet.buttonRect(stage);
            EXPECT_TRUE(page.contains(button));
            const std::vector<int> fields = StageFields(item, stage);
            for (std::size_t k = 0; k < fields.size(); ++k) {
              const QRect field = sheet.fieldRect(fields[k]);
              EXPECT_TRUE(page.contains(field)) << "field " << fields[k];
              EXPECT_FALSE(field.intersects(button)) << "field " << fields[k];
              if (stage <= kStageFactors) EXPECT_LT(field.right(), columnRight[stage]);
              for (std::size_t j = 0; j < k; ++j) {
                EXPECT_FALSE(field.intersects(sheet.fieldRect(fields[j])));
              }
            }
          }
          Finish(state, stage, right);
        }
      }
      if (testing::Test::HasFailure()) break;
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora::fractions
