#include "PictureFixture.h"
#include "tst_listform_driver.h"

#include "core/state/ReportError.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <sqlite3.h>

#include <chrono>
#include <thread>

using Alternatives = std::vector<AlternativeRow>;

namespace {
const QString Question = QStringLiteral("The Program Is Having Trouble Accessing The Database\r\n"
                                        "If You Choose Cancel, The Results Will Be Unpredictable");
const QString Saved = QStringLiteral("Alternatives Saved As Requested");

// Counts the paintings of one widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

// Another user (a second connection to the file) holds the database locked
// for good while the item list saves a picture's alternatives. Times are read
// on a monotonic clock from the first lock error the program meets.
class TestLockWait : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PictureFixture> db;

private slots:
    void init()
    {
        db = std::make_unique<PictureFixture>();
        QVERIFY(db->Create());
        for (const char *text : {"Masthead light", "Sidelights", "Sternlight"})
            db->AddPicture(1, text);
        db->AddAlternative(1, 1, 1, true);
        db->AddAlternative(1, 1, 2, false);
    }

    void cleanup() { db.reset(); }

    // releaseAfter: the other user lets go of the file that many milliseconds
    // after the first lock error (-1: only once the question is answered).
    void savingWhileTheFileIsLocked_data()
    {
        QTest::addColumn<int>("releaseAfter");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<bool>("saved");
        QTest::addRow("held-then-cancel") << -1 << int(MsgBoxAnswer::Cancel) << QStringList{Question} << false;
        QTest::addRow("held-then-retry-once-released")
            << -1 << int(MsgBoxAnswer::Retry) << QStringList{Question, Saved} << true;
        QTest::addRow("released-during-retries") << 300 << int(MsgBoxAnswer::Cancel) << QStringList{Saved} << true;
    }

    void savingWhileTheFileIsLocked()
    {
        QFETCH(int, releaseAfter);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        const QString path = AppPath + "CALVOREN.MDB";
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
        std::thread releaser;

        PaintCounter counter;
        QElapsedTimer sinceFirstError;
        qint64 firstBoxAfter = -1;
        int paintsBeforeFirstBox = -1;
        QStringList prompts;
        SetMsgBoxHandler([&](const MsgBoxCall &call) {
            prompts << call.prompt;
            if (firstBoxAfter < 0) {
                firstBoxAfter = sinceFirstError.elapsed();
                paintsBeforeFirstBox = counter.paints;
            }
            if (call.prompt == Question && answer == MsgBoxAnswer::Retry)
                sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
            return call.prompt == Question ? answer : MsgBoxAnswer::Ok;
        });

        WithListForm(0, true, [&](ListForm &form) {
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.Fmenu[1]->trigger();
            ClickEntry(*form.Llist[0], 0);
            ClickEntry(*form.Llist[1], 0);
            ClickEntry(*form.Llist[1], 2, Qt::ControlModifier);
            form.Llist[0]->viewport()->installEventFilter(&counter);

            // From the first lock error on, the list has a reason to paint
            // (the button has just painted the whole window itself).
            ReportErrorHooks hooks;
            hooks.idle = [&] {
                if (!sinceFirstError.isValid()) {
                    sinceFirstError.start();
                    counter.paints = 0;
                    form.Llist[0]->viewport()->update();
                    if (releaseAfter >= 0)
                        releaser = std::thread([other, releaseAfter] {
                            std::this_thread::sleep_for(std::chrono::milliseconds(releaseAfter));
                            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
                        });
                }
                Database::Idle();
            };
            SetReportErrorHooks(hooks);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
            QTest::mouseClick(form.Action[2], Qt::LeftButton);
            if (releaser.joinable())
                releaser.join();
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        SetReportErrorHooks({});
        sqlite3_close(other);

        QVERIFY(sinceFirstError.isValid());
        QTEST(prompts, "prompts");
        QVERIFY2(firstBoxAfter >= 0 && firstBoxAfter < 2000, qPrintable(QString::number(firstBoxAfter)));
        if (releaseAfter >= 0)
            QVERIFY2(firstBoxAfter >= releaseAfter, qPrintable(QString::number(firstBoxAfter)));
        QVERIFY2(paintsBeforeFirstBox > 0, qPrintable(QString::number(paintsBeforeFirstBox)));
        // The whole set once, or the saved set untouched.
        const Alternatives expected = saved ? Alternatives{{1, 1, true}, {1, 3, false}}
                                            : Alternatives{{1, 1, true}, {1, 2, false}};
        QVERIFY(db->Alternatives(1, 1) == expected);
        QCOMPARE(db->Count("Select Count(*) As N From ALTERNATIVES"), long(expected.size()));
    }
};

QTEST_MAIN(TestLockWait)
#include "tst_lockwait.moc"
