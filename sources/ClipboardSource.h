#pragma once

#include "sources/SourcePicture.h"

// The picture copied in another program.
SourcePicture PictureFromClipboard();
