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

// Types an entry of the calibration screen and ends it with Return.
void enter(Calibration *dialog, const char *entry, const QString &text)
{
    auto *edit = child<QLineEdit>(*dialog, entry);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool onHorizontalScreen(Calibration *dialog)
{
    return dialog && dialog->isVisible() && dialog->isFullScreen()
        && child<QWidget>(*dialog, "fr_horzCalibration")->isVisible()
        && child<QWidget>(*dialog, "le_horzPitch")->isVisible()
        && child<QLineEdit>(*dialog, "le_horzPitch")->text().isEmpty()
        && !child<QWidget>(*dialog, "fr_vertCalibration")->isVisible()
        && !child<QWidget>(*dialog, "le_vertPitch")->isVisible();
}

bool onVerticalScreen(Calibration *dialog)
{
    return dialog && dialog->isVisible() && child<QWidget>(*dialog, "fr_vertCalibration")->isVisible()
        && child<QWidget>(*dialog, "le_vertPitch")->isVisible()
        && !child<QWidget>(*dialog, "fr_horzCalibration")->isVisible();
}

Preferences *openPreferences(Kestrova &window)
{
    child<QAction>(window, "actionPreferences")->trigger();
    return window.findChild<Preferences *>();
}
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
        QTest::mouseClick(child<QPushButton>(*openPreferences(window), "pb_reCalibrate"), Qt::LeftButton);
        Calibration *first = visibleWindow<Calibration>();
        QVERIFY(onHorizontalScreen(first));

        MessageBoxCatcher boxes;
        enter(first, "le_horzPitch", horizontal);
        if (!vertical.isEmpty())
            enter(first, "le_vertPitch", vertical);
        QCOMPARE(boxes.titles, QStringList{"Error"});
        QCOMPARE(boxes.texts, QStringList{"Please enter value in mm"});
        QVERIFY(!first->isVisible());
        QCOMPARE(first->styleSheet(), QStringLiteral("background-color:rgb(0, 0, 0)"));

        // Within a poll the main window starts the calibration again, from the horizontal ruler.
        QTRY_VERIFY_WITH_TIMEOUT(onHorizontalScreen(visibleWindow<Calibration>()), 400);
        Calibration *again = visibleWindow<Calibration>();
        QVERIFY(!again->isPitchError());
        QCOMPARE(tree.read(screenFile), earlier);
        QCOMPARE(again->isHorzPitch(), 200);

        enter(again, "le_horzPitch", "100");
        enter(again, "le_vertPitch", "100");
        QVERIFY(!again->isVisible());
        QCOMPARE(tree.read(screenFile), QByteArray::fromHex("00000064" "00000064") + earlier.mid(8));
        QCOMPARE(boxes.count(), 1);
    }

    void rulersAndSavedFile_data()
    {
        QTest::addColumn<QByteArray>("before");   // "folder": a folder stands where the file goes
        QTest::addColumn<QByteArray>("after");    // empty: the file cannot be written
        QTest::newRow("frequency and strings of the earlier file carried")
            << earlier << QByteArray::fromHex("000000fa" "0000007d" "00000001" "00000006" "006100620063" "00000000");
        QTest::newRow("first calibration, no file yet")
            << QByteArray() << QByteArray::fromHex("000000fa" "0000007d" "00000000" "ffffffff" "ffffffff");
        QTest::newRow("file cannot be written") << QByteArray("folder") << QByteArray();
    }

    void rulersAndSavedFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        InstalledTree tree;
        if (before == "folder")
            tree.block(screenFile);
        else if (!before.isEmpty())
            tree.write(screenFile, before);
        MessageBoxCatcher boxes;
        Calibration dialog;
        dialog.goCalibration();
        QVERIFY(onHorizontalScreen(&dialog));
        QCOMPARE(dialog.geometry(), dialog.screen()->geometry());
        const QSize screen = dialog.screen()->geometry().size();
        const QPoint centre(screen.width() / 2, screen.height() / 2);

        // The ruler lengths are measured in screen pixels by the device-pixel suite.
        QCOMPARE(child<QWidget>(dialog, "fr_horzCalibration")->geometry().topLeft(), centre - QPoint(500, 10));
        QCOMPARE(child<QWidget>(dialog, "fr_vertCalibration")->geometry().topLeft(), centre - QPoint(10, 250));
        QCOMPARE(dialog.focusWidget(), child<QWidget>(dialog, "le_horzPitch"));

        enter(&dialog, "le_horzPitch", "250");
        QVERIFY(onVerticalScreen(&dialog));
        QCOMPARE(dialog.focusWidget(), child<QWidget>(dialog, "le_vertPitch"));
        enter(&dialog, "le_vertPitch", "125");
        const bool written = !after.isEmpty();
        QCOMPARE(dialog.isHorzPitch(), written ? 250 : 0);
        QCOMPARE(dialog.isVertPitch(), written ? 125 : 0);
        if (written) {
            QVERIFY(!dialog.isVisible());
            QCOMPARE(tree.read(screenFile), after);
            // A missing file is the normal state before the first calibration, not an error.
            QCOMPARE(boxes.count(), 0);
        } else {
            // The values are not taken, and the assessor can try again on the vertical screen.
            QVERIFY(onVerticalScreen(&dialog));
            QCOMPARE(boxes.titles.value(boxes.count() - 1), QStringLiteral("Error"));
            QVERIFY2(boxes.texts.value(boxes.count() - 1).startsWith(QStringLiteral("Failed to open screen.pix\n")),
                     qPrintable(boxes.texts.join(QLatin1Char('|'))));
        }
    }

    // Escape on the vertical screen, after a horizontal value was accepted, keeps the stored calibration.
    void escapeKeepsFileAndContext()
    {
        InstalledTree tree;
        tree.write(screenFile, earlier);
        Calibration dialog;
        QVERIFY(dialog.goReadParam());
        dialog.goCalibration();
        enter(&dialog, "le_horzPitch", "300");
        QVERIFY(onVerticalScreen(&dialog));
        QTest::keyClicks(child<QLineEdit>(dialog, "le_vertPitch"), "12");
        QTest::keyClick(child<QLineEdit>(dialog, "le_vertPitch"), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QTest::qWait(300);
        QVERIFY(!dialog.isPitchError());
        QCOMPARE(tree.read(screenFile), earlier);
        QCOMPARE(dialog.isHorzPitch(), 200);
        QCOMPARE(dialog.isVertPitch(), 100);
        QCOMPARE(dialog.isFrequency(), 1);
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
        QTest::newRow("never calibrated") << QByteArray() << "0" << "0" << "60Hz" << "pb_cancel" << QByteArray();
    }

    void preferences()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, button);
        QFETCH(QByteArray, after);
        InstalledTree tree;
        if (!file.isEmpty())
            tree.write(screenFile, file);
        Kestrova window;
        QVERIFY(startedUp(window));
        Preferences *dialog = openPreferences(window);
        QTEST(child<QLineEdit>(*dialog, "le_horzPixelSize")->text(), "horizontal");
        QTEST(child<QLineEdit>(*dialog, "le_vertPixelSize")->text(), "vertical");
        auto *frequency = child<QComboBox>(*dialog, "cob_screenFreq");
        QTEST(frequency->currentText(), "frequency");
        QTest::keyClick(frequency, Qt::Key_Down);
        QCOMPARE(frequency->currentText(), QStringLiteral("120Hz"));
        MessageBoxCatcher boxes;
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(tree.read(screenFile), after);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(onHorizontalScreen(visibleWindow<Calibration>()), button == "pb_reCalibrate");
    }
};

QTEST_MAIN(TestCalibrationDialogs)
#include "tst_calibrationdialogs.moc"
