#include "frame/kalkora_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "base/selection.h"
#include "frame/palette.h"
#include "frame/screen.h"

namespace kalkora {

KalkoraWindow::KalkoraWindow(const WindowDesign& design) : QWidget(nullptr), design_(design) {
  setObjectName(design.objectName);
  setWindowTitle(design.caption);

  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
  if (design.buttons == TitleBarButtons::CloseOnly) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  setWindowFlags(flags);

  client_ = new QWidget(this);
  client_->setObjectName("clientArea");
  applyDesignedSize();
}

QMenuBar* KalkoraWindow::ensureMenuBar() {
  if (menu_ == nullptr && design_.hasMenu) {
    menu_ = new QMenuBar(this);
    menu_->setObjectName("MainMenu");
    menu_->setNativeMenuBar(false);
    menu_->stackUnder(client_);
    placeMenuAndClientArea();
  }
  return menu_;
}

QAction* KalkoraWindow::addCloseMenuItem() {
  QAction* item = ensureMenuBar()->addAction(QStringLiteral("Schließen"));
  item->setObjectName("menSchliessen");
  connect(item, &QAction::triggered, this, [this] { menSchliessenClick(); });
  return item;
}

void KalkoraWindow::menSchliessenClick() { close(); }

void KalkoraWindow::ensureChildren() {
  if (childrenMade_) return;
  childrenMade_ = true;
  ensureMenuBar();
  makeChildren();
  // The menu may have items now, and so its height.
  if (!(windowState() & Qt::WindowMaximized)) applyDesignedSize();
}

void KalkoraWindow::setVisible(bool visible) {
  if (visible) ensureChildren();
  QWidget::setVisible(visible);
}

void KalkoraWindow::applyDesignedSize() {
  const int menuHeight = menu_ ? menu_->sizeHint().height() : 0;
  const QSize outer(design_.clientSize.width(), design_.clientSize.height() + menuHeight);
  setMinimumSize(outer);
  setMaximumSize(outer);
  resize(outer);
  placeMenuAndClientArea();
}

void KalkoraWindow::placeMenuAndClientArea() {
  const int menuHeight = menu_ ? menu_->sizeHint().height() : 0;
  if (menu_) menu_->setGeometry(0, 0, width(), menuHeight);
  // The client area keeps its designed size, or fills the window while maximised.
  const QSize clientSize = (windowState() & Qt::WindowMaximized)
                               ? QSize(width(), height() - menuHeight)
                               : design_.clientSize;
  client_->setGeometry(0, menuHeight, clientSize.width(), clientSize.height());
}

void KalkoraWindow::setBackground(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colour);
  setPalette(colours);
  setAutoFillBackground(true);
}

void KalkoraWindow::FormActivate() {
  if (design_.setsPalette) SetPalette();
  if (selection::FullScreen && design_.maximises) {
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize screen = ScreenSize();
    if (screen.isValid()) resize(screen);  // the platform may not maximise on its own
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    if (windowState() & Qt::WindowMaximized) setWindowState(windowState() & ~Qt::WindowMaximized);
    applyDesignedSize();
  }
}

void KalkoraWindow::openModal(KalkoraWindow& child, bool stayVisible,
                              std::function<void()> afterClose) {
  child.setWindowModality(Qt::ApplicationModal);
  child.centreOn(this);
  connect(
      &child, &KalkoraWindow::closed, this,
      [this, afterClose = std::move(afterClose)] {
        show();
        activateWindow();
        FormActivate();
        if (afterClose) afterClose();
      },
      Qt::SingleShotConnection);
  if (!stayVisible) hide();
  child.show();
  child.activateWindow();
  child.FormActivate();
}

void KalkoraWindow::centreOn(const QWidget* reference) {
  const QRect area = reference && reference->isVisible() ? reference->frameGeometry()
                     : QGuiApplication::primaryScreen()
                         ? QGuiApplication::primaryScreen()->availableGeometry()
                         : QRect(QPoint(0, 0), ScreenSize());
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(frame.topLeft());
}

void KalkoraWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && closesOnEscape()) {
    menSchliessenClick();
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // A focused button lets Enter through to its window; press it as Space would.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if (button && button->isVisible() && button->isEnabled()) {
      button->click();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void KalkoraWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit closed();
}

void KalkoraWindow::showEvent(QShowEvent* event) {
  // The menu has its items now, and so its height: the client area goes below it.
  if (!(windowState() & Qt::WindowMaximized)) applyDesignedSize();
  QWidget::showEvent(event);
}

void KalkoraWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeMenuAndClientArea();
}

}  // namespace kalkora
