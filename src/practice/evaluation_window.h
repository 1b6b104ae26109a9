#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmAuswertung : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmAuswertung();
  void FormActivate() override;
};

}  // namespace kalkora
