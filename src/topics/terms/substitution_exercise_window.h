#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmEinsetzenU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmEinsetzenU();
  void FormActivate() override;
};

}  // namespace kalkora
