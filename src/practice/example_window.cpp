#include "practice/example_window.h"

#include <QPainter>

#include "base/random.h"
#include "base/selection.h"
#include "drawing/fonts.h"
#include "drawing/page.h"
#include "frame/paint_box.h"
#include "frame/text_conversion.h"

namespace kalkora {

ExampleWindow::ExampleWindow(const WindowDesign& design, const Layout& layout)
    : KalkoraWindow(design), layout_(layout) {}

void ExampleWindow::makeChildren() {
  KalkoraWindow::makeChildren();
  const Layout& layout = layout_;
  addCloseMenuItem();
  if (!layout.stepMenuCaption.isEmpty()) {
    menDarstellung_ = mainMenu()->addAction(layout.stepMenuCaption);
    menDarstellung_->setObjectName("menDarstellung");
    connect(menDarstellung_, &QAction::triggered, this, [this] {
      menDarstellungClick();
      // The keyboard goes to the display's "Weiter": chosen with Alt, the arrow keys and Enter,
      // the item would otherwise leave the keyboard on the menu bar, where Enter and Space
      // press nothing.
      if (btnWeiter_ != nullptr && btnWeiter_->isVisible()) {
        btnWeiter_->setFocus(Qt::MenuBarFocusReason);
      }
    });
  }
  QWidget* client = clientArea();
  client->setFont(ArialPixelFont(16, true));

  pnt_ =
      new PaintBox(client, QStringLiteral("pnt"), [this](QPainter& painter) { pntPaint(painter); });
  pnt_->setGeometry(layout.paintBox);

  auto* group = new QGroupBox(QStringLiteral(" Auswahl "), client);
  grpStufe_ = group;
  group->setObjectName("grpStufe");
  group->setGeometry(layout.levelGroup);
  levelGroup_ = new QButtonGroup(this);
  const int columnWidth = (layout.levelGroup.width() - 8) / 3;
  for (int level = 1; level <= 3; ++level) {
    auto* button = new QRadioButton(QStringLiteral("Stufe %1").arg(level), group);
    button->setObjectName(QStringLiteral("rbStufe%1").arg(level));
    button->setGeometry(6 + (level - 1) * columnWidth, 20, columnWidth,
                        layout.levelGroup.height() - 24);
    levelGroup_->addButton(button, level);
    levels_[static_cast<std::size_t>(level - 1)] = button;
  }
  connect(levelGroup_, &QButtonGroup::idClicked, this, [this](int level) { grpStufeClick(level); });

  btnNochmals_ = new QPushButton(QStringLiteral("Weitere Beispiele"), client);
  btnNochmals_->setObjectName("btnNochmals");
  btnNochmals_->setGeometry(layout.moreButton);
  connect(btnNochmals_, &QPushButton::clicked, this, [this] { btnNochmalsClick(); });

  if (!layout.stepButton.isEmpty()) {
    btnWeiter_ = new QPushButton(QStringLiteral("Weiter"), client);
    btnWeiter_->setObjectName("btnWeiter");
    btnWeiter_->setGeometry(layout.stepButton);
    btnWeiter_->hide();  // only in the step-by-step display
    connect(btnWeiter_, &QPushButton::clicked, this, [this] { btnWeiterClick(); });
  }

  if (!layout.instructionLabel.isEmpty()) {
    // Created after the paint box, so it lies on top of it; clicks pass through to the page.
    lblAnzeige_ = new QLabel(client);
    lblAnzeige_->setObjectName("lblAnzeige");
    lblAnzeige_->setGeometry(layout.instructionLabel);
    lblAnzeige_->setAlignment(Qt::AlignCenter);
    lblAnzeige_->setWordWrap(true);
    lblAnzeige_->setFont(ArialPixelFont(19, true));
    lblAnzeige_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

QWidget* ExampleWindow::paintBox() const { return pnt_; }

void ExampleWindow::showInstruction(TextView text, const QColor& colour) {
  if (lblAnzeige_ == nullptr) return;
  QPalette colours = lblAnzeige_->palette();
  colours.setColor(QPalette::WindowText, colour);
  lblAnzeige_->setPalette(colours);
  lblAnzeige_->setText(ToQString(text));
}

int ExampleWindow::Level() {
  const int level = selection::selLevel;
  return level >= 1 && level <= 3 ? level : 1;
}

void ExampleWindow::SetExamplePage() { SetPage(-50, 50, -35, 35, 1000, 700); }

void ExampleWindow::showStepButton(bool shown) {
  if (btnWeiter_ != nullptr) btnWeiter_->setVisible(shown);
}

void ExampleWindow::enableChoice(bool enabled) {
  grpStufe_->setEnabled(enabled);
  btnNochmals_->setEnabled(enabled);
}

void ExampleWindow::enableMoreExamples(bool enabled) { btnNochmals_->setEnabled(enabled); }

bool ExampleWindow::choiceEnabled() const { return grpStufe_->isEnabled(); }

void ExampleWindow::showStepMenuItem(bool shown) {
  if (menDarstellung_ != nullptr) menDarstellung_->setVisible(shown);
}

void ExampleWindow::FormActivate() {
  KalkoraWindow::FormActivate();  // palette, maximised while FullScreen
  Randomize();
  setBackground(Qt::white);
  // Every opening starts in the generated examples, also after a close in the middle of steps.
  showStepButton(false);
  enableChoice(true);
  showStepMenuItem(true);
  selection::selLevel = 1;
  levels_[0]->setChecked(true);
  generateExamples();
  pnt_->update();
}

void ExampleWindow::grpStufeClick(int level) {
  selection::selLevel = level;
  generateExamples();
  pnt_->update();
}

void ExampleWindow::btnNochmalsClick() {
  generateExamples();
  pnt_->update();
}

}  // namespace kalkora
