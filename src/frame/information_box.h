#pragma once
// The modal information box with an OK button, through one function so that tests can see
// what would be shown instead of blocking on it.

#include <QString>
#include <functional>

class QWidget;

namespace kalkora {

void ShowInformation(QWidget* parent, const QString& text);

// Tests: receive the texts instead of showing a box (an empty function restores the box).
void SetInformationBoxForTesting(std::function<void(const QString&)> receiver);

}  // namespace kalkora
