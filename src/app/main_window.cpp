#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

#include "app/title_page.h"
#include "app/window_set.h"
#include "app/worksheet_dialog.h"
#include "base/selection.h"
#include "frame/palette.h"
#include "frame/screen.h"
#include "practice/evaluation_window.h"
#include "reference/concept_window.h"
#include "reference/formula_sheet_window.h"
#include "topics/fractions/fraction_examples_window.h"
#include "topics/fractions/fraction_exercise_window.h"
#include "topics/fractions/unlike_denominators_window.h"
#include "topics/polynomials/completion_exercise_window.h"
#include "topics/polynomials/long_division_window.h"
#include "topics/polynomials/polynomial_examples_window.h"
#include "topics/polynomials/polynomial_exercise_window.h"
#include "topics/powers/power_divide_raise_window.h"
#include "topics/powers/power_examples_window.h"
#include "topics/powers/power_exercise_window.h"
#include "topics/terms/like_terms_examples_window.h"
#include "topics/terms/like_terms_exercise_window.h"
#include "topics/terms/substitution_examples_window.h"
#include "topics/terms/substitution_exercise_window.h"

namespace kalkora {

using namespace selection;

TfrmKalkora::TfrmKalkora()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmKalkora"), QStringLiteral("Kalkora"), QSize(1016, 722)}) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  setFont(font);
  buildMenu();

  const auto* titlePage = new TitlePage(clientArea());
  pntText = titlePage->pntText();
  imgTerm = titlePage->imgTerm();
  lblVersion = titlePage->lblVersion();
}

void TfrmKalkora::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.translate(clientArea()->pos());
  FormPaint(canvas);
}

void TfrmKalkora::FormPaint(QPainter& canvas) { DrawTitleStripes(canvas, size()); }

QMenu* TfrmKalkora::addSubmenu(QWidget* parent, const QString& name, const QString& caption) {
  QMenu* submenu = nullptr;
  if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
    submenu = bar->addMenu(caption);
  } else {
    submenu = static_cast<QMenu*>(parent)->addMenu(caption);
  }
  submenu->setObjectName(name);
  submenu->menuAction()->setObjectName(name);
  return submenu;
}

QAction* TfrmKalkora::addItem(QMenu* menu, const QString& name, const QString& caption,
                              std::function<void()> handler) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  connect(item, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  return item;
}

void TfrmKalkora::addLevelMenu(QMenu* parent, const QString& name, const QString& caption,
                               const QStringList& itemNames, std::function<void(int)> handler) {
  QMenu* levels = addSubmenu(parent, name, caption);
  for (int level = 1; level <= itemNames.size(); ++level) {
    addItem(levels, itemNames[level - 1], QStringLiteral("Stufe %1").arg(level),
            [handler, level] { handler(level); });
  }
}

void TfrmKalkora::buildMenu() {
  QMenuBar* bar = ensureMenuBar();

  QAction* beenden = bar->addAction(QStringLiteral("&Beenden"));
  beenden->setObjectName("Beenden");
  connect(beenden, &QAction::triggered, this, [this] { BeendenClick(); });

  // Terme
  QMenu* terme = addSubmenu(bar, "menTermeM", QStringLiteral("Terme"));
  addItem(terme, "menBegriffeT", QStringLiteral("Begriffe"), [this] { menBegriffeClick(1); });
  addItem(terme, "menFormelnT", QStringLiteral("Formeln"), [this] { menFormelnClick(1); });
  terme->addSeparator()->setObjectName("N1");
  QMenu* termeM = addSubmenu(terme, "menTermM", QStringLiteral("Musterbeispiele"));
  addItem(termeM, "menEinsetzenM", QStringLiteral("Einsetzen"), [this] { menEinsetzenMClick(); });
  addItem(termeM, "menAddSubbM", QStringLiteral("Addieren/Subtrahieren"),
          [this] { menAddSubbMClick(); });
  addItem(termeM, "menPolyMonM", QStringLiteral("Polynom·Monom"), [this] { menPolynomeClick(1); });
  addItem(termeM, "menPolyPolyM", QStringLiteral("Polynom·Polynom"),
          [this] { menPolynomeClick(2); });
  addItem(termeM, "menBinomeM", QStringLiteral("Formeln für Binome"),
          [this] { menPolynomeClick(3); });
  addItem(termeM, "menErgaenzenM", QStringLiteral("Formeln ergänzen"),
          [this] { menPolynomeClick(4); });
  addItem(termeM, "menHeraushebenM", QStringLiteral("Herausheben"),
          [this] { menPolynomeClick(5); });
  QMenu* termeU = addSubmenu(terme, "menTermU", QStringLiteral("Übungsbeispele"));
  addLevelMenu(termeU, "menEinsetzenU", QStringLiteral("Einsetzen"),
               {"menStufe1E", "menStufe2E", "menStufe3E"}, [this](int l) { menStufeEClick(l); });
  addLevelMenu(termeU, "menAddSubbU", QStringLiteral("Addieren/Subtrahieren"),
               {"menStufe1AS", "menStufe2AS", "menStufe3AS"},
               [this](int l) { menStufeASClick(l); });
  addLevelMenu(termeU, "menPolyMonU", QStringLiteral("Polynom·Monom"),
               {"menStufe1Mon", "menStufe2Mon", "menStufe3Mon"},
               [this](int l) { menStufePolyExerciseClick(1, l); });
  addLevelMenu(termeU, "menPolyPolU", QStringLiteral("Polynom·Polynom"),
               {"menStufe1Poly", "menStufe2Poly", "menStufe3Poly"},
               [this](int l) { menStufePolyExerciseClick(2, l); });
  addLevelMenu(termeU, "menBinomeU", QStringLiteral("Formeln für Binome"),
               {"menStufe1Bin", "menStufe2Bin", "menStufe3Bin"},
               [this](int l) { menStufePolyExerciseClick(3, l); });
  addLevelMenu(termeU, "menErgaenzenU", QStringLiteral("Formeln ergänzen"),
               {"menStufe1Erg", "menStufe2Erg", "menStufe3Erg"},
               [this](int l) { menStufeErgClick(l); });
  addLevelMenu(termeU, "menHeraushebenU", QStringLiteral("Herausheben"),
               {"menStufe1Heraus", "menStufe2Heraus", "menStufe3Heraus"},
               [this](int l) { menStufePolyExerciseClick(5, l); });

  // Potenzen
  QMenu* potenzen = addSubmenu(bar, "menPotenzen", QStringLiteral("Potenzen"));
  addItem(potenzen, "menBegriffeP", QStringLiteral("Begriffe"), [this] { menBegriffeClick(2); });
  addItem(potenzen, "menFormelnP", QStringLiteral("Formeln"), [this] { menFormelnClick(2); });
  potenzen->addSeparator()->setObjectName("N2");
  QMenu* potenzM = addSubmenu(potenzen, "menPotenzM", QStringLiteral("Musterbeispiele"));
  addItem(potenzM, "menPotMultM", QStringLiteral("Multiplizieren"),
          [this] { menPotenzenMClick(1); });
  addItem(potenzM, "menPotDivM", QStringLiteral("Dividieren"), [this] { menPotenzenMClick(2); });
  addItem(potenzM, "menPotPotM", QStringLiteral("Potenzieren"), [this] { menPotenzenMClick(3); });
  addItem(potenzM, "menAddSubPotM", QStringLiteral("Addieren/Subrahieren"),
          [this] { menPotenzenMClick(4); });
  QMenu* potenzU = addSubmenu(potenzen, "menPotenzU", QStringLiteral("Übungsbeispiele"));
  addLevelMenu(potenzU, "menPotMultU", QStringLiteral("Multiplizieren"),
               {"menStufe1Mult", "menStufe2Mult", "menStufe3Mult"},
               [this](int l) { menStufeMultClick(l, false); });
  addLevelMenu(potenzU, "menPotDivU", QStringLiteral("Dividieren"),
               {"menStufe1Div", "menStufe2Div", "menStufe3Div"},
               [this](int l) { menStufeDivPotClick(l, false); });
  addLevelMenu(potenzU, "menPotPotU", QStringLiteral("Potenzieren"),
               {"menStufe1Pot", "menStufe2Pot", "menStufe3Pot"},
               [this](int l) { menStufeDivPotClick(l, true); });
  addLevelMenu(potenzU, "menAddSubPotU", QStringLiteral("Addieren/Subtrahieren"),
               {"menStufe1PAS", "menStufe2PAS", "menStufe3PAS"},
               [this](int l) { menStufeMultClick(l, true); });

  // Bruchterme
  QMenu* bruch = addSubmenu(bar, "menBruchterme", QStringLiteral("Bruchterme"));
  addItem(bruch, "menBegriffeB", QStringLiteral("Begriffe"), [this] { menBegriffeClick(3); });
  bruch->addSeparator()->setObjectName("N3");
  QMenu* bruchM = addSubmenu(bruch, "menBruchM", QStringLiteral("Musterbeispiele"));
  addItem(bruchM, "menDefmengeM", QStringLiteral("Definitionsmenge"),
          [this] { menBruchMClick(1); });
  addItem(bruchM, "menKuerzenM", QStringLiteral("Kürzen"), [this] { menBruchMClick(2); });
  addItem(bruchM, "menKgvM", QStringLiteral("kgV"), [this] { menBruchMClick(3); });
  QMenu* addSubM = addSubmenu(bruchM, "menAddSubM", QStringLiteral("Addieren/Subtrahieren"));
  addItem(addSubM, "menAddSubM1", QStringLiteral("gleichnamig"), [this] { menBruchMClick(4); });
  addItem(addSubM, "menAddSubM2", QStringLiteral("ungleichnamig"), [this] { menBruchMClick(5); });
  addItem(bruchM, "menMultM", QStringLiteral("Multiplizieren"), [this] { menBruchMClick(6); });
  addItem(bruchM, "menDivM", QStringLiteral("Dividieren"), [this] { menBruchMClick(7); });
  addItem(bruchM, "menTermDivM", QStringLiteral("Dividieren durch Terme"),
          [this] { menBruchMClick(8); });
  QMenu* bruchU = addSubmenu(bruch, "menBruchU", QStringLiteral("Übungsbeispiele"));
  addItem(bruchU, "menDefmengeU", QStringLiteral("Definitionsmenge"),
          [this] { menBruchUClick(1); });
  addItem(bruchU, "menKuerzenU", QStringLiteral("Kürzen"), [this] { menBruchUClick(2); });
  addItem(bruchU, "menKgvU", QStringLiteral("kgV"), [this] { menBruchUClick(3); });
  addItem(bruchU, "menAddSubGU", QStringLiteral("Addieren/Subtrahieren (gleichnamig)"),
          [this] { menAddSubGUClick(); });
  addLevelMenu(bruchU, "menAddSubUU", QStringLiteral("Addieren/Subtrahieren (ungleichnamig)"),
               {"menAddSubUU1", "menAddSubUU2", "menAddSubUU3"},
               [this](int l) { menAddSubUUClick(l); });
  addLevelMenu(bruchU, "menMultU", QStringLiteral("Multiplizieren"),
               {"menStufe1MultB", "menStufe2MultB", "menStufe3MultB"},
               [this](int l) { menStufeMultBClick(l); });
  addLevelMenu(bruchU, "menDivU", QStringLiteral("Dividieren"),
               {"menStufe1DivB", "menStufe2DivB", "menStufe3DivB"},
               [this](int l) { menStufeDivBClick(l); });
  addLevelMenu(bruchU, "menTermDivU", QStringLiteral("Dividieren durch Terme"),
               {"menStufe1DivTB", "menStufe2DivTB", "menStufe3DivTB"}, [this](int l) {
                 if (l == 1) {
                   menStufeDivTBClick();
                 } else {
                   menStufe23DivTBClick(l);
                 }
               });

  // Arbeitsblatt: printable worksheets from the exercise generators.
  QMenu* arbeitsblatt = addSubmenu(bar, "menArbeitsblatt", QStringLiteral("Arbeitsblatt"));
  addItem(arbeitsblatt, "menArbeitsblattErstellen", QStringLiteral("Arbeitsblatt erstellen …"),
          [this] { menArbeitsblattErstellenClick(); });
}

void TfrmKalkora::FormActivate() {
  FullScreen = false;
  const QSize screen = ScreenSize();
  if (screen.width() == 1024 && screen.height() == 768) FullScreen = true;
  KalkoraWindow::FormActivate();  // palette, and maximised while FullScreen
  selSubstLevel = selPowerAddSubLevel = selPowerMultLevel = 0;
  selPolyExample = selPowerDivLevel = selPowerRaiseLevel = selPolyExercise = 0;
}

void TfrmKalkora::closeEvent(QCloseEvent* event) {
  KalkoraWindow::closeEvent(event);
  if (event->isAccepted()) QApplication::quit();
}

void TfrmKalkora::BeendenClick() { close(); }

void TfrmKalkora::menBegriffeClick(int topic) {
  selConceptTopic = topic;
  openModal(*Windows().frmBegriffe);
}

void TfrmKalkora::menFormelnClick(int topic) {
  selFormulaTopic = topic;
  openModal(*Windows().frmFormeln, /*stayVisible=*/true);
}

void TfrmKalkora::menEinsetzenMClick() { openModal(*Windows().frmEinsetzenM); }

void TfrmKalkora::menAddSubbMClick() { openModal(*Windows().frmAddSubM); }

void TfrmKalkora::menPolynomeClick(int example) {
  selPolyExample = example;
  openModal(*Windows().frmPolynomeM, false, [] { selPolyExample = 0; });
}

void TfrmKalkora::menStufeEClick(int level) {
  selSubstLevel = level;
  openModal(*Windows().frmEinsetzenU, false,
            [] { selSubstLevel = selPowerMultLevel = selPowerAddSubLevel = 0; });
}

void TfrmKalkora::menStufeASClick(int level) {
  selLikeTermsLevel = level;
  openModal(*Windows().frmAddSubU);
}

void TfrmKalkora::menStufePolyExerciseClick(int kind, int level) {
  selPolyExercise = kind;
  selLevel = level;
  openModal(*Windows().frmPolynomeU, false, [] { selPolyExercise = 0; });
}

void TfrmKalkora::menStufeErgClick(int level) {
  selLevel = level;
  openModal(*Windows().frmErgaenzen);
}

void TfrmKalkora::menPotenzenMClick(int example) {
  selPowerExample = example;
  openModal(*Windows().frmPotenzenM);
}

void TfrmKalkora::menStufeMultClick(int level, bool addSub) {
  (addSub ? selPowerAddSubLevel : selPowerMultLevel) = level;
  openModal(*Windows().frmPotenzenU, false, [] { selPowerMultLevel = selPowerAddSubLevel = 0; });
}

void TfrmKalkora::menStufeDivPotClick(int level, bool raise) {
  (raise ? selPowerRaiseLevel : selPowerDivLevel) = level;
  openModal(*Windows().frmDivPotU, false, [] { selPowerDivLevel = selPowerRaiseLevel = 0; });
}

void TfrmKalkora::menBruchMClick(int example) {
  selFractionExample = example;
  openModal(*Windows().frmBruchM);
}

void TfrmKalkora::menBruchUClick(int exercise) {
  selFractionExercise = exercise;
  openModal(*Windows().frmBruchU);
}

void TfrmKalkora::menAddSubGUClick() {
  selFractionExercise = 4;
  selLevel = 1;
  openModal(*Windows().frmBruchU);
}

void TfrmKalkora::menStufeMultBClick(int level) {
  selFractionExercise = 5;
  selLevel = level;
  openModal(*Windows().frmBruchU);
}

void TfrmKalkora::menStufeDivBClick(int level) {
  selFractionExercise = 6;
  selLevel = level;
  openModal(*Windows().frmBruchU);
}

void TfrmKalkora::menStufeDivTBClick() {
  selFractionExercise = 7;  // the level stays as it is
  openModal(*Windows().frmBruchU);
}

void TfrmKalkora::menAddSubUUClick(int level) {
  selLevel = level;
  openModal(*Windows().frmBruchU2);
}

void TfrmKalkora::menArbeitsblattErstellenClick() {
  // Over the main window, which stays visible, as the formula sheet does.
  if (frmArbeitsblatt_ == nullptr) frmArbeitsblatt_ = new TfrmArbeitsblatt(this);
  frmArbeitsblatt_->show();
  frmArbeitsblatt_->raise();
  frmArbeitsblatt_->activateWindow();
}

void TfrmKalkora::menStufe23DivTBClick(int level) {
  DivisionItemReady = false;
  selLevel = level;
  openModal(*Windows().frmBruchU3);
}

}  // namespace kalkora
