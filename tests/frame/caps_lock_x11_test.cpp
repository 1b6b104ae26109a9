// Caps Lock on a real X server (run under xvfb-run with the xcb platform).

#include <gtest/gtest.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>

#include "frame/keyboard.h"
// clang-format off
#include <X11/XKBlib.h>
// clang-format on

namespace {

Display* display() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

bool capsLockOn(Display* d) {
  XkbStateRec state{};
  XkbGetState(d, XkbUseCoreKbd, &state);
  return (state.locked_mods & LockMask) != 0;
}

TEST(CapsLockX11, KeepCapsLockOffSwitchesTheLockOff) {
  Display* d = display();
  ASSERT_NE(d, nullptr) << "not running on X11";
  XkbLockModifiers(d, XkbUseCoreKbd, LockMask, LockMask);
  XSync(d, False);
  ASSERT_TRUE(capsLockOn(d));
  kalkora::KeepCapsLockOff();
  XSync(d, False);
  EXPECT_FALSE(capsLockOn(d));
  kalkora::KeepCapsLockOff();  // already off: stays off
  XSync(d, False);
  EXPECT_FALSE(capsLockOn(d));
}

}  // namespace

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
