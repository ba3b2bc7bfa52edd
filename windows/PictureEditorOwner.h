#pragma once

#include <QString>

// Implemented by the window that opens a picture editor as its parent: the data directory
// that the editor's Save writes the new picture file into, used exactly as given.
class PictureEditorOwner {
public:
    virtual ~PictureEditorOwner() = default;
    virtual const QString &dataDir() const = 0;
};
