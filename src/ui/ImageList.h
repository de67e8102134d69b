#pragma once
// The program's own pictures, drawn at run time: the 16 by 16 image list of
// the main window and the 128 by 128 about picture, which is also the icon
// of the program and its windows.

#include <QIcon>
#include <QPixmap>

namespace ui {

// Indices of the image list. 12 and 13 are unused and stay empty.
enum ImageIndex : int {
    ImgWaiting = 0,
    ImgSuccess = 1,
    ImgFailure = 2,
    ImgOpen = 3,
    ImgNew = 4,
    ImgSave = 5,
    ImgSaveAs = 6,
    ImgUpdate = 7,
    ImgHelp = 8,
    ImgHome = 9,
    ImgSupport = 10,
    ImgAbout = 11,
    ImgConfig = 14,
};

constexpr int ImageListSize = 16;
constexpr int ImageListCount = 15;
constexpr int AboutPictureSize = 128;

// One picture of the image list; an index outside 0..14 gives a transparent
// picture.
QPixmap ImageListPixmap(int index);
QIcon ImageListIcon(int index);

QPixmap AboutPicture();
QIcon ProgramIcon();

}  // namespace ui
