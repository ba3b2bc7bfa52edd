#pragma once

// The application object: names the settings root, then runs the album window
// modally; the program ends when that window closes.
class CAlbumApp {
public:
    // Returns the process exit status.
    int InitInstance();
};
