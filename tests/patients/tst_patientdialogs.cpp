#include <QtTest>

#include "app/kestrova.h"
#include "calibration/calibration.h"
#include "patients/assessor.h"
#include "patients/newpatient.h"
#include "installedtree.h"
#include "messageboxcatcher.h"
#include "simulatedinput.h"
#include "widgetlookup.h"

namespace {
const QByteArray twoPatients = "Mrs.;Zeller;Anna;05.06.1944;2;1;0;3;0;0;0;0;0;0\r\n"
                               "Mr.;Adams;Bob;01.01.1950;4;7;1;0;2;0;1;0;0;0\r\n";
const QByteArray martin = "Dr.;Martin;Anne;Clinic;1 Main St;1000;Town;Land\n";

// Fills the new-patient form down its focus chain, typing always where the focus is: the
// gender with the arrow key (pressed genderKeys times; without one the assessor clicks into
// the last name), each name ended by Return, then the date's digits, day first.
void fillNewPatient(NewPatient *dialog, int genderKeys, const QString &lastName,
                    const QString &firstName, const char *date)
{
    for (int i = 0; i < genderKeys; ++i)
        QTest::keyClick(child<QComboBox>(*dialog, "cob_genre"), Qt::Key_Down);
    if (genderKeys == 0)
        QTest::mouseClick(child<QLineEdit>(*dialog, "le_lastName"), Qt::LeftButton);
    SimulatedInput::typeText(dialog->focusWidget(), lastName);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    SimulatedInput::typeText(dialog->focusWidget(), firstName);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    QTest::keyClicks(dialog->focusWidget(), QString::fromLatin1(date));
}

} // namespace

class TestPatientDialogs : public QObject
{
    Q_OBJECT

private slots:
    void newPatientAppendedAndSelected_data()
    {
        QTest::addColumn<int>("genderKeys");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("Mr.") << 1 << QByteArray("Mr.;Smith;John;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n");
        QTest::newRow("no gender chosen") << 0 << QByteArray(";Smith;John;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n");
    }

    void newPatientAppendedAndSelected()
    {
        QFETCH(int, genderKeys);
        QFETCH(QByteArray, record);
        InstalledTree tree;
        tree.write("Parameters/patients_list.txt", twoPatients);
        Kestrova window;
        QVERIFY(startedUp(window));
        NewPatient *dialog = open<NewPatient>(window, "actionAdd_patient");
        auto *date = child<QDateEdit>(*dialog, "de_dateOfBirth");
        QCOMPARE(date->text(), QStringLiteral("01.01.1900"));
        QCOMPARE(dialog->focusWidget(), child<QWidget>(*dialog, "cob_genre"));
        // Ok waits for a year other than 1900: the last day of 1900 is not enough, 1899 is, and
        // going back to 1900 afterwards keeps it enabled.
        for (const auto &[year, enabled] : {std::pair(1900, false), {1899, true}, {1900, true}}) {
            date->setDate(QDate(year, 12, 31));
            QCOMPARE(child<QPushButton>(*dialog, "pb_ok")->isEnabled(), enabled);
        }
        fillNewPatient(dialog, genderKeys, "Smith", "John", "03021950");
        QTest::mouseClick(child<QPushButton>(*dialog, "pb_ok"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        auto *combo = child<QComboBox>(window, "cob_patientName");
        QTRY_COMPARE_WITH_TIMEOUT(combo->count(), 3, 400);
        QCOMPARE(combo->itemText(1), QStringLiteral("Smith John 03.02.1950"));
        QCOMPARE(tree.read("Parameters/patients_list.txt"), twoPatients + record);
        // The new patient is the chosen one.
        QCOMPARE(Calibration().isPatientName(), QStringLiteral("Smith John 03.02.1950"));
        QVERIFY(!Calibration().isNewPatient());
    }

    void newPatientRefusedOrLeft_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("cancel") << "pb_cancel";
        QTest::newRow("escape key") << "escape";
    }

    // A refused identity keeps the form open on the faulty field with what was typed; Cancel and
    // Escape close it. The list and the combo stay as they were all along.
    void newPatientRefusedOrLeft()
    {
        QFETCH(QString, leaveBy);
        InstalledTree tree;
        tree.write("Parameters/patients_list.txt", twoPatients);
        Kestrova window;
        QVERIFY(startedUp(window));
        NewPatient *dialog = open<NewPatient>(window, "actionAdd_patient");
        fillNewPatient(dialog, 1, "Smi;th", QStringLiteral("\u0141ukasz"), "03021950");
        auto *lastName = child<QLineEdit>(*dialog, "le_lastName");
        MessageBoxCatcher boxes;
        QTest::mouseClick(child<QPushButton>(*dialog, "pb_ok"), Qt::LeftButton);
        QCOMPARE(dialog->focusWidget(), lastName);
        lastName->setText("Smith");
        QTest::mouseClick(child<QPushButton>(*dialog, "pb_ok"), Qt::LeftButton);
        QCOMPARE(dialog->focusWidget(), child<QLineEdit>(*dialog, "le_firstName"));
        QCOMPARE(child<QLineEdit>(*dialog, "le_firstName")->text(), QStringLiteral("\u0141ukasz"));
        QCOMPARE(boxes.titles, (QStringList{"Error", "Error"}));
        QCOMPARE(boxes.texts, (QStringList{"\"Last Name / study\" must not contain the character \";\".",
                                           QStringLiteral("\"First Name / id\" must not contain the character \"\u0141\", "
                                                          "which the records cannot hold.")}));

        if (leaveBy == "escape")
            QTest::keyClick(child<QLineEdit>(*dialog, "le_firstName"), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(*dialog, "pb_cancel"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QTest::qWait(300);
        QCOMPARE(tree.read("Parameters/patients_list.txt"), twoPatients);
    }

    void assessorSavedAndShown()
    {
        InstalledTree tree;
        Kestrova window;
        QVERIFY(startedUp(window));
        Assessor *dialog = open<Assessor>(window, "actionAssessor");
        QCOMPARE(child<QComboBox>(*dialog, "cob_title")->currentIndex(), -1);
        QCOMPARE(dialog->focusWidget(), child<QWidget>(*dialog, "cob_title"));

        // The title by its first letter, then each field followed by Return down the form.
        QTest::keyClicks(child<QComboBox>(*dialog, "cob_title"), "D");
        const char *order[] = {"le_lastName", "le_firstName", "le_institution", "le_street",
                               "le_postalCode", "le_city", "le_country"};
        const char *texts[] = {"Martin", "Anne", "Clinic", "1 Main St", "1000", "Town", "Land"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(dialog->focusWidget()->objectName(), QString::fromLatin1(order[i]));
            QTest::keyClicks(dialog->focusWidget(), texts[i]);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        }
        // Return in the country field does nothing.
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("le_country"));
        QVERIFY(dialog->isVisible());

        QTest::mouseClick(child<QPushButton>(*dialog, "pb_ok"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(tree.read("Parameters/assessor.txt"), martin);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(window, "lbl_name")->text(), QStringLiteral("Dr. Anne Martin"), 400);
        QCOMPARE(child<QLabel>(window, "lbl_institution")->text(), QStringLiteral("Clinic"));
    }

    void assessorRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("last name beyond latin-1") << "le_lastName" << QStringLiteral("Dvo\u0159\u00e1k")
            << QStringLiteral("\"Last Name\" must not contain the character \"\u0159\", which the records cannot hold.");
        QTest::newRow("pasted line break in city") << "le_city" << "Town\nLand" << "\"City\" must not contain a line break.";
        QTest::newRow("file cannot be written") << "le_lastName" << "Weber" << "Failed to open assessor.txt\n";
    }

    // A refused entry or a failed write keeps the form open with what was typed, and the stored
    // record as it was.
    void assessorRefused()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        InstalledTree tree;
        const bool writable = !message.startsWith("Failed");
        if (writable)
            tree.write("Parameters/assessor.txt", martin);
        else
            tree.block("Parameters/assessor.txt");
        Assessor dialog;
        dialog.goAssessor();
        auto *edit = dialog.findChild<QLineEdit *>(field);
        edit->setText(text);   // as a paste puts it there
        MessageBoxCatcher boxes;
        QTest::mouseClick(child<QPushButton>(dialog, "pb_ok"), Qt::LeftButton);
        QCOMPARE(boxes.titles, QStringList{"Error"});
        QVERIFY2(boxes.texts.value(0).startsWith(message), qPrintable(boxes.texts.value(0)));
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit->text(), text);
        if (writable) {
            QCOMPARE(dialog.focusWidget(), edit);
            QCOMPARE(tree.read("Parameters/assessor.txt"), martin);
        }
    }

    void assessorTranslatedTitle_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("saved");
        // The rest of the record, its "\u00fc" in UTF-8, goes back as it was read.
        const QByteArray rest = ";M\xc3\xbcller;Anne;Clinic;1 Main St;1000;Town;Land\n";
        QTest::newRow("saved translated") << "Dr" + rest << "Dr" << "Dr" + rest;
        QTest::newRow("saved untranslated") << "Dr." + rest << "Dr" << "Dr" + rest;
        QTest::newRow("unknown title") << "Mx." + rest << "" << rest;
    }

    // With a French interface the title is stored as shown, and reopening the dialog selects it
    // again, so saving unchanged entries keeps the whole record.
    void assessorTranslatedTitle()
    {
        QFETCH(QByteArray, stored);
        InstalledTree tree;
        tree.write("Parameters/assessor.txt", stored);
        QTranslator french;
        QVERIFY(french.load(QStringLiteral(KESTROVA_QM_DIR "/kestrova_fr.qm")));
        QCoreApplication::installTranslator(&french);
        Assessor dialog;
        QCoreApplication::removeTranslator(&french);
        dialog.goAssessor();
        QTEST(child<QComboBox>(dialog, "cob_title")->currentText(), "shown");
        QTest::mouseClick(child<QPushButton>(dialog, "pb_ok"), Qt::LeftButton);
        QTEST(tree.read("Parameters/assessor.txt"), "saved");
    }
};

QTEST_MAIN(TestPatientDialogs)
#include "tst_patientdialogs.moc"
