#pragma once

namespace fuzz {

// A Qt application object for the image plugins, created once, offscreen.
void StartQt();

} // namespace fuzz
