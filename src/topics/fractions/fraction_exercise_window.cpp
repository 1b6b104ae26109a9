#include "topics/fractions/fraction_exercise_window.h"

#include <QPainter>
#include <algorithm>

#include "frame/text_conversion.h"
#include "topics/fractions/fraction_exercise_items.h"
#include "topics/fractions/fraction_exercise_layout.h"
#include "topics/fractions/fraction_exercise_rows.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora {
namespace {

using fractions::Bruch;

constexpr int kFirstFaceTop = 100;
constexpr int kRowStep = 200;

TBruchM& Item(int item) { return Bruch[static_cast<std::size_t>(item)]; }

}  // namespace

ExerciseWindow::Layout TfrmBruchU::Rows() {
  Layout layout;
  layout.items = fractions::kExerciseItems;
  layout.firstRowTop = kFirstFaceTop;
  layout.rowStep = kRowStep;
  layout.resultTop = 20;
  layout.fieldLeft = 610;
  layout.fields = {{QStringLiteral("edtZ"), 30}, {QStringLiteral("edtN"), 70}};
  layout.checkButtons = true;
  layout.checkButton = QRect(800, 25, 80, 30);
  layout.pageRowY = 39;  // rows at page y 19, −1, −21
  layout.pageRowStep = 20;
  return layout;
}

TfrmBruchU::TfrmBruchU()
    : ExerciseWindow(WindowDesign{QStringLiteral("frmBruchU"),
                                  QStringLiteral("Übungsbeispiele: Bruchterme"), QSize(1016, 722)},
                     Rows()) {}

void TfrmBruchU::FormActivate() {
  exercise_ = fractions::SelectedFractionExercise();
  ExerciseWindow::FormActivate();
}

QString TfrmBruchU::caption() const { return ToQString(fractions::Caption(exercise_)); }

Text TfrmBruchU::instruction() const { return fractions::Instruction(exercise_.kind); }

Text TfrmBruchU::changeInstruction() const { return fractions::ChangeInstruction(exercise_.kind); }

void TfrmBruchU::generateItem(int item) {
  fractions::PrepareExerciseItem(fractions::KindNumber(exercise_.kind), exercise_.level, item);
}

ItemFlags& TfrmBruchU::flags(int item) { return Item(item); }

ExerciseWindow::RowAnswer TfrmBruchU::rowAnswer(int /*item*/) const {
  const bool fraction = fractions::HasFractionAnswer(exercise_.kind);
  return RowAnswer{fractions::AnswerFieldCount(exercise_.kind), fraction};
}

Text TfrmBruchU::expectedAnswer(int item) const { return expectedFieldTexts(item).front(); }

std::vector<Text> TfrmBruchU::expectedFieldTexts(int item) const {
  return fractions::ExpectedFieldTexts(exercise_.kind, Item(item));
}

bool TfrmBruchU::isRight(int item, const std::vector<Text>& typed) const {
  return fractions::IsRightAnswer(exercise_.kind, Item(item), typed);
}

Text TfrmBruchU::solutionText(int item) const { return fractions::SolutionText(Item(item)); }

KeyFilter TfrmBruchU::keyFilter(int item) const {
  return KeyFilter{ToQString(fractions::AcceptedKeys(exercise_, Item(item)))};
}

int TfrmBruchU::fieldWidth(int item, int /*field*/) const { return Item(item).Feldbreite + 20; }

void TfrmBruchU::itemsPrepared() {
  const int fields = fractions::AnswerFieldCount(exercise_.kind);
  for (int i = 1; i <= itemCount(); ++i) {
    TBruchM& item = Item(i);
    // The kind's rule, widened where a field would not show its expected text whole; the two
    // fields of a fraction answer are equally wide.
    item.Feldbreite = fractions::RuleFieldWidth(exercise_, item) - 20;
    int width = 0;
    for (int k = 1; k <= fields; ++k) width = std::max(width, shownFieldWidth(i, k));
    fractions::LayOutRow(exercise_, item, width);
    const int left = paintBox()->x() + PagePixel(fractions::FieldPageX(item), 0).x();
    const int faceTop = kFirstFaceTop + (i - 1) * kRowStep;
    for (int k = 1; k <= fields; ++k) {
      moveField(i, k, QPoint(left, faceTop + fractions::FieldTop(exercise_.kind, k)));
    }
  }
}

std::vector<Text> TfrmBruchU::typedTexts(int item) const {
  std::vector<Text> texts;
  for (int k = 1; k <= fractions::AnswerFieldCount(exercise_.kind); ++k) {
    texts.push_back(ToText(typedText(item, k)));
  }
  return texts;
}

void TfrmBruchU::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv)
      fractions::DrawExerciseRow(painter, exercise_, Item(i), RowY(i), typedTexts(i));
  }
}

}  // namespace kalkora
