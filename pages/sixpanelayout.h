#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

// Geometry of the six-pane matrix in pnlSix: two rows of three rich-text panes under two title bars,
// separated by one-pixel lines. Everything is pure arithmetic on sizes, so the main window only
// applies the results to its widgets.

// Which edges of its parent a child keeps its distance to when the parent changes size.
enum AnchorEdge : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
};
using Anchors = unsigned;

// A child placed at design inside a parent of size designParent, moved and stretched for the
// parent's new size: anchored to both opposite edges it stretches, to the far edge only it moves,
// to the near edge only (or none) it stays.
QRect anchoredRect(const QRect &design, QSize designParent, QSize parent, Anchors anchors);

// pnlSix at its design size.
inline constexpr QSize SixPaneDesignSize{933, 641};

// Places that the layout reads from children it does not move itself.
struct SixPaneFixed
{
    int yearLine0Left = 0;   // left of pnl_yearLine0
    int title1Top = 0;       // top of imgtitle_year1
    int title1Height = 26;   // height of imgtitle_year1
    int buttonLineTop = 636; // top of pnl_buttonline
};

// What LayoutSixPanes sets. Arrays are by pane index: 0..2 top row left to right (redt1..redt3,
// lblweek1..lblweek3), 3..5 bottom row (redt4..redt6, lblweek4, lblweek5, lblweek67).
struct SixPaneLayout
{
    int third = 0;         // width of the left and middle columns
    int yearLine1Left = 0; // left of pnl_yearLine1
    int yearLine2Left = 0; // left of pnl_yearLine2
    int title2Top = 0;     // top of imgtitle_year2
    std::array<QRect, 6> panes;
    std::array<QPoint, 6> labels; // top left of each title label; widths fit their captions
};

// The pane layout for a panel of the given size; never yields a negative pane size.
SixPaneLayout layoutSixPanes(QSize panel, const SixPaneFixed &fixed);

// Every child of pnlSix for a panel of the given size: the anchored ones (title bars, lines) and the
// ones LayoutSixPanes computes from them.
struct SixPaneGeometry
{
    QRect title1;        // imgtitle_year1
    QRect title2;        // imgtitle_year2
    QRect yearLine0;     // pnl_yearLine0
    QRect yearLine1;     // pnl_yearLine1
    QRect yearLine2;     // pnl_yearLine2
    QRect yearLineREdge; // pnl_yearLineREdge
    QRect buttonLine;    // pnl_buttonline
    SixPaneLayout layout;
};

SixPaneGeometry sixPaneGeometry(QSize panel);

// Height of the highlight bar imgSelColor; it never changes.
inline constexpr int PaneMarkHeight = 26;

// Where the highlight bar imgSelColor covers the title of pane 0..5; nothing (hide the bar) for any
// other index, -1 among them.
std::optional<QRect> paneMarkRect(const SixPaneGeometry &geometry, int pane);
