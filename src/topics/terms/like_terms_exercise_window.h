#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmAddSubU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmAddSubU();
  void FormActivate() override;
};

}  // namespace kalkora
