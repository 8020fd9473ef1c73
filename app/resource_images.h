#pragma once

#include <QImage>
#include <QPixmap>

// Paths of the program's own pictures in its resource file: six 16 × 16
// tool-bar images and the 32 × 32 icon, on a light grey RGB(192, 192, 192)
// background that is made transparent when they are shown.
inline constexpr char kSetupImagePath[] = ":/images/setup.xpm";
inline constexpr char kPlayImagePath[] = ":/images/play.xpm";
inline constexpr char kPauseImagePath[] = ":/images/pause.xpm";
inline constexpr char kSaveImagePath[] = ":/images/save.xpm";
inline constexpr char kUndoImagePath[] = ":/images/undo.xpm";
inline constexpr char kPrintImagePath[] = ":/images/print.xpm";
inline constexpr char kIconImagePath[] = ":/images/kadrel.xpm";

// The background colour every one of them is drawn on.
inline constexpr QRgb kImageBackground = qRgb(192, 192, 192);

// Loads one of them as drawn, background included; a null image if the path
// names none. The resource file lives in a static library, so it is
// registered here first: without that the linker may leave it out.
QImage LoadResourceImage(const char* path);

// The same picture with its background made transparent, ready to show.
QPixmap LoadResourcePixmap(const char* path);
