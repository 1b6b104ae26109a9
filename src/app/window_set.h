#pragma once
// The 18 windows of the program. They are created once at start, in this order, and live
// until the program ends.

#include <vector>

namespace kalkora {

class TfrmKalkora;
class TfrmFormeln;
class TfrmEinsetzenM;
class TfrmAddSubM;
class TfrmBegriffe;
class TfrmPotenzenM;
class TfrmPolynomeM;
class TfrmEinsetzenU;
class TfrmAuswertung;
class TfrmAddSubU;
class TfrmPotenzenU;
class TfrmDivPotU;
class TfrmPolynomeU;
class TfrmErgaenzen;
class TfrmBruchM;
class TfrmBruchU;
class TfrmBruchU2;
class TfrmBruchU3;

struct WindowSet {
  TfrmKalkora* frmKalkora = nullptr;
  TfrmFormeln* frmFormeln = nullptr;
  TfrmEinsetzenM* frmEinsetzenM = nullptr;
  TfrmAddSubM* frmAddSubM = nullptr;
  TfrmBegriffe* frmBegriffe = nullptr;
  TfrmPotenzenM* frmPotenzenM = nullptr;
  TfrmPolynomeM* frmPolynomeM = nullptr;
  TfrmEinsetzenU* frmEinsetzenU = nullptr;
  TfrmAuswertung* frmAuswertung = nullptr;
  TfrmAddSubU* frmAddSubU = nullptr;
  TfrmPotenzenU* frmPotenzenU = nullptr;
  TfrmDivPotU* frmDivPotU = nullptr;
  TfrmPolynomeU* frmPolynomeU = nullptr;
  TfrmErgaenzen* frmErgaenzen = nullptr;
  TfrmBruchM* frmBruchM = nullptr;
  TfrmBruchU* frmBruchU = nullptr;
  TfrmBruchU2* frmBruchU2 = nullptr;
  TfrmBruchU3* frmBruchU3 = nullptr;
};

// The windows of the running program (all null before CreateWindows and after DestroyWindows).
const WindowSet& Windows();

class KalkoraWindow;
// All windows in the order of their creation (empty when none exist).
std::vector<KalkoraWindow*> AllWindows();

// Creates the 18 windows in their order; the first is the main window.
void CreateWindows();
// Destroys them in the opposite order.
void DestroyWindows();

}  // namespace kalkora
