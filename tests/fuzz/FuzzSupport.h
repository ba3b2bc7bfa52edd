#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// A Qt application object for the image plugins, created once, offscreen.
void StartQt();

// A private folder for the run, made once and reused by every input.
const QString &WorkDir();

// Replaces the file at path with exactly these bytes; false when it could not be written.
bool WriteInput(const QString &path, const uint8_t *data, size_t size);

} // namespace fuzz
