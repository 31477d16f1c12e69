#include <QtTest>

#include "calibration/calibration.h"
#include "installedtree.h"
#include "messageboxcatcher.h"

class TestContext : public QObject
{
    Q_OBJECT

private slots:
    // Read over a calibration of 250 and 125 mm at frequency 0: a file that cannot be read whole
    // is told and leaves the context as it was; a ruler cannot measure a negative length, so
    // such a value reads as no calibration.
    void screenFileRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");   // null: the file is missing
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::newRow("missing") << QByteArray() << 250 << 125;
        QTest::newRow("one string")
            << QByteArray::fromHex("0000012c0000009600000001ffffffff") << 250 << 125;
        QTest::newRow("string cut") << QByteArray::fromHex("0000012c0000009600000001ffffffff"
                                                           "0000000800410042") << 250 << 125;
        QTest::newRow("negative rulers")
            << QByteArray::fromHex("ffffff06ffffff8300000000ffffffffffffffff") << 0 << 0;
    }

    void screenFileRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, horizontal);
        InstalledTree tree;
        const QString file = QStringLiteral("Parameters/screen.pix");
        tree.write(file, QByteArray::fromHex("000000fa0000007d00000000ffffffffffffffff"));
        Calibration cal;
        MessageBoxCatcher boxes;
        QVERIFY(cal.goReadParam());
        if (bytes.isNull())
            QVERIFY(QFile::remove(tree.path(file)));
        else
            tree.write(file, bytes);
        const bool readable = horizontal == 0;   // the negative rulers only
        QCOMPARE(cal.goReadParam(), readable);
        QCOMPARE(boxes.titles, readable ? QStringList() : QStringList{"Error"});
        // The message names the file and then the reason.
        const QString told = QStringLiteral("Failed to open screen.pix\n");
        const QString text = boxes.texts.value(0);
        QVERIFY(readable || (text.startsWith(told) && text.size() > told.size()));
        QTEST(cal.isHorzPitch(), "horizontal");
        QTEST(cal.isVertPitch(), "vertical");
        QCOMPARE(cal.isFrequency(), 0);
    }
};

QTEST_MAIN(TestContext)
#include "tst_context.moc"
