#include "practice/exercise_window.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "base/random.h"
#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "frame/information_box.h"
#include "frame/paint_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"

namespace kalkora {

namespace {}  // namespace

ExerciseWindow::ExerciseWindow(const WindowDesign& design, const Layout& layout)
    : KalkoraWindow(design), layout_(layout) {
  answers_.assign(static_cast<std::size_t>(layout.items), RowAnswer{});
}

void ExerciseWindow::makeChildren() {
  KalkoraWindow::makeChildren();
  addCloseMenuItem();
  const Layout& layout = layout_;
  QWidget* client = clientArea();
  client->setFont(ArialPixelFont(16, true));

  pntUeb_ = new PaintBox(client, QStringLiteral("pntUeb"),
                         [this](QPainter& painter) { pntUebPaint(painter); });
  pntUeb_->setGeometry(10, 20, 1000, 690);

  lblAnzeige_ = new QLabel(client);
  lblAnzeige_->setObjectName("lblAnzeige");
  lblAnzeige_->setGeometry(0, 0, 1015, 97);
  lblAnzeige_->setAlignment(Qt::AlignCenter);
  lblAnzeige_->setWordWrap(true);
  lblAnzeige_->setFont(ArialPixelFont(21, true));
  lblAnzeige_->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int i = 1; i <= layout.items; ++i) {
    const int top = layout.firstRowTop + (i - 1) * layout.rowStep;
    Row row;
    row.face = new QLabel(client);
    row.face->setObjectName(QStringLiteral("img%1").arg(i));
    row.face->setGeometry(40, top, 63, 70);
    row.face->setScaledContents(true);
    row.first = new QLabel(client);
    row.first->setObjectName(QStringLiteral("imgZ%1%2").arg(i).arg(1));
    row.first->setGeometry(910, top + layout.resultTop, 40, 40);
    row.second = new QLabel(client);
    row.second->setObjectName(QStringLiteral("imgZ%1%2").arg(i).arg(2));
    row.second->setGeometry(960, top + layout.resultTop, 40, 40);
    for (std::size_t k = 0; k < layout.fields.size(); ++k) {
      auto* field = new AnswerField(client);
      field->setObjectName(layout.fields[k].name + QString::number(i));
      field->setGeometry(layout.fieldLeft, top + layout.fields[k].top, 50, 30);
      field->setFont(ArialPixelFont(24, true));
      if (k > 0) field->hide();
      if (k == 0) connect(field, &AnswerField::left, this, [this, i] { edtExit(i); });
      connect(field, &QLineEdit::textChanged, this, [this] { edtChange(); });
      row.fields.push_back(field);
    }
    if (layout.checkButtons) {
      row.button = new QPushButton(QStringLiteral("Prüfen"), client);
      row.button->setObjectName(QStringLiteral("btn%1").arg(i));
      row.button->setGeometry(layout.checkButton.translated(0, top));
      row.button->setFont(ArialPixelFont(19, true));
      connect(row.button, &QPushButton::clicked, this, [this, i] { btnClick(i); });
    }
    rows_.push_back(row);
  }

  controls_ = PracticeControls(client, layout.counterHeight);
  connect(controls_.auswertung(), &QPushButton::clicked, this, [this] { btnAuswertungClick(); });
  connect(controls_.weiter(), &QPushButton::clicked, this, [this] { btnWeiterClick(); });

  // The result pictures stay visible above an answer field that reaches their column.
  for (const Row& r : rows_) {
    r.first->raise();
    r.second->raise();
  }

  // Tab order: row by row its fields and its "Prüfen", then the buttons below.
  QWidget* previous = nullptr;
  const auto chain = [&](QWidget* next) {
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  };
  for (const Row& r : rows_) {
    for (AnswerField* field : r.fields) chain(field);
    if (r.button != nullptr) chain(r.button);
  }
  chain(controls_.weiter());
  chain(controls_.auswertung());
}

AnswerField* ExerciseWindow::answerField(int item, int field) const {
  return row(item).fields.at(static_cast<std::size_t>(field - 1));
}

QWidget* ExerciseWindow::paintBox() const { return pntUeb_; }

QString ExerciseWindow::typedText(int item, int field) const {
  return answerField(item, field)->text();
}

Text ExerciseWindow::answeredLine(int item, Text prefix, bool right, TextView solution) const {
  prefix += u'#';
  // The learner's exponent digits are raised one by one, as the solution's are.
  prefix += right ? Text(solution) : SplitExponentDigits(ToText(typedText(item)));
  prefix += u'#';
  return prefix;
}

void ExerciseWindow::DrawOpenRow(QPainter& painter, double x, double y, TextView prefix,
                                 OpenRowMarks marks) {
  if (marks == OpenRowMarks::Black) {
    DrawTwoColour(painter, x, y, prefix, kRowTextSize, true, QColor(Qt::black), QColor(Qt::black));
  } else {
    DrawMarkupLeft(painter, x, y, prefix, kRowTextSize, true, palette::MarkupColours);
  }
}

int ExerciseWindow::FinishedRowSize(double x, TextView line) {
  int size = kRowTextSize;
  while (size > kSmallestRowTextSize && x + MarkupWidth(line, size, true) / 10.0 > kRowTextEndX) {
    --size;
  }
  return size;
}

void ExerciseWindow::DrawFinishedRow(QPainter& painter, double x, double y, TextView line,
                                     bool right) {
  DrawTwoColour(painter, x, y, line, FinishedRowSize(x, line), true, QColor(Qt::black),
                right ? palette::palViolet : palette::palRose);
}

const Page& ExerciseWindow::ExercisePage() {
  static const Page page = MakePage(-50, 50, -30, 30, 1000, 600);
  return page;
}

void ExerciseWindow::SetExercisePage() { SetPage(-50, 50, -30, 30, 1000, 600); }

double ExerciseWindow::RowY(int item) const {
  return layout_.pageRowY - layout_.pageRowStep * item;
}

QPoint ExerciseWindow::PagePixel(double x, double y) { return PageToPixel(ExercisePage(), x, y); }

void ExerciseWindow::placeFieldAfter(int item, double prefixEndX) {
  placeField(item, PagePixel(prefixEndX, RowY(item)).x() + 10);
}

void ExerciseWindow::placeField(int item, int paintBoxX, int field) {
  AnswerField* edit = answerField(item, field);
  edit->move(pntUeb_->x() + paintBoxX, edit->y());
}

void ExerciseWindow::moveField(int item, int field, QPoint topLeft) {
  answerField(item, field)->move(topLeft);
}

void ExerciseWindow::FormActivate() {
  KalkoraWindow::FormActivate();  // palette, maximised while FullScreen
  Randomize();
  setBackground(palette::palCream);
  controls_.setWeiterShown(true);
  setWindowTitle(caption());
  practice::StartPracticeRun();
  controls_.showRunStart();
  prepareItems();
  answerField(1)->setFocus();
  update();
}

int ExerciseWindow::shownFieldWidth(int item, int field) const {
  // As wide as the rule of the topic says, and never so narrow that the expected text, as the
  // field shows it, would scroll.
  const std::vector<Text> expected = expectedFieldTexts(item);
  const auto index = static_cast<std::size_t>(field - 1);
  const QString text = index < expected.size() ? ToQString(expected[index]) : QString();
  return std::max(fieldWidth(item, field),
                  answerField(item, field)->widthShowing(text) + kFieldMargin);
}

void ExerciseWindow::prepareItems() {
  for (int i = 1; i <= itemCount(); ++i) {
    generateItem(i);
    ItemFlags& item = flags(i);
    item.Aktiv = true;
    item.Richtig = false;
    item.Gezeigt = false;
    RowAnswer answer = rowAnswer(i);
    answer.fields = std::clamp(answer.fields, 1, fieldsPerRow());
    answer.checkButton = answer.checkButton && row(i).button != nullptr;
    answers_[static_cast<std::size_t>(i - 1)] = answer;
  }
  itemsPrepared();
  for (int i = 1; i <= itemCount(); ++i) {
    const Row& r = row(i);
    const RowAnswer& answer = answerOf(i);
    setFace(i, Face::Blue);
    r.first->clear();
    r.second->clear();
    for (int k = 1; k <= fieldsPerRow(); ++k) {
      AnswerField* field = answerField(i, k);
      field->blockSignals(true);
      field->clear();
      field->blockSignals(false);
      field->setKeyFilter(keyFilter(i));
      if (k <= answer.fields) field->resize(shownFieldWidth(i, k), field->height());
      field->setVisible(k <= answer.fields);
    }
    if (r.button != nullptr) r.button->setVisible(answer.checkButton);
  }
  // The new items' fields were emptied without a change signal: the instruction comes back.
  showInstruction();
}

void ExerciseWindow::setFace(int item, Face face) { row(item).face->setPixmap(FacePicture(face)); }

void ExerciseWindow::showMessage(const Text& text, practice::MessageColour colour) {
  ShowMessage(*lblAnzeige_, text, colour);
}

void ExerciseWindow::showInstruction() {
  showMessage(instruction(), practice::MessageColour::Brown);
}

void ExerciseWindow::edtChange() {
  showMessage(changeInstruction(), practice::MessageColour::Brown);
}

bool ExerciseWindow::isRight(int item, const std::vector<Text>& typed) const {
  return typed == expectedFieldTexts(item);
}

Text ExerciseWindow::emptyFieldsMessage(int /*item*/, int /*empty*/, int /*fields*/) const {
  return u"Die Eingabefelder dürfen nicht leer sein!";
}

std::vector<Text> ExerciseWindow::rowTexts(int item) const {
  std::vector<Text> texts;
  for (int k = 1; k <= answerOf(item).fields; ++k) texts.push_back(ToText(typedText(item, k)));
  return texts;
}

void ExerciseWindow::edtExit(int item) {
  if (answerOf(item).checkButton) return;  // judged by its button
  const AnswerField* field = answerField(item);
  if (field->isHidden() || field->text().isEmpty()) return;
  judge(item, rowTexts(item));
}

void ExerciseWindow::btnClick(int item) {
  const Row& r = row(item);
  if (r.button == nullptr || r.button->isHidden()) return;
  const int fields = answerOf(item).fields;
  int empty = 0;
  for (int k = 1; k <= fields; ++k) {
    if (typedText(item, k).isEmpty()) ++empty;
  }
  if (empty > 0) {
    ShowInformation(this, ToQString(emptyFieldsMessage(item, empty, fields)));
    firstUnansweredControl(item)->setFocus(Qt::OtherFocusReason);
    return;
  }
  judge(item, rowTexts(item));
}

void ExerciseWindow::judge(int item, const std::vector<Text>& typed) {
  const Row& r = row(item);
  const practice::Verdict verdict = practice::JudgeAnswer(isRight(item, typed));
  practice::ApplyVerdict(flags(item), verdict);
  const practice::Message message = practice::FeedbackMessage(verdict, solutionText(item));

  switch (verdict) {
    case practice::Verdict::RightFirst:
      setFace(item, Face::Green);
      r.first->setPixmap(TickPicture());
      break;
    case practice::Verdict::RightSecond:
      setFace(item, Face::Orange);
      r.second->setPixmap(TickPicture());
      break;
    case practice::Verdict::WrongFirst:
      setFace(item, Face::Red);
      r.first->setPixmap(CrossPicture());
      break;
    case practice::Verdict::WrongSecond: r.second->setPixmap(CrossPicture()); break;
  }
  showMessage(message.text, message.colour);

  if (!practice::IsFinal(verdict)) {
    // The learner corrects the answer in the same row; only the attempts change.
    controls_.showAttempts();
    QWidget* again = answerOf(item).checkButton && refocusButtonAfterWrong()
                         ? static_cast<QWidget*>(r.button)
                         : static_cast<QWidget*>(r.fields.front());
    QTimer::singleShot(0, again, [again] { again->setFocus(Qt::OtherFocusReason); });
    return;
  }
  controls_.showAttempts();
  controls_.showPoints();
  for (AnswerField* field : r.fields) field->hide();
  if (r.button != nullptr) r.button->hide();
  if (openRowCount() == 0) controls_.setWeiterShown(practice::Durchgang < practice::Durchgaenge);
  update();
  pntUeb_->update();
}

bool ExerciseWindow::isOpen(int item) const {
  if (answerOf(item).checkButton) return !row(item).button->isHidden();
  return answerField(item)->text().isEmpty();
}

int ExerciseWindow::openRowCount() const {
  int open = 0;
  for (int i = 1; i <= itemCount(); ++i) {
    if (isOpen(i)) ++open;
  }
  return open;
}

QWidget* ExerciseWindow::firstUnansweredControl(int item) const {
  const Row& r = row(item);
  for (int k = 1; k <= answerOf(item).fields; ++k) {
    if (typedText(item, k).isEmpty()) return answerField(item, k);
  }
  if (answerOf(item).checkButton) return r.button;
  return r.fields.front();
}

void ExerciseWindow::btnWeiterClick() {
  // Refused while a row can still be answered: an empty field, or a row not yet checked.
  const int open = openRowCount();
  if (open > 0) {
    ShowInformation(this, ToQString(practice::MissingEntriesMessage(open)));
    for (int i = 1; i <= itemCount(); ++i) {
      if (isOpen(i)) {
        firstUnansweredControl(i)->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
    return;
  }
  // No pass follows the last one. The press on "Weiter" took the focus from the field being
  // typed in and so judged it: its answer may have finished the pass (and "Auswertung" has
  // taken the button's place already) or been a first wrong answer, which leaves no row open
  // either. The click shows "Auswertung" and starts nothing.
  if (practice::Durchgang >= practice::Durchgaenge) {
    controls_.setWeiterShown(false);
    return;
  }
  prepareItems();
  practice::StartNextPass();
  controls_.showPass();
  controls_.showAttempts();
  controls_.showPoints();
  answerField(1)->setFocus(Qt::OtherFocusReason);
  update();
}

void ExerciseWindow::btnAuswertungClick() {
  // When the evaluation closes, this window is activated again and starts a new run, under
  // the instruction for a run after the evaluation.
  OpenEvaluation(
      *this, [this] { showMessage(instructionAfterEvaluation(), practice::MessageColour::Brown); });
}

}  // namespace kalkora
