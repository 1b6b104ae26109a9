#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmBegriffe : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBegriffe();
  void FormActivate() override;
};

}  // namespace kalkora
