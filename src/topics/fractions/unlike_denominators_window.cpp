#include "topics/fractions/unlike_denominators_window.h"

#include <QIcon>
#include <QPainter>
#include <algorithm>

#include "base/random.h"
#include "base/selection.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/status_pictures.h"
#include "frame/text_conversion.h"
#include "practice/practice_run.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_texts.h"

namespace kalkora {

// The paint box pntUeb: the window draws the sheet on it.
class UnlikePaintBox : public QWidget {
 public:
  UnlikePaintBox(TfrmBruchU2* window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName("pntUeb");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    window_->pntUebPaint(painter);
  }

 private:
  TfrmBruchU2* window_;
};

namespace {

using fractions::kItemFinished;
using fractions::kStageResult;

QFont ArialBold(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

int Level() { return std::clamp(selection::selLevel, 1, 3); }

TBruchM& Item() { return fractions::Bruch[1]; }

std::size_t At(int i) { return static_cast<std::size_t>(i); }

KeyFilter FilterOf(const fractions::FieldKeys& keys) {
  const KeyFilter filter{ToQString(keys.accepted)};
  return keys.starAsDot ? filter.replacing(QLatin1Char('*'), QChar(u'·')) : filter;
}

}  // namespace

TfrmBruchU2::TfrmBruchU2()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmBruchU2"),
                                 QStringLiteral("Übungsbeispiele: Bruchterme"), QSize(1016, 722)}) {
}

void TfrmBruchU2::makeChildren() {
  KalkoraWindow::makeChildren();
  addCloseMenuItem();
  QWidget* client = clientArea();
  client->setFont(ArialBold(16));

  pntUeb_ = new UnlikePaintBox(this, client);
  pntUeb_->setGeometry(10, 20, 1000, 690);

  lblAnzeige_ = new QLabel(client);
  lblAnzeige_->setObjectName("lblAnzeige");
  lblAnzeige_->setGeometry(8, 0, 1015, 97);
  lblAnzeige_->setAlignment(Qt::AlignCenter);
  lblAnzeige_->setWordWrap(true);
  lblAnzeige_->setFont(ArialBold(21));
  lblAnzeige_->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int f = 1; f <= 12; ++f) {
    auto* field = new AnswerField(client);
    field->setObjectName(QStringLiteral("edt%1").arg(f, 2, 10, QLatin1Char('0')));
    field->setFont(ArialBold(24));
    field->resize(fractions::UnlikeSheet::DesignedFieldWidth(f),
                  fractions::UnlikeSheet::kFieldHeight);
    field->hide();
    fields_[At(f)] = field;
  }
  const QIcon tick(TickPicture());
  for (int stage = 1; stage <= 5; ++stage) {
    auto* button = new QPushButton(client);
    button->setObjectName(QStringLiteral("btn%1").arg(stage, 2, 10, QLatin1Char('0')));
    button->setIcon(tick);
    button->setIconSize(QSize(14, 14));
    button->setToolTip(QStringLiteral("Prüfen"));
    button->setAccessibleName(QStringLiteral("Prüfen"));
    button->resize(fractions::UnlikeSheet::kButtonSize, fractions::UnlikeSheet::kButtonSize);
    button->hide();
    connect(button, &QPushButton::clicked, this, [this] { btnClick(); });
    buttons_[At(stage)] = button;
  }

  controls_ = PracticeControls(client, 55);
  connect(controls_.weiter(), &QPushButton::clicked, this, [this] { btnWeiterClick(); });
  connect(controls_.auswertung(), &QPushButton::clicked, this, [this] { btnAuswertungClick(); });

  // Tab order: stage by stage its fields and its check button, then the buttons below; Enter
  // in a field moves along it to the next shown field or to the stage's button.
  QWidget* previous = nullptr;
  const auto chain = [&](QWidget* next) {
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  };
  for (int stage = 1; stage <= kStageResult; ++stage) {
    for (int f = 1; f <= 12; ++f) {
      if (fractions::FieldStage(f) == stage) chain(fields_[At(f)]);
    }
    chain(buttons_[At(stage)]);
  }
  chain(controls_.weiter());
  chain(controls_.auswertung());
}

AnswerField* TfrmBruchU2::answerField(int field) const {
  return field >= 1 && field <= 12 ? fields_[At(field)] : nullptr;
}

QPushButton* TfrmBruchU2::checkButton(int stage) const {
  return stage >= 1 && stage <= 5 ? buttons_[At(stage)] : nullptr;
}

void TfrmBruchU2::FormActivate() {
  KalkoraWindow::FormActivate();  // palette, maximised while FullScreen
  Randomize();
  setBackground(palette::palCream);
  setWindowTitle(ToQString(fractions::UnlikeCaption(Level())));
  controls_.setWeiterShown(true);
  practice::StartPracticeRun();
  controls_.showRunStart();
  prepareItem();
  showMessage(fractions::UnlikeInstruction(), practice::MessageColour::Brown);
  update();
}

void TfrmBruchU2::prepareItem() {
  const int first = fractions::PrepareUnlikeItem(Level());
  Fertig = false;
  shown_ = {};
  for (int f = 1; f <= 12; ++f) {
    AnswerField* field = fields_[At(f)];
    field->blockSignals(true);
    field->clear();
    field->blockSignals(false);
    field->setKeyFilter(FilterOf(fractions::KeysOfField(Item(), Level(), f)));
    field->setMaxLength(fractions::LongestFieldText(Item(), Level(), f));
    const QString expected = ToQString(fractions::TypedFieldText(Item(), Level(), f));
    fieldWidths_[At(f)] = fractions::UnlikeSheet::FieldWidth(f, field->widthShowing(expected));
  }
  openStage(first);
}

void TfrmBruchU2::openStage(int stage) {
  Schritt = stage;
  for (int f = 1; f <= 12; ++f) fields_[At(f)]->hide();
  for (int s = 1; s <= kStageResult; ++s) buttons_[At(s)]->hide();
  placeControls();
  if (stage > kStageResult) {
    // The item is finished: "Weiter", or on the last pass "Auswertung", takes the focus.
    Fertig = true;
    controls_.weiter()->setFocus(Qt::OtherFocusReason);
    controls_.setWeiterShown(practice::Durchgang < practice::Durchgaenge);
  } else {
    const std::vector<int> fields = fractions::StageFields(Item(), stage);
    for (int f : fields) fields_[At(f)]->show();
    buttons_[At(stage)]->show();
    if (!fields.empty()) fields_[At(fields.front())]->setFocus(Qt::OtherFocusReason);
  }
  pntUeb_->update();
}

fractions::UnlikeSheetState TfrmBruchU2::sheetState() const {
  fractions::UnlikeSheetState state;
  state.item = &Item();
  state.level = Level();
  state.stage = Schritt;
  state.shown = shown_;
  state.fieldWidths = fieldWidths_;
  return state;
}

void TfrmBruchU2::placeControls() {
  const fractions::UnlikeSheet sheet(sheetState());
  const QPoint origin = pntUeb_->pos();
  for (int f = 1; f <= 12; ++f) fields_[At(f)]->setGeometry(sheet.fieldRect(f).translated(origin));
  for (int s = 1; s <= kStageResult; ++s) {
    buttons_[At(s)]->setGeometry(sheet.buttonRect(s).translated(origin));
  }
}

void TfrmBruchU2::pntUebPaint(QPainter& painter) {
  fractions::UnlikeSheet(sheetState()).paint(painter);
}

void TfrmBruchU2::showMessage(const Text& text, practice::MessageColour colour) {
  ShowMessage(*lblAnzeige_, text, colour);
}

std::vector<Text> TfrmBruchU2::stageTexts() const {
  std::vector<Text> texts;
  for (int f : fractions::StageFields(Item(), Schritt)) {
    texts.push_back(ToText(fields_[At(f)]->text()));
  }
  return texts;
}

void TfrmBruchU2::btnClick() {
  if (Schritt > kStageResult) return;
  const std::vector<Text> typed = stageTexts();
  const fractions::StageOutcome outcome = fractions::JudgeStage(Item(), Level(), Schritt, typed);
  if (!outcome.judged) {
    ShowInformation(this, ToQString(outcome.message.text));
    if (AnswerField* empty = answerField(outcome.emptyField)) empty->setFocus(Qt::OtherFocusReason);
    return;
  }
  showMessage(outcome.message.text, outcome.message.colour);
  controls_.showAttempts();
  if (!practice::IsFinal(outcome.verdict)) {
    // The learner corrects the stage: the focus goes to its first wrong field.
    for (const fractions::FieldCheck& check : outcome.check.fields) {
      if (!check.right) {
        fields_[At(check.field)]->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
    return;
  }
  controls_.showPoints();
  for (std::size_t k = 0; k < outcome.check.fields.size(); ++k) {
    const fractions::FieldCheck& check = outcome.check.fields[k];
    shown_[At(check.field)] = {true, check.right, typed[k], check.expected};
  }
  openStage(outcome.nextStage);
  update();
}

void TfrmBruchU2::btnWeiterClick() {
  if (!Fertig) {
    ShowInformation(this, ToQString(fractions::UnlikeNotFinishedMessage()));
    // Back to the open stage: its first empty field, else its check button.
    QWidget* next = buttons_[At(Schritt)];
    for (int f : fractions::StageFields(Item(), Schritt)) {
      if (fields_[At(f)]->text().isEmpty()) {
        next = fields_[At(f)];
        break;
      }
    }
    next->setFocus(Qt::OtherFocusReason);
    return;
  }
  prepareItem();
  practice::StartNextPass();
  controls_.showPass();
  controls_.showAttempts();
  controls_.showPoints();
  showMessage(fractions::UnlikeInstruction(), practice::MessageColour::Brown);
  update();
}

void TfrmBruchU2::btnAuswertungClick() {
  // When the evaluation closes, this window is activated again and starts a new run, under
  // the instruction for a run after the evaluation.
  OpenEvaluation(*this, [this] {
    showMessage(fractions::UnlikeInstructionAfterEvaluation(), practice::MessageColour::Brown);
  });
}

}  // namespace kalkora
