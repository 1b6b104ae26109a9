#include "topics/fractions/unlike_denominators_sheet.h"

#include <algorithm>
#include <vector>

#include "drawing/denominator_table.h"
#include "drawing/fonts.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "terms/term_exponents.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_lines.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_texts.h"

namespace kalkora::fractions {
namespace {

constexpr bool kBold = true;
constexpr int kTextSize = 18;
constexpr int kSmallestSize = 8;
constexpr int kHeadingSize = 14;

// The table: its frame, the rows' text tops and its columns.
constexpr double kTableLeft = -49;
constexpr double kTableTop = 23;
constexpr double kHeaderHeight = 4;
constexpr double kRowStep = 6;  // 1.5 header heights
constexpr double kFirstRowY = 17.5;
constexpr double kDenominatorsRight = -30;          // "Nenner[i] =" ends here
constexpr double kColumnLeft[] = {0, -28, -4, 27};  // where a column's answers start
constexpr double kColumnRight[] = {0, -5.3, 25.7, 48.7};
constexpr double kButtonX[] = {0, -7.5, 23.5, 46.5};  // the check buttons of stages 1 … 3
constexpr double kTextInset = 0.2;  // a drawn answer starts where the field's text started

// Below the table.
constexpr double kLineLeft = -48;
constexpr double kRightEdge = 48.5;  // the lines end left of the table's right border
constexpr double kLineStep = 10;
constexpr double kHeadingY = -28.5;
constexpr double kHintY = -31;
constexpr double kSmallGap = 0.6;  // between the learner's text and the expected text

// The designed field widths (pixels) of the fields 1 … 12.
constexpr int kDesignedWidth[] = {0, 200, 200, 200, 270, 190, 190, 190, 60, 60, 60, 71, 71};

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double Width(TextView text, int size) { return MarkupTextWidth(text, size, kBold) / 10.0; }

int SmallSize(int size) { return std::max(kSmallestSize, size - 6); }

Text Marked(char16_t marker, TextView text) {
  Text marked(1, marker);
  marked += text;
  marked += marker;
  return marked;
}

// The learner's text as drawn: every exponent digit raised, as the solutions are written.
Text LearnerMarkup(const ShownAnswer& answer) { return SplitExponentDigits(answer.learner); }

// How a finished field's answer is drawn: its size, and after a second wrong answer whether
// the expected text stands beside the learner's text or, where a cell is too narrow for
// both, under it.
struct AnswerFit {
  int size = kTextSize;
  bool stacked = false;
};

double AnswerWidth(const ShownAnswer& answer, AnswerFit fit) {
  if (answer.right) return Width(answer.expected, fit.size);
  const double learner = Width(LearnerMarkup(answer), fit.size);
  const double expected = Width(answer.expected, SmallSize(fit.size));
  return fit.stacked ? std::max(learner, expected) : learner + kSmallGap + expected;
}

// The largest size at which the answer fits into `room` units: beside down to 12 points,
// then stacked; the smallest size when nothing fits.
AnswerFit FitIntoCell(const ShownAnswer& answer, double room) {
  for (const bool stacked : {false, true}) {
    const int smallest = stacked || answer.right ? kSmallestSize : 12;
    for (int size = kTextSize; size >= smallest; --size) {
      if (AnswerWidth(answer, {size, stacked}) <= room) return {size, stacked};
    }
    if (answer.right) break;
  }
  return {kSmallestSize, !answer.right};
}

void DrawAnswer(QPainter& painter, double x, double top, const ShownAnswer& answer, AnswerFit fit) {
  const ColourSet& colours = palette::MarkupColours;
  if (answer.right) {
    DrawMarkupLeft(painter, x, top, Marked(u'~', answer.expected), fit.size, kBold, colours);
    return;
  }
  const Text learner = LearnerMarkup(answer);
  DrawMarkupLeft(painter, x, top, Marked(u'#', learner), fit.size, kBold, colours);
  const int small = SmallSize(fit.size);
  const Text expected = Marked(u'~', answer.expected);
  if (fit.stacked) {
    DrawMarkupLeft(painter, x, top - PointsToPixels(fit.size) * 0.105, expected, small, kBold,
                   colours);
  } else {
    // The small text stands on the same line as the learner's text.
    const double drop = (PointsToPixels(fit.size) - PointsToPixels(small)) * 0.08;
    DrawMarkupLeft(painter, x + Width(learner, fit.size) + kSmallGap, top - drop, expected, small,
                   kBold, colours);
  }
}

double RowY(int row) { return kFirstRowY - kRowStep * (row - 1); }

// The vertical middle of the table's body.
double BodyMiddle(int count) { return kTableTop - kHeaderHeight - kRowStep * count / 2; }

QRect PixelRect(double x, double top, int width, int height) {
  return QRect(PageToPixel(UnlikeSheet::SheetPage(), x, top), QSize(width, height));
}

}  // namespace

// One part of a line of fractions: a text (sign, bracket, the main denominator), an answer
// field, or a finished field's answer.
struct UnlikeSheet::Piece {
  enum class Kind { Text, Field, Answer };
  Kind kind = Kind::Text;
  Text text;
  int field = 0;
  double width = 0;
};

// A stacked fraction made of pieces, its bar from `left` over `bar` units.
struct UnlikeSheet::FractionBox {
  double left = 0;
  double bar = 0;
  int size = kTextSize;
  std::vector<Piece> numerator;
  std::vector<Piece> denominator;

  static double WidthOf(const std::vector<Piece>& pieces) {
    double width = 0;
    for (const Piece& piece : pieces) width += piece.width;
    return width;
  }
  double right() const { return left + bar; }
  void fit() { bar = std::max(WidthOf(numerator), WidthOf(denominator)); }
  // The left edge of the first piece of a row, centred over or under the bar.
  double start(const std::vector<Piece>& pieces) const {
    return left + (bar - WidthOf(pieces)) / 2;
  }
};

const Page& UnlikeSheet::SheetPage() {
  static const Page page = MakePage(-50, 50, -30, 30, 1000, 600);
  return page;
}

int UnlikeSheet::DesignedFieldWidth(int field) {
  return field >= 1 && field <= 12 ? kDesignedWidth[field] : 0;
}

int UnlikeSheet::FieldWidth(int field, int showing) {
  constexpr int kMargin = 20;
  return std::max(DesignedFieldWidth(field), showing + kMargin);
}

UnlikeSheet::UnlikeSheet(const UnlikeSheetState& state) : state_(state) {
  const TBruchM& item = *state_.item;
  const TUngleich& u = item.Ungleich;
  count_ = std::clamp(item.Anzahl, 2, 3);
  taskY_ = count_ == 3 ? 14 - 6 * count_ : 12 - 6 * count_;
  resultY_ = taskY_ - kLineStep;

  // The task chain as DrawFractionOpFraction / DrawThreeFractions draw it, and its "=".
  const auto fraction = [&](int i) { return FractionWidth(u.Zaehler[At(i)], u.Nenner[At(i)], 18); };
  double taskEquals = 0;
  if (count_ == 2) {
    const double op = Width(Text(1, u.Zeichen1), kTextSize);
    taskEquals = kLineLeft + fraction(1) + op + fraction(2) + 3;
    taskWidth_ = taskEquals - kLineLeft + Width(u"=", kTextSize) + 1;
  } else {
    taskEquals = kLineLeft + fraction(1) + fraction(2) + fraction(3) + 2 * 3.4 + 1;
    taskWidth_ = fraction(1) + fraction(2) + fraction(3) + 3 * 3.4;
  }
  taskLineRight_ = kLineLeft + taskWidth_;
  if (state_.stage > kStageNumerators) {
    const Text extended = ExtendedNumeratorSum(item);
    const double room = kRightEdge - taskLineRight_;
    while (extendedSize_ > kSmallestSize && FractionWidth(extended, u.HN, extendedSize_) > room) {
      --extendedSize_;
    }
    taskLineRight_ += FractionWidth(extended, u.HN, extendedSize_);
  }
  equalsX_ = taskEquals;

  // The fields and buttons of the table.
  for (int row = 1; row <= 3; ++row) {
    fieldRects_[At(row)] =
        PixelRect(kColumnLeft[1], RowY(row), state_.fieldWidths[At(row)], kFieldHeight);
    fieldRects_[At(4 + row)] =
        PixelRect(kColumnLeft[3], RowY(row), state_.fieldWidths[At(4 + row)], kFieldHeight);
  }
  fieldRects_[4] =
      PixelRect(kColumnLeft[2], BodyMiddle(count_) + 1.5, state_.fieldWidths[4], kFieldHeight);
  for (int stage = kStageFactorise; stage <= kStageFactors; ++stage) {
    buttonRects_[At(stage)] =
        PixelRect(kButtonX[stage], BodyMiddle(count_) + 1, kButtonSize, kButtonSize);
  }
  layOutResultLine();

  // How far anything drawn would reach past its cell or the lines' right edge.
  for (int field = 1; field <= 7; ++field) {
    const ShownAnswer& shown = state_.shown[At(field)];
    if (!shown.finished) continue;
    const int column = field <= 3 ? 1 : field == 4 ? 2 : 3;
    const double x = kColumnLeft[column] + kTextInset;
    const double room = kColumnRight[column] - x;
    overrun_ = std::max(overrun_, AnswerWidth(shown, FitIntoCell(shown, room)) - room);
  }
  overrun_ = std::max({overrun_, taskLineRight_ - kRightEdge, resultLineRight_ - kRightEdge});
}

UnlikeSheet::FractionBox UnlikeSheet::numeratorsBox(double left, int size) const {
  const TBruchM& item = *state_.item;
  const bool open = state_.stage == kStageNumerators;
  FractionBox box;
  box.left = left;
  box.size = size;
  const auto text = [&](TextView t) {
    return Piece{Piece::Kind::Text, Text(t), 0, Width(t, size)};
  };
  const std::vector<NumeratorTerm> terms = NumeratorTerms(item);
  for (std::size_t k = 0; k < terms.size(); ++k) {
    const int field = 8 + static_cast<int>(k);
    if (!terms[k].sign.empty()) box.numerator.push_back(text(terms[k].sign));
    if (terms[k].bracketed) box.numerator.push_back(text(u"("));
    const ShownAnswer& answer = state_.shown[At(field)];
    box.numerator.push_back(
        open ? Piece{Piece::Kind::Field, {}, field, state_.fieldWidths[At(field)] / 10.0}
             : Piece{Piece::Kind::Answer, {}, field, AnswerWidth(answer, {size, false})});
    if (terms[k].bracketed) box.numerator.push_back(text(u")"));
  }
  box.denominator.push_back(text(item.Ungleich.HN));
  box.fit();
  return box;
}

UnlikeSheet::FractionBox UnlikeSheet::resultBox(double left, int size) const {
  const TBruchM& item = *state_.item;
  const bool open = state_.stage == kStageResult;
  FractionBox box;
  box.left = left;
  box.size = size;
  const auto answer = [&](int field) {
    return open ? Piece{Piece::Kind::Field, {}, field, state_.fieldWidths[At(field)] / 10.0}
                : Piece{Piece::Kind::Answer,
                        {},
                        field,
                        AnswerWidth(state_.shown[At(field)], {size, false})};
  };
  box.numerator.push_back(answer(11));
  if (item.Kenn[1]) {
    box.denominator.push_back(answer(12));
  } else {
    const Text& hn = item.Ungleich.HN;
    box.denominator.push_back(Piece{Piece::Kind::Text, hn, 0, Width(hn, size)});
  }
  box.fit();
  return box;
}

void UnlikeSheet::layOutResultLine() {
  const double buttonWidth = kButtonSize / 10.0;
  // Line 2: "=" numerators/HN ["=" result] with the open stage's button after its fraction.
  // It starts under the task's "=" when it fits, further left when not, and its texts get
  // smaller when even that is not enough.
  const auto widthAt = [&](int size) {
    const double equals = Width(u"=", kTextSize) + 1;
    double width = equals + numeratorsBox(0, size).bar;
    if (state_.stage >= kStageResult) width += 1 + equals + resultBox(0, size).bar;
    if (state_.stage <= kStageResult) width += 1 + buttonWidth;
    return width;
  };
  resultSize_ = kTextSize;
  while (resultSize_ > kSmallestSize && kLineLeft + widthAt(resultSize_) > kRightEdge) {
    --resultSize_;
  }
  const double width = widthAt(resultSize_);
  equalsX_ = std::max(kLineLeft, std::min(equalsX_, kRightEdge - width));
  resultLineRight_ = state_.stage >= kStageNumerators ? equalsX_ + width : equalsX_;

  const double equals = Width(u"=", kTextSize) + 1;
  const FractionBox numerators = numeratorsBox(equalsX_ + equals, resultSize_);
  const FractionBox result = resultBox(numerators.right() + 1 + equals, resultSize_);
  const double barY = resultY_ - 1.1;
  buttonRects_[kStageNumerators] =
      PixelRect(numerators.right() + 1, barY + buttonWidth / 2, kButtonSize, kButtonSize);
  buttonRects_[kStageResult] =
      PixelRect(result.right() + 1, barY + buttonWidth / 2, kButtonSize, kButtonSize);
  // A numerator field stands on the bar, a denominator field hangs under it.
  const auto place = [&](const FractionBox& box) {
    double x = box.start(box.numerator);
    for (const Piece& piece : box.numerator) {
      if (piece.kind == Piece::Kind::Field) {
        fieldRects_[At(piece.field)] = PixelRect(x, barY + 0.4 + kFieldHeight / 10.0,
                                                 state_.fieldWidths[At(piece.field)], kFieldHeight);
      }
      x += piece.width;
    }
    x = box.start(box.denominator);
    for (const Piece& piece : box.denominator) {
      if (piece.kind == Piece::Kind::Field) {
        fieldRects_[At(piece.field)] =
            PixelRect(x, barY - 0.4, state_.fieldWidths[At(piece.field)], kFieldHeight);
      }
      x += piece.width;
    }
  };
  place(numerators);
  place(result);
  // Fields of a stage that is not open yet wait where they will open.
  if (state_.stage < kStageNumerators) {
    UnlikeSheetState opened = state_;
    opened.stage = kStageNumerators;
    const UnlikeSheet later(opened);
    for (int field = 8; field <= 12; ++field) fieldRects_[At(field)] = later.fieldRect(field);
    buttonRects_[kStageNumerators] = later.buttonRect(kStageNumerators);
  }
}

QRect UnlikeSheet::fieldRect(int field) const {
  return field >= 1 && field <= 12 ? fieldRects_[At(field)] : QRect();
}

QRect UnlikeSheet::buttonRect(int stage) const {
  return stage >= 1 && stage <= 5 ? buttonRects_[At(stage)] : QRect();
}

void UnlikeSheet::paint(QPainter& painter) const {
  SetPage(-50, 50, -30, 30, 1000, 600);
  paintTable(painter);
  paintTaskLine(painter);
  if (state_.stage >= kStageNumerators) paintResultLine(painter);
  const StageTexts texts = StageHeadingAndHint(state_.level, state_.item->Variante, state_.stage);
  DrawMarkupCentred(painter, 0, kHeadingY, texts.heading, kHeadingSize, kBold,
                    palette::MarkupColours);
  DrawMarkupCentred(painter, 0, kHintY, texts.hint, kHeadingSize, kBold, palette::MarkupColours);
}

void UnlikeSheet::paintTable(QPainter& painter) const {
  const TUngleich& u = state_.item->Ungleich;
  DrawDenominatorTable(painter, kTableLeft, kTableTop, 49 - kTableLeft, kHeaderHeight, count_ + 1,
                       3);
  const auto answer = [&](int field, int column, double top) {
    const ShownAnswer& shown = state_.shown[At(field)];
    if (!shown.finished) return;
    const double x = kColumnLeft[column] + kTextInset;
    DrawAnswer(painter, x, top, shown, FitIntoCell(shown, kColumnRight[column] - x));
  };
  for (int row = 1; row <= count_; ++row) {
    Text denominator = u.Nenner[At(row)];
    denominator += u" =";
    DrawMarkupRight(painter, kDenominatorsRight, RowY(row), denominator, kTextSize, kBold,
                    palette::MarkupColours);
    answer(row, 1, RowY(row));
    answer(4 + row, 3, RowY(row));
  }
  answer(4, 2, BodyMiddle(count_) + 1.2);
}

void UnlikeSheet::paintTaskLine(QPainter& painter) const {
  const TUngleich& u = state_.item->Ungleich;
  const ColourSet& black = palette::BlackColours;
  const Text op1(1, u.Zeichen1);
  const Text op2(1, u.Zeichen2);
  if (count_ == 2) {
    DrawFractionOpFraction(painter, kLineLeft, taskY_, u.Zaehler[1], u.Nenner[1], op1, u.Zaehler[2],
                           u.Nenner[2], kTextSize, black);
  } else {
    DrawThreeFractions(painter, kLineLeft, taskY_, u.Zaehler[1], u.Nenner[1], op1, u.Zaehler[2],
                       u.Nenner[2], op2, u.Zaehler[3], u.Nenner[3], kTextSize, black);
  }
  if (state_.stage > kStageNumerators) {
    DrawFraction(painter, kLineLeft + taskWidth_, taskY_, ExtendedNumeratorSum(*state_.item), u.HN,
                 extendedSize_, palette::MarkupColours);
  }
}

void UnlikeSheet::paintFraction(QPainter& painter, const FractionBox& box, double y) const {
  const auto row = [&](const std::vector<Piece>& pieces, double top) {
    double x = box.start(pieces);
    for (const Piece& piece : pieces) {
      if (piece.kind == Piece::Kind::Text) {
        DrawMarkupLeft(painter, x, top, piece.text, box.size, kBold, palette::BlackColours);
      } else if (piece.kind == Piece::Kind::Answer) {
        DrawAnswer(painter, x, top, state_.shown[At(piece.field)], {box.size, false});
      }
      x += piece.width;
    }
  };
  row(box.numerator, y + 2);
  PageLine(painter, 3, QColor(Qt::black), box.left, y - 1.1, box.right(), y - 1.1,
           LineStyle::Solid);
  bool power = false;
  for (const Piece& piece : box.denominator) {
    const TextView text = piece.kind == Piece::Kind::Text ? TextView(piece.text)
                                                          : state_.shown[At(piece.field)].expected;
    power = power || text.find(u'^') != TextView::npos;
  }
  row(box.denominator, power ? y - 2 : y - 1.2);
}

void UnlikeSheet::paintResultLine(QPainter& painter) const {
  const double equals = Width(u"=", kTextSize) + 1;
  const ColourSet& black = palette::BlackColours;
  DrawMarkupLeft(painter, equalsX_, resultY_ + 0.3, u"=", kTextSize, kBold, black);
  const FractionBox numerators = numeratorsBox(equalsX_ + equals, resultSize_);
  paintFraction(painter, numerators, resultY_);
  if (state_.stage < kStageResult) return;
  DrawMarkupLeft(painter, numerators.right() + 1, resultY_ + 0.3, u"=", kTextSize, kBold, black);
  paintFraction(painter, resultBox(numerators.right() + 1 + equals, resultSize_), resultY_);
}

}  // namespace kalkora::fractions
