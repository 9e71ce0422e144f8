#include "mainwindow/MenuForm.h"

#include "ProgramState.h"
#include "TestDatabase.h"
#include "core/AboutForm.h"
#include "core/Main.h"
#include "core/state/Global.h"
#include "documents/DocumentForm.h"
#include "platform/ask/MsgBox.h"
#include "platform/graphics/Twips.h"
#include "platform/help/HelpViewer.h"
#include "platform/print/Printer.h"
#include "platform/window/Form.h"
#include "printing/CopyForm.h"
#include "printing/FormatDate.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The documents window opened from the main window's "Documents" icon
// prints through the print dialog the program hands it at start-up.
class TestDocumentPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Twips::SetTwipsPerPixel(15, 15);
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        AppPath = MakeTestDatabase(dir->path());
        SetAppHelpFile(dir->filePath(QStringLiteral("NORVANTA.CHM")));
        SetMsgBoxHandler([](const MsgBoxCall &) { return MsgBoxAnswer::Ok; });
        SetEndHandler([](int) {});
        SetDateSource([] { return QDate(2004, 3, 5); });
        const PrinterInfo pdf{"PDF", "Test PDF", "FILE:",
                              QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5)),
                              true};
        SetPrinters({}, pdf);
        PrinterInUse().SetOutput([this](const PrintJob &job) { jobs.push_back(job); });
        FormInstance<AboutForm>().SplashShown = true;
        form = std::make_unique<MenuForm>();
    }
    void cleanup()
    {
        form.reset();
        ResetProgramState();
        PrinterInUse().SetOutput({});
        dir.reset();
    }

    void printTheLogFromTheMainWindow()
    {
        long mode = 0;
        Form::SetModalHook([&](Form &f) {
            auto *document = qobject_cast<DocumentForm *>(&f);
            QVERIFY(document);
            document->Dmenu[1]->trigger();
            document->Dgrid[1]->SetTextMatrix(1, 1, QStringLiteral("Reefed off Cowes"));
            CopyForm &copy = FormInstance<CopyForm>();
            QTimer::singleShot(0, &copy, [&copy, &mode] {
                mode = copy.PrintMode;
                QTest::mouseClick(copy.Action[0], Qt::LeftButton);
            });
            document->Fmenu[0]->trigger();
            document->Unload();
        });
        QTest::mouseClick(form->Simage[9], Qt::LeftButton, Qt::NoModifier, QPoint(17, 17));
        QCOMPARE(mode, 3L);
        QCOMPARE(jobs.size(), size_t(1));
        QStringList texts;
        for (const PrintItem &item : jobs[0].pages[0])
            texts << item.text;
        QVERIFY(texts.contains("Passage Log [Printed On 05/03/2004]"));
        QVERIFY(texts.contains("Reefed off Cowes"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MenuForm> form;
    std::vector<PrintJob> jobs;
};

QTEST_MAIN(TestDocumentPrinting)
#include "tst_documentprinting.moc"
