#pragma once
// The program's own pictures, drawn at run time: the 16 by 16 image list of
// the main window and the 128 by 128 about picture, which is also the icon
// of the program and its windows.

#include <QIcon>
#include <QPixmap>

namespace ui {

// Indices of the image list. A row shows ImgWaiting, ImgSuccess or
// ImgFailure for its job's status; ImgConverting and ImgNotConverted only
// mark a waiting job's row, which keeps its status; ImgWarning marks a
// converted job the user should look at.
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
    ImgConverting = 12,    // a converter is working on the job
    ImgNotConverted = 13,  // the run ended without taking the job
    ImgConfig = 14,
    ImgWarning = 15,  // converted with topics left out, or from a damaged file
};

constexpr int ImageListSize = 16;
constexpr int ImageListCount = 16;
constexpr int AboutPictureSize = 128;

// One picture of the image list; an index outside 0..15 gives a transparent
// picture.
QPixmap ImageListPixmap(int index);
// Also holds each picture at twice the size, for a screen scaled by two.
QIcon ImageListIcon(int index);

// The picture for a screen of the given device pixel ratio.
QPixmap AboutPicture(qreal ratio = 1);
QIcon ProgramIcon();

}  // namespace ui
