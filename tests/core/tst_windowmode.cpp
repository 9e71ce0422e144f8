// The window state quiz and reference windows share through WindowMode.

#include "ProgramState.h"

#include "core/WindowMode.h"
#include "core/state/Global.h"
#include "platform/window/Form.h"

#include <QEvent>
#include <QTest>

namespace {
class TestForm : public Form
{
public:
    TestForm() : Form(QStringLiteral("Test"), 0, false) {}

protected:
    void CreateControls() override {}
};
} // namespace

class TestWindowMode : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetProgramState(); }
    void cleanup() { ResetProgramState(); }

    void taken_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("state");
        QTest::addRow("normal") << 0 << int(Qt::WindowNoState);
        QTest::addRow("minimised") << 1 << int(Qt::WindowMinimized);
        QTest::addRow("maximised") << 2 << int(Qt::WindowMaximized);
        QTest::addRow("unknown-is-normal") << 7 << int(Qt::WindowNoState);
    }
    void taken()
    {
        QFETCH(int, mode);
        QFETCH(int, state);
        QWidget window;
        window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        WindowMode = mode;
        TakeWindowMode(window);
        QCOMPARE(int(window.windowState()), state);
        QCOMPARE(WindowMode, mode);
    }

    // Minimised wins over maximised: a maximised window minimised keeps both.
    void kept_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("mode");
        QTest::addRow("normal") << int(Qt::WindowNoState) << 0;
        QTest::addRow("minimised") << int(Qt::WindowMinimized) << 1;
        QTest::addRow("maximised") << int(Qt::WindowMaximized) << 2;
        QTest::addRow("maximised-then-minimised") << int(Qt::WindowMaximized | Qt::WindowMinimized) << 1;
    }
    void kept()
    {
        QFETCH(int, state);
        QWidget window;
        window.setWindowState(Qt::WindowStates(state));
        WindowMode = 9;
        KeepWindowMode(window);
        QTEST(WindowMode, "mode");
    }

    // Only a state change that leaves a loaded window minimised is kept.
    void keptOnMinimise_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("mode");
        QTest::addRow("loaded-minimised") << true << int(Qt::WindowMinimized) << int(QEvent::WindowStateChange) << 1;
        QTest::addRow("loaded-maximised") << true << int(Qt::WindowMaximized) << int(QEvent::WindowStateChange) << 9;
        QTest::addRow("not-loaded") << false << int(Qt::WindowMinimized) << int(QEvent::WindowStateChange) << 9;
        QTest::addRow("other-event") << true << int(Qt::WindowMinimized) << int(QEvent::ActivationChange) << 9;
    }
    void keptOnMinimise()
    {
        QFETCH(bool, loaded);
        QFETCH(int, state);
        QFETCH(int, event);
        TestForm &form = FormInstance<TestForm>();
        if (loaded)
            form.Load();
        form.setWindowState(Qt::WindowStates(state));
        WindowMode = 9;
        KeepWindowModeOnMinimise(form, QEvent(QEvent::Type(event)));
        QTEST(WindowMode, "mode");
    }
};

QTEST_MAIN(TestWindowMode)
#include "tst_windowmode.moc"
