#include <cmath>

#include <QtTest>

#include "tasks/test2/attentionscore.h"
#include "tasks/test2/targetplaces.h"

class TestAttentionScore : public QObject
{
    Q_OBJECT

private slots:
    void measures_data()
    {
        QTest::addColumn<int>("perCondition");
        QTest::addColumn<QList<double>>("start");   // per condition: a in a + b·ln(min(rank, 20))
        QTest::addColumn<double>("b");
        QTest::addColumn<QList<int>>("errors");     // erroneous trials per condition
        QTest::addColumn<QList<double>>("expected");   // t2a, t2b, t2c, then the error percents
        // Times on an exact learning curve are all brought to the level of the last fitted rank.
        // A longer block set in the parameter panel: still the first 20 fitted.
        QTest::newRow("120 trials") << 40 << QList<double>{500, 480, 470} << -20.0 << QList<int>{0, 0, 0}
                                    << QList<double>{500 - 20 * std::log(20.0), 20, 30, 0, 0, 0};
        // A shorter block: the fit covers the 10 there are, corrected to the 10th trial's level.
        QTest::newRow("30 trials") << 10 << QList<double>{450, 450, 450} << -15.0 << QList<int>{0, 0, 0}
                                   << QList<double>{450 - 15 * std::log(10.0), 0, 0, 0, 0, 0};
        // Flat times; the error percents are of all the trials presented.
        QTest::newRow("errors in two conditions") << 32 << QList<double>{400, 400, 450} << 0.0 << QList<int>{2, 0, 6}
                                                  << QList<double>{400, 0, -50, 200.0 / 104, 0, 600.0 / 104};
    }

    // A block through the bookkeeping, each condition's erroneous trials before its valid ones.
    void measures()
    {
        QFETCH(int, perCondition);
        QFETCH(QList<double>, start);
        QFETCH(double, b);
        QFETCH(QList<int>, errors);
        QFETCH(QList<double>, expected);
        AttentionScore score;
        for (int c = 0; c < 3; ++c) {
            for (int e = 0; e < errors[c]; ++e) {
                score.cueOnset(c);
                score.endTrial(c, true);
            }
            for (int i = 0; i < perCondition; ++i) {
                score.cueOnset(c);
                score.storeValid(c, start[c] + b * std::log(double(std::min(i + 1, 20))));
                score.endTrial(c, false);
            }
        }
        const auto m = score.measures();
        const double got[] = {m.t2a, m.t2b, m.t2c, m.errorPercent[0], m.errorPercent[1], m.errorPercent[2]};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(std::fabs(got[i] - expected[i]) < 1e-9, qPrintable(QStringLiteral("%1: %2").arg(i).arg(got[i])));
        // Flat times: no slope, and no explained variance to speak of.
        for (int c = 0; c < 3; ++c)
            QVERIFY(std::fabs(m.fit[c].slope - b) < 1e-9 && (b == 0 ? std::isnan(m.fit[c].r2) : m.fit[c].r2 > 1 - 1e-12));
        // A reaction time of 2000 ms is still valid, 2001 ms an error.
        QVERIFY(!AttentionScore::tooSlow(2000) && AttentionScore::tooSlow(2001));
    }

    void targetPlaces_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QPoint>("topLeft");
        // Centre (640, 512), radius 250: corners 10 pixels up and left of the square's centre;
        // 250·cos 45° = 176.78 truncated toward zero, on either side of the centre. The flow
        // suite finds every place among the eight by its position.
        QTest::newRow("E") << 0 << QPoint(880, 502);
        QTest::newRow("SE") << 1 << QPoint(806, 678);
        QTest::newRow("NW") << 5 << QPoint(453, 325);
        QTest::newRow("N") << 6 << QPoint(630, 252);
    }

    void targetPlaces()
    {
        QFETCH(int, place);
        QTEST(TargetPlaces::topLeft(640, 512, place), "topLeft");
        QCOMPARE(QByteArray(TargetPlaces::name(place)), QByteArray(QTest::currentDataTag()));
    }
};

QTEST_GUILESS_MAIN(TestAttentionScore)
#include "tst_attentionscore.moc"
