#include "captionlooks.h"
#include "datebanner.h"

#include <QTest>

Q_DECLARE_METATYPE(CaptionEvent)

class TestFrameLogic : public QObject
{
    Q_OBJECT

private slots:
    void dateBanner_data();
    void dateBanner();
    void invalidDateGivesEmptyBanner();
    void captionLooks_data();
    void captionLooks();
    void bothButtonsStartNormal();
};

void TestFrameLogic::dateBanner_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("banner");

    QTest::newRow("5 March 2024 is a Tuesday") << QDate(2024, 3, 5) << QStringLiteral("今天是 2024年3月5日(二)");
    QTest::newRow("Monday") << QDate(2024, 3, 4) << QStringLiteral("今天是 2024年3月4日(一)");
    QTest::newRow("Wednesday") << QDate(2024, 3, 6) << QStringLiteral("今天是 2024年3月6日(三)");
    QTest::newRow("Thursday") << QDate(2024, 3, 7) << QStringLiteral("今天是 2024年3月7日(四)");
    QTest::newRow("Friday") << QDate(2024, 3, 8) << QStringLiteral("今天是 2024年3月8日(五)");
    QTest::newRow("Saturday") << QDate(2024, 3, 9) << QStringLiteral("今天是 2024年3月9日(六)");
    QTest::newRow("Sunday") << QDate(2024, 3, 10) << QStringLiteral("今天是 2024年3月10日(日)");
    QTest::newRow("two-digit month and day") << QDate(2023, 12, 25) << QStringLiteral("今天是 2023年12月25日(一)");
    QTest::newRow("leap day") << QDate(2028, 2, 29) << QStringLiteral("今天是 2028年2月29日(二)");
}

void TestFrameLogic::dateBanner()
{
    QFETCH(QDate, date);
    QTEST(dateBannerText(date), "banner");
}

void TestFrameLogic::invalidDateGivesEmptyBanner()
{
    QVERIFY(dateBannerText(QDate()).isEmpty());
}

void TestFrameLogic::captionLooks_data()
{
    QTest::addColumn<CaptionEvent>("event");
    QTest::addColumn<bool>("closeDown");
    QTest::addColumn<bool>("closeHighlight");
    QTest::addColumn<bool>("closeNormal");
    QTest::addColumn<bool>("miniDown");
    QTest::addColumn<bool>("miniHighlight");
    QTest::addColumn<bool>("miniNormal");

    QTest::newRow("pointer over the close button highlights it")
        << CaptionEvent::PointerOverCloseNormal << false << true << false << false << false << true;
    QTest::newRow("pressing the close button shows it pressed")
        << CaptionEvent::PressOnCloseHighlight << true << false << false << false << false << true;
    QTest::newRow("pointer over the minimise button highlights it")
        << CaptionEvent::PointerOverMiniNormal << false << false << true << false << true << false;
    QTest::newRow("pressing the minimise button shows it pressed")
        << CaptionEvent::PressOnMiniHighlight << false << false << true << true << false << false;
    QTest::newRow("after minimising both buttons are normal")
        << CaptionEvent::MinimiseClicked << false << false << true << false << false << true;
    QTest::newRow("pointer over the background makes both buttons normal")
        << CaptionEvent::PointerOverBackground << false << false << true << false << false << true;
}

void TestFrameLogic::captionLooks()
{
    QFETCH(CaptionEvent, event);
    const CaptionLooks looks = ::captionLooks(event);
    QTEST(looks.closeDown, "closeDown");
    QTEST(looks.closeHighlight, "closeHighlight");
    QTEST(looks.closeNormal, "closeNormal");
    QTEST(looks.miniDown, "miniDown");
    QTEST(looks.miniHighlight, "miniHighlight");
    QTEST(looks.miniNormal, "miniNormal");
}

void TestFrameLogic::bothButtonsStartNormal()
{
    QCOMPARE(InitialCaptionLooks, ::captionLooks(CaptionEvent::PointerOverBackground));
}

QTEST_GUILESS_MAIN(TestFrameLogic)
#include "tst_framelogic.moc"
