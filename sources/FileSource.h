#pragma once

#include <QString>

#include <optional>

class QWidget;

// The image file the user picks in the file chooser, opened in the folder of the last one;
// nothing when the user cancels. The picture editor reads the file.
std::optional<QString> ChooseImageFile(QWidget *parent);
