#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmErgaenzen : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmErgaenzen();
  void FormActivate() override;
};

}  // namespace kalkora
