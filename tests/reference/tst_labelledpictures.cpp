#include "ProgramState.h"

#include "platform/graphics/Colour.h"
#include "platform/graphics/Twips.h"
#include "platform/values/Shuffle.h"
#include "platform/window/Controls.h"
#include "reference/SailForm.h"
#include "reference/SymbolForm.h"
#include "reference/YachtForm.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {
using Colours::Black;
using Colours::White;

// The picture under the labels: the one label that shows a picture.
QImage Background(const LabelledPictureForm &form)
{
    for (const QLabel *label : form.findChildren<QLabel *>())
        if (!label->pixmap().isNull())
            return label->pixmap().toImage();
    return {};
}

bool InkNear(const QImage &image, const QRect &box)
{
    for (int y = std::max(0, box.top()); y <= std::min(image.height() - 1, box.bottom()); ++y)
        for (int x = std::max(0, box.left()); x <= std::min(image.width() - 1, box.right()); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}
} // namespace

class TestLabelledPictures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        Twips::SetScreenSize(19200, 14400);
        draw = [](long) { return 1L; };
        SetShuffleRandom([this](long upper) { return draw(upper); });
    }
    void cleanup() { ResetProgramState(); }

    void windows_data()
    {
        QTest::addColumn<bool>("yacht");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QStringList>("items");
        QTest::addRow("yacht") << true << "Parts Of Yacht" << QSize(7905, 4740) << QSize(527, 316)
                               << QStringList{"&Shuffle", "&Cheat", "&Sails", "&Quit"};
        QTest::addRow("sail") << false << "Parts Of Sail" << QSize(7785, 6105) << QSize(520, 409)
                              << QStringList{"&Shuffle", "&Cheat", "&Quit"};
    }
    void windows()
    {
        QFETCH(bool, yacht);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QSize, picture);
        QFETCH(QStringList, items);
        LabelledPictureForm &form = Open(yacht);
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.FileMenu->title(), QString("&File"));
        QStringList texts;
        for (QAction *item : form.Fmenu)
            texts << item->text();
        QCOMPARE(texts, items);
        QVERIFY(form.Fmenu[1]->isCheckable());
        QVERIFY(!form.Fmenu[1]->isChecked());
        const QWidget &area = *form.Ylabel[0]->parentWidget();
        QCOMPARE(QSize(ControlWidth(area), ControlHeight(area)), client);
        QCOMPARE(Background(form).size(), picture);
    }

    // Every label with its caption where it is designed, its caption fitting
    // its width; the drawing has ink within 24 pixels of each of them, where
    // the part it names is drawn.
    void labels_data()
    {
        QTest::addColumn<bool>("yacht");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        const QList<std::tuple<const char *, QRect>> yacht{
            {"Mast", {4560, 840, 420, 195}},     {"Boom", {2040, 1200, 480, 195}},
            {"Stem", {6840, 3360, 435, 195}},    {"Keel", {4680, 4320, 390, 195}},
            {"Rudder", {360, 3960, 630, 195}},   {"Pulpit", {6600, 2040, 495, 195}},
            {"Pushpit", {120, 2040, 645, 195}},  {"Skeg", {1560, 3960, 450, 195}},
            {"Hull", {4080, 3240, 345, 195}},    {"Tiller", {2040, 3000, 435, 195}},
            {"Toerail", {5160, 2880, 600, 195}}, {"Stanchion", {1800, 2040, 870, 195}}};
        const QList<std::tuple<const char *, QRect>> sail{
            {"Head", {2760, 1200, 465, 195}}, {"Leech", {1920, 2880, 540, 195}}, {"Clew", {840, 4920, 420, 195}},
            {"Tack", {2760, 4920, 450, 195}}, {"Head", {4320, 1200, 465, 195}},  {"Leech", {3960, 3120, 540, 195}},
            {"Clew", {3840, 4800, 420, 195}}, {"Tack", {6600, 5280, 450, 195}},  {"Luff", {5760, 3120, 345, 195}},
            {"Foot", {1800, 4920, 390, 195}}, {"Foot", {5280, 5040, 390, 195}},  {"Luff", {2880, 3480, 345, 195}}};
        for (int i = 0; i < 12; ++i) {
            QTest::addRow("yacht-%s", std::get<0>(yacht[i]))
                << true << i << std::get<0>(yacht[i]) << std::get<1>(yacht[i]);
            QTest::addRow("sail-%d-%s", i, std::get<0>(sail[i]))
                << false << i << std::get<0>(sail[i]) << std::get<1>(sail[i]);
        }
    }
    void labels()
    {
        QFETCH(bool, yacht);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        LabelledPictureForm &form = Open(yacht);
        const QLabel &label = *form.Ylabel[index];
        QCOMPARE(label.text(), caption);
        QCOMPARE(QRect(ControlLeft(label), ControlTop(label), ControlWidth(label), ControlHeight(label)), place);
        QVERIFY(QFontMetrics(label.font()).horizontalAdvance(caption) <= label.width());
        QVERIFY(label.font().bold());
        QVERIFY(InkNear(Background(form), label.geometry().adjusted(-24, -24, 24, 24)));
    }

    // The leader lines to the stanchion and the tiller are drawn on the
    // picture in black, whatever the labels show.
    void leaderLines_data()
    {
        QTest::addColumn<QPoint>("middle");
        QTest::addRow("stanchion") << QPoint(2700 / 15, 2280 / 15);
        QTest::addRow("tiller") << QPoint(1980 / 15, 2880 / 15);
    }
    void leaderLines()
    {
        QFETCH(QPoint, middle);
        LabelledPictureForm &form = Open(true);
        const QImage picture = Background(form);
        QVERIFY(InkNear(picture, QRect(middle, QSize(1, 1)).adjusted(-1, -1, 1, 1)));
        // Clear of the lines, between the two: the white of the picture.
        QCOMPARE(RgbToBgr(picture.pixel(150, 170)), White);
    }

    // Every label opens hidden; "&Shuffle" then changes nothing.
    void opensWithEveryLabelHidden_data()
    {
        QTest::addColumn<bool>("yacht");
        QTest::addRow("yacht") << true;
        QTest::addRow("sail") << false;
    }
    void opensWithEveryLabelHidden()
    {
        QFETCH(bool, yacht);
        LabelledPictureForm &form = Open(yacht);
        QCOMPARE(States(form), QList<long>(12, Black));
        draw = [](long) { return 0L; };
        form.Fmenu[0]->trigger();
        QCOMPARE(States(form), QList<long>(12, Black));
        draw = [](long) { return 1L; };
        form.Fmenu[0]->trigger();
        QCOMPARE(States(form), QList<long>(12, Black));
    }

    // A click on a label turns it over; the others stay as they are.
    void clickTurnsLabelOver()
    {
        LabelledPictureForm &form = Open(true);
        QTest::mouseClick(form.Ylabel[4], Qt::LeftButton);
        QList<long> expected(12, Black);
        expected[4] = White;
        QCOMPARE(States(form), expected);
        QCOMPARE(form.Ylabel[4]->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTest::mouseClick(form.Ylabel[4], Qt::LeftButton);
        QCOMPARE(States(form), QList<long>(12, Black));
        // A press on one label and a release elsewhere is no click.
        QTest::mousePress(form.Ylabel[2], Qt::LeftButton);
        QTest::mouseRelease(form.Ylabel[2], Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(States(form), QList<long>(12, Black));
    }

    // A shuffle draws once per label in order and hides it on a draw of 1:
    // shown labels stay shown on 0, hidden ones stay hidden either way.
    void shuffleOnlyHides_data()
    {
        QTest::addColumn<QList<long>>("before");
        QTest::addColumn<QList<long>>("draws");
        QTest::addColumn<QList<long>>("after");
        const QList<long> shown(12, White);
        const QList<long> alternate{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
        QList<long> everyOther(12, White);
        for (int i = 1; i < 12; i += 2)
            everyOther[i] = Black;
        QTest::addRow("all-shown-alternate") << shown << alternate << everyOther;
        QTest::addRow("all-shown-keep") << shown << QList<long>(12, 0) << shown;
        QTest::addRow("all-shown-hide") << shown << QList<long>(12, 1) << QList<long>(12, Black);
        QList<long> mixed(12, Black);
        mixed[0] = White;
        mixed[11] = White;
        QList<long> mixedAfter(12, Black);
        mixedAfter[0] = White;
        QTest::addRow("mixed") << mixed << QList<long>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1} << mixedAfter;
    }
    void shuffleOnlyHides()
    {
        QFETCH(QList<long>, before);
        QFETCH(QList<long>, draws);
        QFETCH(QList<long>, after);
        LabelledPictureForm &form = Open(false);
        for (int i = 0; i < 12; ++i)
            if (before[i] == White)
                form.Ylabel_Click(i);
        QCOMPARE(States(form), before);
        int n = 0;
        draw = [&](long upper) {
            [&] { QCOMPARE(upper, 1L); }();
            return draws.value(n++);
        };
        form.Fmenu_Click(0);
        QCOMPARE(n, 12);
        QCOMPARE(States(form), after);
    }

    // "&Cheat" shows all twelve; unchecking it shuffles.
    void cheatShowsAllThenShuffles_data()
    {
        QTest::addColumn<bool>("yacht");
        QTest::addColumn<bool>("throughMenu");
        QTest::addRow("yacht-menu") << true << true;
        QTest::addRow("sail-handler") << false << false;
    }
    void cheatShowsAllThenShuffles()
    {
        QFETCH(bool, yacht);
        QFETCH(bool, throughMenu);
        LabelledPictureForm &form = Open(yacht);
        auto cheat = [&] {
            if (throughMenu)
                form.Fmenu[1]->trigger();
            else
                form.Fmenu_Click(1);
        };
        cheat();
        QVERIFY(form.Fmenu[1]->isChecked());
        QCOMPARE(States(form), QList<long>(12, White));
        int n = 0;
        draw = [&](long) { return long(n++ % 2); };
        cheat();
        QVERIFY(!form.Fmenu[1]->isChecked());
        for (int i = 0; i < 12; ++i)
            QCOMPARE(form.LabelBackColor(i), i % 2 ? Black : White);
    }

    // "&Sails" opens the sails with every label hidden; the yacht is as it
    // was when they close.
    void sailsOpenHiddenFromTheYacht()
    {
        YachtForm &yacht = FormInstance<YachtForm>();
        yacht.Load();
        yacht.show();
        yacht.Fmenu_Click(1);
        yacht.Ylabel_Click(3);
        const QList<long> before = States(yacht);
        QList<long> sailStates;
        QString caption;
        Form::SetModalHook([&](Form &shown) {
            caption = shown.windowTitle();
            auto &sail = static_cast<LabelledPictureForm &>(shown);
            sailStates = States(sail);
            sail.Ylabel_Click(0);
            sail.Fmenu[2]->trigger();
        });
        yacht.Fmenu[2]->trigger();
        QCOMPARE(caption, QString("Parts Of Sail"));
        QCOMPARE(sailStates, QList<long>(12, Black));
        QVERIFY(yacht.IsLoaded());
        QCOMPARE(States(yacht), before);
        QVERIFY(yacht.Fmenu[1]->isChecked());
    }

    // "&Quit" closes; the next opening has every label hidden and "&Cheat"
    // unchecked again.
    void quitForgetsTheLabels_data()
    {
        QTest::addColumn<bool>("yacht");
        QTest::addRow("yacht") << true;
        QTest::addRow("sail") << false;
    }
    void quitForgetsTheLabels()
    {
        QFETCH(bool, yacht);
        LabelledPictureForm &form = Open(yacht);
        form.Fmenu_Click(1);
        form.Fmenu.last()->trigger();
        QVERIFY(!form.IsLoaded());
        LabelledPictureForm &again = Open(yacht);
        QCOMPARE(States(again), QList<long>(12, Black));
        QVERIFY(!again.Fmenu[1]->isChecked());
    }

    // The chart stands centred: (6630 - 6375) / 2 = 127.5 twips, 8.5 pixels,
    // to the even 8; (5820 - 5460) / 2 = 180 from the top.
    void symbolsChartIsCentred()
    {
        SymbolForm &form = FormInstance<SymbolForm>();
        form.Load();
        form.show();
        QCOMPARE(form.windowTitle(), QString("Symbols"));
        QCOMPARE(form.FileMenu->title(), QString("&File"));
        QCOMPARE(form.Fmenu[0]->text(), QString("&Quit"));
        const QLabel &chart = *form.Simage;
        QCOMPARE(QRect(ControlLeft(chart), ControlTop(chart), ControlWidth(chart), ControlHeight(chart)),
                 QRect(120, 180, 6375, 5460));
        QCOMPARE(chart.pixmap().size(), QSize(425, 364));
        form.Fmenu[0]->trigger();
        QVERIFY(!form.IsLoaded());
    }

    // Ten rows, each with its letter, its name and its symbol: ink in the
    // letter, name and symbol columns of every row.
    void symbolsChartHasTenRows()
    {
        SymbolForm &form = FormInstance<SymbolForm>();
        form.Load();
        const QImage chart = form.Simage->pixmap().toImage();
        for (int row = 0; row < 10; ++row) {
            const int top = 12 + 34 * row + 6;
            QVERIFY2(InkNear(chart, QRect(30, top, 30, 22)), qPrintable(QString("letter %1").arg(row)));
            QVERIFY2(InkNear(chart, QRect(95, top, 60, 22)), qPrintable(QString("name %1").arg(row)));
            QVERIFY2(InkNear(chart, QRect(340, top, 34, 22)), qPrintable(QString("symbol %1").arg(row)));
        }
    }

private:
    LabelledPictureForm &Open(bool yacht)
    {
        LabelledPictureForm &form = yacht ? static_cast<LabelledPictureForm &>(FormInstance<YachtForm>())
                                          : static_cast<LabelledPictureForm &>(FormInstance<SailForm>());
        form.Load();
        form.show();
        return form;
    }

    static QList<long> States(const LabelledPictureForm &form)
    {
        QList<long> states;
        for (int i = 0; i < 12; ++i)
            states << form.LabelBackColor(i);
        return states;
    }

    std::function<long(long)> draw;
};

QTEST_MAIN(TestLabelledPictures)
#include "tst_labelledpictures.moc"
