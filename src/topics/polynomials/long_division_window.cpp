#include "topics/polynomials/long_division_window.h"

#include <QPainter>
#include <algorithm>

#include "base/random.h"
#include "base/selection.h"
#include "drawing/fonts.h"
#include "frame/information_box.h"
#include "frame/paint_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"

namespace kalkora {

namespace {

using fractions::DivisionStep;
using long_division_exercise::DivisionProgress;

// The designed field widths: a quotient term 93 pixels, a line 140.
int DesignedWidth(const DivisionStep& step) {
  return step.kind == fractions::DivisionAnswer::QuotientTerm ? 93 : 140;
}

// An answer field is at least this much wider than its expected answer as it shows it.
constexpr int kFieldMargin = 20;

}  // namespace

TfrmBruchU3::TfrmBruchU3()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmBruchU3"), QStringLiteral(""), QSize(1016, 722)}) {}

void TfrmBruchU3::makeChildren() {
  KalkoraWindow::makeChildren();
  addCloseMenuItem();
  QWidget* client = clientArea();
  client->setFont(ArialPixelFont(16, true));

  pntUeb_ = new PaintBox(client, QStringLiteral("pntUeb"),
                         [this](QPainter& painter) { pntUebPaint(painter); });
  pntUeb_->setGeometry(10, 20, 1000, 690);

  lblAnzeige_ = new QLabel(client);
  lblAnzeige_->setObjectName("lblAnzeige");
  lblAnzeige_->setGeometry(8, 20, 1000, 49);
  lblAnzeige_->setAlignment(Qt::AlignCenter);
  lblAnzeige_->setWordWrap(true);
  lblAnzeige_->setFont(ArialPixelFont(21, true));
  lblAnzeige_->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int number = 1; number <= kFields; ++number) {
    auto* field = new AnswerField(client);
    field->setObjectName(QStringLiteral("edt%1").arg(number, 2, 10, QLatin1Char('0')));
    field->setFont(ArialPixelFont(24, true));
    field->setGeometry(0, 98, number > 8 ? 93 : 140, 30);  // placed with each division
    field->setEnterKey(AnswerField::EnterKey::Reports);
    field->hide();
    connect(field, &AnswerField::entered, this, [this, number] { edtEnter(number); });
    connect(field, &QLineEdit::textChanged, this, [this] { edtChange(); });
    fields_[static_cast<std::size_t>(number - 1)] = field;
  }

  controls_ = PracticeControls(client, 55);
  connect(controls_.weiter(), &QPushButton::clicked, this, [this] { btnWeiterClick(); });
  connect(controls_.auswertung(), &QPushButton::clicked, this, [this] { OpenEvaluation(*this); });
}

AnswerField* TfrmBruchU3::answerField(int number) const {
  return fields_.at(static_cast<std::size_t>(number - 1));
}

AnswerField* TfrmBruchU3::currentField() const {
  const DivisionStep* step = progress_.currentStep();
  return step != nullptr ? answerField(step->field) : nullptr;
}

int TfrmBruchU3::Level() { return selection::selLevel == 3 ? 3 : 2; }

void TfrmBruchU3::FormActivate() {
  KalkoraWindow::FormActivate();  // palette, maximised while FullScreen
  Randomize();
  setBackground(palette::palCream);
  setWindowTitle(ToQString(long_division_exercise::Caption(Level())));
  controls_.setWeiterShown(true);
  practice::StartPracticeRun();
  controls_.showRunStart();
  showNewDivision();
}

void TfrmBruchU3::showNewDivision() {
  // Focus changes while the division is made judge nothing.
  selection::DivisionItemReady = false;
  for (AnswerField* field : fields_) {
    field->hide();
    field->blockSignals(true);
    field->clear();
    field->blockSignals(false);
  }
  fractions::MakeDivisionItem(Level(), 1);
  const TBruchM& item = fractions::Bruch[1];
  progress_ = DivisionProgress(fractions::DivisionSteps(item.TermDiv));
  layout_ = long_division_drawing::MeasureDivision(progress_.division());
  const KeyFilter keys{ToQString(long_division_exercise::AcceptedKeys(item.Var1))};
  for (const DivisionStep& step : progress_.division().steps) {
    AnswerField* field = answerField(step.field);
    field->setKeyFilter(keys);
    field->setMaxLength(long_division_exercise::FieldLength(step));
    placeField(step);
  }
  // The fields were emptied without a change signal: the instruction comes back.
  showMessage(long_division_exercise::Instruction(), practice::MessageColour::Brown);
  AnswerField* first = currentField();
  first->show();
  first->setFocus(Qt::OtherFocusReason);
  selection::DivisionItemReady = true;
  pntUeb_->update();
}

void TfrmBruchU3::placeField(const DivisionStep& step) {
  AnswerField* field = answerField(step.field);
  const int width =
      std::max(DesignedWidth(step), field->widthShowing(ToQString(step.answer)) + kFieldMargin);
  const long_division_drawing::FieldAnchor anchor = long_division_drawing::AnchorOf(step, layout_);
  // The field's text starts 2 pixels in and ends 3 pixels (margin and cursor) before its
  // right edge; a line's field keeps its text at the right, where the line ends.
  int left = anchor.endsAtIt ? anchor.point.x() + 3 - width : anchor.point.x() - 2;
  left = std::clamp(left, 0, pntUeb_->width() - width) + pntUeb_->x();
  field->setAlignment(anchor.endsAtIt ? Qt::AlignRight : Qt::AlignLeft);
  field->setGeometry(left, pntUeb_->y() + anchor.point.y() - 2, width, field->height());
}

void TfrmBruchU3::showMessage(const Text& text, practice::MessageColour colour) {
  ShowMessage(*lblAnzeige_, text, colour);
}

void TfrmBruchU3::edtEnter(int number) {
  const DivisionStep* step = progress_.currentStep();
  if (!selection::DivisionItemReady || step == nullptr || step->field != number) return;
  AnswerField* field = answerField(number);
  const std::optional<practice::Verdict> verdict = progress_.answer(ToText(field->text()));
  if (!verdict) {  // an empty field: nothing is judged or counted
    ShowInformation(this, ToQString(long_division_exercise::EmptyFieldMessage()));
    field->setFocus(Qt::OtherFocusReason);
    return;
  }
  // After two wrong answers the page shows the expected text: the message does not quote it.
  const practice::Message message = practice::FeedbackMessage(*verdict);
  showMessage(message.text, message.colour);
  controls_.showAttempts();
  if (!practice::IsFinal(*verdict)) {
    field->setFocus(Qt::OtherFocusReason);  // to correct the answer
    return;
  }
  moveOn(*field);
  controls_.showPoints();
  controls_.showPass();
  pntUeb_->update();
}

void TfrmBruchU3::moveOn(AnswerField& answered) {
  // The focus goes on before the answered field hides, so it never passes another control.
  if (AnswerField* next = currentField()) {
    next->show();
    next->setFocus(Qt::OtherFocusReason);
  } else {
    const bool another = long_division_exercise::NextDivisionFollows();
    controls_.setWeiterShown(another);
    (another ? controls_.weiter() : controls_.auswertung())->setFocus(Qt::OtherFocusReason);
  }
  answered.hide();
}

void TfrmBruchU3::edtChange() {
  showMessage(long_division_exercise::InstructionWhileTyping(), practice::MessageColour::Brown);
}

void TfrmBruchU3::btnWeiterClick() {
  long_division_exercise::ReplaceDivision();
  showNewDivision();
}

void TfrmBruchU3::pntUebPaint(QPainter& painter) {
  long_division_drawing::SetDivisionPage();
  long_division_drawing::DrawDivision(painter, progress_, layout_);
}

}  // namespace kalkora
