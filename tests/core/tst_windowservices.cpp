#include "ProgramState.h"

#include "LateExpose.h"
#include "core/WindowServices.h"
#include "platform/graphics/Twips.h"
#include "platform/window/PictureBox.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

class TestWindowServices : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
    }

    void cleanup() { ResetProgramState(); }

    // Screen 19200 x 14400 twips (1280 x 960 pixels at 15 twips a pixel);
    // left = (19200 - width) / 2, top = (14400 - height) / 2.
    void centreForm_data()
    {
        QTest::addColumn<int>("widthPixels");
        QTest::addColumn<int>("heightPixels");
        QTest::addColumn<QPoint>("position");
        QTest::addRow("as-large-as-screen") << 1280 << 960 << QPoint(0, 0);
        QTest::addRow("half-the-screen") << 640 << 480 << QPoint(320, 240);
        QTest::addRow("larger-than-screen") << 1400 << 1000 << QPoint(-60, -20);
        // 7.5 twips is half a pixel: halves go to the even pixel 0.
        QTest::addRow("odd-width-half-pixel") << 1279 << 957 << QPoint(0, 2);
    }

    void centreForm()
    {
        QFETCH(int, widthPixels);
        QFETCH(int, heightPixels);
        QFETCH(QPoint, position);
        Twips::SetScreenSize(19200, 14400);
        QWidget window;
        window.resize(widthPixels, heightPixels);
        CentreForm(window);
        QCOMPARE(window.pos(), position);
        QCOMPARE(window.size(), QSize(widthPixels, heightPixels));
    }

    // A single-line box is selected whole; multi-line boxes keep their
    // cursor and selection.
    void selectText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addRow("single-line-four-chars") << "line" << "12.5" << 0 << 4;
        QTest::addRow("single-line-empty") << "line" << "" << -1 << 0;
        QTest::addRow("multi-line-text-edit") << "text" << "12.5" << 2 << 0;
        QTest::addRow("multi-line-plain-text-edit") << "plain" << "12.5" << 2 << 0;
    }

    void selectText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        if (kind == "line") {
            QLineEdit box(text);
            box.setCursorPosition(1);
            SelectText(&box);
            QCOMPARE(box.selectionStart(), start);
            QCOMPARE(box.selectedText().length(), length);
            return;
        }
        QScopedPointer<QWidget> box;
        QTextCursor cursor;
        if (kind == "text") {
            auto *edit = new QTextEdit;
            box.reset(edit);
            edit->setPlainText(text);
            cursor = edit->textCursor();
            cursor.setPosition(2);
            edit->setTextCursor(cursor);
            SelectText(edit);
            cursor = edit->textCursor();
        } else {
            auto *edit = new QPlainTextEdit;
            box.reset(edit);
            edit->setPlainText(text);
            cursor = edit->textCursor();
            cursor.setPosition(2);
            edit->setTextCursor(cursor);
            SelectText(edit);
            cursor = edit->textCursor();
        }
        QCOMPARE(cursor.selectionStart(), start);
        QCOMPARE(cursor.selectedText().length(), length);
    }

    // Each line ends at x = cx + r cos a, y = cy + r sin a for the angle
    // a = 0, 0.1, 0.2, ... summed in single precision while it stays at most
    // 6.283185, then at the closing angle 6.283185. Compared as the pixels the
    // surface draws (15 twips a pixel), which the optimiser cannot move by more
    // than the one pixel of a rounding edge.
    void circlePolygon_data()
    {
        QTest::addColumn<float>("cx");
        QTest::addColumn<float>("cy");
        QTest::addColumn<float>("radius");
        QTest::addRow("radius-zero") << 1500.0f << 750.0f << 0.0f;
        QTest::addRow("ball") << 3000.0f << 1500.0f << 450.0f;
        QTest::addRow("fractional") << 100.25f << 200.75f << 37.5f;
        QTest::addRow("large") << 0.0f << 0.0f << 1.0e7f;
    }

    void circlePolygon()
    {
        QFETCH(float, cx);
        QFETCH(float, cy);
        QFETCH(float, radius);
        const std::vector<QPointF> points = CirclePolygon(cx, cy, radius);
        const auto drawnAt = [](double x, double y) { return QPoint(Twips::ToPixelsX(x), Twips::ToPixelsY(y)); };
        const auto drawn = [&](const QPointF &p) { return drawnAt(p.x(), p.y()); };

        // The starting point, 63 line ends for 0 .. 6.2, and the closing one.
        QCOMPARE(points.size(), size_t(65));
        QCOMPARE(drawn(points[0]), drawnAt(double(cx) + radius, cy));
        QCOMPARE(drawn(points[1]), drawn(points[0])); // the first line has no length
        float a = 0.0f;
        for (int k = 0; k <= 62; ++k, a += 0.1f) {
            const QPoint expected = drawnAt(cx + radius * std::cos(double(a)), cy + radius * std::sin(double(a)));
            // A point on a pixel's rounding edge may land on either side.
            QVERIFY2((drawn(points[k + 1]) - expected).manhattanLength() <= 1, qPrintable(QString("k=%1").arg(k)));
        }
        QVERIFY(a > 6.283185f);
        // Near the end the single-precision angle is a few pixels off 6.2.
        if (radius >= 1.0e6f)
            QVERIFY(drawn(points[63]).y() != drawnAt(0, radius * std::sin(6.2)).y());
        QCOMPARE(drawn(points[64]), drawnAt(cx + radius * std::cos(6.283185), cy + radius * std::sin(6.283185)));
        if (radius == 0.0f)
            for (const QPointF &p : points)
                QCOMPARE(drawn(p), drawnAt(cx, cy));
    }

    // Drawn on a surface: the polygon in the line colour, its inside left
    // alone even on a filling surface, the current point at the closing end.
    void drawCircleOnSurface()
    {
        PictureBox pic;
        pic.resize(200, 200);
        pic.SetBackColor(0);
        pic.SetFillColor(65535);
        const long grey = 8421504;
        DrawCircle(pic, 1500.0f, 1500.0f, 900.0f, grey);

        // Radius 60 px about (100, 100): clockwise on the screen from the right.
        QCOMPARE(pic.PixelColour(160, 100), grey);
        QCOMPARE(pic.PixelColour(100, 160), grey);
        QCOMPARE(pic.PixelColour(40, 100), grey);
        QCOMPARE(pic.PixelColour(100, 40), grey);
        QCOMPARE(pic.PixelColour(100, 100), 0L);
        QCOMPARE(pic.PixelColour(163, 100), 0L);
        QCOMPARE(pic.CurrentX(), CirclePolygon(1500.0f, 1500.0f, 900.0f).back().x());
        QCOMPARE(pic.CurrentY(), CirclePolygon(1500.0f, 1500.0f, 900.0f).back().y());

        // The line width applies to the polygon.
        pic.Cls();
        pic.SetDrawWidth(3);
        DrawCircle(pic, 1500.0f, 1500.0f, 900.0f, grey);
        int painted = 0;
        for (int x = 150; x < 170; ++x)
            painted += pic.PixelColour(x, 100) == grey;
        QCOMPARE(painted, 3);
    }

    // Pause(0) returns before any waiting event runs; a negative time still
    // lets them run once.
    void pauseRunsEventsOnlyWhenWaiting_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<bool>("ran");
        QTest::addRow("zero") << 0.0f << false;
        QTest::addRow("negative") << -1.0f << true;
        QTest::addRow("short") << 0.01f << true;
    }

    void pauseRunsEventsOnlyWhenWaiting()
    {
        QFETCH(float, seconds);
        QFETCH(bool, ran);
        bool timerRan = false;
        QTimer::singleShot(0, this, [&] { timerRan = true; });
        Pause(seconds);
        QCOMPARE(timerRan, ran);
        QTRY_VERIFY(timerRan); // leave no event behind for the next case
    }

    // Timers keep running while Pause waits, and it returns once the time
    // has passed (not long after it).
    void pauseLetsTimersRun()
    {
        int ticks = 0;
        QTimer timer;
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start();
        QElapsedTimer clock;
        clock.start();
        Pause(0.3f);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 300, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }

    // A window just shown is waited for until it is painted, however late the
    // window system shows it, but no longer than the time given.
    void waitUntilPainted_data()
    {
        QTest::addColumn<int>("shownAfter"); // ms; -1 never
        QTest::addColumn<bool>("painted");
        QTest::addColumn<int>("atLeast");
        QTest::addRow("shown-at-once") << 0 << true << 0;
        QTest::addRow("shown-late") << 150 << true << 150;
        QTest::addRow("never-shown") << -1 << false << 1000;
    }

    void waitUntilPainted()
    {
        QFETCH(int, shownAfter);
        QFETCH(bool, painted);
        QFETCH(int, atLeast);
        QWidget window;
        window.resize(120, 80);
        LateExpose late([&window] { return &window; });
        if (shownAfter == 0)
            late.Release();
        else if (shownAfter > 0)
            late.ReleaseAfter(shownAfter);
        QElapsedTimer clock;
        clock.start();
        window.show();
        QCOMPARE(WaitUntilPainted(window, 1000), painted);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(late.Paints() > 0, painted);
        QVERIFY2(elapsed >= atLeast, qPrintable(QString::number(elapsed)));
        // A window never shown holds the caller up no longer than the time given.
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }
};

QTEST_MAIN(TestWindowServices)
#include "tst_windowservices.moc"
