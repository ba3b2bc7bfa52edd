#pragma once

#include <QIcon>

// Resource and window ids, kept from the program's original resource script.
namespace ResourceId {
constexpr int AboutMenuEntry = 16;       // system-menu item "&About Vellumo..."
constexpr int AboutMenuText = 101;
constexpr int AlbumDialog = 102;
constexpr int ApplicationIcon = 128;
constexpr int PictureEditorDialog = 129;
constexpr int AlbumMenu = 130;
constexpr int NameDialog = 131;
constexpr int SplashDialog = 132;
constexpr int SplashBitmap = 133;
constexpr int LogoBitmap = 135;
constexpr int AboutDialog = 137;
} // namespace ResourceId

inline constexpr const char *kSplashBitmapPath = ":/res/splash.png";
inline constexpr const char *kLogoBitmapPath = ":/res/logo.png";
inline constexpr const char *kHelpPageUrl = "qrc:/res/help.html";

// The application icon at every size it is drawn in.
QIcon ApplicationIcon();
