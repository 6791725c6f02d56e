#include "formsize.h"

#include "paths.h"
#include "textlines.h"
#include "tovakierror.h"

#include <QFileInfo>
#include <QStringList>

#include <limits>

namespace {

constexpr qint32 MinWidth = 600;
constexpr qint32 MinHeight = 450;
// Room for the taskbar when the default window is centred vertically.
constexpr qint32 TaskbarAllowance = 30;

// The number on the given line (1-based), or a failure that names the file and the line.
qint32 numberAt(const QStringList &lines, int line, const QString &path)
{
    if (line > lines.size())
        throw TovakiError(
            QStringLiteral("窗口设置文件 %1 只有 %2 行，缺少第 %3 行。").arg(path).arg(lines.size()).arg(line));
    const std::optional<qint32> number = parseWholeNumber(lines.at(line - 1));
    if (!number)
        throw TovakiError(
            QStringLiteral("窗口设置文件 %1 第 %2 行“%3”不是有效的整数。").arg(path).arg(line).arg(lines.at(line - 1)));
    return *number;
}

void readExisting(FormSizeFields &fields, const QString &path)
{
    const QStringList lines = textlines::read(path);
    const qint32 width = numberAt(lines, 2, path);
    // The height line is read only when the width passed: a narrow window takes the minimum size
    // whatever the height says.
    if (width < MinWidth) {
        fields.SavedWidth = MinWidth;
        fields.SavedHeight = MinHeight;
    } else {
        const qint32 height = numberAt(lines, 3, path);
        const bool tallEnough = height >= MinHeight;
        fields.SavedWidth = tallEnough ? width : MinWidth;
        fields.SavedHeight = tallEnough ? height : MinHeight;
    }
    fields.SavedLeft = numberAt(lines, 4, path);
    fields.SavedTop = numberAt(lines, 5, path);
    fields.CurPage = numberAt(lines, 1, path);
}

void setDefaults(FormSizeFields &fields, QSize primaryScreen)
{
    fields.SavedWidth = MinWidth;
    fields.SavedHeight = MinHeight;
    // Integer division truncates toward zero, also for a screen smaller than the window.
    fields.SavedLeft = (primaryScreen.width() - MinWidth) / 2;
    fields.SavedTop = (primaryScreen.height() - TaskbarAllowance - MinHeight) / 2;
    fields.CurPage = 1;
}

} // namespace

QString formSizePath()
{
    return paths::inProgramFolder(QStringLiteral("data/FormSize.ini"));
}

std::optional<qint32> parseWholeNumber(QStringView text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.front() == u'-';
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > qint64(1) << 31)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

void loadFormSize(FormSizeFields &fields, QSize primaryScreen, const ApplyFormBounds &apply)
{
    const QString path = formSizePath();
    const bool exists = QFileInfo::exists(path);
    if (exists)
        readExisting(fields, path);
    else
        setDefaults(fields, primaryScreen);
    if (apply)
        apply(fields);
    if (!exists)
        saveFormSize(fields);
}

void saveFormSize(const FormSizeFields &fields)
{
    textlines::write(formSizePath(), {QString::number(fields.CurPage), QString::number(fields.SavedWidth),
                                      QString::number(fields.SavedHeight), QString::number(fields.SavedLeft),
                                      QString::number(fields.SavedTop)});
}
