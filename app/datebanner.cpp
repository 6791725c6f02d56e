#include "datebanner.h"

QString dateBannerText(const QDate &date)
{
    if (!date.isValid())
        return {};
    // Indexed by the ISO weekday, Monday 1 to Sunday 7.
    static const QString weekdays[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                       QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                                       QStringLiteral("日")};
    return QStringLiteral("今天是 %1年%2月%3日(%4)")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(weekdays[date.dayOfWeek() - 1]);
}
