#pragma once
// frmKalkora, the main window: the title page under the menu tree from which every other
// window is opened.

#include <QLabel>
#include <QMenu>

#include "frame/kalkora_window.h"

class QPainter;

namespace kalkora {

class TfrmArbeitsblatt;

class TfrmKalkora : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmKalkora();

  // Recomputes FullScreen from the screen size (maximising on a 1024 × 768 screen), sets the
  // palette and clears the selection values that tell two-mode windows apart.
  void FormActivate() override;

  // The dialog "Arbeitsblatt erstellen", made when it is first opened; null before.
  TfrmArbeitsblatt* frmArbeitsblatt() const { return frmArbeitsblatt_; }

  // The title page (title_page.h): the paint box of the title texts, the sample-terms picture
  // and the version line.
  QWidget* pntText = nullptr;
  QLabel* imgTerm = nullptr;
  QLabel* lblVersion = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape does not end the program; "Beenden" and the close box do.
  bool closesOnEscape() const override { return false; }
  void paintEvent(QPaintEvent* event) override;

  // Paints the window's own canvas (client coordinates): the stripes of the title page.
  void FormPaint(QPainter& canvas);

 private:
  void buildMenu();
  QMenu* addSubmenu(QWidget* parent, const QString& name, const QString& caption);
  QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                   std::function<void()> handler);
  // A submenu of three items "Stufe 1" … "Stufe 3"; the handler gets the level 1 … 3.
  void addLevelMenu(QMenu* parent, const QString& name, const QString& caption,
                    const QStringList& itemNames, std::function<void(int)> handler);

  // Menu handlers. Items that share a handler pass what tells them apart.
  void BeendenClick();
  void menBegriffeClick(int topic);
  void menFormelnClick(int topic);
  void menEinsetzenMClick();
  void menAddSubbMClick();
  void menPolynomeClick(int example);
  void menStufeEClick(int level);
  void menStufeASClick(int level);
  void menStufePolyExerciseClick(int kind, int level);  // Mon, Poly, Bin, Heraus
  void menStufeErgClick(int level);
  void menPotenzenMClick(int example);
  void menStufeMultClick(int level, bool addSub);
  void menStufeDivPotClick(int level, bool raise);
  void menBruchMClick(int example);
  void menBruchUClick(int exercise);
  void menAddSubGUClick();
  void menStufeMultBClick(int level);
  void menStufeDivBClick(int level);
  void menStufeDivTBClick();
  void menAddSubUUClick(int level);
  void menStufe23DivTBClick(int level);
  void menArbeitsblattErstellenClick();

  TfrmArbeitsblatt* frmArbeitsblatt_ = nullptr;
};

}  // namespace kalkora
