#include "sixpanelayout.h"

#include <QTest>

class TestSixPaneLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutFromPanelSize_data();
    void layoutFromPanelSize();
    void layoutReadsTheFixedPlaces();
    void tinyPanelGivesNoNegativeSizes();
    void anchoredChildren_data();
    void anchoredChildren();
    void anchoredRect_data();
    void anchoredRect();
    void paneMark_data();
    void paneMark();
};

void TestSixPaneLayout::layoutFromPanelSize_data()
{
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<int>("third");
    QTest::addColumn<int>("line1Left");
    QTest::addColumn<int>("line2Left");
    QTest::addColumn<int>("title2Top");
    QTest::addColumn<int>("topRowHeight");
    QTest::addColumn<int>("bottomRowTop");
    QTest::addColumn<int>("bottomRowHeight");

    QTest::newRow("the design size gives the worked example")
        << QSize(933, 641) << 309 << 310 << 620 << 313 << 289 << 337 << 299;
    QTest::newRow("a width that leaves a remainder drops it")
        << QSize(935, 642) << 310 << 311 << 622 << 314 << 290 << 338 << 299;
    QTest::newRow("a larger panel grows every pane")
        << QSize(1000, 700) << 332 << 333 << 666 << 343 << 319 << 367 << 328;
    QTest::newRow("the smallest window's panel") << QSize(269, 329) << 88 << 89 << 178 << 157 << 133 << 181 << 143;
    QTest::newRow("the largest window's panel") << QSize(949, 679) << 315 << 316 << 632 << 332 << 308 << 356 << 318;
}

void TestSixPaneLayout::layoutFromPanelSize()
{
    QFETCH(QSize, panel);
    QFETCH(int, third);
    QFETCH(int, line1Left);
    QFETCH(int, line2Left);
    QFETCH(int, title2Top);
    QFETCH(int, topRowHeight);
    QFETCH(int, bottomRowTop);
    QFETCH(int, bottomRowHeight);

    const SixPaneLayout l = sixPaneGeometry(panel).layout;
    QCOMPARE(l.third, third);
    QCOMPARE(l.yearLine1Left, line1Left);
    QCOMPARE(l.yearLine2Left, line2Left);
    QCOMPARE(l.title2Top, title2Top);

    const int lefts[3] = {1, line1Left + 1, line2Left + 1};
    const int widths[3] = {third, third, third + 1};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(l.panes[column], QRect(lefts[column], 25, widths[column], topRowHeight));
        QCOMPARE(l.panes[column + 3], QRect(lefts[column], bottomRowTop, widths[column], bottomRowHeight));
        QCOMPARE(l.labels[column], QPoint(lefts[column] + 9, 7));
        QCOMPARE(l.labels[column + 3], QPoint(lefts[column] + 9, title2Top + 8));
    }
}

void TestSixPaneLayout::layoutReadsTheFixedPlaces()
{
    const SixPaneFixed moved{2, 3, 30, 600};
    const SixPaneLayout l = layoutSixPanes(QSize(933, 641), moved);
    QCOMPARE(l.panes[0], QRect(3, 28, 309, 286));
    QCOMPARE(l.panes[3], QRect(3, 337, 309, 263));
    QCOMPARE(l.labels[0], QPoint(12, 9));
    QCOMPARE(l.labels[5], QPoint(630, 321));
}

void TestSixPaneLayout::tinyPanelGivesNoNegativeSizes()
{
    const SixPaneLayout l = sixPaneGeometry(QSize(3, 40)).layout;
    for (const QRect &pane : l.panes) {
        QVERIFY(pane.width() >= 0);
        QVERIFY(pane.height() >= 0);
    }
}

void TestSixPaneLayout::anchoredChildren_data()
{
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QRect>("title1");
    QTest::addColumn<QRect>("title2");
    QTest::addColumn<QRect>("line0");
    QTest::addColumn<QRect>("line1");
    QTest::addColumn<QRect>("line2");
    QTest::addColumn<QRect>("rightEdge");
    QTest::addColumn<QRect>("bottomLine");

    QTest::newRow("at the design size everything is where it was drawn")
        << QSize(933, 641) << QRect(1, 0, 931, 26) << QRect(1, 313, 932, 25) << QRect(0, 0, 1, 641)
        << QRect(310, 4, 1, 634) << QRect(620, 3, 1, 634) << QRect(932, 0, 1, 641) << QRect(0, 636, 933, 1);
    QTest::newRow("a larger panel stretches bars and lines and moves the bottom line")
        << QSize(1000, 700) << QRect(1, 0, 998, 26) << QRect(1, 343, 999, 25) << QRect(0, 0, 1, 700)
        << QRect(333, 4, 1, 693) << QRect(666, 3, 1, 693) << QRect(999, 0, 1, 700) << QRect(0, 695, 1000, 1);
}

void TestSixPaneLayout::anchoredChildren()
{
    QFETCH(QSize, panel);
    const SixPaneGeometry g = sixPaneGeometry(panel);
    QTEST(g.title1, "title1");
    QTEST(g.title2, "title2");
    QTEST(g.yearLine0, "line0");
    QTEST(g.yearLine1, "line1");
    QTEST(g.yearLine2, "line2");
    QTEST(g.yearLineREdge, "rightEdge");
    QTEST(g.buttonLine, "bottomLine");
}

void TestSixPaneLayout::anchoredRect_data()
{
    QTest::addColumn<unsigned>("anchors");
    QTest::addColumn<QRect>("expected");

    // A child at (100, 50, 40 x 20) in a 400 x 300 parent that grows to 450 x 280.
    QTest::newRow("anchored top left it stays") << unsigned(AnchorLeft | AnchorTop) << QRect(100, 50, 40, 20);
    QTest::newRow("anchored top right it follows the right edge")
        << unsigned(AnchorTop | AnchorRight) << QRect(150, 50, 40, 20);
    QTest::newRow("anchored left and right it stretches")
        << unsigned(AnchorLeft | AnchorTop | AnchorRight) << QRect(100, 50, 90, 20);
    QTest::newRow("anchored to all four edges it stretches both ways")
        << unsigned(AnchorLeft | AnchorTop | AnchorRight | AnchorBottom) << QRect(100, 50, 90, 0);
    QTest::newRow("anchored left and bottom it follows the bottom edge")
        << unsigned(AnchorLeft | AnchorBottom) << QRect(100, 30, 40, 20);
}

void TestSixPaneLayout::anchoredRect()
{
    QFETCH(unsigned, anchors);
    QTEST(::anchoredRect(QRect(100, 50, 40, 20), QSize(400, 300), QSize(450, 280), anchors), "expected");
}

void TestSixPaneLayout::paneMark_data()
{
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<int>("pane");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QRect>("bar");

    const QSize design(933, 641);
    QTest::newRow("no pane clicked yet hides the bar") << design << -1 << false << QRect();
    QTest::newRow("top left pane") << design << 0 << true << QRect(1, 0, 308, 26);
    QTest::newRow("top middle pane") << design << 1 << true << QRect(311, 0, 308, 26);
    QTest::newRow("top right pane reaches the right border") << design << 2 << true << QRect(621, 0, 310, 26);
    QTest::newRow("bottom left pane") << design << 3 << true << QRect(1, 313, 308, 26);
    QTest::newRow("bottom middle pane") << design << 4 << true << QRect(311, 313, 308, 26);
    QTest::newRow("bottom right pane") << design << 5 << true << QRect(621, 313, 310, 26);
    QTest::newRow("an index past the panes hides the bar") << design << 6 << false << QRect();
    QTest::newRow("bottom right pane of a larger panel") << QSize(1000, 700) << 5 << true << QRect(667, 343, 331, 26);
}

void TestSixPaneLayout::paneMark()
{
    QFETCH(QSize, panel);
    QFETCH(int, pane);
    QFETCH(bool, shown);
    const std::optional<QRect> bar = paneMarkRect(sixPaneGeometry(panel), pane);
    QCOMPARE(bar.has_value(), shown);
    if (shown)
        QTEST(*bar, "bar");
}

QTEST_GUILESS_MAIN(TestSixPaneLayout)
#include "tst_sixpanelayout.moc"
