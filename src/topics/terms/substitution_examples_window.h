#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmEinsetzenM : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmEinsetzenM();
  void FormActivate() override;
};

}  // namespace kalkora
