#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

// One picture of the forms: its file name under images/, its size and how to draw it.
struct FramePicture
{
    QString name;
    QSize size;
    std::function<QImage()> draw;
};

// Every picture the forms use, in a fixed order.
QList<FramePicture> framePictures();

// The first desktop background: a calm blue gradient with soft light bands, drawn without fonts.
QImage desktopBackground(QSize size);

// The picture as a Windows bitmap file: 24 bits per pixel, uncompressed (BI_RGB), rows bottom up.
QByteArray bmp24(const QImage &image);
