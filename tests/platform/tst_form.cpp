#include "ProgramState.h"

#include "platform/window/Form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>

namespace {
// A window with one label and a button pair, counting its loads in a member
// that must outlive every unload.
class CountingForm : public Form
{
public:
    explicit CountingForm(bool fixedFrame = true) : Form(QStringLiteral("Counting"), 10000, fixedFrame) {}

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

// The same window with a sizable frame: it carries the dialog's size grip.
class SizableForm : public CountingForm
{
public:
    SizableForm() : CountingForm(false) {}
};
} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

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

    // Unloading destroys the controls the window built and nothing of its
    // frame: the size grip the dialog moves on every resize outlives each
    // way of unloading, so reopening and resizing is safe.
    void unloadKeepsTheSizeGrip_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::addRow("closed-from-modal-wait") << true;
        QTest::addRow("unloaded-while-modeless") << false;
    }

    void unloadKeepsTheSizeGrip()
    {
        QFETCH(bool, modal);
        auto &form = FormInstance<SizableForm>();
        const QPointer<QSizeGrip> grip = form.findChild<QSizeGrip *>();
        QVERIFY(grip);
        for (int opening = 1; opening <= 2; ++opening) {
            const QSize size(300 + 100 * opening, 200 + 50 * opening);
            auto resizeAndClose = [&](Form &f) {
                f.show();
                f.resize(size);
                QTRY_COMPARE(f.size(), size);
                static_cast<SizableForm &>(f).cancel->click();
            };
            if (modal) {
                Form::SetModalHook(resizeAndClose);
                form.ShowModal();
            } else {
                form.ShowModeless();
                resizeAndClose(form);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            QVERIFY(!form.IsLoaded());
            QVERIFY(form.label.isNull());
            QVERIFY2(grip, "the size grip went with the controls");
            QCOMPARE(form.findChild<QSizeGrip *>(), grip.data());
        }
        QCOMPARE(form.loads, 2);
        QCOMPARE(form.findChildren<QLabel *>().size(), 0);
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
