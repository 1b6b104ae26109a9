#include "practice/exercise_window.h"

#include <QPainter>
#include <QTimer>

#include "base/random.h"
#include "drawing/markup.h"
#include "frame/information_box.h"
#include "frame/number_format.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "terms/term_exponents.h"

namespace kalkora {

// The paint box pntUeb: the window draws its items on it.
class ExercisePaintBox : public QWidget {
 public:
  ExercisePaintBox(ExerciseWindow* window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName("pntUeb");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    window_->pntUebPaint(painter);
  }

 private:
  ExerciseWindow* window_;
};

namespace {

QFont arialBold(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

QLabel* counterGroup(QWidget* parent, const QString& name, const QString& title, QRect place,
                     const QColor& colour) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QStringLiteral("grp") + name);
  group->setGeometry(place);
  auto* label = new QLabel(group);
  label->setObjectName(QStringLiteral("lbl") + name);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(arialBold(21));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
  label->setGeometry(2, 16, place.width() - 4, place.height() - 18);
  return label;
}

QColor colourOf(practice::MessageColour colour) {
  switch (colour) {
    case practice::MessageColour::Violet: return palette::palViolet;
    case practice::MessageColour::Rose: return palette::palRose;
    case practice::MessageColour::Brown: break;
  }
  return palette::palBrown;
}

}  // namespace

ExerciseWindow::ExerciseWindow(const WindowDesign& design, const Layout& layout)
    : KalkoraWindow(design) {
  addCloseMenuItem();
  QWidget* client = clientArea();
  client->setFont(arialBold(16));

  pntUeb_ = new ExercisePaintBox(this, client);
  pntUeb_->setGeometry(10, 20, 1000, 690);

  lblAnzeige_ = new QLabel(client);
  lblAnzeige_->setObjectName("lblAnzeige");
  lblAnzeige_->setGeometry(0, 0, 1015, 97);
  lblAnzeige_->setAlignment(Qt::AlignCenter);
  lblAnzeige_->setWordWrap(true);
  lblAnzeige_->setFont(arialBold(21));
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
    row.first->setGeometry(910, top + 20, 40, 40);
    row.second = new QLabel(client);
    row.second->setObjectName(QStringLiteral("imgZ%1%2").arg(i).arg(2));
    row.second->setGeometry(960, top + 20, 40, 40);
    row.field = new AnswerField(client);
    row.field->setObjectName(QStringLiteral("edt%1").arg(i));
    row.field->setGeometry(layout.fieldLeft, top + 20, 50, 30);
    row.field->setFont(arialBold(24));
    connect(row.field, &AnswerField::left, this, [this, i] { edtExit(i); });
    connect(row.field, &QLineEdit::textChanged, this, [this] { edtChange(); });
    rows_.push_back(row);
  }

  const QColor navy(0, 0, 128);
  const QColor maroon(128, 0, 0);
  const int h = layout.counterHeight;
  lblDurchgang_ = counterGroup(client, "Durchgang", QStringLiteral(" Durchgang "),
                               QRect(7, 655, 218, 55), navy);
  lblAktVersuche_ = counterGroup(client, "AktVersuche", QStringLiteral(" Versuche "),
                                 QRect(240, 655, 153, h), navy);
  lblAktVersuche_->parentWidget()->setObjectName("grpVersuche");
  lblAktPunkte_ = counterGroup(client, "AktPunkte", QStringLiteral(" Punkte "),
                               QRect(408, 655, 153, h), maroon);
  lblAktPunkte_->parentWidget()->setObjectName("grpPunkte");

  btnAuswertung_ = new QPushButton(QStringLiteral("Auswertung"), client);
  btnAuswertung_->setObjectName("btnAuswertung");
  btnAuswertung_->setGeometry(800, 670, 200, 40);
  btnAuswertung_->setFont(arialBold(19));
  connect(btnAuswertung_, &QPushButton::clicked, this, [this] { btnAuswertungClick(); });
  btnWeiter_ = new QPushButton(QStringLiteral("Weiter"), client);  // on top of "Auswertung"
  btnWeiter_->setObjectName("btnWeiter");
  btnWeiter_->setGeometry(800, 670, 200, 40);
  btnWeiter_->setFont(arialBold(19));
  connect(btnWeiter_, &QPushButton::clicked, this, [this] { btnWeiterClick(); });
  setWeiterShown(true);

  // The result pictures stay visible above an answer field that reaches their column.
  for (const Row& r : rows_) {
    r.first->raise();
    r.second->raise();
  }

  // Tab order: the answer fields first, then the buttons.
  for (int i = 1; i < layout.items; ++i) setTabOrder(row(i).field, row(i + 1).field);
  setTabOrder(row(layout.items).field, btnWeiter_);
  setTabOrder(btnWeiter_, btnAuswertung_);
}

QWidget* ExerciseWindow::paintBox() const { return pntUeb_; }

QString ExerciseWindow::typedText(int item) const { return row(item).field->text(); }

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

double ExerciseWindow::RowY(int item) { return 30.0 - 10.0 * item; }

void ExerciseWindow::placeFieldAfter(int item, double prefixEndX) {
  placeField(item, PageToPixel(ExercisePage(), prefixEndX, RowY(item)).x() + 10);
}

void ExerciseWindow::placeField(int item, int paintBoxX) {
  AnswerField* field = row(item).field;
  field->move(pntUeb_->x() + paintBoxX, field->y());
}

void ExerciseWindow::FormActivate() {
  KalkoraWindow::FormActivate();  // palette, maximised while FullScreen
  Randomize();
  setBackground(palette::palCream);
  setWeiterShown(true);
  setWindowTitle(caption());
  practice::StartPracticeRun();
  lblAktVersuche_->setText(QStringLiteral("0"));
  lblAktPunkte_->setText(QStringLiteral("0"));
  lblDurchgang_->setText(ToQString(practice::PassLabel()));
  prepareItems();
  row(1).field->setFocus();
  update();
}

void ExerciseWindow::prepareItems() {
  for (int i = 1; i <= itemCount(); ++i) {
    generateItem(i);
    ItemFlags& item = flags(i);
    item.Aktiv = true;
    item.Richtig = false;
    item.Gezeigt = false;
  }
  itemsPrepared();
  for (int i = 1; i <= itemCount(); ++i) {
    const Row& r = row(i);
    setFace(i, Face::Blue);
    r.first->clear();
    r.second->clear();
    r.field->blockSignals(true);
    r.field->clear();
    r.field->blockSignals(false);
    r.field->setKeyFilter(keyFilter(i));
    // As wide as the rule of the topic says, and never so narrow that the expected answer, as
    // the field shows it, would scroll.
    const int shownWidth = r.field->widthShowing(ToQString(expectedAnswer(i))) + kFieldMargin;
    r.field->resize(std::max(fieldWidth(i), shownWidth), r.field->height());
    r.field->show();
  }
  // The new items' fields were emptied without a change signal: the instruction comes back.
  showInstruction();
}

void ExerciseWindow::setWeiterShown(bool shown) {
  // "Weiter" lies on "Auswertung": only one of the two can be seen, clicked or tabbed to.
  const bool weiterHadFocus = btnWeiter_->hasFocus();
  btnAuswertung_->setVisible(!shown);
  btnWeiter_->setVisible(shown);
  if (!shown && weiterHadFocus) btnAuswertung_->setFocus(Qt::OtherFocusReason);
}

void ExerciseWindow::setFace(int item, Face face) { row(item).face->setPixmap(FacePicture(face)); }

void ExerciseWindow::showMessage(const Text& text, practice::MessageColour colour) {
  QPalette colours = lblAnzeige_->palette();
  colours.setColor(QPalette::WindowText, colourOf(colour));
  lblAnzeige_->setPalette(colours);
  lblAnzeige_->setText(ToQString(text));
}

void ExerciseWindow::showInstruction() {
  showMessage(instruction(), practice::MessageColour::Brown);
}

void ExerciseWindow::edtChange() { showInstruction(); }

void ExerciseWindow::updateCounterLabels(bool pointsWithDecimal) {
  lblAktVersuche_->setText(QString::number(practice::AktVersuche));
  lblAktPunkte_->setText(pointsWithDecimal ? FixedDecimal(practice::AktPunkte, 1)
                                           : QStringLiteral("0"));
}

void ExerciseWindow::edtExit(int item) {
  const Row& r = row(item);
  if (r.field->isHidden() || r.field->text().isEmpty()) return;
  const Text typed = ToText(r.field->text());
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
    // The learner corrects the answer in the same field; only the attempts change.
    lblAktVersuche_->setText(QString::number(practice::AktVersuche));
    QTimer::singleShot(0, r.field, [field = r.field] { field->setFocus(Qt::OtherFocusReason); });
    return;
  }
  updateCounterLabels(true);
  r.field->hide();
  if (emptyFieldCount() == 0) setWeiterShown(practice::Durchgang < practice::Durchgaenge);
  update();
  pntUeb_->update();
}

int ExerciseWindow::emptyFieldCount() const {
  int empty = 0;
  for (const Row& r : rows_) {
    if (r.field->text().isEmpty()) ++empty;
  }
  return empty;
}

int ExerciseWindow::firstEmptyField() const {
  for (int i = 1; i <= itemCount(); ++i) {
    if (row(i).field->text().isEmpty()) return i;
  }
  return 0;
}

void ExerciseWindow::btnWeiterClick() {
  const int empty = emptyFieldCount();
  if (empty > 0) {
    ShowInformation(this, ToQString(practice::MissingEntriesMessage(empty)));
    row(firstEmptyField()).field->setFocus(Qt::OtherFocusReason);
    return;
  }
  prepareItems();
  practice::StartNextPass();
  lblDurchgang_->setText(ToQString(practice::PassLabel()));
  lblAktVersuche_->setText(QStringLiteral("0"));
  lblAktPunkte_->setText(FixedDecimal(0.0, 1));
  row(1).field->setFocus(Qt::OtherFocusReason);
  update();
}

void ExerciseWindow::btnAuswertungClick() {
  // When the evaluation closes, this window is activated again and starts a new run.
  if (TfrmAuswertung* evaluation = TfrmAuswertung::Instance()) {
    openModal(*evaluation, /*stayVisible=*/true);
  }
}

}  // namespace kalkora
