#include <QtTest>

#include "patients/assessorfile.h"
#include "patients/identity.h"

Q_DECLARE_METATYPE(Identity::Fault)

class TestIdentityFields : public QObject
{
    Q_OBJECT

private slots:
    void patientName_data();
    void patientName();
    void assessorFieldAllowed_data();
    void assessorFieldAllowed();
    void assessorRecordEncoding();
};

void TestIdentityFields::patientName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Identity::Fault>("fault");
    QTest::addColumn<QString>("offending");
    using F = Identity::Fault;
    QTest::newRow("three dots is a name") << "..." << F::None << "";
    QTest::newRow("blanks only") << "   " << F::Empty << "";
    QTest::newRow("separator") << "Smi;th" << F::Separator << ";";
    QTest::newRow("line feed") << "Smi\nth" << F::LineBreak << "";
    QTest::newRow("slash") << "a/b" << F::PathSeparator << "/";
    QTest::newRow("dot dot with blanks") << " .. " << F::DotName << "..";
    QTest::newRow("last latin-1 letter") << QStringLiteral("Zo\u00ff") << F::None << "";
    QTest::newRow("beyond the basic plane, one character")
        << QStringLiteral("Ann\U0001F600a") << F::NotStorable << QStringLiteral("\U0001F600");
}

void TestIdentityFields::patientName()
{
    QFETCH(QString, name);
    QFETCH(Identity::Fault, fault);
    QFETCH(QString, offending);
    const Identity::Check check = Identity::checkPatientName(name);
    QCOMPARE(check.fault, fault);
    QCOMPARE(check.offending, offending);
}

// What a name must not hold, an address may: emptiness, a slash, a dot.
void TestIdentityFields::assessorFieldAllowed_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("street with slash") << "1/3 Main St";
    QTest::newRow("dot") << ".";
}

void TestIdentityFields::assessorFieldAllowed()
{
    QFETCH(QString, text);
    QVERIFY(Identity::checkAssessorField(text).ok());
}

// The dialog refuses what Latin-1 cannot hold; the record still stores Latin-1 letters as UTF-8
// and anything beyond as "?".
void TestIdentityFields::assessorRecordEncoding()
{
    const QStringList fields = {"Mr.", QStringLiteral("M\u00fcller"), QStringLiteral("\u0141ukasz"), "", "", "",
                                QStringLiteral("Z\u00fcrich"), QStringLiteral("\u65e5\u672c")};
    QCOMPARE(AssessorFile::formatRecord(fields), QByteArray("Mr.;M\xc3\xbcller;?ukasz;;;;Z\xc3\xbcrich;??\n"));
}

QTEST_GUILESS_MAIN(TestIdentityFields)
#include "tst_identityfields.moc"
