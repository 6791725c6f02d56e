#include "uglobal.h"

#include "paths.h"
#include "textlines.h"

#include <QFileInfo>

QList<TPicBGList> PicBGList;
qint32 PicBGCount = 0;

namespace {

const QString DefaultPicture = QStringLiteral("A1.bmp");

void loadDefault(QString &curBGPic, qint32 &bgPicIndex, const QString &listFile)
{
    textlines::write(listFile, {DefaultPicture, DefaultPicture});
    curBGPic = DefaultPicture;
    PicBGCount = 2;
    PicBGList = {{0, DefaultPicture}, {1, DefaultPicture}};
    bgPicIndex = 0;
}

} // namespace

void ResetBGPicList()
{
    PicBGList.clear();
    PicBGCount = 0;
}

void LoadBGPicList(QString &CurBGPic, qint32 &BGPicIndex, bool StartAtCurrent)
{
    const QString listFile = paths::inProgramFolder(QStringLiteral("Data/BGPicList.ini"));
    PicBGCount = 0;
    if (!QFileInfo::exists(listFile)) {
        loadDefault(CurBGPic, BGPicIndex, listFile);
        return;
    }
    const QStringList lines = textlines::read(listFile);
    // An empty file keeps the list the rotation already has.
    if (lines.isEmpty())
        return;
    CurBGPic = lines.first();
    PicBGCount = qint32(lines.size());
    PicBGList.resize(PicBGCount);
    for (qint32 i = 0; i < PicBGCount; ++i) {
        PicBGList[i] = {i, lines.at(i)};
        // Names compare exactly, letter case included; entry 0 always matches.
        if (lines.at(i) == CurBGPic)
            BGPicIndex = StartAtCurrent ? i : PicBGCount - 1;
    }
}
