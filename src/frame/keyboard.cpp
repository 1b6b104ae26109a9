#include "frame/keyboard.h"

#include <QGuiApplication>

#ifdef KALKORA_HAVE_X11
// Qt's header first: Xlib's macros (Bool, Status, None) must not reach Qt's declarations.
#include <QtGui/qguiapplication_platform.h>
// clang-format off
#include <X11/XKBlib.h>
// clang-format on
#endif

namespace kalkora {
namespace {

std::optional<CapsLockAccess>& testAccess() {
  static std::optional<CapsLockAccess> access;
  return access;
}

#ifdef KALKORA_HAVE_X11
Display* x11Display() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}
#endif

CapsLockAccess platformAccess() {
#ifdef KALKORA_HAVE_X11
  if (Display* display = x11Display()) {
    return CapsLockAccess{[display] {
                            XkbStateRec state{};
                            return XkbGetState(display, XkbUseCoreKbd, &state) == Success &&
                                   (state.locked_mods & LockMask) != 0;
                          },
                          [display] {
                            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
                            XFlush(display);
                          }};
  }
#endif
  return CapsLockAccess{[] { return false; }, [] {}};
}

}  // namespace

void KeepCapsLockOff() {
  const CapsLockAccess access = testAccess() ? *testAccess() : platformAccess();
  if (access.isOn()) access.switchOff();
}

void SetCapsLockAccessForTesting(std::optional<CapsLockAccess> access) {
  testAccess() = std::move(access);
}

}  // namespace kalkora
