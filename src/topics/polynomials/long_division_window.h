#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmBruchU3 : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBruchU3();
  void FormActivate() override;
};

}  // namespace kalkora
