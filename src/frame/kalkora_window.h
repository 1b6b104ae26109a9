#pragma once
// The frame every window of Kalkora shares: a top-level window of fixed size whose client area
// (the area below the menu bar) has the designed pixel size, with absolutely placed children.

#include <QMenuBar>
#include <QWidget>
#include <functional>

namespace kalkora {

enum class TitleBarButtons {
  CloseOnly,  // system menu and close box, no minimise or maximise box
  None,       // a dialog frame without title-bar buttons (the window closes itself)
};

struct WindowDesign {
  QString objectName;  // "frmEinsetzenU"
  QString caption;     // the caption of the form; windows may replace it when they open
  QSize clientSize;    // below the menu bar
  TitleBarButtons buttons = TitleBarButtons::CloseOnly;
  bool hasMenu = true;
  bool setsPalette = true;  // every window but the evaluation window sets the palette on opening
  bool maximises = true;    // maximised while the screen is 1024 × 768 (not the small dialogs)
};

class KalkoraWindow : public QWidget {
  Q_OBJECT

 public:
  explicit KalkoraWindow(const WindowDesign& design);

  // Children are placed on the client area in client pixels.
  QWidget* clientArea() const { return client_; }
  // The window's menu bar; a window whose menu is made with its controls has none until it is
  // first shown.
  QMenuBar* mainMenu() const { return menu_; }
  QSize designedClientSize() const { return design_.clientSize; }

  // Places the window in the middle of the screen (the main window at start).
  void centreOnScreen() { centreOn(nullptr); }

  // The colour of the window's background.
  void setBackground(const QColor& colour);

  // The window's activation steps (FormActivate): run every time the window is opened and when
  // a window it opened closes again. The base maximises the window while the screen is
  // 1024 × 768 and keeps the designed size otherwise; windows add their own steps.
  virtual void FormActivate();

  // Shows `child` modally over this window: this window hides meanwhile unless `stayVisible`.
  // When the child closes, this window is shown again, runs FormActivate, and then
  // `afterClose` runs.
  void openModal(KalkoraWindow& child, bool stayVisible = false,
                 std::function<void()> afterClose = {});

  // Makes the window's controls if they are not made yet. A window makes them when it is first
  // shown, so the program's start, which makes every window and shows one, pays only for the
  // controls of that one. Code that reaches a control of a window not yet shown calls this.
  void ensureChildren();
  void setVisible(bool visible) override;

 signals:
  void closed();

 protected:
  // The menu bar, made when first asked for (windows with a menu only).
  QMenuBar* ensureMenuBar();
  // Adds the menu item "Schließen" (menSchliessen) that closes the window.
  QAction* addCloseMenuItem();
  virtual void menSchliessenClick();

  // Makes the controls on the client area (and the window's own menu items), once, before the
  // window is first shown. A window that overrides it calls its base's first.
  virtual void makeChildren() {}

  // Keys every window understands: Escape closes it (as "Schließen" does), Enter or Return on a
  // focused button presses it (Space does so by itself).
  void keyPressEvent(QKeyEvent* event) override;
  // Whether Escape closes the window (not the main window: that would end the program).
  virtual bool closesOnEscape() const { return true; }

  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void applyDesignedSize();
  void placeMenuAndClientArea();
  void centreOn(const QWidget* reference);

  WindowDesign design_;
  QMenuBar* menu_ = nullptr;
  QWidget* client_ = nullptr;
  bool childrenMade_ = false;
};

}  // namespace kalkora
