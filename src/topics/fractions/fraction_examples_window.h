#pragma once

#include "frame/kalkora_window.h"

namespace kalkora {

class TfrmBruchM : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBruchM();
  void FormActivate() override;
};

}  // namespace kalkora
