#pragma once

#include <QString>
#include <QStringList>

// The image file chooser's filters: label and pattern list alternating, "|" between them
// and "||" at the end, as the chooser has always offered them.
extern const QString kImageFileFilter;

// The formats those filters show, by name, as the help and the documents list them.
extern const QString kImageFormatNames;

// The same filters for a QFileDialog, each pattern matching its extension in any case
// ("*.jpg" also finds "HOLIDAY.JPG"); the labels are shown without the patterns.
QStringList ChooserNameFilters(const QString &filter = kImageFileFilter);
