#pragma once

#include <QString>

// The application object: names the settings root, then runs the album window
// modally; the program ends when that window closes.
class CAlbumApp {
public:
    // fileToOpen, when not empty, is opened in the picture editor once the album window shows.
    // Returns the process exit status.
    int InitInstance(const QString &fileToOpen = QString());
};
