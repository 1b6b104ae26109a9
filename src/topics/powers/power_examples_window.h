#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmPotenzenM : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmPotenzenM();
  void FormActivate() override;
};

}  // namespace kalkora
