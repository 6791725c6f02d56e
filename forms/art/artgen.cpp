// Draws the program's own pictures, so that every picture the forms show can be rebuilt from source.
//
//   artgen --forms <dir>          writes <dir>/images/*.png and <dir>/images.qrc
//   artgen --desktop-bg <file>    writes the first background picture, a 1920 x 1080 24-bit BMP
//
// The frame pictures hold text, which needs a font; run --forms where WenQuanYi Micro Hei is
// installed and commit the result. The background picture is pure arithmetic and is built with the
// program.

#include "artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "artgen: %s\n", qPrintable(message));
    return 1;
}

// The resource file that puts every picture under the prefix /images.
QByteArray qrcText(const QList<FramePicture> &pictures)
{
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    for (const FramePicture &picture : pictures)
        text += "    <file alias=\"" + picture.name.toUtf8() + "\">images/" + picture.name.toUtf8() + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    return text;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int writeForms(const QString &formsDir)
{
    const QString imagesDir = formsDir + QStringLiteral("/images");
    if (!QDir().mkpath(imagesDir))
        return fail(QStringLiteral("cannot create %1").arg(imagesDir));
    const QList<FramePicture> pictures = framePictures();
    for (const FramePicture &picture : pictures) {
        const QImage image = picture.draw();
        if (image.size() != picture.size)
            return fail(QStringLiteral("%1 came out at the wrong size").arg(picture.name));
        const QString path = imagesDir + u'/' + picture.name;
        if (!image.save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    const QString qrcPath = formsDir + QStringLiteral("/images.qrc");
    if (!writeBytes(qrcPath, qrcText(pictures)))
        return fail(QStringLiteral("cannot write %1").arg(qrcPath));
    return 0;
}

int writeDesktopBackground(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(path));
    if (!writeBytes(path, bmp24(desktopBackground(QSize(1920, 1080)))))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() != 2 || (args[0] != QLatin1String("--forms") && args[0] != QLatin1String("--desktop-bg")))
        return fail(QStringLiteral("usage: artgen --forms <dir> | --desktop-bg <file.bmp>"));

    if (args[0] == QLatin1String("--desktop-bg")) {
        // Pure pixel arithmetic: no application object, so the build needs no display.
        return writeDesktopBackground(args[1]);
    }
    // Text needs the font database, which needs a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return writeForms(args[1]);
}
