#include <QtTest>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "calibration/preferences.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "widgetlookup.h"

namespace {
const QString screenFile = QStringLiteral("Parameters/screen.pix");

// screen.pix holding 200, 100, frequency 1 and the reserved strings "abc" and "" (not null).
const QByteArray earlier = QByteArray::fromHex("000000c8" "00000064" "00000001"
                                               "00000006" "006100620063" "00000000");

// Types an entry of the calibration screen where the focus is, and ends it with the key.
void enter(Calibration *dialog, const char *entry, const QString &text, int key = Qt::Key_Return)
{
    QCOMPARE(dialog->focusWidget(), child<QWidget>(*dialog, entry));
    QTest::keyClicks(dialog->focusWidget(), text);
    QTest::keyClick(dialog->focusWidget(), Qt::Key(key));
}

// The rulers and entries the full-screen calibration shows; "" when it is not shown.
QString shown(const Calibration *dialog)
{
    QStringList names;
    for (const char *name : {"fr_horzCalibration", "le_horzPitch", "fr_vertCalibration",
                             "le_vertPitch"}) {
        if (dialog && dialog->isFullScreen() && dialog->isVisible()
            && child<QWidget>(*dialog, name)->isVisible())
            names << QString::fromLatin1(name);
    }
    return names.join(QLatin1Char(' '));
}
const QString horizontalStep = QStringLiteral("fr_horzCalibration le_horzPitch");
const QString verticalStep = QStringLiteral("fr_vertCalibration le_vertPitch");
} // namespace

class TestCalibrationDialogs : public QObject
{
    Q_OBJECT

private slots:
    void refusedEntryRestarts_data()
    {
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<QString>("vertical");
        QTest::newRow("horizontal 99") << "99" << "";
        QTest::newRow("vertical 99") << "100" << "99";
    }

    void refusedEntryRestarts()
    {
        QFETCH(QString, horizontal);
        QFETCH(QString, vertical);
        InstalledTree tree;
        tree.write(screenFile, earlier);
        Kestrova window;
        QVERIFY(startedUp(window));
        auto *recalibrate = child<QPushButton>(*open<Preferences>(window, "actionPreferences"),
                                               "pb_reCalibrate");
        QTest::mouseClick(recalibrate, Qt::LeftButton);
        Calibration *first = visibleWindow<Calibration>();

        MessageBoxCatcher boxes;
        enter(first, "le_horzPitch", horizontal);
        if (!vertical.isEmpty())
            enter(first, "le_vertPitch", vertical);
        QCOMPARE(boxes.titles, QStringList{"Error"});
        QCOMPARE(boxes.texts, QStringList{"Please enter value in mm"});
        QVERIFY(!first->isVisible());
        QCOMPARE(first->styleSheet(), QStringLiteral("background-color:rgb(0, 0, 0)"));

        // Within a poll the main window starts the calibration again, from the horizontal ruler.
        QTRY_COMPARE_WITH_TIMEOUT(shown(visibleWindow<Calibration>()), horizontalStep, 400);
        Calibration *again = visibleWindow<Calibration>();
        QVERIFY(!again->isPitchError());
        QCOMPARE(tree.read(screenFile), earlier);
        QCOMPARE(again->isHorzPitch(), 200);

        enter(again, "le_horzPitch", "100");
        enter(again, "le_vertPitch", "100");
        QVERIFY(!again->isVisible());
        QCOMPARE(tree.read(screenFile), QByteArray::fromHex("00000064" "00000064") + earlier.mid(8));
    }

    void rulersAndSavedFile_data()
    {
        QTest::addColumn<QByteArray>("before");   // "folder": a folder stands where the file goes
        QTest::addColumn<int>("key");             // ends the vertical entry
        QTest::addColumn<QByteArray>("after");    // empty: the file cannot be written
        QTest::addColumn<int>("horizontalPitch"); // the context afterwards
        QTest::addColumn<int>("verticalPitch");
        const int done = Qt::Key_Return;
        QTest::newRow("frequency and strings of the earlier file carried") << earlier << done
            << QByteArray::fromHex("000000fa0000007d00000001" "00000006006100620063" "00000000")
            << 250 << 125;
        QTest::newRow("first calibration, no file yet") << QByteArray() << done
            << QByteArray::fromHex("000000fa" "0000007d" "00000000" "ffffffff" "ffffffff")
            << 250 << 125;
        QTest::newRow("file cannot be written")
            << QByteArray("folder") << done << QByteArray() << 0 << 0;
        // Escape after a horizontal value was accepted keeps the stored calibration.
        QTest::newRow("escape on the vertical ruler")
            << earlier << int(Qt::Key_Escape) << earlier << 200 << 100;
    }

    void rulersAndSavedFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, key);
        QFETCH(QByteArray, after);
        InstalledTree tree;
        if (before == "folder")
            tree.block(screenFile);
        else if (!before.isEmpty())
            tree.write(screenFile, before);
        MessageBoxCatcher boxes;
        Calibration dialog;
        dialog.goCalibration();
        QCOMPARE(shown(&dialog), horizontalStep);
        QCOMPARE(dialog.geometry(), dialog.screen()->geometry());
        const QSize screen = dialog.screen()->geometry().size();
        const QPoint centre(screen.width() / 2, screen.height() / 2);

        // The ruler lengths are measured in screen pixels by the device-pixel suite.
        QCOMPARE(child<QWidget>(dialog, "fr_horzCalibration")->geometry().topLeft(), centre - QPoint(500, 10));
        QCOMPARE(child<QWidget>(dialog, "fr_vertCalibration")->geometry().topLeft(), centre - QPoint(10, 250));

        enter(&dialog, "le_horzPitch", "250");
        QCOMPARE(shown(&dialog), verticalStep);
        enter(&dialog, "le_vertPitch", "125", key);
        QTest::qWait(300);
        QTEST(dialog.isHorzPitch(), "horizontalPitch");
        QTEST(dialog.isVertPitch(), "verticalPitch");
        QVERIFY(!dialog.isPitchError());
        QCOMPARE(tree.read(screenFile), after);
        // A file that cannot be written is told, and the assessor can try again on the vertical
        // screen; a missing file is the normal state before the first calibration, not an error.
        QCOMPARE(shown(&dialog), after.isEmpty() ? verticalStep : QString());
        QCOMPARE(boxes.count() > 0, after.isEmpty());
        for (const QString &text : boxes.texts)
            QVERIFY2(text.startsWith("Failed to open screen.pix\n"), qPrintable(text));
    }

    void preferences_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("button");   // pressed after choosing 120Hz
        QTest::addColumn<QByteArray>("after");
        const QByteArray before = QByteArray::fromHex("000000fa0000007d00000000" "00000006006100620063" "ffffffff");
        QTest::newRow("120Hz and Ok") << before << "250" << "250" << "60Hz" << "pb_ok"
            << QByteArray::fromHex("000000fa0000007d00000001" "00000006006100620063" "ffffffff");
        QTest::newRow("120Hz and Cancel") << before << "250" << "250" << "60Hz" << "pb_cancel" << before;
        // Recalibrating drops the frequency choice and opens the calibration screen.
        QTest::newRow("120Hz and Recalibrate") << before << "250" << "250" << "60Hz" << "pb_reCalibrate" << before;
        // The vertical ruler is 500 pixels long: 127 mm measured on it is a 254 µm pixel.
        const QByteArray nonSquare = QByteArray::fromHex("000000fb0000007f00000001ffffffffffffffff");
        QTest::newRow("non-square pixels, 120 Hz") << nonSquare << "251" << "254" << "120Hz" << "pb_cancel" << nonSquare;
    }

    void preferences()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, button);
        QFETCH(QByteArray, after);
        InstalledTree tree;
        tree.write(screenFile, file);
        Kestrova window;
        QVERIFY(startedUp(window));
        auto *dialog = open<Preferences>(window, "actionPreferences");
        QTEST(child<QLineEdit>(*dialog, "le_horzPixelSize")->text(), "horizontal");
        QTEST(child<QLineEdit>(*dialog, "le_vertPixelSize")->text(), "vertical");
        auto *frequency = child<QComboBox>(*dialog, "cob_screenFreq");
        QTEST(frequency->currentText(), "frequency");
        QTest::keyClick(frequency, Qt::Key_Down);
        MessageBoxCatcher boxes;
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(tree.read(screenFile), after);
        QCOMPARE(boxes.count(), 0);
        const bool recalibrating = button == "pb_reCalibrate";
        QCOMPARE(shown(visibleWindow<Calibration>()), recalibrating ? horizontalStep : QString());
    }
};

QTEST_MAIN(TestCalibrationDialogs)
#include "tst_calibrationdialogs.moc"
