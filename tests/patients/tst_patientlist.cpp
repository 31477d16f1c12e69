#include <optional>

#include <sys/resource.h>

#include <QtTest>

#include "filesizelimit.h"
#include "patients/assessorfile.h"
#include "patients/identity.h"
#include "patients/patientlist.h"
#include "installedtree.h"

namespace {
const QString listPath = QStringLiteral("Parameters/patients_list.txt");

QByteArray smith() { return "Mr.;Smith;John;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n"; }
QByteArray doe() { return "Mrs.;Doe;Jane;01.01.1960;1;2;3;4;5;6;7;8;9;10\r\n"; }
} // namespace

Q_DECLARE_METATYPE(Identity::Fault)

class TestPatientList : public QObject
{
    Q_OBJECT

private slots:
    // Latin-1 letters are stored as UTF-8, anything beyond Latin-1 as "?".
    void append_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray renee = "Mrs.;Ren\xc3\xa9" "e;?ukasz;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n";
        QTest::newRow("empty list") << QByteArray() << renee;
        QTest::newRow("after a line without end") << doe().chopped(2) << doe() + renee;
    }

    void append()
    {
        QFETCH(QByteArray, before);
        InstalledTree tree;
        tree.write(listPath, before);
        QVERIFY(PatientList::standard().append("Mrs.", QStringLiteral("Ren\u00e9e"), QStringLiteral("\u0141ukasz"),
                                               QDate(1950, 2, 3)));
        QTEST(tree.read(listPath), "after");
    }

    // The keys the list offers and the session counters, tasks 1 to 7, of the first key's record.
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("sessions");
        const QString smithKey = QStringLiteral("Smith John 03.02.1950");
        const QString doeKey = QStringLiteral("Doe Jane 01.01.1960");
        const QString zeros = QStringLiteral("0 0 0 0 0 0 0");
        QTest::newRow("last line without end")
            << smith() + doe().chopped(2) << QStringList{smithKey, doeKey} << zeros;
        QTest::newRow("short and blank lines skipped")
            << "garbage\r\nMr.;X\r\n\r\n" + doe() << QStringList{doeKey} << "1 2 3 4 5 6 7";
        QTest::newRow("the first of two records counts")
            << smith() + "Mr.;Smith;John;03.02.1950;9;9;9;9;9;9;9;9;9;9\r\n"
            << QStringList{smithKey, smithKey} << zeros;
        QTest::newRow("missing counters of a record cut short are 0")
            << QByteArray("Mr.;Short;Rec;01.01.2000;4;x\r\n") << QStringList{"Short Rec 01.01.2000"}
            << "4 0 0 0 0 0 0";
        QTest::newRow("utf-8 name")
            << QByteArray("Mr.;Ren\xc3\xa9;A;01.01.2000;0;0;0;0;0;0;0;0;0;0\r\n")
            << QStringList{QStringLiteral("Ren\u00e9 A 01.01.2000")} << zeros;
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, keys);
        InstalledTree tree;
        tree.write(listPath, content);
        const PatientList list = PatientList::standard();
        QCOMPARE(list.loadKeys(), keys);
        const auto record = list.find(keys.first());
        QVERIFY(record.has_value());
        QStringList sessions;
        for (int task = 1; task <= 7; ++task)
            sessions << QString::number(list.intField(*record, PatientList::sessionField(task)));
        QTEST(sessions.join(QLatin1Char(' ')), "sessions");
        QVERIFY(!list.find("Nobody 01.01.2000").has_value());
    }

    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("field");
        QTest::addColumn<QByteArray>("after");   // empty: the rewrite fails and the list stays as it was
        QTest::addColumn<int>("diskLimit");      // bytes the disk takes before it is full, 0: no limit
        QTest::newRow("task 4 changes field 7 only")
            << doe() + smith() << "Smith John 03.02.1950" << PatientList::sessionField(4)
            << doe() + "Mr.;Smith;John;03.02.1950;0;0;0;5;0;0;0;0;0;0\r\n" << 0;
        QTest::newRow("every matching record")
            << smith() + doe() + smith() << "Smith John 03.02.1950" << 4
            << "Mr.;Smith;John;03.02.1950;5;0;0;0;0;0;0;0;0;0\r\n" + doe()
                   + "Mr.;Smith;John;03.02.1950;5;0;0;0;0;0;0;0;0;0\r\n" << 0;
        QTest::newRow("line ends normalised, last line completed")
            << QByteArray("Mr.;A;B;01.01.2000;0;0;0;0;0;0;0;0;0;0\n") + doe().chopped(2)
            << "A B 01.01.2000" << 4
            << QByteArray("Mr.;A;B;01.01.2000;5;0;0;0;0;0;0;0;0;0\r\n") + doe() << 0;
        // Another program saved "é" as one Latin-1 byte: that record is not this program's to change.
        QTest::newRow("bytes that are not UTF-8 kept")
            << QByteArray("Mr.;Dupr\xe9;Jean;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n") + smith()
            << "Smith John 03.02.1950" << 5
            << QByteArray("Mr.;Dupr\xe9;Jean;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n")
                   + "Mr.;Smith;John;03.02.1950;0;5;0;0;0;0;0;0;0;0\r\n" << 0;
        QTest::newRow("no matching record") << doe() << "Nobody 01.01.2000" << 4 << QByteArray() << 0;
        QTest::newRow("records behind a blank line kept")
            << smith() + "\r\n" + doe() << "Doe Jane 01.01.1960" << 13
            << smith() + "Mrs.;Doe;Jane;01.01.1960;1;2;3;4;5;6;7;8;9;5\r\n" << 0;
        QTest::newRow("only a short record matches") << QByteArray("Mr.;Smith;John;03.02.1950;1\n") + doe()
                                                     << "Smith John 03.02.1950" << 4 << QByteArray() << 0;
        QTest::newRow("disk full while the new list is written")
            << (smith() + doe()).repeated(40) << "Smith John 03.02.1950" << 4 << QByteArray() << 1024;
    }

    void rewrite()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(int, field);
        QFETCH(QByteArray, after);
        QFETCH(int, diskLimit);
        InstalledTree tree;
        tree.write(listPath, before);
        QString error;
        std::optional<FileSizeLimit> limit;
        if (diskLimit)
            limit.emplace(diskLimit);
        const bool ok = PatientList::standard().rewriteField(key, field, QStringLiteral("5"), &error);
        limit.reset();
        QCOMPARE(ok, !after.isEmpty());
        QCOMPARE(tree.read(listPath), ok ? after : before);
        if (!ok)
            QVERIFY2(diskLimit ? !error.isEmpty() : error.contains(key), qPrintable(error));
        QCOMPARE(QDir(tree.path("Parameters")).entryList(QDir::Files),
                 QStringList{"patients_list.txt"});
    }

    // What a name must not hold, an address may: emptiness, a slash, a dot; neither may hold
    // what the records cannot.
    void identityFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Identity::Fault>("nameFault");
        QTest::addColumn<Identity::Fault>("assessorFault");
        QTest::addColumn<QString>("offending");
        using F = Identity::Fault;
        QTest::newRow("three dots is a name") << "..." << F::None << F::None << "";
        QTest::newRow("blanks only") << "   " << F::Empty << F::None << "";
        QTest::newRow("slash") << "a/b" << F::PathSeparator << F::None << "/";
        QTest::newRow("dot dot with blanks") << " .. " << F::DotName << F::None << "..";
        QTest::newRow("last latin-1 letter")
            << QStringLiteral("Zo\u00ff") << F::None << F::None << "";
        const QString emoji = QStringLiteral("\U0001F600");
        QTest::newRow("beyond the basic plane, one character")
            << "Ann" + emoji + "a" << F::NotStorable << F::NotStorable << emoji;
    }

    void identityFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, offending);
        const Identity::Check name = Identity::checkPatientName(text);
        QTEST(name.fault, "nameFault");
        QCOMPARE(name.offending, offending);
        const Identity::Check assessor = Identity::checkAssessorField(text);
        QTEST(assessor.fault, "assessorFault");
        QCOMPARE(assessor.offending, assessor.ok() ? QString() : offending);
    }

    // An assessor file of 50 MB on one line: only what a record can hold is read, in bounded
    // memory and at once.
    void hugeAssessorLine()
    {
        InstalledTree tree;
        {
            QFile file(tree.path("Parameters/assessor.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Dr.;Roe;Jane;");
            const QByteArray chunk(1 << 20, 'x');
            for (int i = 0; i < 50; ++i)
                file.write(chunk);
        }
        struct rusage before, after;
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer clock;
        clock.start();
        const auto fields = AssessorFile::read(AssessorFile::standardPath());
        const qint64 ms = clock.elapsed();
        getrusage(RUSAGE_SELF, &after);
        QVERIFY(fields.has_value());
        QCOMPARE(fields->mid(0, 3), (QStringList{"Dr.", "Roe", "Jane"}));
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 20 * 1024, qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
        QVERIFY2(ms < 500, qPrintable(QString::number(ms)));
    }
};

QTEST_MAIN(TestPatientList)
#include "tst_patientlist.moc"
