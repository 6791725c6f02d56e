#include "mixpic.h"

#include "tovakierror.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mixpic {

namespace {

constexpr quint32 ColourBits = 0x00FFFFFF; // blue, green and red of a 32-bit pixel

inline quint32 mixPixel(quint32 s, quint32 d, int percentage)
{
    if ((s & ColourBits) == ColourBits)
        return d;
    quint32 out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int sv = int((s >> shift) & 0xFF);
        const int dv = int((d >> shift) & 0xFF);
        out |= quint32(dv + percentage * (sv - dv) / 100) << shift;
    }
    return out;
}

#if defined(__SSE2__)
// Four pixels at a time in 16-bit lanes: percentage × (s − d) stays within ±25500, and the division
// by 100 is a multiply by 5243 / 2^19 with the quotient moved toward zero for negative products.
inline __m128i mixHalf(__m128i s16, __m128i d16, __m128i percentage)
{
    const __m128i product = _mm_mullo_epi16(_mm_sub_epi16(s16, d16), percentage);
    const __m128i floorQuotient = _mm_srai_epi16(_mm_mulhi_epi16(product, _mm_set1_epi16(5243)), 3);
    const __m128i quotient = _mm_sub_epi16(floorQuotient, _mm_srai_epi16(product, 15));
    return _mm_add_epi16(d16, quotient);
}

int blendRowSse2(quint32 *dst, const quint32 *src, int n, int percentage)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i fourthBytes = _mm_set1_epi32(int(~ColourBits));
    const __m128i allOnes = _mm_set1_epi32(-1);
    const __m128i p = _mm_set1_epi16(short(percentage));
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + x));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst + x));
        const __m128i white = _mm_cmpeq_epi32(_mm_or_si128(s, fourthBytes), allOnes);
        const __m128i lo = mixHalf(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero), p);
        const __m128i hi = mixHalf(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero), p);
        const __m128i mixed = _mm_packus_epi16(lo, hi);
        const __m128i out = _mm_or_si128(_mm_and_si128(white, d), _mm_andnot_si128(white, mixed));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + x), out);
    }
    return x;
}
#endif

void blendRow(quint32 *dst, const quint32 *src, int n, int percentage)
{
    int x = 0;
#if defined(__SSE2__)
    x = blendRowSse2(dst, src, n, percentage);
#endif
    for (; x < n; ++x)
        dst[x] = mixPixel(src[x], dst[x], percentage);
}

bool is32Bit(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

void to32Bit(QImage &image, QImage::Format format)
{
    if (!image.isNull() && image.format() != format)
        image.convertTo(format);
}

} // namespace

Placement place(QSize content, QSize background, int rowOffset, bool centerMix)
{
    const int h = std::min(content.height(), background.height());
    const int wMin = std::min(content.width(), background.width());
    const int wMax = std::max(content.width(), background.width());
    Placement placement;
    placement.backgroundIsBase = background.height() > content.height();
    placement.origin = {centerMix ? (wMax - wMin) / 2 : wMax - wMin - 50, placement.backgroundIsBase ? rowOffset : 0};
    placement.columns = wMin;
    placement.rows = h;
    return placement;
}

void blend(QImage &base, const QImage &overlay, QPoint origin, int columns, int rows, int percentage)
{
    // Only the overlap of both pictures is touched, whatever the placement asked for.
    const int firstColumn = std::max(0, -origin.x());
    const int endColumn = std::min({columns, overlay.width(), base.width() - origin.x()});
    const int firstRow = std::max(0, -origin.y());
    const int endRow = std::min({rows, overlay.height(), base.height() - origin.y()});
    if (firstColumn >= endColumn || firstRow >= endRow)
        return;
    if (!is32Bit(base) || !is32Bit(overlay))
        throw TovakiError(QStringLiteral("图片合成失败：图片不是每像素 32 位"));
    const int p = std::clamp(percentage, 0, 100);
    for (int r = firstRow; r < endRow; ++r) {
        const auto *src = reinterpret_cast<const quint32 *>(overlay.constScanLine(r)) + firstColumn;
        auto *dst = reinterpret_cast<quint32 *>(base.scanLine(r + origin.y())) + origin.x() + firstColumn;
        blendRow(dst, src, endColumn - firstColumn, p);
    }
}

QImage &mixPictures(QImage &content, QImage &background, int rowOffset, int percentage, bool centerMix)
{
    const QImage::Format format =
        content.hasAlphaChannel() || background.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    to32Bit(content, format);
    to32Bit(background, format);
    const Placement placement = place(content.size(), background.size(), rowOffset, centerMix);
    QImage &base = placement.backgroundIsBase ? background : content;
    const QImage &overlay = placement.backgroundIsBase ? content : background;
    blend(base, overlay, placement.origin, placement.columns, placement.rows, percentage);
    return base;
}

} // namespace mixpic
