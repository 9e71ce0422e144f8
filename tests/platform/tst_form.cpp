#include "platform/Form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// A window with one label and a button pair, counting its loads in a member
// that must outlive every unload.
class CountingForm : public Form
{
public:
    CountingForm() : Form(QStringLiteral("Counting"), 10000, true) {}

    int loads = 0;
    QPointer<QLabel> label;
    QPointer<QPushButton> ok;
    QPointer<QPushButton> cancel;

protected:
    void CreateControls() override
    {
        label = new QLabel(QStringLiteral("as designed"), this);
        ok = new QPushButton(QStringLiteral("&Ok"), this);
        cancel = new QPushButton(QStringLiteral("&Cancel"), this);
        connect(cancel, &QPushButton::clicked, this, [this] { Unload(); });
        SetDefaultButton(ok);
        SetCancelButton(cancel);
    }
    void Form_Load() override { ++loads; }
};
} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Form::SetModalHook({});
        Forms::DestroyAll();
    }

    // Each load builds the controls afresh while the window's own variables
    // keep their values across closings.
    void reloadRebuildsControlsAndKeepsVariables()
    {
        auto &form = FormInstance<CountingForm>();
        Form::SetModalHook([](Form &f) {
            auto &c = static_cast<CountingForm &>(f);
            c.label->setText(QStringLiteral("changed"));
            c.cancel->click();
        });
        form.ShowModal();
        QVERIFY(!form.IsLoaded());
        QVERIFY(form.label.isNull());

        Form::SetModalHook([](Form &f) {
            auto &c = static_cast<CountingForm &>(f);
            QCOMPARE(c.label->text(), QStringLiteral("as designed"));
            c.Unload();
        });
        form.ShowModal();
        QCOMPARE(form.loads, 2);
        QCOMPARE(&FormInstance<CountingForm>(), &form);
    }

    // Esc presses the cancel button; without one it leaves the window open.
    void escapePressesCancelOnly()
    {
        auto &form = FormInstance<CountingForm>();
        form.Load();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.IsLoaded());

        form.Load();
        delete form.cancel.data();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.IsLoaded());
        form.Unload();
    }

    // When a modal window closes, the window that opened it is active again,
    // so its timers start again as they do under a window manager.
    void closingModalReactivatesOpener()
    {
        QWidget opener;
        opener.resize(200, 100);
        opener.show();
        opener.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&opener));

        auto &form = FormInstance<CountingForm>();
        QTimer::singleShot(50, &form, [&form] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            form.cancel->click();
        });
        form.ShowModal();

        QTRY_COMPARE(QApplication::activeWindow(), &opener);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
