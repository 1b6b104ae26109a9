#include "topics/polynomials/completion_exercise_window.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/selection.h"
#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"

namespace kalkora {
namespace {

using completion_exercise::GapTexts;
using polynomials::Ergaenzen;

TErgaenzen& Item(int item) { return Ergaenzen[static_cast<std::size_t>(item)]; }

std::function<void(int)>& ItemMakerForTesting() {
  static std::function<void(int)> maker;
  return maker;
}

// The rows start at page x −30. A pass whose widest open row would come closer than 10 pixels
// to the "Prüfen" buttons (client x 800, page x 29) starts all its rows further left, as far as
// that row needs, but not beyond −39, just right of the faces.
constexpr double kRowX = -30;
constexpr double kLeftmostRowX = -39;
constexpr double kRowEndX = 28;

// The gaps of an item that have an answer field (edtA, edtB, edtC).
int FieldGaps(const TErgaenzen& item) { return std::clamp(item.AnzLuecken, 1, 3); }

GapTexts GapTextsOf(const std::vector<Text>& typed) {
  GapTexts texts;
  for (std::size_t k = 0; k < typed.size() && k < GapTexts::kSize; ++k) texts[k + 1] = typed[k];
  return texts;
}

// The width of a text of the rows in page units (10 pixels a unit).
double PageWidth(TextView text, int size) { return MarkupWidth(text, size, true) / 10.0; }

}  // namespace

TfrmErgaenzen::TfrmErgaenzen()
    : ExerciseWindow(
          WindowDesign{QStringLiteral("frmErgaenzen"), QStringLiteral(""), QSize(1016, 722)}, [] {
            Layout layout;  // the fields are designed at x 500, 596 and 692 and move into the gaps
            layout.fieldLeft = 500;
            layout.fields = {{QStringLiteral("edtA"), 20},
                             {QStringLiteral("edtB"), 20},
                             {QStringLiteral("edtC"), 20}};
            layout.checkButtons = true;
            return layout;
          }()) {}

int TfrmErgaenzen::Level() {
  const int level = selection::selLevel;
  return level >= 1 && level <= 3 ? level : 1;
}

QString TfrmErgaenzen::caption() const { return ToQString(completion_exercise::Caption(Level())); }

Text TfrmErgaenzen::instruction() const { return completion_exercise::InstructionAtStart(); }

Text TfrmErgaenzen::changeInstruction() const {
  return completion_exercise::InstructionWhileTyping();
}

Text TfrmErgaenzen::instructionAfterEvaluation() const {
  return completion_exercise::InstructionWhileTyping();
}

void TfrmErgaenzen::SetItemMakerForTesting(std::function<void(int item)> maker) {
  ItemMakerForTesting() = std::move(maker);
}

void TfrmErgaenzen::generateItem(int item) {
  if (ItemMakerForTesting()) {
    ItemMakerForTesting()(item);
    return;
  }
  switch (Level()) {
    case 2: ErgaenzenU2(item); break;
    case 3: ErgaenzenU3(item); break;
    default: ErgaenzenU1(item); break;
  }
}

ItemFlags& TfrmErgaenzen::flags(int item) { return Item(item); }

ExerciseWindow::RowAnswer TfrmErgaenzen::rowAnswer(int item) const {
  return RowAnswer{FieldGaps(Item(item)), /*checkButton=*/true};
}

Text TfrmErgaenzen::expectedAnswer(int item) const {
  return completion_exercise::TypedGap(Item(item), 1);
}

std::vector<Text> TfrmErgaenzen::expectedFieldTexts(int item) const {
  std::vector<Text> texts;
  for (int k = 1; k <= FieldGaps(Item(item)); ++k) {
    texts.push_back(completion_exercise::TypedGap(Item(item), k));
  }
  return texts;
}

bool TfrmErgaenzen::isRight(int item, const std::vector<Text>& typed) const {
  return completion_exercise::RowRight(Item(item), GapTextsOf(typed));
}

Text TfrmErgaenzen::solutionText(int item) const {
  return completion_exercise::SolutionText(Item(item));
}

Text TfrmErgaenzen::emptyFieldsMessage(int item, int /*empty*/, int fields) const {
  std::vector<Text> typed;
  for (int k = 1; k <= fields; ++k) typed.push_back(ToText(typedText(item, k)));
  return completion_exercise::FindEmptyGaps(Item(item), GapTextsOf(typed)).message;
}

KeyFilter TfrmErgaenzen::keyFilter(int item) const {
  return KeyFilter{ToQString(completion_exercise::AcceptedKeys(Item(item)))};
}

int TfrmErgaenzen::fieldWidth(int item, int field) const {
  return Item(item).Feldbreiten[static_cast<std::size_t>(field)] + kFieldMargin;
}

void TfrmErgaenzen::itemsPrepared() {
  double widest = 0;
  for (int i = 1; i <= itemCount(); ++i) {
    TErgaenzen& item = Item(i);
    for (int k = 1; k <= FieldGaps(item); ++k) {
      const auto gap = static_cast<std::size_t>(k);
      item.Feldbreiten[gap] = MarkupWidth(item.Luecken[gap], kRowTextSize, true);
    }
    widest = std::max(widest, layOutOpenRow(nullptr, i, 0));
  }
  // On whole pixels, so that the pieces and the fields round alike.
  rowX_ = std::floor(10 * std::clamp(kRowEndX - widest, kLeftmostRowX, kRowX)) / 10;
  // The fields stand in their gaps before the first paint.
  for (int i = 1; i <= itemCount(); ++i) layOutOpenRow(nullptr, i, rowX_);
}

double TfrmErgaenzen::layOutOpenRow(QPainter* painter, int i, double x) {
  // Piece k is followed by its gap, exactly as wide as the field that sits in it; the next
  // piece starts where the field ends.
  const TErgaenzen& item = Item(i);
  const double start = x;
  const double y = RowY(i);
  const int gaps = FieldGaps(item);
  for (int k = 1; k <= gaps + 1; ++k) {
    const Text& piece = item.Teile[static_cast<std::size_t>(k)];
    if (painter != nullptr) DrawOpenRow(*painter, x, y, piece, OpenRowMarks::Black);
    x += PageWidth(piece, kRowTextSize);
    if (k > gaps) break;
    placeField(i, PagePixel(x, y).x(), k);
    x += shownFieldWidth(i, k) / 10.0;
  }
  return x - start;
}

void TfrmErgaenzen::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmErgaenzen::drawItem(QPainter& painter, int i) {
  const TErgaenzen& item = Item(i);
  const double y = RowY(i);
  if (item.Richtig) {
    DrawFinishedRow(painter, rowX_, y, item.Volltext, /*right=*/true);
    return;
  }
  if (!item.Gezeigt) {
    layOutOpenRow(&painter, i, rowX_);
    return;
  }
  // Right gaps in violet, the learner's wrong texts in rose; when every gap is wrong the
  // texts take turns in the first and the second marker colour.
  std::vector<Text> typed;
  for (int k = 1; k <= FieldGaps(item); ++k) typed.push_back(ToText(typedText(i, k)));
  const completion_exercise::ShownRow row =
      completion_exercise::ShownRowOf(item, GapTextsOf(typed));
  const int size = FinishedRowSize(rowX_, row.markup);
  if (row.everyGapWrong) {
    DrawAlternating(painter, rowX_, y, row.markup, size, true, palette::MarkupColours, false);
  } else {
    DrawMarkup3(painter, rowX_, y, row.markup, size, true, palette::MarkupColours, false);
  }
}

}  // namespace kalkora
