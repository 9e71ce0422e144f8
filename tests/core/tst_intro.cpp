#include "tst_useroptions_fixture.h"

#include "core/IntroForm.h"
#include "core/LoadUser.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <optional>

class TestIntro : public QObject
{
    Q_OBJECT

private:
    std::optional<UserOptionsFixture> fx;

    static void ShowIntroForm(const std::function<void(IntroForm &)> &act)
    {
        Form::SetModalHook([&](Form &form) { act(static_cast<IntroForm &>(form)); });
        FormInstance<IntroForm>().ShowModal();
        Form::SetModalHook({});
    }

private slots:
    void init()
    {
        fx.emplace();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { fx.reset(); }

    // The three paragraphs word for word; only a maximised window mode drops
    // the advice to maximise the screen.
    void paragraphs_data()
    {
        QTest::addColumn<int>("windowMode");
        QTest::addColumn<QString>("second");
        const QString start = "Getting Started : Choose File then Lights, or just click on the lights icon. You will "
                              "be shown the first light configuration";
        const QString advice = " (you may want to maximise the screen). Try and work out what the lights represent.";
        QTest::addRow("normal") << 0 << start + advice;
        QTest::addRow("minimised") << 1 << start + advice;
        QTest::addRow("maximised") << 2 << start + " Try and work out what the lights represent.";
    }

    void paragraphs()
    {
        QFETCH(int, windowMode);
        QFETCH(QString, second);
        WindowMode = windowMode;
        ShowIntroForm([&](IntroForm &form) {
            QCOMPARE(form.Ilabel[0]->text(),
                     QStringLiteral("This is the fourth full release version of Norvanta. A program to help "
                                    "yachtsmen and other seagoers learn lights, buoys, shapes and sound signals."));
            QCOMPARE(form.Ilabel[1]->text(), second);
            QCOMPARE(form.Ilabel[2]->text(),
                     QStringLiteral("For some lights you can click Movement to see the approximate direction in "
                                    "which the lights would be expected to move, and for all lights you can click "
                                    "Hint to receive a (sometimes cryptic) clue. Click on ? to check your answer or "
                                    "to display possible answers if running in multichoice mode. If you are only "
                                    "just starting the learning process, you may find it useful to click on the "
                                    "Cheat option."));
            for (QLabel *label : form.Ilabel)
                QVERIFY(label->wordWrap());
            if (windowMode == 0)
                SaveShot(form, QStringLiteral("introduction.png"));
            form.close();
        });
        QCOMPARE(WindowMode, windowMode);
    }

    // Every click on the box writes OPTION10 at once, ticked "N", unticked
    // "Y"; closing writes nothing. The box is unticked at every opening,
    // whatever is stored, and the window leaves ShowIntro alone: LoadUser is
    // what makes the next activation of the main window show it or not.
    void boxWritesOption_data()
    {
        QTest::addColumn<QString>("storedBefore");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("storedAfter");
        QTest::addRow("tick") << "Y" << 1 << "N";
        QTest::addRow("tick-untick") << "Y" << 2 << "Y";
        QTest::addRow("tick-untick-tick") << "Y" << 3 << "N";
        QTest::addRow("close-without-click") << "Y" << 0 << "Y";
        QTest::addRow("close-keeps-stored-N") << "N" << 0 << "N";
        QTest::addRow("untick-after-stored-N") << "N" << 2 << "Y";
    }

    void boxWritesOption()
    {
        QFETCH(QString, storedBefore);
        QFETCH(int, clicks);
        QFETCH(QString, storedAfter);
        fx->Store("2", "N", storedBefore);
        ShowIntro = true;
        ShowIntroForm([&](IntroForm &form) {
            QVERIFY(!form.Icheck[0]->isChecked());
            for (int i = 0; i < clicks; ++i) {
                form.Icheck[0]->click();
                // Written at once, before the window closes.
                QCOMPARE(fx->Records(), QStringList{QStringLiteral("2/N/") + (i % 2 == 0 ? "N" : "Y")});
            }
            form.Fmenu[0]->trigger();
        });
        QCOMPARE(fx->Records(), QStringList{"2/N/" + storedAfter});
        QVERIFY(ShowIntro);
        QCOMPARE(fx->messages, QStringList());

        LoadUser();
        QCOMPARE(ShowIntro, storedAfter == "Y");
    }

    // The window as designed, in twips of its client area.
    void layout()
    {
        ShowIntroForm([](IntroForm &form) {
            const QList<QRect> labels = {QRect(120, 120, 5295, 615), QRect(120, 840, 5295, 855),
                                         QRect(120, 1800, 5295, 1455)};
            for (int i = 0; i < 3; ++i) {
                const QLabel &l = *form.Ilabel[i];
                QCOMPARE(QRect(ControlLeft(l), ControlTop(l), ControlWidth(l), ControlHeight(l)), labels[i]);
                // Each paragraph, wrapped, fits its label: nothing is cut off.
                const QRect needed = QFontMetrics(l.font()).boundingRect(QRect(0, 0, l.width(), 10000),
                                                                         Qt::TextWordWrap, l.text());
                QVERIFY2(needed.height() <= l.height(), qPrintable(QString::number(i)));
            }
            const QCheckBox &box = *form.Icheck[0];
            QCOMPARE(QRect(ControlLeft(box), ControlTop(box), ControlWidth(box), ControlHeight(box)),
                     QRect(240, 3360, 5055, 375));
            QCOMPARE(box.text(), QStringLiteral("Don't Show This Introductory Screen In Future"));
            QCOMPARE(form.windowTitle(), QStringLiteral("Introduction"));
            QCOMPARE(form.FileMenu->title(), QStringLiteral("&File"));
            QCOMPARE(form.Fmenu[0]->text(), QStringLiteral("&Quit"));
            QCOMPARE(form.HelpContext(), 10000);
            QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
            form.close();
        });
    }
};

QTEST_MAIN(TestIntro)
#include "tst_intro.moc"
