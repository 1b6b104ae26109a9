#include "frame/information_box.h"

#include <QMessageBox>

namespace kalkora {
namespace {
std::function<void(const QString&)>& testReceiver() {
  static std::function<void(const QString&)> receiver;
  return receiver;
}
}  // namespace

void ShowInformation(QWidget* parent, const QString& text) {
  if (testReceiver()) {
    testReceiver()(text);
    return;
  }
  QMessageBox::information(parent, QStringLiteral("Information"), text);
}

void SetInformationBoxForTesting(std::function<void(const QString&)> receiver) {
  testReceiver() = std::move(receiver);
}

}  // namespace kalkora
