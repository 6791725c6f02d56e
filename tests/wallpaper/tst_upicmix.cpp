#include "picfile.h"
#include "tovakierror.h"
#include "upicmix.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The composition form as the apply to desktop uses it.
class TestUPicMix : public QObject
{
    Q_OBJECT

private slots:
    void blendsHeldPicturesAndReleasesThem_data();
    void blendsHeldPicturesAndReleasesThem();
    void missingPictureFails();
};

void TestUPicMix::blendsHeldPicturesAndReleasesThem_data()
{
    QTest::addColumn<bool>("centerMix");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("centred on page B") << true << 172;
    QTest::newRow("at the right on pages A and C") << false << 295;
}

void TestUPicMix::blendsHeldPicturesAndReleasesThem()
{
    QFETCH(bool, centerMix);
    QFETCH(int, firstColumn);
    QTemporaryDir folder;
    QImage content(935, 638, QImage::Format_RGB32);
    content.fill(qRgb(0, 0, 0));
    QImage background(1280, 800, QImage::Format_RGB32);
    background.fill(qRgb(100, 100, 100));
    picfile::writeBmp(content, folder.filePath(QStringLiteral("Content.bmp")), 24);
    picfile::writeBmp(background, folder.filePath(QStringLiteral("A1.bmp")), 24);
    TMixPicFrm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("图片合成"));

    form.img1()->loadFromFile(folder.filePath(QStringLiteral("Content.bmp")));
    form.img2()->loadFromFile(folder.filePath(QStringLiteral("A1.bmp")));
    form.CenterMix = centerMix;
    const QImage result = form.MixPic(form.img1()->picture(), form.img2()->picture(), 30, 50);
    form.imgmix()->setPicture(result);
    form.findChild<QPushButton *>(QStringLiteral("JvXPButton1"))->click();

    QVERIFY(form.img1()->picture().isNull());
    QVERIFY(form.img2()->picture().isNull());
    const QImage &mix = form.imgmix()->picture();
    QCOMPARE(mix.size(), QSize(1280, 800));
    QCOMPARE(mix.pixel(firstColumn, 30), qRgb(50, 50, 50));
    QCOMPARE(mix.pixel(firstColumn + 934, 667), qRgb(50, 50, 50));
    QCOMPARE(mix.pixel(firstColumn - 1, 30), qRgb(100, 100, 100));
    QCOMPARE(mix.pixel(firstColumn, 29), qRgb(100, 100, 100));
}

void TestUPicMix::missingPictureFails()
{
    QTemporaryDir folder;
    TMixPicFrm form;
    QVERIFY_THROWS_EXCEPTION(TovakiError, form.img1()->loadFromFile(folder.filePath(QStringLiteral("gone.bmp"))));
    QVERIFY(form.img1()->picture().isNull());
}

QTEST_MAIN(TestUPicMix)
#include "tst_upicmix.moc"
