#pragma once

#include "shell/kalkora_window.h"

namespace kalkora {

class TfrmAddSubM : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmAddSubM();
  void FormActivate() override;
};

}  // namespace kalkora
