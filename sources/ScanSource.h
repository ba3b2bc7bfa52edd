#pragma once

#include "sources/ScanSession.h"
#include "sources/SourcePicture.h"

// One page from a scanner, under the scanner's own dialogs; see ScanOnePage.
SourcePicture PictureFromScanner(QWidget *parent, const ScanOptions &options,
                                 const ScanHooks &hooks);
