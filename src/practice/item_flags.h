#pragma once
// The practice-run flags every item record carries.

namespace kalkora {

struct ItemFlags {
  bool Aktiv = false;    // a generated item; only active items are drawn
  bool Richtig = false;  // answered right
  bool Gezeigt = false;  // answered wrong twice; the solution has been shown
};

}  // namespace kalkora
