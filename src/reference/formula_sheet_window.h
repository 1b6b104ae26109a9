#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmFormeln : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmFormeln();
  void FormActivate() override;
};

}  // namespace kalkora
