#include "app/window_set.h"

#include <memory>
#include <vector>

#include "app/main_window.h"
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
namespace {

WindowSet& windowSet() {
  static WindowSet windows;
  return windows;
}

// Owns the windows in the order of creation.
std::vector<std::unique_ptr<KalkoraWindow>>& ownedWindows() {
  static std::vector<std::unique_ptr<KalkoraWindow>> owned;
  return owned;
}

template <typename Window>
Window* create() {
  auto window = std::make_unique<Window>();
  Window* raw = window.get();
  ownedWindows().push_back(std::move(window));
  return raw;
}

}  // namespace

const WindowSet& Windows() { return windowSet(); }

std::vector<KalkoraWindow*> AllWindows() {
  std::vector<KalkoraWindow*> windows;
  for (const auto& window : ownedWindows()) windows.push_back(window.get());
  return windows;
}

void CreateWindows() {
  WindowSet& w = windowSet();
  w.frmKalkora = create<TfrmKalkora>();
  w.frmFormeln = create<TfrmFormeln>();
  w.frmEinsetzenM = create<TfrmEinsetzenM>();
  w.frmAddSubM = create<TfrmAddSubM>();
  w.frmBegriffe = create<TfrmBegriffe>();
  w.frmPotenzenM = create<TfrmPotenzenM>();
  w.frmPolynomeM = create<TfrmPolynomeM>();
  w.frmEinsetzenU = create<TfrmEinsetzenU>();
  w.frmAuswertung = create<TfrmAuswertung>();
  w.frmAddSubU = create<TfrmAddSubU>();
  w.frmPotenzenU = create<TfrmPotenzenU>();
  w.frmDivPotU = create<TfrmDivPotU>();
  w.frmPolynomeU = create<TfrmPolynomeU>();
  w.frmErgaenzen = create<TfrmErgaenzen>();
  w.frmBruchM = create<TfrmBruchM>();
  w.frmBruchU = create<TfrmBruchU>();
  w.frmBruchU2 = create<TfrmBruchU2>();
  w.frmBruchU3 = create<TfrmBruchU3>();
}

void DestroyWindows() {
  windowSet() = WindowSet{};
  auto& owned = ownedWindows();
  while (!owned.empty()) owned.pop_back();  // the last created goes first
}

}  // namespace kalkora
