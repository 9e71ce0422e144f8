#include "ProgramState.h"

#include "platform/values/Shuffle.h"
#include "quiz/session/QuizSeries.h"

#include <QTest>

#include <map>

class TestQuizSeries : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // Fisher-Yates from the last entry down: step i swaps entry i with the
    // drawn j in 0..i. Hand-computed for the draws given.
    void shuffleOrder_data()
    {
        QTest::addColumn<QList<long>>("draws");
        QTest::addColumn<std::vector<long>>("expected");
        QTest::addRow("draws-keep-order") << QList<long>{3, 2, 1} << std::vector<long>{11, 12, 13, 14};
        QTest::addRow("reverse") << QList<long>{0, 1, 1} << std::vector<long>{14, 13, 12, 11};
        QTest::addRow("first-to-last") << QList<long>{0, 0, 0} << std::vector<long>{12, 13, 14, 11};
    }
    void shuffleOrder()
    {
        QFETCH(QList<long>, draws);
        QFETCH(std::vector<long>, expected);
        QList<long> bounds;
        SetShuffleRandom([&](long upper) {
            bounds << upper;
            return draws.takeFirst();
        });
        QuizSeries series;
        series.Load({11, 12, 13, 14});
        series.Shuffle();
        QCOMPARE(series.Items(), expected);
        // Each step draws from the entries not yet placed.
        QCOMPARE(bounds, (QList<long>{3, 2, 1}));
    }

    // With the program's own generator every order of three entries comes up
    // about equally often (a biased swap-pairs shuffle would not).
    void shuffleIsUnbiased()
    {
        std::map<std::vector<long>, int> counts;
        const int runs = 60000;
        for (int i = 0; i < runs; ++i) {
            QuizSeries series;
            series.Load({1, 2, 3});
            series.Shuffle();
            ++counts[series.Items()];
        }
        QCOMPARE(counts.size(), size_t(6));
        for (const auto &entry : counts)
            QVERIFY2(qAbs(entry.second - runs / 6) < 600, qPrintable(QString::number(entry.second)));
    }

    // Navigation on a series of three, as a table of steps against the
    // position reached and whether the last picture is shown again.
    void navigation_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<long>>("positions");
        QTest::addColumn<QList<bool>>("endAgain");
        // F first, P previous, N next, L last; each step is shown (MarkShown).
        QTest::addRow("previous-at-first-stays") << "FP" << QList<long>{0, 0} << QList<bool>{false, false};
        QTest::addRow("next-onto-last-does-not-end") << "FNN" << QList<long>{0, 1, 2} << QList<bool>{false, false, false};
        QTest::addRow("next-at-last-ends") << "FNNN" << QList<long>{0, 1, 2, 2} << QList<bool>{false, false, false, true};
        QTest::addRow("last-at-last-ends") << "LL" << QList<long>{2, 2} << QList<bool>{false, true};
        QTest::addRow("away-and-back-does-not-end") << "LPN" << QList<long>{2, 1, 2} << QList<bool>{false, false, false};
    }
    void navigation()
    {
        QFETCH(QString, steps);
        QFETCH(QList<long>, positions);
        QFETCH(QList<bool>, endAgain);
        QuizSeries series;
        series.Load({21, 22, 23});
        QList<long> reached;
        QList<bool> ended;
        for (QChar step : steps) {
            switch (step.toLatin1()) {
            case 'F': series.ShowFirst(); break;
            case 'P': series.ShowPrevious(); break;
            case 'N': series.ShowNext(); break;
            case 'L': series.ShowLast(); break;
            }
            reached << series.Position();
            ended << series.EndReachedAgain();
            QCOMPARE(series.RecordNo(), series.Items()[size_t(series.Position())]);
            series.MarkShown();
        }
        QCOMPARE(reached, positions);
        QCOMPARE(ended, endAgain);
    }

    // An empty series names no picture and never ends.
    void emptySeries()
    {
        QuizSeries series;
        series.Load({});
        series.Shuffle();
        for (int i = 0; i < 3; ++i) {
            series.ShowNext();
            series.ShowLast();
            series.ShowPrevious();
            QCOMPARE(series.Position(), 0L);
            QCOMPARE(series.RecordNo(), 0L);
            QVERIFY(!series.EndReachedAgain());
            series.MarkShown();
        }
        QCOMPARE(series.LastIndex(), -1L);
    }

    // A picture picked in the item list moves there only when the series holds it.
    void jumpTo()
    {
        QuizSeries series;
        series.Load({5, 9, 7, 9});
        series.ShowFirst();
        QVERIFY(series.JumpTo(9));
        QCOMPARE(series.Position(), 1L);
        QVERIFY(!series.JumpTo(42));
        QVERIFY(!series.JumpTo(0));
        QCOMPARE(series.Position(), 1L);
        QCOMPARE(series.RecordNo(), 9L);
    }
};

QTEST_GUILESS_MAIN(TestQuizSeries)
#include "tst_quizseries.moc"
