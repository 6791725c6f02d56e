#pragma once

#include <QImage>
#include <QPoint>

// Laying the captured memo over a background picture, without widgets.
namespace mixpic {

// Where the overlay goes: which picture is the base, the base position of overlay pixel (0, 0) and
// how many overlay columns and rows are meant to be laid.
struct Placement
{
    bool backgroundIsBase = false;
    QPoint origin;
    int columns = 0;
    int rows = 0;
};

// Roles by height (the strictly taller background is the base, row offset rowOffset; otherwise the
// content is the base, row offset 0) and the column start: centred, or ending 50 columns before the
// right edge of the wider width.
Placement place(QSize content, QSize background, int rowOffset, bool centerMix);

// Lays columns × rows of overlay onto base with its pixel (0, 0) at origin. Overlay pixels whose blue,
// green and red are all 255 leave the base pixel alone; for every other pixel each of the four bytes
// becomes d + trunc(percentage × (s − d) / 100). Only pixels inside both pictures are read or
// written. Percentage is taken within 0 … 100. Throws TovakiError when there is something to
// blend and either picture is not RGB32 or ARGB32.
void blend(QImage &base, const QImage &overlay, QPoint origin, int columns, int rows, int percentage);

// Converts both pictures in place to 32 bits per pixel, blends as place() says and returns the base,
// which is one of the two arguments, changed in place.
QImage &mixPictures(QImage &content, QImage &background, int rowOffset, int percentage, bool centerMix);

} // namespace mixpic
