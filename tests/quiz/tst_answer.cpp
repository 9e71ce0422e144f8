#include "ProgramState.h"

#include "core/state/Global.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "platform/window/Form.h"
#include "quiz/AnswerForm.h"
#include "quiz/ChoiceList.h"
#include "quiz/LoadChoices.h"
#include "quiz/StatForm.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
// How the user leaves the answer window after one answer.
enum class Close { GoOn, TryAgain, Quit, Frame, Enter, Esc };

void CloseAnswer(AnswerForm &form, Close how)
{
    form.show();
    switch (how) {
    case Close::GoOn:
        form.Action[0]->click();
        break;
    case Close::TryAgain:
        form.Action[1]->click();
        break;
    case Close::Quit:
        form.Fmenu[0]->trigger();
        break;
    case Close::Frame:
        form.close();
        break;
    case Close::Enter:
        QTest::keyClick(&form, Qt::Key_Return);
        break;
    case Close::Esc:
        QTest::keyClick(&form, Qt::Key_Escape);
        break;
    }
    // Whichever way, the window has closed.
    QVERIFY(!form.isVisible());
}

struct Seen {
    QString caption;
    QString label;
    QColor labelColour;
    bool goOnEnabled = false;
    bool tryAgainEnabled = false;
    QString goOnCaption;
};
} // namespace

class TestAnswer : public QObject
{
    Q_OBJECT

private:
    ChoiceList *list = nullptr;

private slots:
    void init()
    {
        ResetProgramState();
        list = new ChoiceList;
        list->SetChoices({{"Sailing vessel underway", -1}, {"Vessel at anchor", 0}});
    }

    void cleanup()
    {
        delete list;
        ResetProgramState();
    }

    // What the answer window shows for a right and a wrong choice, as the
    // window's design says: caption, colour of the chosen text, which of the
    // two buttons can be pressed, and the go-on caption in and out of link mode.
    void answerWindowShowsVerdict_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("linkMode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("tryAgain");
        QTest::addColumn<QString>("goOnCaption");
        const QColor blue(0, 0, 255);
        const QColor red(255, 0, 0);
        QTest::addRow("right") << 0 << false << "Well Done" << blue << true << false << "&Next Question";
        QTest::addRow("wrong") << 1 << false << "Bad Luck" << red << false << true << "&Next Question";
        QTest::addRow("right-in-link-mode") << 0 << true << "Well Done" << blue << true << false << "&Ok";
    }

    void answerWindowShowsVerdict()
    {
        QFETCH(int, row);
        QFETCH(bool, linkMode);
        LinkMode = linkMode;
        Seen seen;
        Form::SetModalHook([&](Form &f) {
            auto &form = dynamic_cast<AnswerForm &>(f);
            form.Activate();
            seen = {form.windowTitle(),
                    form.Alabel[0]->text(),
                    form.Alabel[0]->palette().color(QPalette::WindowText),
                    form.Action[0]->isEnabled(),
                    form.Action[1]->isEnabled(),
                    form.Action[0]->text()};
            form.close();
        });
        list->setCurrentRow(row);
        Clist_Click(*list, {});

        QTEST(seen.caption, "caption");
        QCOMPARE(seen.label, list->item(row)->text());
        QTEST(seen.labelColour, "colour");
        QTEST(seen.goOnEnabled, "goOn");
        QTEST(seen.tryAgainEnabled, "tryAgain");
        QTEST(seen.goOnCaption, "goOnCaption");
    }

    // A series of answers chosen in the list, each left by one way of closing
    // the answer window, then the statistics window. Codes: R right and go on,
    // E right and Enter, q right and "&Quit", f right and the close box,
    // W wrong and "&Try Again", x wrong and Esc, w wrong and the close box.
    // The expected figures are the counts divided out by hand; the verdict
    // boundaries are those of the graded comments (40, 60, 80, 100).
    void answersCountedAndJudged_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("responses");
        QTest::addColumn<int>("picturesMoved");
        QTest::addColumn<QString>("tries");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("percentage");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("no-answer") << ""
                                   << "" << 0 << "0"
                                   << "0"
                                   << "0.0%"
                                   << "Do Not Leave Shore";
        QTest::addRow("all-right") << "RRRRR"
                                   << "-1 -1 -1 -1 -1" << 5 << "5"
                                   << "5"
                                   << "100.0%"
                                   << "A Yachtmaster";
        QTest::addRow("2-of-5") << "RRWWx"
                                << "-1 -1 0 0 0" << 2 << "5"
                                << "2"
                                << "40.0%"
                                << "A Fair Effort";
        QTest::addRow("3-of-5") << "RERWw"
                                << "-1 -1 -1 0 0" << 3 << "5"
                                << "3"
                                << "60.0%"
                                << "A Good Effort";
        QTest::addRow("4-of-5") << "RRRRW"
                                << "-1 -1 -1 -1 0" << 4 << "5"
                                << "4"
                                << "80.0%"
                                << "A Very Good Effort";
        QTest::addRow("1-of-3") << "RWW"
                                << "-1 0 0" << 1 << "3"
                                << "1"
                                << "33.3%"
                                << "Do Not Leave Shore";
        QTest::addRow("2-of-3") << "RRW"
                                << "-1 -1 0" << 2 << "3"
                                << "2"
                                << "66.7%"
                                << "A Good Effort";
        QTest::addRow("1-of-16") << "RWWWWWWWWWWWWWWW"
                                 << "-1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0" << 1 << "16"
                                 << "1"
                                 << "6.3%"
                                 << "Do Not Leave Shore";
        QTest::addRow("wrong-then-right") << "WR"
                                          << "0 -1" << 1 << "2"
                                          << "1"
                                          << "50.0%"
                                          << "A Fair Effort";
        // Right answers left without going on still count as right; the quiz
        // stays on the picture.
        QTest::addRow("right-but-quit") << "qf"
                                        << "0 0" << 0 << "2"
                                        << "2"
                                        << "100.0%"
                                        << "A Yachtmaster";
    }

    void answersCountedAndJudged()
    {
        QFETCH(QString, answers);
        QFETCH(QString, responses);
        QFETCH(int, picturesMoved);

        Close how = Close::GoOn;
        Form::SetModalHook([&](Form &f) {
            if (auto *answer = dynamic_cast<AnswerForm *>(&f))
                CloseAnswer(*answer, how);
        });
        int moved = 0;
        QStringList seen;
        for (QChar code : answers) {
            const bool right = QString("REqf").contains(code);
            switch (code.toLatin1()) {
            case 'R':
                how = Close::GoOn;
                break;
            case 'E':
                how = Close::Enter;
                break;
            case 'q':
                how = Close::Quit;
                break;
            case 'f':
                how = Close::Frame;
                break;
            case 'W':
                how = Close::TryAgain;
                break;
            case 'x':
                how = Close::Esc;
                break;
            default:
                how = Close::Frame;
                break;
            }
            list->clearSelection();
            list->setCurrentRow(right ? 0 : 1);
            Clist_Click(*list, [&] { ++moved; });
            seen << QString::number(Response);
        }
        QCOMPARE(seen.join(' '), responses);
        QCOMPARE(moved, picturesMoved);

        QStringList figures;
        int whileShown = 0;
        Form::SetModalHook([&](Form &f) {
            auto &stats = dynamic_cast<StatForm &>(f);
            for (int i = 4; i < 8; ++i)
                figures << stats.Slabel[i]->text();
            whileShown = Response;
            stats.Action[1]->click();
        });
        FormInstance<StatForm>().ShowModal();
        QFETCH(QString, tries);
        QFETCH(QString, correct);
        QFETCH(QString, percentage);
        QFETCH(QString, verdict);
        QCOMPARE(figures, QStringList({tries, correct, percentage, verdict}));
        QCOMPARE(whileShown, 2);
        QCOMPARE(Response, 2);
        QCOMPARE(TryCount, 0L);
        QCOMPARE(CorrectCount, 0L);
    }

    // The window as designed, in twips of its client area, centred on the
    // screen; a long answer wraps within its label.
    void design()
    {
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        auto place = [](const QWidget &w) {
            return QRect(ControlLeft(w), ControlTop(w), ControlWidth(w), ControlHeight(w));
        };
        Form::SetModalHook([&](Form &f) {
            auto &form = dynamic_cast<AnswerForm &>(f);
            QCOMPARE(place(*form.Alabel[0]), QRect(120, 120, 5535, 1575));
            QCOMPARE(place(*form.Action[0]), QRect(4080, 1920, 1575, 375));
            QCOMPARE(place(*form.Action[1]), QRect(120, 1920, 1575, 375));
            QVERIFY(form.Alabel[0]->wordWrap());
            QCOMPARE(form.Alabel[0]->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QVERIFY2(qAbs(form.x() - (1280 - form.width()) / 2) <= 1, qPrintable(QString::number(form.x())));
            QVERIFY2(qAbs(form.y() - (960 - form.height()) / 2) <= 1, qPrintable(QString::number(form.y())));
            form.close();
        });
        list->setCurrentRow(0);
        Clist_Click(*list, {});
    }

    // A wrong answer leaves the same list with the clicked entry selected for
    // another try; nothing moves on.
    void wrongAnswerKeepsTheList()
    {
        Form::SetModalHook([](Form &f) { dynamic_cast<AnswerForm &>(f).Action[1]->click(); });
        list->setCurrentRow(1);
        int moved = 0;
        Clist_Click(*list, [&] { ++moved; });
        QCOMPARE(moved, 0);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(list->item(1)->isSelected());
        QCOMPARE(ChosenAnswer, QString("Vessel at anchor"));
    }

    // A click on an entry, or the keyboard moving to one, opens the answer
    // window; the program filling the list does not.
    void userSelectionOpensAnswer()
    {
        int shown = 0;
        Form::SetModalHook([&](Form &f) {
            ++shown;
            f.close();
        });
        connect(list, &ChoiceList::Click, list, [this] { Clist_Click(*list, {}); });
        list->resize(200, 100);
        list->SetChoices({{"a", -1}, {"b", 0}, {"c", 0}});
        QCOMPARE(shown, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(shown, 1);
        QCOMPARE(ChosenAnswer, QString("b"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(shown, 2);
        QCOMPARE(ChosenAnswer, QString("c"));
        // At the last entry a further Down moves nowhere and asks nothing.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(shown, 2);
    }
};

QTEST_MAIN(TestAnswer)
#include "tst_answer.moc"
