#include <QtTest>

#include "tasks/test1/recognitionanswer.h"
#include "tasks/test1/recognitiongeometry.h"

using namespace RecognitionAnswer;

class TestRecognitionAnswer : public QObject
{
    Q_OBJECT

private slots:
    void scoring_data()
    {
        QTest::addColumn<int>("subtask");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("clicks");   // "c<button>" or "p<position>", in order
        QTest::addColumn<bool>("correct");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QString>("texts");    // figure; central answer; position; position answer
        QTest::newRow("IdL answered identical") << 0 << 5 << 0 << "c0" << true << 0 << "IdL;Id;;";
        QTest::newRow("ShR answered identical") << 0 << 1 << 0 << "c0" << false << 1 << "ShR;Id;;";
        QTest::newRow("peripheral ignores central buttons") << 1 << 3 << 4 << "c3 p4" << true << 0 << ";;MR;MR";
        QTest::newRow("dual: position wrong first") << 2 << 2 << 0 << "p1 c2" << false << 2 << "CnR;Cn;TL;ML";
        QTest::newRow("dual: both wrong") << 2 << 0 << 2 << "c1 p3" << false << 3 << "IdR;Sh;BL;TR";
    }

    void scoring()
    {
        QFETCH(int, subtask);
        QFETCH(int, code);
        QFETCH(int, target);
        QFETCH(QString, clicks);
        Trial trial;
        trial.begin(subtask);
        for (const QString &click : clicks.split(QLatin1Char(' '))) {
            QVERIFY(!trial.complete());
            if (click[0] == QLatin1Char('c'))
                trial.answerCentral(click.mid(1).toInt(), code);
            else
                trial.answerPosition(click.mid(1).toInt(), target);
        }
        QVERIFY(trial.complete());
        QTEST(trial.correct(), "correct");
        QTEST(trial.errorCode(), "errorCode");
        const QByteArrayList texts{trial.figure(), trial.centralAnswer(), trial.position(),
                                   trial.positionAnswer()};
        QTEST(QString::fromLatin1(texts.join(';')), "texts");
    }

    void geometry_data()
    {
        QTest::addColumn<double>("horzMm");
        QTest::addColumn<double>("vertMm");
        QTest::addColumn<QList<int>>("sizes");   // W, H, Ws, Hs, arrow w, h, separation, grey
        QTest::addColumn<QList<int>>("places");  // left normal x, y; right smaller x, y; arrow 4 x, y
        // Ruler lengths 250 and 125 mm (1000 and 500 pixels): 0.25 mm pixels.
        QTest::newRow("0.25 mm pixels") << 0.25 << 0.25 << QList<int>{56, 62, 51, 56, 150, 150, 5, 204}
                                        << QList<int>{451, 353, 517, 356, 773, 309};
        QTest::newRow("0.3 by 0.2 mm pixels") << 0.3 << 0.2 << QList<int>{47, 77, 42, 70, 125, 187, 4, 204}
                                              << QList<int>{461, 346, 516, 349, 785, 290};
    }

    void geometry()
    {
        QFETCH(double, horzMm);
        QFETCH(double, vertMm);
        const RecognitionGeometry g(horzMm, vertMm, RecognitionGeometry::Parameters());
        const QSize normal = g.figureSize(Normal);
        const QSize smaller = g.figureSize(Smaller);
        QTEST((QList<int>{normal.width(), normal.height(), smaller.width(), smaller.height(), g.arrowSize().width(),
                          g.arrowSize().height(), g.separation(), g.grayLevel()}),
              "sizes");
        QCOMPARE(g.figureSize(Turned), normal.transposed());
        const QPoint centre(512, 384);
        const QPoint left = g.leftFigure(Normal, centre);
        const QPoint right = g.rightFigure(Smaller, centre);
        const QPoint arrow = g.arrowTopLeft(4, centre);
        QTEST((QList<int>{left.x(), left.y(), right.x(), right.y(), arrow.x(), arrow.y()}), "places");
    }
};

QTEST_APPLESS_MAIN(TestRecognitionAnswer)
#include "tst_recognitionanswer.moc"
