#pragma once
// The selection state: the main window's menu tells the window it opens which topic, kind and
// level to show. 0 means "not chosen". Everything starts at 0 / false.

namespace kalkora::selection {

inline bool FullScreen = false;      // the screen is exactly 1024 × 768: windows maximise
inline int selFormulaTopic = 0;      // 1 terms, 2 powers
inline int selConceptTopic = 0;      // 1 terms, 2 powers, 3 fractional terms
inline int selSubstLevel = 0;        // 1–3
inline int selLikeTermsLevel = 0;    // 1–3
inline int selPowerExample = 0;      // 1 multiply, 2 divide, 3 raise, 4 add/subtract
inline int selPowerMultLevel = 0;    // 1–3; non-zero selects the multiplication mode
inline int selPowerAddSubLevel = 0;  // 1–3; non-zero selects the add/subtract mode
inline int selPowerDivLevel = 0;     // 1–3; non-zero selects the division mode
inline int selPowerRaiseLevel = 0;   // 1–3; non-zero selects the raising mode
inline int selPolyExample = 0;  // 1 poly·mono, 2 poly·poly, 3 binomials, 4 completing, 5 factoring
inline int selPolyExercise = 0;         // 1, 2, 3, 5 as selPolyExample
inline int selLevel = 0;                // 1–3, shared by several exercise and example windows
inline int selFractionExample = 0;      // 1 … 8
inline int selFractionExercise = 0;     // 1 … 7
inline bool DivisionItemReady = false;  // the long-division window has its item

// Everything back to the start values (tests).
void ResetSelection();

}  // namespace kalkora::selection
