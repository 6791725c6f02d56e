#pragma once

#include <QByteArray>
#include <QtEndian>

// The fields of a Windows bitmap file header that tests look at.
struct BmpHeader
{
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    quint32 compression = 0xFFFFFFFF;
    quint32 pixelOffset = 0;
    quint32 fileSize = 0;

    static BmpHeader parse(const QByteArray &bytes)
    {
        BmpHeader h;
        if (bytes.size() < 54 || !bytes.startsWith("BM"))
            return h;
        const char *p = bytes.constData();
        h.fileSize = qFromLittleEndian<quint32>(p + 2);
        h.pixelOffset = qFromLittleEndian<quint32>(p + 10);
        h.valid = qFromLittleEndian<quint32>(p + 14) == 40;
        h.width = qFromLittleEndian<qint32>(p + 18);
        h.height = qFromLittleEndian<qint32>(p + 22);
        h.bitsPerPixel = qFromLittleEndian<quint16>(p + 28);
        h.compression = qFromLittleEndian<quint32>(p + 30);
        return h;
    }
};
