#include "ProgramState.h"

#include "core/state/Global.h"
#include "platform/window/Form.h"
#include "quiz/StatForm.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestStat : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    // The percentage in single precision and its "#0.0" form with halves
    // away from zero, worked out by hand from the counts.
    void percentageShown_data()
    {
        QTest::addColumn<long>("correct");
        QTest::addColumn<long>("tries");
        QTest::addColumn<QString>("shown");
        QTest::addRow("none") << 0L << 0L << "0.0%";
        QTest::addRow("no-right-answer") << 0L << 7L << "0.0%";
        QTest::addRow("all") << 9L << 9L << "100.0%";
        QTest::addRow("2-of-3") << 2L << 3L << "66.7%";
        QTest::addRow("1-of-3") << 1L << 3L << "33.3%";
        QTest::addRow("1-of-16-half-up") << 1L << 16L << "6.3%";
        QTest::addRow("3-of-16-half-up") << 3L << 16L << "18.8%";
        QTest::addRow("1-of-400-half-up") << 1L << 400L << "0.3%";
        QTest::addRow("1-of-8") << 1L << 8L << "12.5%";
        QTest::addRow("1-of-7") << 1L << 7L << "14.3%";
        QTest::addRow("999-of-1000") << 999L << 1000L << "99.9%";
        QTest::addRow("9999-of-10000-rounds-up") << 9999L << 10000L << "100.0%";
        QTest::addRow("1-of-a-million") << 1L << 1000000L << "0.0%";
    }

    void percentageShown()
    {
        QFETCH(long, correct);
        QFETCH(long, tries);
        QTEST(PercentageText(SuccessPercentage(correct, tries)), "shown");
    }

    // The graded comment: the first band the percentage falls in; each
    // boundary belongs to the band above it.
    void verdictBands_data()
    {
        QTest::addColumn<long>("correct");
        QTest::addColumn<long>("tries");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("0") << 0L << 5L << "Do Not Leave Shore";
        QTest::addRow("39.9") << 399L << 1000L << "Do Not Leave Shore";
        QTest::addRow("40") << 2L << 5L << "A Fair Effort";
        QTest::addRow("59.9") << 599L << 1000L << "A Fair Effort";
        QTest::addRow("60") << 3L << 5L << "A Good Effort";
        QTest::addRow("79.9") << 799L << 1000L << "A Good Effort";
        QTest::addRow("80") << 4L << 5L << "A Very Good Effort";
        QTest::addRow("99.9") << 999L << 1000L << "A Very Good Effort";
        QTest::addRow("100") << 7L << 7L << "A Yachtmaster";
    }

    void verdictBands()
    {
        QFETCH(long, correct);
        QFETCH(long, tries);
        QTEST(Verdict(SuccessPercentage(correct, tries)), "verdict");
    }

    // Every way of closing the statistics window starts a new count; only
    // "&Start Again" (or Enter, which presses it) asks for a restart.
    void closingResetsCounts_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("response");
        QTest::addRow("start-again") << "start" << 6;
        QTest::addRow("enter") << "enter" << 6;
        QTest::addRow("ok") << "ok" << 2;
        QTest::addRow("esc") << "esc" << 2;
        QTest::addRow("quit") << "quit" << 2;
        QTest::addRow("close-box") << "frame" << 2;
    }

    void closingResetsCounts()
    {
        QFETCH(QString, how);
        TryCount = 4;
        CorrectCount = 3;
        QStringList shown;
        Form::SetModalHook([&](Form &f) {
            auto &form = dynamic_cast<StatForm &>(f);
            form.show();
            shown << form.Slabel[4]->text() << form.Slabel[5]->text() << form.Slabel[6]->text()
                  << form.Slabel[7]->text();
            if (how == "start")
                form.Action[0]->click();
            else if (how == "enter")
                QTest::keyClick(&form, Qt::Key_Return);
            else if (how == "ok")
                form.Action[1]->click();
            else if (how == "esc")
                QTest::keyClick(&form, Qt::Key_Escape);
            else if (how == "quit")
                form.Fmenu[0]->trigger();
            else
                form.close();
            QVERIFY(!form.isVisible());
        });
        FormInstance<StatForm>().ShowModal();
        QCOMPARE(shown, QStringList({"4", "3", "75.0%", "A Good Effort"}));
        QTEST(Response, "response");
        QCOMPARE(TryCount, 0L);
        QCOMPARE(CorrectCount, 0L);

        // Shown again at once: a new count has begun.
        shown.clear();
        FormInstance<StatForm>().ShowModal();
        QCOMPARE(shown, QStringList({"0", "0", "0.0%", "Do Not Leave Shore"}));
    }

    // The window as designed: headings, buttons and the one File item.
    void design()
    {
        Form::SetModalHook([](Form &f) {
            auto &form = dynamic_cast<StatForm &>(f);
            QCOMPARE(form.windowTitle(), QString("Statistics For This Session"));
            QCOMPARE(form.Slabel[0]->text(), QString("Number Of Tries"));
            QCOMPARE(form.Slabel[1]->text(), QString("Correct Answers"));
            QCOMPARE(form.Slabel[2]->text(), QString("Percentage Success"));
            QCOMPARE(form.Slabel[3]->text(), QString("Comment"));
            QCOMPARE(form.Action[0]->text(), QString("&Start Again"));
            QCOMPARE(form.Action[1]->text(), QString("&Ok"));
            QCOMPARE(form.Fmenu[0]->text(), QString("&Quit"));
            form.close();
        });
        FormInstance<StatForm>().ShowModal();
    }
};

QTEST_MAIN(TestStat)
#include "tst_stat.moc"
