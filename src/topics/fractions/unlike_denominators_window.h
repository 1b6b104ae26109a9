#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmBruchU2 : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBruchU2();
  void FormActivate() override;
};

}  // namespace kalkora
