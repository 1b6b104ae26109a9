#include "shots.h"

#include "divide_raise_shots.h"
#include "division_shots.h"
#include "exercise_shots.h"
#include "fraction_example_shots.h"
#include "fraction_shots.h"
#include "polynomial_example_shots.h"
#include "power_example_shots.h"
#include "substitution_shots.h"
#include "unlike_shots.h"
#include "worksheet_shots.h"

namespace kalkora::screenshot {

std::vector<Shot> AllShots() {
  std::vector<Shot> shots{
      {"main", "", {}},
      {"begriffe-terme", "menBegriffeT", {}},
      {"begriffe-potenzen", "menBegriffeP", {}},
      {"begriffe-bruchterme", "menBegriffeB", {}},
      {"formeln-terme", "menFormelnT", {}},
      {"formeln-potenzen", "menFormelnP", {}},
      {"einsetzen-muster-stufe1", "menEinsetzenM", {}},
      {"einsetzen-muster-stufe2", "menEinsetzenM", ChooseExampleLevel(2)},
      {"einsetzen-muster-stufe3", "menEinsetzenM", ChooseExampleLevel(3)},
      {"addsub-muster-stufe1", "menAddSubbM", {}},
      {"addsub-muster-stufe2", "menAddSubbM", ChooseExampleLevel(2)},
      {"addsub-muster-stufe3", "menAddSubbM", ChooseExampleLevel(3)},
      {"einsetzen-stufe1", "menStufe1E", {}},
      {"einsetzen-stufe1-antworten", "menStufe1E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-stufe2", "menStufe2E", {}},
      {"einsetzen-stufe2-antworten", "menStufe2E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-stufe3", "menStufe3E", {}},
      {"einsetzen-stufe3-antworten", "menStufe3E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-auswertung", "menStufe1E", {}, PlaySubstitutionRunToEvaluation},
      {"addsub-stufe1", "menStufe1AS", {}},
      {"addsub-stufe1-antworten", "menStufe1AS", AnswerLikeTermItemsInEveryState},
      {"addsub-stufe2", "menStufe2AS", {}},
      {"addsub-stufe2-antworten", "menStufe2AS", AnswerLikeTermItemsInEveryState},
      {"addsub-stufe3", "menStufe3AS", {}},
      {"addsub-stufe3-antworten", "menStufe3AS", AnswerLikeTermItemsInEveryState},
      {"polynome-mon-stufe1", "menStufe1Mon", {}},
      {"polynome-mon-stufe1-antworten", "menStufe1Mon", AnswerPolynomialItemsInEveryState},
      {"polynome-mon-stufe2", "menStufe2Mon", {}},
      {"polynome-mon-stufe2-antworten", "menStufe2Mon", AnswerPolynomialItemsInEveryState},
      {"polynome-mon-stufe3", "menStufe3Mon", {}},
      {"polynome-mon-stufe3-antworten", "menStufe3Mon", AnswerPolynomialItemsInEveryState},
      {"polynome-poly-stufe1", "menStufe1Poly", {}},
      {"polynome-poly-stufe1-antworten", "menStufe1Poly", AnswerPolynomialItemsInEveryState},
      {"polynome-poly-stufe2", "menStufe2Poly", {}},
      {"polynome-poly-stufe2-antworten", "menStufe2Poly", AnswerPolynomialItemsInEveryState},
      {"polynome-poly-stufe3", "menStufe3Poly", {}},
      {"polynome-poly-stufe3-antworten", "menStufe3Poly", AnswerPolynomialItemsInEveryState},
      {"polynome-bin-stufe1", "menStufe1Bin", {}},
      {"polynome-bin-stufe1-antworten", "menStufe1Bin", AnswerPolynomialItemsInEveryState},
      {"polynome-bin-stufe2", "menStufe2Bin", {}},
      {"polynome-bin-stufe2-antworten", "menStufe2Bin", AnswerPolynomialItemsInEveryState},
      {"polynome-bin-stufe3", "menStufe3Bin", {}},
      {"polynome-bin-stufe3-antworten", "menStufe3Bin", AnswerPolynomialItemsInEveryState},
      {"polynome-heraus-stufe1", "menStufe1Heraus", {}},
      {"polynome-heraus-stufe1-antworten", "menStufe1Heraus", AnswerPolynomialItemsInEveryState},
      {"polynome-heraus-stufe2", "menStufe2Heraus", {}},
      {"polynome-heraus-stufe2-antworten", "menStufe2Heraus", AnswerPolynomialItemsInEveryState},
      {"polynome-heraus-stufe3", "menStufe3Heraus", {}},
      {"polynome-heraus-stufe3-antworten", "menStufe3Heraus", AnswerPolynomialItemsInEveryState},
      {"potenzen-mult-stufe1-antworten", "menStufe1Mult", AnswerPowerItemsInEveryState},
      {"potenzen-mult-stufe2", "menStufe2Mult", {}},
      {"potenzen-mult-stufe2-antworten", "menStufe2Mult", AnswerPowerItemsInEveryState},
      {"potenzen-mult-stufe3", "menStufe3Mult", {}},
      {"potenzen-mult-stufe3-antworten", "menStufe3Mult", AnswerPowerItemsInEveryState},
      {"potenzen-addsub-stufe1", "menStufe1PAS", {}},
      {"potenzen-addsub-stufe1-antworten", "menStufe1PAS", AnswerPowerItemsInEveryState},
      {"potenzen-addsub-stufe2", "menStufe2PAS", {}},
      {"potenzen-addsub-stufe2-antworten", "menStufe2PAS", AnswerPowerItemsInEveryState},
      {"potenzen-addsub-stufe3", "menStufe3PAS", {}},
      {"potenzen-addsub-stufe3-antworten", "menStufe3PAS", AnswerPowerItemsInEveryState},
      {"ergaenzen-stufe1", "menStufe1Erg", {}},
      {"ergaenzen-stufe1-antworten", "menStufe1Erg", AnswerCompletionItemsInEveryState},
      {"ergaenzen-stufe1-breit", "menStufe1Erg", WidestCompletionRows(1, false)},
      {"ergaenzen-stufe2", "menStufe2Erg", {}},
      {"ergaenzen-stufe2-antworten", "menStufe2Erg", AnswerCompletionItemsInEveryState},
      {"ergaenzen-stufe2-breit", "menStufe2Erg", WidestCompletionRows(2, false)},
      {"ergaenzen-stufe3", "menStufe3Erg", {}},
      {"ergaenzen-stufe3-antworten", "menStufe3Erg", AnswerCompletionItemsInEveryState},
      {"ergaenzen-stufe3-breit", "menStufe3Erg", WidestCompletionRows(3, false)},
      {"ergaenzen-stufe3-breit-antworten", "menStufe3Erg", WidestCompletionRows(3, true)},
  };
  for (Shot& shot : PowerExampleShots()) shots.push_back(std::move(shot));
  for (Shot& shot : DivideRaiseShots()) shots.push_back(std::move(shot));
  for (Shot& shot : FractionExerciseShots()) shots.push_back(std::move(shot));
  for (Shot& shot : DivisionShots()) shots.push_back(std::move(shot));
  for (Shot& shot : UnlikeShots()) shots.push_back(std::move(shot));
  for (Shot& shot : PolynomialExampleShots()) shots.push_back(std::move(shot));
  for (Shot& shot : WorksheetShots()) shots.push_back(std::move(shot));
  for (Shot& shot : FractionExampleShots()) shots.push_back(std::move(shot));
  return shots;
}

}  // namespace kalkora::screenshot
