#include <QtTest>

#include "patients/assessorfile.h"
#include "patients/identity.h"

Q_DECLARE_METATYPE(Identity::Fault)

class TestIdentityFields : public QObject
{
    Q_OBJECT

private slots:
    // What a name must not hold, an address may: emptiness, a slash, a dot; neither may hold
    // what would break the record.
    void fields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Identity::Fault>("nameFault");
        QTest::addColumn<Identity::Fault>("assessorFault");
        QTest::addColumn<QString>("offending");
        using F = Identity::Fault;
        QTest::newRow("three dots is a name") << "..." << F::None << F::None << "";
        QTest::newRow("empty") << "" << F::Empty << F::None << "";
        QTest::newRow("blanks only") << "   " << F::Empty << F::None << "";
        QTest::newRow("separator") << "Smi;th" << F::Separator << F::Separator << ";";
        QTest::newRow("line feed") << "Smi\nth" << F::LineBreak << F::LineBreak << "";
        QTest::newRow("slash") << "a/b" << F::PathSeparator << F::None << "/";
        QTest::newRow("dot dot with blanks") << " .. " << F::DotName << F::None << "..";
        QTest::newRow("last latin-1 letter") << QStringLiteral("Zo\u00ff") << F::None << F::None << "";
        QTest::newRow("beyond the basic plane, one character")
            << QStringLiteral("Ann\U0001F600a") << F::NotStorable << F::NotStorable << QStringLiteral("\U0001F600");
    }

    void fields()
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

    // The dialog refuses what Latin-1 cannot hold; the record still stores Latin-1 letters as
    // UTF-8 and anything beyond as "?".
    void assessorRecordEncoding()
    {
        const QStringList fields = {"Mr.", QStringLiteral("M\u00fcller"), QStringLiteral("\u0141ukasz"), "", "", "",
                                    QStringLiteral("Z\u00fcrich"), QStringLiteral("\u65e5\u672c")};
        QCOMPARE(AssessorFile::formatRecord(fields), QByteArray("Mr.;M\xc3\xbcller;?ukasz;;;;Z\xc3\xbcrich;??\n"));
    }
};

QTEST_GUILESS_MAIN(TestIdentityFields)
#include "tst_identityfields.moc"
