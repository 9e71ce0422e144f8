#include "ProgramState.h"
#include "TestDatabase.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/ask/MsgBox.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <stdexcept>

namespace {

const QString Question = QStringLiteral("The Program Is Having Trouble Accessing The Database\r\n"
                                        "If You Choose Cancel, The Results Will Be Unpredictable");

// A box as the test records it: style, title and text.
QString boxText(int style, const QString &title, const QString &prompt)
{
    return QString::number(style) + QLatin1Char('|') + title + QLatin1Char('|') + prompt;
}

} // namespace

class TestReportError : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runsOfErrors_data();
    void runsOfErrors();
    void everyLockNumberIsRetried();
    void backOffWaitFollowsTheDraw_data();
    void backOffWaitFollowsTheDraw();
    void backOffIsARealWait();
    void trapRepeatsOrGoesOn_data();
    void trapRepeatsOrGoesOn();
    void ignoreErrorsSkipsWithoutAWord();
    void trapRetriesRealLockUntilOtherUserIsDone();
    void trapAsksWhenRealLockPersists();

private:
    double m_clock = 0;
    int m_boxAnswer = MsgBoxAnswer::Retry;
    QStringList m_boxes;
    QList<qint64> m_waits;
    int m_idles = 0;
    std::function<void()> m_onWait;
};

void TestReportError::init()
{
    ResetProgramState();
    m_clock = 0;
    m_boxAnswer = MsgBoxAnswer::Retry;
    m_boxes.clear();
    m_waits.clear();
    m_idles = 0;
    m_onWait = nullptr;
    SetMsgBoxHandler([this](const MsgBoxCall &call) {
        m_boxes << boxText(call.style, call.title, call.prompt);
        return m_boxAnswer;
    });
    ReportErrorHooks hooks;
    hooks.clock = [this] { return m_clock; };
    hooks.random = [] { return 0.5; };
    hooks.wait = [this](std::chrono::microseconds length) {
        m_waits << length.count();
        if (m_onWait)
            m_onWait();
    };
    hooks.idle = [this] { ++m_idles; };
    SetReportErrorHooks(hooks);
}

void TestReportError::cleanup() { ResetProgramState(); }

// Sequences of calls, each at its clock value, with what the reporter must
// answer and show. Expected values follow the reporter's rules: a lock error
// is retried; a repeat of it waits and counts; the question comes when a
// repeat falls more than 60 seconds after the run began or is the 101st.
void TestReportError::runsOfErrors_data()
{
    QTest::addColumn<QList<long>>("errors");
    QTest::addColumn<QList<double>>("clocks");
    QTest::addColumn<int>("boxAnswer");
    QTest::addColumn<QList<long>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<long>("repeatCount");
    QTest::addColumn<long>("firstTime");
    QTest::addColumn<int>("waits");

    const QString question = boxText(69, "Help", Question);
    auto repeated = [](auto value, int n) {
        QList<decltype(value)> list;
        for (int i = 0; i < n; ++i)
            list << value;
        return list;
    };

    QTest::addRow("3260-five-times-within-a-second")
        << QList<long>{3260, 3260, 3260, 3260, 3260} << QList<double>{10.0, 10.2, 10.4, 10.6, 10.8}
        << int(MsgBoxAnswer::Retry) << repeated(-1L, 5) << QStringList{} << 4L << 10L << 4;

    QTest::addRow("101-in-a-row-still-silent")
        << repeated(3260L, 101) << repeated(100.0, 101) << int(MsgBoxAnswer::Retry) << repeated(-1L, 101)
        << QStringList{} << 100L << 100L << 100;

    QTest::addRow("question-at-102nd-retry") << repeated(3260L, 102) << repeated(100.0, 102)
                                             << int(MsgBoxAnswer::Retry) << repeated(-1L, 102)
                                             << QStringList{question} << 0L << 100L << 100;

    QList<long> cancelled = repeated(-1L, 102);
    cancelled.last() = 0;
    QTest::addRow("question-at-102nd-cancel") << repeated(3260L, 102) << repeated(100.0, 102)
                                              << int(MsgBoxAnswer::Cancel) << cancelled << QStringList{question}
                                              << 0L << 100L << 100;

    QTest::addRow("after-retry-count-and-time-start-again")
        << repeated(3260L, 103) << (repeated(100.0, 101) << 130.5 << 131.0) << int(MsgBoxAnswer::Retry)
        << repeated(-1L, 103) << QStringList{question} << 1L << 130L << 101;

    QTest::addRow("repeat-after-more-than-60-seconds-asks")
        << QList<long>{3218, 3218, 3218} << QList<double>{0.4, 30.0, 60.5} << int(MsgBoxAnswer::Cancel)
        << QList<long>{-1, -1, 0} << QStringList{question} << 0L << 60L << 1;

    QTest::addRow("exactly-60-seconds-still-silent")
        << QList<long>{3218, 3218} << QList<double>{10.0, 70.0} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1} << QStringList{} << 1L << 10L << 1;

    QTest::addRow("other-lock-starts-new-run-halves-to-even")
        << QList<long>{3218, 3218, 3260} << QList<double>{5.0, 6.0, 6.5} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1, -1} << QStringList{} << 0L << 6L << 1;

    QTest::addRow("ordinary-error-between-locks-starts-new-run")
        << QList<long>{3260, 3260, 94, 3260} << QList<double>{1.0, 2.0, 3.0, 4.0} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1, 0, -1}
        << QStringList{boxText(64, "Help", "Unexpected Error In - Test:Step, Error Number 94, Described")} << 0L
        << 4L << 1;

    QTest::addRow("ordinary-error-keeps-first-time")
        << QList<long>{3260, 3260, 3021} << QList<double>{7.0, 8.0, 9.0} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1, 0}
        << QStringList{boxText(64, "Help", "Unexpected Error In - Test:Step, Error Number 3021, Described")} << 0L
        << 7L << 1;

    QTest::addRow("same-ordinary-error-shown-each-time")
        << QList<long>{3021, 3021} << QList<double>{1.0, 2.0} << int(MsgBoxAnswer::Retry) << QList<long>{0, 0}
        << repeated(boxText(64, "Help", "Unexpected Error In - Test:Step, Error Number 3021, Described"), 2) << 0L
        << 0L << 0;

    QTest::addRow("negative-number-minus-in-place-of-blank")
        << QList<long>{-2147217900} << QList<double>{1.0} << int(MsgBoxAnswer::Retry) << QList<long>{0}
        << QStringList{boxText(64, "Help", "Unexpected Error In - Test:Step, Error Number-2147217900, Described")}
        << 0L << 0L << 0;

    // The run's start is kept as a whole second: 10.6 becomes 11, and a repeat
    // at 10.7 is a tenth of a second later, not a day later.
    QTest::addRow("repeat-before-rounded-start-is-silent")
        << QList<long>{3260, 3260} << QList<double>{10.6, 10.7} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1} << QStringList{} << 1L << 11L << 1;

    QTest::addRow("run-across-midnight-keeps-counting")
        << QList<long>{3260, 3260, 3260} << QList<double>{86390.0, 20.0, 60.0} << int(MsgBoxAnswer::Retry)
        << QList<long>{-1, -1, -1} << QStringList{question} << 0L << 60L << 1;
}

void TestReportError::runsOfErrors()
{
    QFETCH(QList<long>, errors);
    QFETCH(QList<double>, clocks);
    QFETCH(int, boxAnswer);
    QFETCH(QList<long>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(long, repeatCount);
    QFETCH(long, firstTime);
    QFETCH(int, waits);

    m_boxAnswer = boxAnswer;
    int locks = 0;
    QList<long> given;
    for (int i = 0; i < errors.size(); ++i) {
        m_clock = clocks.at(i);
        given << ReportError("Test:Step", errors.at(i), "Described");
        locks += IsLockError(errors.at(i)) ? 1 : 0;
        QCOMPARE(LastError, errors.at(i));
    }
    QCOMPARE(given, answers);
    QCOMPARE(m_boxes, boxes);
    QCOMPARE(RepeatCount, repeatCount);
    QCOMPARE(FirstTime, firstTime);
    QCOMPARE(m_waits.size(), waits);
    // Every lock error lets the engine release its locks.
    QCOMPARE(m_idles, locks);
}

void TestReportError::everyLockNumberIsRetried()
{
    const QList<long> locks = {3000, 3006, 3008, 3009, 3046, 3050, 3051, 3158, 3186, 3187, 3188,
                               3189, 3196, 3197, 3202, 3211, 3212, 3218, 3260, 3261, 3262};
    for (long n : locks)
        QVERIFY2(ReportError("Test:Step", n, "x") == -1, qPrintable(QString::number(n)));
    QVERIFY(m_boxes.isEmpty());
    // Neighbours of lock numbers are ordinary errors.
    for (long n : {2999L, 3001L, 3024L, 3259L, 3263L})
        QCOMPARE(ReportError("Test:Step", n, "x"), 0L);
    QCOMPARE(m_boxes.size(), 5);
    // The engine's own lock numbers are among them.
    QVERIFY(IsLockError(DbError::Locked));
    QVERIFY(IsLockError(DbError::TableLocked));
}

// n = draw x 1000 rounded halves to even; the wait is n times 5 microseconds,
// so that a hundred of them stay well under the two seconds a user waits at
// most for the question.
void TestReportError::backOffWaitFollowsTheDraw_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<qint64>("micros");
    QTest::addRow("zero") << 0.0 << qint64(0);
    QTest::addRow("half-rounds-down-to-even") << 0.0005 << qint64(0);
    QTest::addRow("one-and-a-half-rounds-up-to-even") << 0.0015 << qint64(10);
    QTest::addRow("middle") << 0.5 << qint64(2500);
    QTest::addRow("highest") << 0.9999 << qint64(5000);
}

void TestReportError::backOffWaitFollowsTheDraw()
{
    QFETCH(double, draw);
    QFETCH(qint64, micros);
    ReportErrorHooks hooks;
    hooks.clock = [] { return 1.0; };
    hooks.random = [draw] { return draw; };
    hooks.wait = [this](std::chrono::microseconds length) { m_waits << length.count(); };
    hooks.idle = [] {};
    SetReportErrorHooks(hooks);
    ReportError("Test:Step", 3260, "x");
    QVERIFY(m_waits.isEmpty()); // the first failure is retried at once
    ReportError("Test:Step", 3260, "x");
    QCOMPARE(m_waits, QList<qint64>{micros});
}

// The back-off gives the other user time: a real pause, not an empty loop.
void TestReportError::backOffIsARealWait()
{
    ReportErrorHooks hooks;
    hooks.clock = [] { return 1.0; };
    hooks.random = [] { return 0.9; };
    SetReportErrorHooks(hooks);
    ReportError("Test:Step", 3260, "x");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReportError("Test:Step", 3260, "x"), -1L);
    QVERIFY2(timer.nsecsElapsed() >= 4400000, qPrintable(QString::number(timer.nsecsElapsed())));
}

// A step failing `failures` times with `number` before it succeeds.
void TestReportError::trapRepeatsOrGoesOn_data()
{
    QTest::addColumn<long>("number");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("boxes");
    QTest::addRow("succeeds-at-once") << 0L << 0 << true << 1 << 0;
    QTest::addRow("lock-twice-then-succeeds") << 3260L << 2 << true << 3 << 0;
    QTest::addRow("ordinary-error-skipped") << 3021L << 1 << false << 1 << 1;
    QTest::addRow("program-error-skipped") << 5L << 1 << false << 1 << 1;
}

void TestReportError::trapRepeatsOrGoesOn()
{
    QFETCH(long, number);
    QFETCH(int, failures);
    QFETCH(bool, completed);
    QFETCH(int, runs);
    QFETCH(int, boxes);
    int ran = 0;
    const bool done = Trap("Test:Step", [&] {
        ++ran;
        if (ran <= failures) {
            if (number == 5)
                throw std::runtime_error("out of range");
            throw DbError(number, "failed");
        }
    });
    QCOMPARE(done, completed);
    QCOMPARE(ran, runs);
    QCOMPARE(m_boxes.size(), boxes);
    if (number == 5)
        QCOMPARE(m_boxes.first(), boxText(64, "Help", "Unexpected Error In - Test:Step, Error Number 5, out of range"));
}

// Event handlers skip a failing step: no box, and the reporter's state
// stays as it was.
void TestReportError::ignoreErrorsSkipsWithoutAWord()
{
    ReportError("Test:Step", 3260, "x");
    int ran = 0;
    QVERIFY(!IgnoreErrors([&] {
        ++ran;
        throw DbError(DbError::Locked, "busy");
    }));
    QVERIFY(!IgnoreErrors([&] {
        ++ran;
        throw std::runtime_error("bad");
    }));
    QVERIFY(IgnoreErrors([&] { ++ran; }));
    QCOMPARE(ran, 3);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(LastError, 3260L);
    QCOMPARE(RepeatCount, 0L);
}

// Another user holds the file for writing; the save is retried without a
// word until that user is done, and its success ends the run of lock errors.
void TestReportError::trapRetriesRealLockUntilOtherUserIsDone()
{
    QTemporaryDir dir;
    const QString path = MakeTestDatabase(dir.path()) + "CALVOREN.MDB";
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    m_onWait = [&] {
        if (m_waits.size() == 2)
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    };

    auto db = Database::OpenDatabase(path);
    int runs = 0;
    const bool done = Trap("UserForm:SaveData", [&] {
        ++runs;
        Recordset rs = db->OpenRecordset("USER");
        rs.Edit();
        rs.SetValue("OPTION1", "2");
        rs.Update();
    });
    sqlite3_close(other);
    QVERIFY(done);
    QCOMPARE(runs, 4); // first failure at once, two more after a wait each
    QVERIFY(m_boxes.isEmpty());
    // The step went through: the run of lock errors is over.
    QCOMPARE(LastError, 0L);
    QCOMPARE(RepeatCount, 0L);
    Recordset rs = db->OpenRecordset("USER");
    QCOMPARE(rs.Value("OPTION1"), QVariant("2"));
}

// A lock that persists brings the question; Cancel skips the step.
void TestReportError::trapAsksWhenRealLockPersists()
{
    QTemporaryDir dir;
    const QString path = MakeTestDatabase(dir.path()) + "CALVOREN.MDB";
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    m_boxAnswer = MsgBoxAnswer::Cancel;

    auto db = Database::OpenDatabase(path);
    int runs = 0;
    const bool done = Trap("ListForm:DeleteItem", [&] {
        ++runs;
        m_clock += 40; // the second repeat falls 80 seconds after the first failure
        db->Execute("Delete * From LIGHTHEAD Where RECORD = ?", {1});
    });
    sqlite3_close(other);
    QVERIFY(!done);
    QCOMPARE(runs, 3);
    QCOMPARE(m_boxes, QStringList{boxText(69, "Help", Question)});
}

QTEST_GUILESS_MAIN(TestReportError)
#include "tst_reporterror.moc"
