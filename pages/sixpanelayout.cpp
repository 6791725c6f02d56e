#include "sixpanelayout.h"

#include <algorithm>
#include <utility>

namespace {

// Design places (at SixPaneDesignSize) of the children that follow the panel's edges.
constexpr QRect Title1Design{1, 0, 931, 26};
constexpr QRect Title2Design{1, 313, 932, 25};
constexpr QRect YearLine1Design{310, 4, 1, 634};
constexpr QRect YearLine2Design{620, 3, 1, 634};
constexpr QRect ButtonLineDesign{0, 636, 933, 1};

// One axis of anchoredRect: position and length along it.
std::pair<int, int> anchoredSpan(int pos, int length, int growth, bool nearEdge, bool farEdge)
{
    if (nearEdge && farEdge)
        return {pos, std::max(0, length + growth)};
    if (farEdge)
        return {pos + growth, length};
    return {pos, length};
}

} // namespace

QRect anchoredRect(const QRect &design, QSize designParent, QSize parent, Anchors anchors)
{
    const auto [x, width] = anchoredSpan(design.x(), design.width(), parent.width() - designParent.width(),
                                         anchors & AnchorLeft, anchors & AnchorRight);
    const auto [y, height] = anchoredSpan(design.y(), design.height(), parent.height() - designParent.height(),
                                          anchors & AnchorTop, anchors & AnchorBottom);
    return {x, y, width, height};
}

SixPaneLayout layoutSixPanes(QSize panel, const SixPaneFixed &fixed)
{
    SixPaneLayout l;
    l.third = (panel.width() - 4) / 3;
    l.yearLine1Left = l.third + 1;
    l.yearLine2Left = 2 * l.third + 2;
    l.title2Top = (panel.height() - 50) / 2 + 18;

    const int lineLefts[3] = {fixed.yearLine0Left, l.yearLine1Left, l.yearLine2Left};
    // The right column takes the pixel that the division by three leaves over.
    const int widths[3] = {l.third, l.third, l.third + 1};
    const int topRowTop = fixed.title1Top + 25;
    const int topRowHeight = l.title2Top - fixed.title1Top - 24;
    const int bottomRowTop = l.title2Top + 24;
    const int bottomRowHeight = fixed.buttonLineTop - l.title2Top - 24;
    const int topLabelTop = (fixed.title1Height - 12) / 2;
    const int bottomLabelTop = l.title2Top + 8;

    for (int column = 0; column < 3; ++column) {
        const int left = lineLefts[column] + 1;
        const int width = std::max(0, widths[column]);
        l.panes[column] = QRect(left, topRowTop, width, std::max(0, topRowHeight));
        l.panes[column + 3] = QRect(left, bottomRowTop, width, std::max(0, bottomRowHeight));
        l.labels[column] = QPoint(lineLefts[column] + 10, topLabelTop);
        l.labels[column + 3] = QPoint(lineLefts[column] + 10, bottomLabelTop);
    }
    return l;
}

SixPaneGeometry sixPaneGeometry(QSize panel)
{
    SixPaneGeometry g;
    const QSize design = SixPaneDesignSize;
    g.title1 = anchoredRect(Title1Design, design, panel, AnchorLeft | AnchorTop | AnchorRight);
    g.buttonLine = anchoredRect(ButtonLineDesign, design, panel, AnchorLeft | AnchorRight | AnchorBottom);
    g.yearLine0 = QRect(0, 0, 1, panel.height());
    g.yearLineREdge = QRect(panel.width() - 1, 0, 1, panel.height());

    g.layout = layoutSixPanes(panel, {g.yearLine0.left(), g.title1.top(), g.title1.height(), g.buttonLine.top()});

    g.title2 = anchoredRect(Title2Design, design, panel, AnchorLeft | AnchorRight);
    g.title2.moveTop(g.layout.title2Top);
    g.yearLine1 = anchoredRect(YearLine1Design, design, panel, AnchorLeft | AnchorTop | AnchorBottom);
    g.yearLine1.moveLeft(g.layout.yearLine1Left);
    g.yearLine2 = anchoredRect(YearLine2Design, design, panel, AnchorLeft | AnchorTop | AnchorBottom);
    g.yearLine2.moveLeft(g.layout.yearLine2Left);
    return g;
}

std::optional<QRect> paneMarkRect(const SixPaneGeometry &geometry, int pane)
{
    if (pane < 0 || pane > 5)
        return std::nullopt;
    const int lineLefts[4] = {geometry.yearLine0.left(), geometry.yearLine1.left(), geometry.yearLine2.left(),
                              geometry.yearLineREdge.left()};
    const int column = pane % 3;
    const int top = pane < 3 ? geometry.title1.top() : geometry.title2.top();
    const int width = lineLefts[column + 1] - lineLefts[column] - 2;
    return QRect(lineLefts[column] + 1, top, std::max(0, width), PaneMarkHeight);
}
