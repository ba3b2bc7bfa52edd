#pragma once

#include "sources/SourcePicture.h"

// An area of the screen that the user drags out; none when the user gives it up, or none and
// why when the screen could not be taken.
SourcePicture PictureFromScreen();
