#pragma once

#include <QStringList>

class QWidget;

// Texts of labels, buttons and radio buttons under root that do not fit their control
// at its fixed size, each as "text (needs WxH, has WxH)".
QStringList ClippedTexts(const QWidget *root);
