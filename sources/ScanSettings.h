#pragma once

#include <QString>

// The scanner last chosen, by its SANE device name ("Parameters/Scanner"); empty when none.
QString RememberedScanner();
void RememberScanner(const QString &deviceName);
