#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmPolynomeU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmPolynomeU();
  void FormActivate() override;
};

}  // namespace kalkora
