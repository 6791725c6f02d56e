#pragma once

#include <QDate>
#include <QString>

// Text of the date banner in the window's header, e.g. "今天是 2024年3月5日(二)" for 5 March 2024;
// an invalid date gives an empty text.
QString dateBannerText(const QDate &date);
