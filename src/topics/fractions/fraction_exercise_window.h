#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmBruchU : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBruchU();
  void FormActivate() override;
};

}  // namespace kalkora
