#include "imagebutton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

// Mouse input goes through the window, as the platform delivers it, so Qt's own routing (the
// implicit grab of the pressed widget) takes part in every case.
class TestImageButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void naturalFitTakesPictureSize();
    void stretchFitKeepsWidgetSize();
    void clickNeedsLeftPressAndReleaseInside_data();
    void clickNeedsLeftPressAndReleaseInside();
    void hoverIsReportedWithoutButton();
    void hiddenOnPressStillTakesTheRelease_data();
    void hiddenOnPressStillTakesTheRelease();
    void hiddenOnPressKeepsMovesUntilRelease();

private:
    QWindow *window() const { return m_top->windowHandle(); }

    std::unique_ptr<QWidget> m_top;
    ImageButton *m_background = nullptr;
    ImageButton *m_highlight = nullptr;
    ImageButton *m_down = nullptr;
};

// A window with a background image and two looks of one button stacked at (50, 20), like the caption.
void TestImageButton::init()
{
    m_top = std::make_unique<QWidget>();
    m_top->resize(200, 100);
    m_background = new ImageButton(m_top.get());
    m_background->setGeometry(0, 0, 200, 100);
    QPixmap face(39, 20);
    face.fill(Qt::red);
    m_highlight = new ImageButton(m_top.get());
    m_highlight->setPicture(face);
    m_highlight->move(50, 20);
    m_down = new ImageButton(m_top.get());
    m_down->setPicture(face);
    m_down->move(50, 20);
    m_down->hide();
    m_top->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_top.get()));
}

void TestImageButton::cleanup()
{
    m_top.reset();
}

void TestImageButton::naturalFitTakesPictureSize()
{
    ImageButton button;
    button.resize(5, 5);
    button.setPicture(QPixmap(39, 20));
    QCOMPARE(button.size(), QSize(39, 20));
    QVERIFY(!button.hasScaledContents());
}

void TestImageButton::stretchFitKeepsWidgetSize()
{
    ImageButton button;
    button.resize(179, 57);
    button.setPicture(QPixmap(200, 93), ImageButton::Fit::Stretch);
    QCOMPARE(button.size(), QSize(179, 57));
    QVERIFY(button.hasScaledContents());
}

void TestImageButton::clickNeedsLeftPressAndReleaseInside_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("clicked");

    QTest::newRow("left press and release inside is a click") << Qt::LeftButton << QPoint(60, 30) << true;
    QTest::newRow("release on the image's last pixel is still a click") << Qt::LeftButton << QPoint(88, 39) << true;
    QTest::newRow("release outside the image is no click") << Qt::LeftButton << QPoint(150, 80) << false;
    QTest::newRow("release just past the image's edge is no click") << Qt::LeftButton << QPoint(89, 30) << false;
    QTest::newRow("a right press and release is no click") << Qt::RightButton << QPoint(60, 30) << false;
}

void TestImageButton::clickNeedsLeftPressAndReleaseInside()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, clicked);
    QSignalSpy pressed(m_highlight, &ImageButton::pressed);
    QSignalSpy released(m_highlight, &ImageButton::released);
    QSignalSpy clicks(m_highlight, &ImageButton::clicked);

    QTest::mousePress(window(), button, {}, QPoint(60, 30));
    QTest::mouseMove(window(), releaseAt);
    QTest::mouseRelease(window(), button, {}, releaseAt);

    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), button);
    QCOMPARE(released.size(), 1);
    QCOMPARE(clicks.size(), clicked ? 1 : 0);
}

void TestImageButton::hoverIsReportedWithoutButton()
{
    // Qt drops a move to where the pointer already is, so start from a place no other case uses.
    QTest::mouseMove(window(), QPoint(5, 95));
    QSignalSpy overButton(m_highlight, &ImageButton::moved);
    QSignalSpy overBackground(m_background, &ImageButton::moved);
    QTest::mouseMove(window(), QPoint(60, 30));
    QTest::mouseMove(window(), QPoint(150, 80));
    QCOMPARE(overButton.size(), 1);
    QCOMPARE(overBackground.size(), 1);
}

void TestImageButton::hiddenOnPressStillTakesTheRelease_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("clicked");

    QTest::newRow("release over the pressed look is a click of the hidden image") << QPoint(60, 30) << true;
    QTest::newRow("release outside both looks is no click") << QPoint(150, 80) << false;
}

// The caption shows its pressed look by hiding the highlighted image in the press handler; the click
// still belongs to the highlighted image.
void TestImageButton::hiddenOnPressStillTakesTheRelease()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, clicked);
    connect(m_highlight, &ImageButton::pressed, this, [this] {
        m_highlight->hide();
        m_down->show();
    });
    QSignalSpy clicks(m_highlight, &ImageButton::clicked);
    QSignalSpy downClicks(m_down, &ImageButton::clicked);
    QSignalSpy downReleases(m_down, &ImageButton::released);

    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(60, 30));
    QVERIFY(m_down->isVisible());
    QTest::mouseMove(window(), releaseAt);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, releaseAt);

    QCOMPARE(clicks.size(), clicked ? 1 : 0);
    QCOMPARE(downClicks.size(), 0);
    QCOMPARE(downReleases.size(), 0);
}

void TestImageButton::hiddenOnPressKeepsMovesUntilRelease()
{
    connect(m_highlight, &ImageButton::pressed, m_highlight, &QWidget::hide);
    QSignalSpy overBackground(m_background, &ImageButton::moved);
    QSignalSpy heldMoves(m_highlight, &ImageButton::moved);

    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(60, 30));
    // The pointer's way onto the image is not part of the press.
    overBackground.clear();
    heldMoves.clear();
    QTest::mouseMove(window(), QPoint(150, 80));
    QCOMPARE(overBackground.size(), 0);
    QCOMPARE(heldMoves.size(), 1);

    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(150, 80));
    QTest::mouseMove(window(), QPoint(160, 80));
    QCOMPARE(overBackground.size(), 1);
}

QTEST_MAIN(TestImageButton)
#include "tst_imagebutton.moc"
