#include "ProgramState.h"

#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"
#include "reference/ChillForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestChillForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        boxes.clear();
        SetMsgBoxHandler([this](const MsgBoxCall &call) {
            boxes << call;
            return MsgBoxAnswer::Ok;
        });
    }
    void cleanup() { ResetProgramState(); }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addRow("temperature-label") << "Clabel0"
                                           << "Ambient Temperature \u00B0C" << QRect(120, 120, 1935, 255);
        QTest::addRow("wind-label") << "Clabel1"
                                    << "Wind Speed In Knots" << QRect(120, 480, 1935, 255);
        QTest::addRow("result-label") << "Clabel2"
                                      << "Result \u00B0C" << QRect(120, 840, 1935, 255);
        QTest::addRow("temperature") << "Ctext0"
                                     << "" << QRect(2280, 120, 1215, 285);
        QTest::addRow("wind") << "Ctext1"
                              << "" << QRect(2280, 480, 1215, 285);
        QTest::addRow("result") << "Ctext2"
                                << "" << QRect(2280, 840, 1215, 285);
        QTest::addRow("calculate") << "Action0"
                                   << "&Calculate" << QRect(2280, 1320, 1215, 375);
        QTest::addRow("quit") << "Action1"
                              << "&Quit" << QRect(120, 1320, 1215, 375);
    }
    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        ChillForm &form = Open();
        QCOMPARE(form.windowTitle(), QString("Calculate Wind Chill"));
        QCOMPARE(QSize(form.WidthTwips(), form.HeightTwips()), QSize(3630, 1815));
        // Centred on the 19200 x 14400 screen.
        QCOMPARE(QPoint(form.LeftTwips(), form.TopTwips()), QPoint((19200 - 3630) / 2 / 15 * 15, 6300));
        const int index = control.back().digitValue();
        QWidget *w = nullptr;
        QString text;
        if (control.startsWith("Clabel")) {
            w = form.Clabel[index];
            text = form.Clabel[index]->text();
        } else if (control.startsWith("Ctext")) {
            w = form.Ctext[index];
            text = form.Ctext[index]->text();
        } else {
            w = form.Action[index];
            text = form.Action[index]->text();
        }
        QCOMPARE(text, caption);
        QCOMPARE(QRect(ControlLeft(*w), ControlTop(*w), ControlWidth(*w), ControlHeight(*w)), place);
        if (auto *label = qobject_cast<QLabel *>(w))
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    }

    void tabOrderAndButtons()
    {
        ChillForm &form = Open();
        QWidget *w = form.Ctext[0];
        const QList<QWidget *> expected{form.Ctext[1], form.Ctext[2], form.Action[0], form.Action[1]};
        for (QWidget *next : expected) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            QCOMPARE(w, next);
        }
        QVERIFY(form.Action[0]->isDefault());
        QVERIFY(form.Ctext[2]->isReadOnly());
    }

    // Both boxes empty read as 0 with no wind: the temperature 0 itself.
    void calculateAtOnceShowsZero()
    {
        ChillForm &form = Open();
        QVERIFY(form.Ctext[0]->text().isEmpty());
        QVERIFY(form.Ctext[1]->text().isEmpty());
        QTest::mouseClick(form.Action[0], Qt::LeftButton);
        QCOMPARE(form.Ctext[2]->text(), QString("0.0"));
        QVERIFY(boxes.isEmpty());
    }

    // Tab leaves the box and applies its limits; Enter calculates with what
    // the box holds.
    void leavingWithTabLimitsEnterDoesNot_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterTab");
        QTest::addColumn<QString>("resultWithEnter");
        // With the other box at 0 (temperature) or 10 kn (wind). 0 C at
        // 100 kn (185.2 km/h): 13.12 - 11.37 x 2.30734 = -13.097; under
        // 4.8 km/h, and above 10 C, the air temperature itself; 8 C at 10 kn
        // (18.52 km/h): 13.12 + 4.972 - 11.37 x 1.59478 + 3.172 x 1.59478 = 5.014.
        QTest::addRow("wind-100") << 1 << "100"
                                  << "80"
                                  << "-13.1";
        QTest::addRow("wind-1") << 1 << "1"
                                << "5"
                                << "0.0";
        QTest::addRow("wind-0") << 1 << "0"
                                << "5"
                                << "0.0";
        QTest::addRow("temperature-40") << 0 << "40"
                                        << "33"
                                        << "40.0";
        QTest::addRow("temperature-above-the-index") << 0 << "12"
                                                     << "12"
                                                     << "12.0";
        QTest::addRow("temperature-inside") << 0 << "8"
                                            << "8"
                                            << "5.0";
    }
    void leavingWithTabLimitsEnterDoesNot()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, afterTab);
        QFETCH(QString, resultWithEnter);
        ChillForm &form = OpenActive();
        form.Ctext[1 - box]->setText(box == 1 ? "0" : "10");

        form.Ctext[box]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form.Ctext[box], typed);
        QTest::keyClick(form.Ctext[box], Qt::Key_Return);
        QCOMPARE(form.Ctext[box]->text(), typed);
        QCOMPARE(form.Ctext[2]->text(), resultWithEnter);

        QTest::keyClick(form.Ctext[box], Qt::Key_Tab);
        QCOMPARE(form.Ctext[box]->text(), afterTab);
    }

    // The mouse takes the focus to the button first, so the limit applies
    // before the calculation: -60 becomes -50.
    void clickingCalculateLimitsFirst()
    {
        ChillForm &form = OpenActive();
        form.Ctext[1]->setText("10");
        form.Ctext[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form.Ctext[0], "-60");
        QTest::mouseClick(form.Action[0], Qt::LeftButton);
        QCOMPARE(form.Ctext[0]->text(), QString("-50"));
        // 13.12 - 31.075 - 11.37 x 1.59478 - 19.825 x 1.59478 = -67.718
        QCOMPARE(form.Ctext[2]->text(), QString("-67.7"));
    }

    // The same rule whichever way the wind speed is given: Enter in its box
    // (as typed), Tab out of it and Enter (limited to 5 to 80 first), or a
    // click on "&Calculate" (limited first).
    void sameRuleHoweverEntered_data()
    {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("wind");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("result");
        // 5 C: 13.12 + 3.1075 - 9.3875 x V^0.16 with V = 185.2 km/h (100 kn)
        // 2.30734: -5.418; 148.16 (80 kn) 2.22676: -4.659; 111.12 (60 kn)
        // 2.12670: -3.720. 0 C at 9.26 km/h (5 kn): 13.12 - 11.37 x 1.42777
        // = -3.114; at 1.852 km/h (1 kn) the air temperature.
        QTest::addRow("5C-100kn-enter") << "5" << "100" << "enter" << "-5.4";
        QTest::addRow("5C-100kn-tab") << "5" << "100" << "tab" << "-4.7";
        QTest::addRow("5C-100kn-click") << "5" << "100" << "click" << "-4.7";
        QTest::addRow("5C-80kn-enter") << "5" << "80" << "enter" << "-4.7";
        QTest::addRow("5C-60kn-click") << "5" << "60" << "click" << "-3.7";
        QTest::addRow("0C-1kn-enter") << "0" << "1" << "enter" << "0.0";
        QTest::addRow("0C-1kn-tab") << "0" << "1" << "tab" << "-3.1";
        QTest::addRow("0C-1kn-click") << "0" << "1" << "click" << "-3.1";
        QTest::addRow("20C-2kn-enter") << "20" << "2" << "enter" << "20.0";
    }
    void sameRuleHoweverEntered()
    {
        QFETCH(QString, temperature);
        QFETCH(QString, wind);
        QFETCH(QString, way);
        QFETCH(QString, result);
        ChillForm &form = OpenActive();
        form.Ctext[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form.Ctext[0], temperature);
        QTest::keyClick(form.Ctext[0], Qt::Key_Tab);
        QTest::keyClicks(form.Ctext[1], wind);
        Calculate(form, 1, way);
        QCOMPARE(form.Ctext[2]->text(), result);
        QVERIFY(boxes.isEmpty());
    }

    void focusSelectsTheWholeText()
    {
        ChillForm &form = OpenActive();
        form.Ctext[1]->setText("25");
        form.Ctext[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.Ctext[0], Qt::Key_Tab);
        QCOMPARE(form.Ctext[1]->selectedText(), QString("25"));
        QTest::keyClicks(form.Ctext[1], "7");
        QCOMPARE(form.Ctext[1]->text(), QString("7"));
    }

    // A negative wind or a number beyond range reaches the calculation only
    // by Enter in its box: a message, no result shown, the window stays open.
    void inputWithoutAnswerGetsAMessage_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addRow("negative-wind") << 1 << "-5"
                                       << "The Wind Speed Cannot Be Negative";
        QTest::addRow("huge-temperature") << 0 << "1e999"
                                          << "The Temperature Or Wind Speed Is Too Large To Calculate";
        QTest::addRow("huge-wind") << 1 << "1e999"
                                   << "The Temperature Or Wind Speed Is Too Large To Calculate";
    }
    void inputWithoutAnswerGetsAMessage()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ChillForm &form = OpenActive();
        form.Ctext[2]->setText("1.0");
        form.Ctext[1 - box]->setText("10");
        form.Ctext[box]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form.Ctext[box], typed);
        QTest::keyClick(form.Ctext[box], Qt::Key_Return);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].prompt, message);
        QCOMPARE(boxes[0].title, QString("Help"));
        QCOMPARE(boxes[0].style, MsgBoxStyle::Information);
        QVERIFY(form.Ctext[2]->text().isEmpty());
        QVERIFY(form.IsLoaded());
        QCOMPARE(form.Ctext[box]->text(), typed);
    }

    // A text that is no number, typed with the other box left empty, gives
    // a message and no result, however the calculation is asked for; leaving
    // the box keeps the text as typed. A text that begins with a number
    // reads as that number.
    void textThatIsNoNumberGetsAMessage_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("message");
        const QString temperature = "The Temperature Must Be A Number";
        const QString wind = "The Wind Speed Must Be A Number";
        QTest::addRow("temperature-letters-click") << 0 << "abc20" << "click" << temperature;
        QTest::addRow("temperature-letters-enter") << 0 << "abc20" << "enter" << temperature;
        QTest::addRow("temperature-sign-alone-tab") << 0 << "-" << "tab" << temperature;
        QTest::addRow("wind-letters-click") << 1 << "calm" << "click" << wind;
        QTest::addRow("wind-letters-tab") << 1 << "calm" << "tab" << wind;
        QTest::addRow("wind-point-alone-enter") << 1 << "." << "enter" << wind;
        QTest::addRow("temperature-number-then-letters") << 0 << "12abc" << "click" << "";
    }
    void textThatIsNoNumberGetsAMessage()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        QFETCH(QString, message);
        ChillForm &form = OpenActive();
        form.Ctext[2]->setText("1.0");
        form.Ctext[box]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form.Ctext[box], typed);
        Calculate(form, box, way);
        QCOMPARE(form.Ctext[box]->text(), typed);
        QVERIFY(form.IsLoaded());
        if (message.isEmpty()) {
            QVERIFY(boxes.isEmpty());
            QCOMPARE(form.Ctext[2]->text(), QString("12.0"));
            return;
        }
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].prompt, message);
        QCOMPARE(boxes[0].title, QString("Help"));
        QCOMPARE(boxes[0].style, MsgBoxStyle::Information);
        QVERIFY(form.Ctext[2]->text().isEmpty());
    }

    void quitAndEscapeCloseAndReopenEmpty_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addRow("quit") << false;
        QTest::addRow("escape") << true;
    }
    void quitAndEscapeCloseAndReopenEmpty()
    {
        QFETCH(bool, escape);
        ChillForm &form = OpenActive();
        form.Ctext[0]->setText("5");
        form.Ctext[1]->setText("20");
        form.GetWc();
        if (escape)
            QTest::keyClick(form.Ctext[0], Qt::Key_Escape);
        else
            QTest::mouseClick(form.Action[1], Qt::LeftButton);
        QVERIFY(!form.IsLoaded());
        ChillForm &again = Open();
        for (QLineEdit *box : again.Ctext)
            QVERIFY(box->text().isEmpty());
    }

private:
    ChillForm &Open()
    {
        ChillForm &form = FormInstance<ChillForm>();
        form.Load();
        form.show();
        return form;
    }
    ChillForm &OpenActive()
    {
        ChillForm &form = Open();
        form.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&form)); }();
        return form;
    }
    // From the box just typed in: "enter" there, "tab" out of it and Enter,
    // or a "click" on "&Calculate".
    static void Calculate(ChillForm &form, int box, const QString &way)
    {
        if (way == "enter") {
            QTest::keyClick(form.Ctext[box], Qt::Key_Return);
        } else if (way == "tab") {
            QTest::keyClick(form.Ctext[box], Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(form.Action[0], Qt::LeftButton);
        }
    }

    QList<MsgBoxCall> boxes;
};

QTEST_MAIN(TestChillForm)
#include "tst_chillform.moc"
