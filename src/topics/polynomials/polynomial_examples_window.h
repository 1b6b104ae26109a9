#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmPolynomeM : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmPolynomeM();
  void FormActivate() override;
};

}  // namespace kalkora
