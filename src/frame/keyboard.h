#pragma once
// Keeps Caps Lock off while the learner types answers, so that letters stay lower case.

#include <functional>
#include <optional>

namespace kalkora {

// When Caps Lock is on, switches it off; otherwise does nothing. Works where the platform lets
// a program change the lock state: on X11 through the XKB extension. On other platforms
// (Wayland, the offscreen platform of the tests) there is no such way and it does nothing.
void KeepCapsLockOff();

// The operations KeepCapsLockOff uses; tests replace them to see what it does.
struct CapsLockAccess {
  std::function<bool()> isOn;
  std::function<void()> switchOff;
};
void SetCapsLockAccessForTesting(std::optional<CapsLockAccess> access);

}  // namespace kalkora
