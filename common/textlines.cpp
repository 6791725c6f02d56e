#include "textlines.h"

#include "gbk.h"
#include "tovakierror.h"

#include <QFile>
#include <QSaveFile>

namespace textlines {

QStringList split(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TovakiError(QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TovakiError(QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString()));
    return split(gbk::decode(bytes));
}

void write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += gbk::encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TovakiError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
}

} // namespace textlines
