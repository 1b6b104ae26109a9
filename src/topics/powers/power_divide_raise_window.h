#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmDivPotU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmDivPotU();
  void FormActivate() override;
};

}  // namespace kalkora
