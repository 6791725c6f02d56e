#pragma once

#include <QList>
#include <QString>

// Shared state and helpers of the background pictures: the background list and the conversion of
// picture files to bitmaps beside them.

// One entry of the background list.
struct TPicBGList
{
    qint32 Index = 0; // the entry's own position in PicBGList
    QString FileName; // a file name inside the picture folder, as written in the list file
};

// Entry 0 is the current picture (line 1 of the list file), entries 1 … n−1 the list proper.
extern QList<TPicBGList> PicBGList;
// Number of lines taken from the list file by the last load.
extern qint32 PicBGCount;

// Empties the list, as the main window's creation does before the first load.
void ResetBGPicList();

// Reads Data/BGPicList.ini into PicBGList and PicBGCount, sets CurBGPic to its first line and places
// BGPicIndex: on the last entry, or with StartAtCurrent on the last entry named like CurBGPic. A
// missing file is first written with its default ("A1.bmp" twice). A file without lines changes
// nothing but PicBGCount (0). Throws TovakiError when the file cannot be written or read; then
// PicBGCount is 0 and everything else is left as it was.
void LoadBGPicList(QString &CurBGPic, qint32 &BGPicIndex, bool StartAtCurrent);

// The bitmap for a picture file: a .bmp path itself, the bitmap written by JpgToBmp or GifToBmp for
// .jpg/.jpeg/.gif (letter case ignored), or an empty string for any other kind, touching nothing.
// Throws TovakiError when a conversion fails.
QString PicToBmp(const QString &path);
// Decodes a JPEG file at full size and writes it beside it as an uncompressed bitmap (24-bit colour,
// 8-bit for grey pictures) with the extension ".bmp"; returns that path. Throws TovakiError, writing
// nothing, when the file is missing, not a complete JPEG, too large or the bitmap cannot be written.
QString JpgToBmp(const QString &path);
// Writes the first frame of a GIF file, at the picture's full size, beside it as a 24-bit bitmap with
// the extension ".bmp"; returns that path. Fails like JpgToBmp.
QString GifToBmp(const QString &path);

// The extension of a path: from its last '.' to the end, unless a '/' or ':' follows that dot.
QString fileExtension(const QString &path);
// The path with its extension replaced by ".bmp" (appended when it has none).
QString siblingBmpName(const QString &path);
