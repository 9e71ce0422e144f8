#include "tst_useroptions_fixture.h"

#include "PermissionsHold.h"

#include "core/IntroForm.h"
#include "core/LoadUser.h"
#include "core/UserForm.h"
#include "platform/graphics/MousePointer.h"
#include "platform/graphics/Twips.h"
#include "platform/window/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::function<void(UserForm &)>)

class TestUserOptions : public QObject
{
    Q_OBJECT

private:
    std::optional<UserOptionsFixture> fx;

    // Shows the options window; while it is open, act on it.
    static void ShowUserForm(const std::function<void(UserForm &)> &act)
    {
        Form::SetModalHook([&](Form &form) { act(static_cast<UserForm &>(form)); });
        FormInstance<UserForm>().ShowModal();
        Form::SetModalHook({});
    }

    // Where a person clicks a check box: on its mark.
    static QPoint CheckMark(const QCheckBox &box)
    {
        QStyleOptionButton option;
        option.initFrom(&box);
        return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
    }

private slots:
    void init()
    {
        fx.emplace();
        Twips::SetTwipsPerPixel(15, 15);
    }
    void cleanup() { fx.reset(); }

    // The stored texts and what they mean, from the option rules: a yes/no
    // option is on when Null or exactly "Y"; the sound mode is the leading
    // number rounded halves to even, Null or outside 0 to 4 giving 0.
    void options_data()
    {
        QTest::addColumn<QVariant>("option1");
        QTest::addColumn<QVariant>("option2");
        QTest::addColumn<QVariant>("option10");
        QTest::addColumn<int>("soundMode");
        QTest::addColumn<bool>("multiChoice");
        QTest::addColumn<bool>("showIntro");
        const QVariant null;
        QTest::addRow("all-null") << null << null << null << 0 << true << true;
        QTest::addRow("upper-Y") << QVariant("2") << QVariant("Y") << QVariant("Y") << 2 << true << true;
        QTest::addRow("lower-y-is-off") << QVariant("1") << QVariant("y") << QVariant("y") << 1 << false << false;
        QTest::addRow("N") << QVariant("4") << QVariant("N") << QVariant("N") << 4 << false << false;
        QTest::addRow("multichoice-only") << QVariant("3") << QVariant("Y") << QVariant("N") << 3 << true << false;
        QTest::addRow("intro-only") << QVariant("0") << QVariant("N") << QVariant("Y") << 0 << false << true;
        QTest::addRow("null-multichoice") << QVariant("1") << null << QVariant("N") << 1 << true << false;
        QTest::addRow("null-intro") << QVariant("1") << QVariant("N") << null << 1 << false << true;
        QTest::addRow("empty-texts-are-off") << QVariant("") << QVariant("") << QVariant("") << 0 << false << false;
        QTest::addRow("mode-half-to-even-down") << QVariant("2.5") << QVariant("Y") << QVariant("Y") << 2 << true << true;
        QTest::addRow("mode-half-to-even-up") << QVariant("3.5") << QVariant("Y") << QVariant("Y") << 4 << true << true;
        QTest::addRow("mode-blanks-passed-over") << QVariant(" 3 ") << QVariant("Y") << QVariant("Y") << 3 << true << true;
        QTest::addRow("mode-leading-number") << QVariant("1x") << QVariant("Y") << QVariant("Y") << 1 << true << true;
        QTest::addRow("mode-no-number") << QVariant("x") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-above-range") << QVariant("5") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-rounds-above-range") << QVariant("4.6") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-negative") << QVariant("-1") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-rounds-below-range") << QVariant("-0.6") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-minus-half-to-even") << QVariant("-0.5") << QVariant("Y") << QVariant("Y") << 0 << true << true;
        QTest::addRow("mode-huge") << QVariant("1e400") << QVariant("Y") << QVariant("Y") << 0 << true << true;
    }

    // LoadUser sets the shared variables, and the options window shows the
    // same choices, from the same stored texts.
    void options()
    {
        QFETCH(QVariant, option1);
        QFETCH(QVariant, option2);
        QFETCH(QVariant, option10);
        QFETCH(int, soundMode);
        QFETCH(bool, multiChoice);
        QFETCH(bool, showIntro);
        fx->Store(option1, option2, option10);
        SoundMode = 99;
        MultiChoice = !multiChoice;
        ShowIntro = !showIntro;

        LoadUser();
        QCOMPARE(SoundMode, soundMode);
        QCOMPARE(MultiChoice, multiChoice);
        QCOMPARE(ShowIntro, showIntro);
        QCOMPARE(MousePointer::Current(), MousePointer::Default);

        ShowUserForm([&](UserForm &form) {
            QCOMPARE(form.Ulist->currentRow(), soundMode);
            QCOMPARE(form.Ucheck[0]->isChecked(), showIntro);
            QCOMPARE(form.Ucheck[1]->isChecked(), multiChoice);
            form.close();
        });
        QCOMPARE(fx->messages, QStringList());
    }

    // Each way of leaving the window, after changing every control from the
    // stored "0", "Y", "Y": only "&Ok" (or Enter) stores, and LoadUser, which
    // the opener runs afterwards, reads what is stored.
    void leaving_data()
    {
        QTest::addColumn<std::function<void(UserForm &)>>("leave");
        QTest::addColumn<QString>("stored");
        const QString changed = QStringLiteral("3/N/N");
        const QString unchanged = QStringLiteral("0/Y/Y");
        QTest::addRow("ok") << std::function<void(UserForm &)>([](UserForm &f) { f.Action[0]->click(); }) << changed;
        QTest::addRow("enter") << std::function<void(UserForm &)>(
                                      [](UserForm &f) { QTest::keyClick(&f, Qt::Key_Return); })
                               << changed;
        QTest::addRow("cancel") << std::function<void(UserForm &)>([](UserForm &f) { f.Action[1]->click(); })
                                << unchanged;
        QTest::addRow("esc") << std::function<void(UserForm &)>(
                                    [](UserForm &f) { QTest::keyClick(&f, Qt::Key_Escape); })
                             << unchanged;
        QTest::addRow("quit") << std::function<void(UserForm &)>([](UserForm &f) { f.Fmenu[1]->trigger(); })
                              << unchanged;
        QTest::addRow("close-box") << std::function<void(UserForm &)>([](UserForm &f) { f.close(); }) << unchanged;
    }

    void leaving()
    {
        QFETCH(std::function<void(UserForm &)>, leave);
        QFETCH(QString, stored);
        fx->Store("0", "Y", "Y");
        bool closed = false;
        ShowUserForm([&](UserForm &form) {
            form.show();
            form.Ulist->setCurrentRow(3);
            form.Ucheck[0]->setChecked(false);
            form.Ucheck[1]->setChecked(false);
            leave(form);
            closed = !form.isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(fx->Records(), QStringList{stored});
        LoadUser();
        QCOMPARE(SoundMode, stored.section('/', 0, 0).toInt());
        QCOMPARE(MultiChoice, stored.section('/', 1, 1) == "Y");
        QCOMPARE(ShowIntro, stored.section('/', 2, 2) == "Y");
    }

    // "&Save" stores and keeps the window open; a later "&Cancel" does not
    // undo it. The three fields are written together.
    void saveThenCancelKeepsWhatWasSaved()
    {
        fx->Store("0", "Y", "Y");
        ShowUserForm([&](UserForm &form) {
            form.Ulist->setCurrentRow(1);
            form.Ucheck[1]->setChecked(false);
            form.Fmenu[0]->trigger();
            QVERIFY(form.IsLoaded());
            QCOMPARE(fx->Records(), QStringList{"1/N/Y"});
            form.Ulist->setCurrentRow(4);
            form.Action[1]->click();
        });
        QCOMPARE(fx->Records(), QStringList{"1/N/Y"});
        LoadUser();
        QCOMPARE(SoundMode, 1);
        QVERIFY(!MultiChoice);
        QVERIFY(ShowIntro);
    }

    // A record of Nulls shows "Use Sound Card" and both boxes ticked, and
    // "&Ok" stores what was shown.
    void nullRecordStoresWhatWasShown()
    {
        fx->Store(QVariant(), QVariant(), QVariant());
        ShowUserForm([](UserForm &form) {
            QCOMPARE(form.Ulist->currentItem()->text(), QStringLiteral("Use Sound Card"));
            form.Action[0]->click();
        });
        QCOMPARE(fx->Records(), QStringList{"0/Y/Y"});
    }

    // A database that has lost its record gets one with the defaults at the
    // first read, instead of failing on every read and write.
    void missingRecordIsMadeWithDefaults_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("stored");
        QTest::addRow("load-user") << "LoadUser" << "0/Y/Y";
        QTest::addRow("options-window-ok") << "UserForm" << "2/Y/Y";
        QTest::addRow("introduction-box") << "IntroForm" << "0/Y/N";
    }

    void missingRecordIsMadeWithDefaults()
    {
        QFETCH(QString, first);
        QFETCH(QString, stored);
        fx->RemoveRecord();
        SoundMode = 3;
        MultiChoice = false;
        ShowIntro = false;
        if (first == "LoadUser") {
            LoadUser();
            QCOMPARE(SoundMode, 0);
            QVERIFY(MultiChoice);
            QVERIFY(ShowIntro);
        } else if (first == "UserForm") {
            ShowUserForm([](UserForm &form) {
                QVERIFY(form.Ucheck[0]->isChecked());
                QVERIFY(form.Ucheck[1]->isChecked());
                form.Ulist->setCurrentRow(2);
                form.Action[0]->click();
            });
        } else {
            Form::SetModalHook([](Form &form) {
                static_cast<IntroForm &>(form).Icheck[0]->click();
                form.close();
            });
            FormInstance<IntroForm>().ShowModal();
        }
        QCOMPARE(fx->messages, QStringList());
        QCOMPARE(fx->Records(), QStringList{stored});
    }

    // Without a database the failure to open it is reported once, under the
    // procedure's location: no later step runs on a database that was never
    // opened. The options fall back to their defaults.
    void missingDatabaseIsReported_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("location");
        QTest::addRow("load-user") << "LoadUser" << "Mainmod:LoadUser";
        QTest::addRow("options-window-load") << "UserForm:Cancel" << "UserForm:LoadData";
        QTest::addRow("options-window-save") << "UserForm:Ok" << "UserForm:SaveData";
    }

    void missingDatabaseIsReported()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, location);
        QVERIFY(QFile::remove(fx->DatabaseFile()));
        SoundMode = 3;
        MultiChoice = false;
        ShowIntro = false;
        if (procedure == "LoadUser") {
            LoadUser();
            QCOMPARE(SoundMode, 0);
            QVERIFY(MultiChoice);
            QVERIFY(ShowIntro);
            QCOMPARE(MousePointer::Current(), MousePointer::Default);
        } else {
            ShowUserForm([&](UserForm &form) {
                QCOMPARE(form.Ulist->currentRow(), 0);
                QVERIFY(form.Ucheck[0]->isChecked() && form.Ucheck[1]->isChecked());
                fx->messages.clear();
                form.Action[procedure.endsWith("Ok") ? 0 : 1]->click();
            });
            if (procedure.endsWith("Cancel")) {
                QCOMPARE(fx->messages, QStringList());
                return;
            }
        }
        QCOMPARE(fx->messages.size(), 1);
        QVERIFY2(fx->messages.first().startsWith("Unexpected Error In - " + location + ", Error Number 3024, "),
                 qPrintable(fx->messages.first()));
        QVERIFY(!QFile::exists(fx->DatabaseFile()));
    }

    // A save refused because the database or its folder cannot be written
    // is reported once, naming the file, and nothing is stored.
    void readOnlySaveNamesTheFile_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("said");
        QTest::addRow("read-only-file") << false << "read-only: '%1'.";
        QTest::addRow("read-only-folder") << true << "read-only: the folder of '%1' cannot be written.";
    }

    void readOnlySaveNamesTheFile()
    {
        QFETCH(bool, folder);
        QFETCH(QString, said);
        fx->Store("0", "Y", "Y");
        const QString locked = folder ? fx->folder.path() : fx->DatabaseFile();
        const QFile::Permissions writable = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, writable & ~(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther |
                                                           QFile::WriteUser)));
        {
            PermissionsHold hold;
            QVERIFY(hold.Holds());
            ShowUserForm([&](UserForm &form) {
                QTest::mouseClick(form.Ucheck[1], Qt::LeftButton, {}, CheckMark(*form.Ucheck[1]));
                QVERIFY(!form.Ucheck[1]->isChecked());
                fx->messages.clear();
                QTest::mouseClick(form.Action[0], Qt::LeftButton);
            });
        }
        QVERIFY(QFile::setPermissions(locked, writable));
        QCOMPARE(fx->messages,
                 QStringList("Unexpected Error In - UserForm:SaveData, Error Number 3027, Cannot update. Database or "
                             "object is " + said.arg(fx->DatabaseFile())));
        QCOMPARE(fx->Records(), QStringList("0/Y/Y"));
    }

    // The options window as designed, in twips of its client area.
    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addRow("frame") << "Uframe" << "Sounds" << QRect(120, 120, 3735, 1215);
        QTest::addRow("sound-list-in-frame") << "Ulist" << "" << QRect(120, 240, 3495, 840);
        QTest::addRow("intro-box") << "Ucheck0" << "Show Introductory Screen" << QRect(120, 1440, 3735, 375);
        QTest::addRow("multichoice-box") << "Ucheck1" << "Use Multichoice Test Mode" << QRect(120, 1920, 3735, 375);
        QTest::addRow("ok") << "Action0" << "&Ok" << QRect(2640, 2520, 1215, 375);
        QTest::addRow("cancel") << "Action1" << "&Cancel" << QRect(120, 2520, 1215, 375);
    }

    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        ShowUserForm([&](UserForm &form) {
            QWidget *w = nullptr;
            QString shown;
            if (control == "Uframe")
                w = form.Uframe, shown = form.Uframe->title();
            else if (control == "Ulist")
                w = form.Ulist;
            else if (control.startsWith("Ucheck"))
                w = form.Ucheck[control.right(1).toInt()], shown = form.Ucheck[control.right(1).toInt()]->text();
            else
                w = form.Action[control.right(1).toInt()], shown = form.Action[control.right(1).toInt()]->text();
            QCOMPARE(shown, text);
            QCOMPARE(QRect(ControlLeft(*w), ControlTop(*w), ControlWidth(*w), ControlHeight(*w)), twips);
            QCOMPARE(form.windowTitle(), QStringLiteral("User Options"));
            QVERIFY(form.Action[0]->isDefault());
            QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
            QCOMPARE(form.HelpContext(), 1000);
            form.close();
        });
    }

    // The sound list in its order, and the File menu.
    void listAndMenu()
    {
        ShowUserForm([](UserForm &form) {
            QStringList entries;
            for (int i = 0; i < form.Ulist->count(); ++i)
                entries << form.Ulist->item(i)->text();
            QCOMPARE(entries, QStringList({"Use Sound Card", "Use Graphics", "Use Multimedia",
                                           "Sound Card And Graphics", "Multimedia And Graphics"}));
            QCOMPARE(form.FileMenu->title(), QStringLiteral("&File"));
            QCOMPARE(form.Fmenu[0]->text(), QStringLiteral("&Save"));
            QCOMPARE(form.Fmenu[1]->text(), QStringLiteral("&Quit"));
            SaveShot(form, QStringLiteral("useroptions.png"));
            form.close();
        });
    }
};

QTEST_MAIN(TestUserOptions)
#include "tst_useroptions.moc"
