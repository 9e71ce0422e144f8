#include "ProgramState.h"

#include "platform/graphics/Twips.h"
#include "platform/window/ControlArray.h"
#include "platform/window/Controls.h"
#include "platform/window/PictureBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestControlArray : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        window = new QWidget;
        window->resize(600, 400);
    }

    void cleanup()
    {
        delete window;
        ResetProgramState();
    }

    // Twips place a control on whole pixels, halves to even.
    void controlGeometry_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QRect>("pixels");
        QTest::addRow("whole-pixels") << 150.0 << 300.0 << 1500.0 << 450.0 << QRect(10, 20, 100, 30);
        QTest::addRow("halves-to-even") << 37.5 << 22.5 << 52.5 << 67.5 << QRect(2, 2, 4, 4);
    }

    void controlGeometry()
    {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QRect, pixels);
        QLabel label(window);
        PlaceControl(label, left, top, width, height);
        QCOMPARE(label.geometry(), pixels);
        QCOMPARE(ControlLeft(label), pixels.x() * 15);
        QCOMPARE(ControlTop(label), pixels.y() * 15);
        QCOMPARE(ControlWidth(label), pixels.width() * 15);
        QCOMPARE(ControlHeight(label), pixels.height() * 15);

        MoveControl(label, 0, 0);
        ResizeControl(label, 30, 45);
        QCOMPARE(label.geometry(), QRect(0, 0, 2, 3));
    }

    void tagIsKeptWithControl()
    {
        QLabel label(window);
        QVERIFY(ControlTag(label).isEmpty());
        SetControlTag(label, "7");
        QCOMPARE(ControlTag(label), QString("7"));
    }

    // A loaded label copies element 0 and starts hidden, in front of it.
    void loadCopiesLabel()
    {
        auto *first = new QLabel("Light", window);
        first->setGeometry(10, 20, 100, 30);
        QFont font("DejaVu Sans", 11);
        font.setBold(true);
        first->setFont(font);
        QPalette palette = first->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        first->setPalette(palette);
        first->setAlignment(Qt::AlignCenter);
        first->setToolTip("tip");
        SetControlTag(*first, "12");
        first->show();

        ControlArray<QLabel> labels;
        labels.SetDesigned(0, first);
        QLabel *second = labels.Load(1);

        QVERIFY(second);
        QCOMPARE(labels[1], second);
        QCOMPARE(second->parentWidget(), window);
        QVERIFY(second->isHidden());
        QVERIFY(!first->isHidden());
        QCOMPARE(second->geometry(), first->geometry());
        QCOMPARE(second->font(), first->font());
        QCOMPARE(second->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(second->text(), QString("Light"));
        QCOMPARE(second->alignment(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(second->toolTip(), QString("tip"));
        QCOMPARE(ControlTag(*second), QString("12"));
        QCOMPARE(window->children().last(), second);
    }

    // An image label copies its picture (and the picture is not lost to an
    // empty text).
    void loadCopiesLabelPicture()
    {
        QPixmap picture(16, 8);
        picture.fill(Qt::green);
        auto *first = new QLabel(window);
        first->setPixmap(picture);
        ControlArray<QLabel> images;
        images.SetDesigned(0, first);
        const QImage copied = images.Load(1)->pixmap().toImage();
        QCOMPARE(copied.size(), QSize(16, 8));
        QCOMPARE(QColor(copied.pixel(3, 3)), QColor(Qt::green));
    }

    // A loaded picture box takes element 0's colours and line width but
    // starts blank.
    void loadCopiesPictureBox()
    {
        auto *first = new PictureBox(window);
        first->resize(80, 60);
        first->SetBackColor(16711680);
        first->SetFillColor(255);
        first->SetDrawWidth(2);
        first->SetFillsShapes(false);
        first->PSet(150, 150, 65535);

        ControlArray<PictureBox> pictures;
        pictures.SetDesigned(0, first);
        PictureBox *second = pictures.Load(3);

        QVERIFY(second->isHidden());
        QCOMPARE(second->size(), QSize(80, 60));
        QCOMPARE(second->BackColor(), 16711680L);
        QCOMPARE(second->FillColor(), 255L);
        QCOMPARE(second->DrawWidth(), 2);
        QVERIFY(!second->FillsShapes());
        QCOMPARE(second->PixelColour(10, 10), 16711680L);
        QCOMPARE(pictures.UBound(), 3);
        QCOMPARE(pictures.Count(), 2);
    }

    void loadCopiesButton()
    {
        auto *first = new QPushButton("&Next >", window);
        first->setCheckable(true);
        ControlArray<QPushButton> buttons;
        buttons.SetDesigned(0, first);
        QPushButton *second = buttons.Load(1);
        QCOMPARE(second->text(), QString("&Next >"));
        QVERIFY(second->isCheckable());
        QVERIFY(second->isHidden());
    }

    // Unloading destroys a loaded element; designed ones stay, and loading
    // an index that exists changes nothing.
    void unloadRemoves()
    {
        ControlArray<QLabel> labels;
        labels.SetDesigned(0, new QLabel("a", window));
        labels.SetDesigned(1, new QLabel("b", window));
        QLabel *loaded = labels.Load(2);
        QPointer<QLabel> watch(loaded);
        QCOMPARE(labels.Load(2), loaded);
        QCOMPARE(labels.Load(1)->text(), QString("b"));
        QCOMPARE(labels.Count(), 3);

        labels.Unload(2);
        QVERIFY(watch.isNull());
        QVERIFY(!labels.Exists(2));
        QCOMPARE(labels[2], nullptr);
        QCOMPARE(labels.Count(), 2);
        QCOMPARE(labels.UBound(), 1);

        labels.Unload(1);
        labels.Unload(7);
        QVERIFY(labels.Exists(1));
        QCOMPARE(labels.Count(), 2);

        // Unloaded indexes can be loaded again.
        QVERIFY(labels.Load(2));
        QCOMPARE(labels.UBound(), 2);
    }

    // Without element 0 there is nothing to copy.
    void loadWithoutFirstElement()
    {
        ControlArray<QLabel> labels;
        QCOMPARE(labels.Load(1), nullptr);
        QCOMPARE(labels.Count(), 0);
        QCOMPARE(labels.UBound(), -1);
    }

    // Elements destroyed with their window drop out of the array.
    void elementsGoWithTheirWindow()
    {
        ControlArray<QLabel> labels;
        labels.SetDesigned(0, new QLabel(window));
        labels.Load(1);
        QCOMPARE(labels.Count(), 2);
        delete window;
        window = nullptr;
        QCOMPARE(labels.Count(), 0);
        QCOMPARE(labels[0], nullptr);
        QCOMPARE(labels.UBound(), -1);
        QCOMPARE(labels.Load(1), nullptr);
    }

private:
    QWidget *window = nullptr;
};

QTEST_MAIN(TestControlArray)
#include "tst_controlarray.moc"
