#include "ProgramState.h"

#include "core/state/Global.h"

#include <QTest>

class TestGlobal : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // Every program-wide variable starts at zero, false or the empty text, and
    // ResetGlobals brings it back there whatever a test left in it.
    void resetRestoresStartingValues()
    {
        AppPath = QStringLiteral("/x/");
        ListType = 3;
        ListEdit = true;
        ListRecord = 17;
        WindowMode = 2;
        Response = 6;
        ChosenAnswer = QStringLiteral("a");
        SoundMode = 4;
        ShowIntro = true;
        MultiChoice = true;
        TryCount = 5;
        CorrectCount = 4;
        LinkMode = true;
        LinkTypeTwo = 2;
        LinkTypeOne = 1;
        LinkRecordOne = 9;
        PrintLines << QStringLiteral("line");

        ResetGlobals();

        QVERIFY(AppPath.isEmpty());
        QCOMPARE(ListType, 0);
        QVERIFY(!ListEdit);
        QCOMPARE(ListRecord, 0L);
        QCOMPARE(WindowMode, 0);
        QCOMPARE(Response, 0);
        QVERIFY(ChosenAnswer.isEmpty());
        QCOMPARE(SoundMode, 0);
        QVERIFY(!ShowIntro);
        QVERIFY(!MultiChoice);
        QCOMPARE(TryCount, 0L);
        QCOMPARE(CorrectCount, 0L);
        QVERIFY(!LinkMode);
        QCOMPARE(LinkTypeTwo, 0);
        QCOMPARE(LinkTypeOne, 0);
        QCOMPARE(LinkRecordOne, 0L);
        QVERIFY(PrintLines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGlobal)
#include "tst_global.moc"
