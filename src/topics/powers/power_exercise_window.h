#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmPotenzenU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmPotenzenU();
  void FormActivate() override;
};

}  // namespace kalkora
