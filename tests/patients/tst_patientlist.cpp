#include <optional>

#include <sys/resource.h>

#include <QtTest>

#include "filesizelimit.h"
#include "patients/assessorfile.h"
#include "patients/patientlist.h"
#include "installedtree.h"

namespace {
const QString listPath = QStringLiteral("Parameters/patients_list.txt");

QByteArray smith() { return "Mr.;Smith;John;03.02.1950;0;0;0;0;0;0;0;0;0;0\r\n"; }
QByteArray doe() { return "Mrs.;Doe;Jane;01.01.1960;1;2;3;4;5;6;7;8;9;10\r\n"; }
} // namespace

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

    void loadKeys_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("last line without end") << smith() + doe().chopped(2)
                                               << QStringList{"Smith John 03.02.1950", "Doe Jane 01.01.1960"};
        QTest::newRow("short lines skipped") << QByteArray("garbage\r\nMr.;X\r\n") + doe()
                                             << QStringList{"Doe Jane 01.01.1960"};
        QTest::newRow("utf-8 name") << QByteArray("Mr.;Ren\xc3\xa9;A;01.01.2000;0;0;0;0;0;0;0;0;0;0\r\n")
                                    << QStringList{QStringLiteral("Ren\u00e9 A 01.01.2000")};
    }

    void loadKeys()
    {
        QFETCH(QByteArray, content);
        InstalledTree tree;
        tree.write(listPath, content);
        QTEST(PatientList::standard().loadKeys(), "keys");
    }

    void find()
    {
        // The first of two records with one key counts, also behind a blank line; a record cut
        // short reads its missing counters as 0.
        InstalledTree tree;
        tree.write(listPath, doe() + "\r\n" + smith() + "Mr.;Smith;John;03.02.1950;9;9;9;9;9;9;9;9;9;9\r\n"
                                 + "Mr.;Short;Rec;01.01.2000;4;x\r\n");
        const auto record = PatientList::standard().find("Smith John 03.02.1950");
        QVERIFY(record.has_value());
        QCOMPARE(record->size(), PatientList::fieldCount);
        QCOMPARE(record->at(4), QStringLiteral("0"));
        QVERIFY(!PatientList::standard().find("Smith John 03.02.1951").has_value());
        const auto cut = PatientList::standard().find("Short Rec 01.01.2000");
        QVERIFY(cut.has_value());
        QCOMPARE(PatientList::intField(*cut, PatientList::sessionField(1)), 4);
        QCOMPARE(PatientList::intField(*cut, PatientList::sessionField(2)), 0);
        QCOMPARE(PatientList::intField(*cut, PatientList::sessionField(7)), 0);
    }

    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("field");
        QTest::addColumn<QByteArray>("after");   // empty: the rewrite fails and the list stays as it was
        QTest::addColumn<int>("diskLimit");      // bytes the disk takes before it is full, 0: no limit
        QTest::newRow("no list at all") << QByteArray() << "Smith John 03.02.1950" << 4 << QByteArray() << 0;
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
        if (!before.isNull())
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
            QVERIFY2(before.isNull() || diskLimit ? !error.isEmpty() : error.contains(key), qPrintable(error));
        QVERIFY(!tree.exists("bin/_patients_list.txt"));
        QCOMPARE(QDir(tree.path("Parameters")).entryList(QDir::Files),
                 before.isNull() ? QStringList() : QStringList{"patients_list.txt"});
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
