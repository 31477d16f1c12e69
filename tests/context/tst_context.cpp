#include <QtTest>

#include "calibration/calibration.h"
#include "context/paths.h"
#include "context/screenparams.h"
#include "context/textcodec.h"
#include "installedtree.h"
#include "messageboxcatcher.h"

class TestContext : public QObject
{
    Q_OBJECT

private slots:
    void freshFileIsTwentyBytes();
    void fileBytes_data();
    void fileBytes();
    void frequencyChangeKeepsOtherFields();
    void shortFileLeavesContextUnchanged_data();
    void shortFileLeavesContextUnchanged();
    void missingFileWarns();
    void instancesShareOneContext();
    void modeLabels_data();
    void modeLabels();
    void pixelSizePerAxis();
    void latin1Conversion_data();
    void latin1Conversion();
    void languageTables();
};

void TestContext::freshFileIsTwentyBytes()
{
    InstalledTree tree;
    QString error;
    QVERIFY(ScreenParams().write(tree.path("Parameters/screen.pix"), &error));
    QCOMPARE(tree.read("Parameters/screen.pix"),
             QByteArray::fromHex("00000000" "00000000" "00000000" "ffffffff" "ffffffff"));
}

void TestContext::fileBytes_data()
{
    QTest::addColumn<int>("horz");
    QTest::addColumn<int>("vert");
    QTest::addColumn<int>("freq");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QByteArray>("bytes");
    // A string is its byte count then UTF-16 big-endian text; an empty (not null) one has count 0.
    QTest::newRow("calibrated") << 250 << 125 << 1 << QString()
                                << QByteArray::fromHex("000000fa0000007d00000001ffffffffffffffff");
    QTest::newRow("reserved text") << 282 << 141 << 0 << QStringLiteral("Ab")
                                   << QByteArray::fromHex("0000011a0000008d00000000000000040041""0062ffffffff");
    QTest::newRow("empty string") << 0 << 0 << 0 << QStringLiteral("")
                                  << QByteArray::fromHex("00000000000000000000000000000000ffffffff");
}

void TestContext::fileBytes()
{
    QFETCH(int, horz);
    QFETCH(int, vert);
    QFETCH(int, freq);
    QFETCH(QString, first);
    QFETCH(QByteArray, bytes);
    InstalledTree tree;
    ScreenParams params;
    params.horzPitch = horz;
    params.vertPitch = vert;
    params.frequency = freq;
    params.reserved1 = first;
    QVERIFY(params.write(tree.path("Parameters/screen.pix"), nullptr));
    QCOMPARE(tree.read("Parameters/screen.pix"), bytes);

    ScreenParams back;
    QVERIFY(back.read(tree.path("Parameters/screen.pix"), nullptr));
    QVERIFY(back == params);
}

void TestContext::frequencyChangeKeepsOtherFields()
{
    InstalledTree tree;
    const QByteArray before = QByteArray::fromHex("000000fa0000007d00000000000000020078ffffffff");
    tree.write("Parameters/screen.pix", before);
    Calibration cal;
    cal.setFrequency(1);
    QByteArray expected = before;
    expected[11] = 1;
    QCOMPARE(tree.read("Parameters/screen.pix"), expected);
    QCOMPARE(cal.isFrequency(), 1);
    QCOMPARE(cal.isHorzPitch(), 250);
}

void TestContext::shortFileLeavesContextUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("two ints") << QByteArray::fromHex("0000012c00000096");
    QTest::newRow("no strings") << QByteArray::fromHex("0000012c0000009600000001");
    QTest::newRow("one string") << QByteArray::fromHex("0000012c0000009600000001ffffffff");
    QTest::newRow("string cut") << QByteArray::fromHex("0000012c0000009600000001ffffffff0000000800410042");
}

void TestContext::shortFileLeavesContextUnchanged()
{
    QFETCH(QByteArray, bytes);
    InstalledTree tree;
    tree.write("Parameters/screen.pix", QByteArray::fromHex("000000fa0000007d00000000ffffffffffffffff"));
    Calibration cal;
    MessageBoxCatcher boxes;
    QVERIFY(cal.goReadParam());
    tree.write("Parameters/screen.pix", bytes);
    QVERIFY(!cal.goReadParam());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.titles.first(), QStringLiteral("Error"));
    QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Failed to open screen.pix\n")));
    QCOMPARE(cal.isHorzPitch(), 250);
    QCOMPARE(cal.isVertPitch(), 125);
    QCOMPARE(cal.isFrequency(), 0);
}

void TestContext::missingFileWarns()
{
    InstalledTree tree;
    Calibration cal;
    MessageBoxCatcher boxes;
    QVERIFY(!cal.goReadParam());
    QCOMPARE(boxes.count(), 1);
    QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Failed to open screen.pix\n")));
    QVERIFY(boxes.texts.first().size() > int(strlen("Failed to open screen.pix\n")));
}

void TestContext::instancesShareOneContext()
{
    InstalledTree tree;
    Calibration first;
    QWidget window;
    auto *second = new Calibration(&window);
    first.setPatientName(QStringLiteral("Smith John 03.02.1950"));
    first.setSessionNb_T4(3);
    first.setEscapeSeq(true);
    QCOMPARE(second->isPatientName(), QStringLiteral("Smith John 03.02.1950"));
    QCOMPARE(second->isSessionNb_T4(), 3);
    QCOMPARE(second->isSessionNb(4), 3);
    QVERIFY(second->isEscapeSeq());
    QCOMPARE(second->isSessionNb_T3(), 0);
}

void TestContext::modeLabels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::newRow("0") << 0 << "INSTRUCTIONS";
    QTest::newRow("1") << 1 << "TRAINING";
    QTest::newRow("2") << 2 << "PAUSE";
    QTest::newRow("3") << 3 << "ERROR";
    QTest::newRow("out of range") << 4 << "";
}

void TestContext::modeLabels()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    Calibration cal;
    QCOMPARE(cal.isMode(index), label);
}

void TestContext::pixelSizePerAxis()
{
    // A 0.25 mm pixel measures 250 mm on the 1000-pixel ruler and 125 mm on the 500-pixel one.
    ScreenParams params;
    QVERIFY(!params.isCalibrated());
    params.horzPitch = 250;
    QVERIFY(!params.isCalibrated());
    params.vertPitch = 125;
    QVERIFY(params.isCalibrated());
    QCOMPARE(params.horzMmPerPixel(), 0.25);
    QCOMPARE(params.vertMmPerPixel(), 0.25);
}

void TestContext::latin1Conversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("latin1");
    QTest::newRow("ascii") << "Smith" << QByteArray("Smith");
    QTest::newRow("e acute") << QStringLiteral("Zo\u00e9") << QByteArray("Zo\xe9");
    QTest::newRow("outside latin1") << QStringLiteral("\u0141ukasz") << QByteArray("?ukasz");
    QTest::newRow("surrogate pair") << QStringLiteral("A\U0001F600B") << QByteArray("A?B");
    QTest::newRow("y diaeresis") << QStringLiteral("\u00ff\u0178") << QByteArray("\xff?");
}

void TestContext::latin1Conversion()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, latin1);
    QCOMPARE(TextCodec::toLatin1(text), latin1);
    QCOMPARE(TextCodec::latin1Filtered(text), QString::fromLatin1(latin1));
}

void TestContext::languageTables()
{
    const QStringList folders = {"En", "Fr", "De", "It", "Es", "Nl"};
    for (int i = 0; i < Paths::languageCount; ++i) {
        QCOMPARE(Paths::languageSubFolder(i), folders.at(i));
        QCOMPARE(Paths::translationFile(i), QStringLiteral("kestrova_%1.qm").arg(folders.at(i).toLower()));
        QCOMPARE(Paths::languageSuffix(i), QStringLiteral("_") + folders.at(i).toLower());
    }
    QCOMPARE(Paths::languageFile(1, QStringLiteral("Kestrova_About.html")),
             QStringLiteral("../Languages/Fr/Kestrova_About.html"));
}

QTEST_MAIN(TestContext)
#include "tst_context.moc"
