#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <utility>

namespace {

// The palette: soft blues around the window colour RGB 232, 241, 250.
const QColor WindowBlue(232, 241, 250);
const QColor PaleBlue(244, 248, 253);
const QColor LightBlue(206, 226, 248);
const QColor MidBlue(74, 144, 226);
const QColor Blue(44, 108, 200);
const QColor DeepBlue(28, 70, 138);
const QColor SlateBlue(96, 118, 150);
const QColor Mist(128, 156, 194);
const QColor LineBlue(220, 227, 255);
const QColor Closing(226, 72, 72);
const QColor ClosingDown(186, 42, 42);

QImage transparentCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The title bars of the matrix: white, line colour, twenty rows of body, line colour, white. Exact
// rows, no smoothing, so the stretched bar stays crisp.
QImage framedBar(const QColor &body)
{
    QImage image(49, 24, QImage::Format_RGB32);
    image.fill(body);
    const std::pair<int, QRgb> edgeRows[] = {
        {0, qRgb(255, 255, 255)}, {1, LineBlue.rgb()}, {22, LineBlue.rgb()}, {23, qRgb(255, 255, 255)}};
    for (const auto &[row, colour] : edgeRows) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        std::fill(line, line + image.width(), colour);
    }
    return image;
}

QPainterPath wave(qreal width, qreal baseline, qreal lift, qreal bottom)
{
    QPainterPath path;
    path.moveTo(0, baseline);
    path.cubicTo(width * 0.3, baseline - lift, width * 0.6, baseline + lift, width, baseline - lift * 0.4);
    path.lineTo(width, bottom);
    path.lineTo(0, bottom);
    path.closeSubpath();
    return path;
}

// Stretched over the whole client area; the header band sits behind the logo, the date and the
// caption buttons, the waves show below the left column.
QImage background()
{
    const QSize size(416, 289);
    QImage image = transparentCanvas(size);
    QPainter p(&image);
    smooth(p);
    // The outermost ring stays clear so the window's one-pixel border shows through.
    const QRectF body(1, 1, size.width() - 2, size.height() - 2);
    p.fillRect(body, vertical(0, size.height(), PaleBlue, WindowBlue));
    p.fillRect(QRectF(1, 1, body.width(), 27), vertical(1, 28, LightBlue, WindowBlue));

    p.setClipRect(body);
    p.setPen(Qt::NoPen);
    // Soft light in the top right corner, behind the caption buttons.
    QRadialGradient glow(QPointF(350, 0), 90);
    glow.setColorAt(0, QColor(255, 255, 255, 150));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(body, glow);

    QColor waveA = MidBlue;
    waveA.setAlpha(34);
    QColor waveB = Blue;
    waveB.setAlpha(26);
    p.setBrush(waveA);
    p.drawPath(wave(size.width(), 252, 14, size.height()));
    p.setBrush(waveB);
    p.drawPath(wave(size.width(), 266, -10, size.height()));
    return image;
}

// The mark of the logo: a note sheet with a folded corner and a tick, on a blue rounded tile.
void drawMark(QPainter &p, const QRectF &tile)
{
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(tile.top(), tile.bottom(), MidBlue, Blue));
    p.drawRoundedRect(tile, 10, 10);

    const QRectF sheet = tile.adjusted(10, 8, -10, -8);
    const qreal fold = 6;
    QPainterPath page;
    page.moveTo(sheet.topLeft());
    page.lineTo(sheet.right() - fold, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + fold);
    page.lineTo(sheet.bottomRight());
    page.lineTo(sheet.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(LightBlue);
    p.drawPolygon(
        QPolygonF({QPointF(sheet.right() - fold, sheet.top()), QPointF(sheet.right() - fold, sheet.top() + fold),
                   QPointF(sheet.right(), sheet.top() + fold)}));

    p.setPen(roundPen(LightBlue, 2));
    p.drawLine(QPointF(sheet.left() + 4, sheet.top() + 7), QPointF(sheet.right() - 8, sheet.top() + 7));
    p.drawLine(QPointF(sheet.left() + 4, sheet.top() + 12), QPointF(sheet.right() - 5, sheet.top() + 12));
    p.setPen(roundPen(Blue, 2.4));
    p.drawPolyline(
        QPolygonF({QPointF(sheet.left() + 5, sheet.bottom() - 7), QPointF(sheet.left() + 9, sheet.bottom() - 3.5),
                   QPointF(sheet.right() - 4, sheet.bottom() - 11)}));
}

QImage logo()
{
    QImage image = transparentCanvas({210, 56});
    QPainter p(&image);
    smooth(p);
    drawMark(p, QRectF(3, 8, 40, 40));

    const QFont title = uiFont(23, true);
    p.setFont(title);
    const QString latin = QStringLiteral("Tovaki");
    p.setPen(DeepBlue);
    p.drawText(QPointF(52, 31), latin);
    p.setPen(Blue);
    p.drawText(QPointF(52 + QFontMetricsF(title).horizontalAdvance(latin) + 1, 31), QStringLiteral("备忘录"));

    QFont sub = uiFont(9);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(sub);
    p.setPen(Mist);
    p.drawText(QPointF(53, 46), QStringLiteral("DESKTOP MEMO"));
    return image;
}

enum class Look { Normal, Highlight, Down };

// A caption button face: transparent at rest, filled when the pointer is over it or it is pressed.
void drawFace(QPainter &p, QSize size, const QColor &fill)
{
    QPainterPath face;
    const qreal r = 3;
    const qreal w = size.width(), h = size.height();
    face.moveTo(0, 0);
    face.lineTo(w, 0);
    face.lineTo(w, h - r);
    face.quadTo(w, h, w - r, h);
    face.lineTo(r, h);
    face.quadTo(0, h, 0, h - r);
    face.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(face);
}

QImage closeButton(Look look)
{
    const QSize size(39, 20);
    QImage image = transparentCanvas(size);
    QPainter p(&image);
    smooth(p);
    QColor cross = SlateBlue;
    if (look != Look::Normal) {
        drawFace(p, size, look == Look::Highlight ? Closing : ClosingDown);
        cross = Qt::white;
    }
    const QPointF c(19.5, 10);
    const qreal half = 4.5;
    p.setPen(roundPen(cross, 1.5));
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
    return image;
}

QImage minimiseButton(Look look)
{
    const QSize size(28, 20);
    QImage image = transparentCanvas(size);
    QPainter p(&image);
    smooth(p);
    QColor bar = SlateBlue;
    if (look == Look::Highlight) {
        drawFace(p, size, QColor(208, 226, 246));
        bar = Blue;
    } else if (look == Look::Down) {
        drawFace(p, size, QColor(176, 204, 238));
        bar = DeepBlue;
    }
    p.setPen(roundPen(bar, 1.5));
    p.drawLine(QPointF(9.5, 10.5), QPointF(18.5, 10.5));
    return image;
}

// A small landscape picture in a frame, the sign of the background pictures.
void drawPictureSign(QPainter &p, const QRectF &frame)
{
    p.setPen(roundPen(Blue, 1.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 3, 3);
    const QRectF inner = frame.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(inner.top(), inner.bottom(), QColor(222, 237, 252), QColor(196, 222, 248)));
    p.drawRect(inner);
    p.setBrush(QColor(255, 196, 84));
    p.drawEllipse(QPointF(inner.right() - 6, inner.top() + 5), 3, 3);
    p.setBrush(MidBlue);
    p.drawPolygon(QPolygonF({inner.bottomLeft(), QPointF(inner.left() + inner.width() * 0.38, inner.top() + 7),
                             QPointF(inner.left() + inner.width() * 0.62, inner.bottom() - 4),
                             QPointF(inner.left() + inner.width() * 0.75, inner.top() + 12), inner.bottomRight()}));
}

// Stored at 200 x 93 but shown at 179 x 57: drawn in the shown proportions and stretched to the
// stored size, so it looks right where it appears.
QImage addToDesk()
{
    QImage image = transparentCanvas({200, 93});
    QPainter p(&image);
    smooth(p);
    p.scale(200.0 / 179.0, 93.0 / 57.0);
    const QRectF card(0.5, 0.5, 178, 56);
    p.setPen(QPen(QColor(176, 206, 240), 1));
    p.setBrush(vertical(card.top(), card.bottom(), PaleBlue, QColor(218, 234, 251)));
    p.drawRoundedRect(card, 8, 8);

    drawPictureSign(p, QRectF(14, 12, 40, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(74, 170, 110));
    p.drawEllipse(QPointF(53, 41), 7.5, 7.5);
    p.setPen(roundPen(Qt::white, 1.8));
    p.drawLine(QPointF(49.5, 41), QPointF(56.5, 41));
    p.drawLine(QPointF(53, 37.5), QPointF(53, 44.5));

    p.setFont(uiFont(15, true));
    p.setPen(DeepBlue);
    p.drawText(QPointF(70, 27), QStringLiteral("背景图片"));
    p.setFont(uiFont(11));
    p.setPen(SlateBlue);
    p.drawText(QPointF(70, 44), QStringLiteral("添加 · 选择 · 更换"));
    return image;
}

QImage appToDesk()
{
    QImage image = transparentCanvas({90, 28});
    QPainter p(&image);
    smooth(p);
    const QRectF pill(0.5, 0.5, 89, 27);
    p.setPen(QPen(QColor(36, 92, 176), 1));
    p.setBrush(vertical(pill.top(), pill.bottom(), QColor(96, 164, 238), Blue));
    p.drawRoundedRect(pill, 6, 6);
    // A small screen: the command puts the memo on the desktop.
    p.setPen(roundPen(Qt::white, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.5, 7.5, 13, 9), 1.5, 1.5);
    p.drawLine(QPointF(14, 16.5), QPointF(14, 19.5));
    p.drawLine(QPointF(10.5, 20), QPointF(17.5, 20));

    p.setFont(uiFont(12, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(24, 0, 63, 28), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("应用到桌面"));
    return image;
}

QImage fontTool()
{
    QImage image = transparentCanvas({20, 17});
    QPainter p(&image);
    smooth(p);
    p.setFont(uiFont(14, true));
    p.setPen(DeepBlue);
    p.drawText(QRectF(0, -2, 20, 15), Qt::AlignCenter, QStringLiteral("A"));
    QLinearGradient rainbow(3, 0, 17, 0);
    rainbow.setColorAt(0, QColor(226, 72, 72));
    rainbow.setColorAt(0.5, QColor(255, 176, 60));
    rainbow.setColorAt(1, MidBlue);
    p.fillRect(QRectF(3, 14, 14, 2.5), rainbow);
    return image;
}

QImage dateTool()
{
    QImage image = transparentCanvas({44, 15});
    QPainter p(&image);
    smooth(p);
    const QRectF page(1.5, 1.5, 12, 12);
    p.setPen(QPen(Blue, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Closing);
    p.drawRect(QRectF(2, 2, 11, 3));
    p.setBrush(Blue);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(4 + i * 3, 7, 2, 2));
    p.drawRect(QRectF(4, 10, 2, 2));

    p.setFont(uiFont(12, true));
    p.setPen(DeepBlue);
    p.drawText(QRectF(17, 0, 27, 15), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("日期"));
    return image;
}

QImage colourTool()
{
    QImage image = transparentCanvas({20, 11});
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(ClosingDown, 1));
    p.setBrush(vertical(1, 10, QColor(240, 96, 96), QColor(208, 40, 40)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 8), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(3, 2.5, 14, 2.5), 1.2, 1.2);
    return image;
}

} // namespace

QList<FramePicture> framePictures()
{
    return {
        {QStringLiteral("bg.png"), {416, 289}, background},
        {QStringLiteral("logo.png"), {210, 56}, logo},
        {QStringLiteral("close_normal.png"), {39, 20}, [] { return closeButton(Look::Normal); }},
        {QStringLiteral("close_highlight.png"), {39, 20}, [] { return closeButton(Look::Highlight); }},
        {QStringLiteral("close_down.png"), {39, 20}, [] { return closeButton(Look::Down); }},
        {QStringLiteral("mini_normal.png"), {28, 20}, [] { return minimiseButton(Look::Normal); }},
        {QStringLiteral("mini_highlight.png"), {28, 20}, [] { return minimiseButton(Look::Highlight); }},
        {QStringLiteral("mini_down.png"), {28, 20}, [] { return minimiseButton(Look::Down); }},
        {QStringLiteral("title_bar.png"), {49, 24}, [] { return framedBar(QColor(234, 234, 234)); }},
        {QStringLiteral("sel_color.png"), {49, 24}, [] { return framedBar(QColor(245, 239, 203)); }},
        {QStringLiteral("add_to_desk.png"), {200, 93}, addToDesk},
        {QStringLiteral("app_to_desk.png"), {90, 28}, appToDesk},
        {QStringLiteral("font.png"), {20, 17}, fontTool},
        {QStringLiteral("date.png"), {44, 15}, dateTool},
        {QStringLiteral("red_color.png"), {20, 11}, colourTool},
    };
}
