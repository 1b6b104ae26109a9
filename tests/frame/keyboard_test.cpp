#include "frame/keyboard.h"

#include <gtest/gtest.h>

namespace kalkora {
namespace {

TEST(KeepCapsLockOff, SwitchesOffOnlyWhenTheLockIsOn) {
  for (const bool on : {true, false}) {
    int switchedOff = 0;
    SetCapsLockAccessForTesting(CapsLockAccess{[on] { return on; }, [&] { ++switchedOff; }});
    KeepCapsLockOff();
    EXPECT_EQ(switchedOff, on ? 1 : 0);
  }
  SetCapsLockAccessForTesting(std::nullopt);
}

TEST(KeepCapsLockOff, DoesNothingWhereThePlatformHasNoWay) {
  SetCapsLockAccessForTesting(std::nullopt);
  KeepCapsLockOff();  // the offscreen platform: no crash, nothing to do
}

}  // namespace
}  // namespace kalkora
