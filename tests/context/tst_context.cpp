#include <QtTest>

#include "calibration/calibration.h"
#include "context/screenparams.h"
#include "installedtree.h"
#include "messageboxcatcher.h"

class TestContext : public QObject
{
    Q_OBJECT

private slots:
    void unreadableFileLeavesContextUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("one string") << QByteArray::fromHex("0000012c0000009600000001ffffffff");
        QTest::newRow("string cut") << QByteArray::fromHex("0000012c0000009600000001ffffffff0000000800410042");
    }

    void unreadableFileLeavesContextUnchanged()
    {
        QFETCH(QByteArray, bytes);
        InstalledTree tree;
        tree.write("Parameters/screen.pix", QByteArray::fromHex("000000fa0000007d00000000ffffffffffffffff"));
        Calibration cal;
        MessageBoxCatcher boxes;
        QVERIFY(cal.goReadParam());
        if (bytes.isNull())
            QVERIFY(QFile::remove(tree.path("Parameters/screen.pix")));
        else
            tree.write("Parameters/screen.pix", bytes);
        QVERIFY(!cal.goReadParam());
        QCOMPARE(boxes.titles, QStringList{"Error"});
        // The message names the file and then the reason.
        const QString told = QStringLiteral("Failed to open screen.pix\n");
        QVERIFY(boxes.texts.first().startsWith(told) && boxes.texts.first().size() > told.size());
        QCOMPARE(cal.isHorzPitch(), 250);
        QCOMPARE(cal.isVertPitch(), 125);
        QCOMPARE(cal.isFrequency(), 0);
    }

    void negativeCalibrationIsNone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("negative horizontal ruler") << QByteArray::fromHex("ffffff060000007d00000000ffffffffffffffff");
        QTest::newRow("negative vertical ruler") << QByteArray::fromHex("000000faffffff8300000000ffffffffffffffff");
    }

    // A ruler cannot measure a negative length: such a file holds no calibration, and no size is
    // computed from it.
    void negativeCalibrationIsNone()
    {
        QFETCH(QByteArray, bytes);
        InstalledTree tree;
        tree.write("Parameters/screen.pix", bytes);
        ScreenParams params;
        QVERIFY(params.read(tree.path("Parameters/screen.pix"), nullptr));
        QVERIFY(!params.isCalibrated());
        QVERIFY(params.horzPitch >= 0 && params.vertPitch >= 0);
        QVERIFY(params.horzPitch == 0 || params.vertPitch == 0);
    }
};

QTEST_MAIN(TestContext)
#include "tst_context.moc"
