#include "PermissionsHold.h"
#include "PrintDialogFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

// Printing without a printer: the pages go to a PDF file that never
// replaces an earlier one, a message names the file, and a file that cannot
// be written is a failure the user is told of.
namespace {
QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsPdf(const QString &path) { return Contents(path).startsWith("%PDF"); }
} // namespace

class TestPdfOutput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PrintDialogFixture>();
        QVERIFY(fixture->folder.isValid());
        dir = &fixture->folder;
        ++run;
        UsePdfFolder(dir->path());
        fixture->Document().Dmenu[1]->trigger();
    }
    void cleanup() { fixture.reset(); }

    // The first free name of Norvanta.pdf, Norvanta-2.pdf, ... is written;
    // the files already there keep their contents. A link takes its name
    // whether or not what it points to is there, and is left as it was.
    void neverWritesOverAFile_data()
    {
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<QString>("written");
        QTest::addRow("first-print") << QStringList{} << QStringList{} << "Norvanta.pdf";
        QTest::addRow("earlier-print-kept") << QStringList{"Norvanta.pdf"} << QStringList{} << "Norvanta-2.pdf";
        QTest::addRow("next-number") << QStringList{"Norvanta.pdf", "Norvanta-2.pdf"} << QStringList{}
                                     << "Norvanta-3.pdf";
        QTest::addRow("a-gap-is-filled") << QStringList{"Norvanta.pdf", "Norvanta-3.pdf"} << QStringList{}
                                         << "Norvanta-2.pdf";
        QTest::addRow("dangling-link-passed-over") << QStringList{"Norvanta.pdf"} << QStringList{"Norvanta-2.pdf"}
                                                   << "Norvanta-3.pdf";
        QTest::addRow("dangling-link-first") << QStringList{} << QStringList{"Norvanta.pdf"} << "Norvanta-2.pdf";
    }
    void neverWritesOverAFile()
    {
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, links);
        QFETCH(QString, written);
        for (const QString &name : earlier) {
            QFile file(dir->filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the user's own " + name.toUtf8());
        }
        const QString nowhere = dir->filePath("gone/elsewhere.pdf");
        for (const QString &name : links)
            QVERIFY(QFile::link(nowhere, dir->filePath(name)));
        const bool closed = fixture->Print([](CopyForm &copy) { PrintDialogFixture::Click(copy.Action[0]); });
        QVERIFY2(closed, qPrintable(Prompts()));
        for (const QString &name : earlier)
            QCOMPARE(Contents(dir->filePath(name)), "the user's own " + name.toUtf8());
        for (const QString &name : links) {
            QCOMPARE(QFileInfo(dir->filePath(name)).symLinkTarget(), nowhere);
            QVERIFY(!QFile::exists(nowhere));
        }
        QVERIFY(IsPdf(dir->filePath(written)));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), earlier.size() + 1);
        QCOMPARE(fixture->boxes.size(), size_t(1));
        QCOMPARE(fixture->boxes[0].prompt,
                 "The Document Was Written To " + QDir::toNativeSeparators(dir->filePath(written)));
        QCOMPARE(fixture->boxes[0].style, MsgBoxStyle::Information);
        QCOMPARE(fixture->boxes[0].title, QString("Help"));
    }

    void twoPrintsLeaveTwoFiles()
    {
        for (int i = 0; i < 2; ++i)
            QVERIFY(fixture->Print([](CopyForm &copy) { PrintDialogFixture::Click(copy.Action[0]); }));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{"Norvanta-2.pdf", "Norvanta.pdf"}));
        QVERIFY(IsPdf(dir->filePath("Norvanta.pdf")));
        QVERIFY(IsPdf(dir->filePath("Norvanta-2.pdf")));
        QCOMPARE(fixture->boxes.size(), size_t(2));
        QVERIFY(fixture->boxes[0].prompt.endsWith(QDir::toNativeSeparators(dir->filePath("Norvanta.pdf"))));
        QVERIFY(fixture->boxes[1].prompt.endsWith(QDir::toNativeSeparators(dir->filePath("Norvanta-2.pdf"))));
    }

    // A folder the file cannot go into: one message that says the document
    // was not printed and why, no claim of a file, and the dialog stays
    // open with "&Print" ready for another try.
    void unwritableFolderIsReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addRow("read-only-folder") << "read-only" << "Permission denied";
        QTest::addRow("folder-gone") << "gone" << "No such file or directory";
        QTest::addRow("a-file-in-its-place") << "file" << "Not a directory";
    }
    void unwritableFolderIsReported()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString folder = dir->filePath("Documents");
        // The superuser would write into the read-only folder regardless.
        PermissionsHold asAnyUser;
        QVERIFY(asAnyUser.Holds());
        if (kind == "read-only") {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        } else if (kind == "file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        UsePdfFolder(folder);
        bool printEnabled = false;
        const bool closed = fixture->Print([&](CopyForm &copy) {
            PrintDialogFixture::Click(copy.Action[0]);
            printEnabled = copy.Action[0]->isEnabled();
        });
        QVERIFY(!closed);
        QVERIFY(printEnabled);
        QCOMPARE(fixture->boxes.size(), size_t(1));
        const MsgBoxCall &box = fixture->boxes[0];
        const QString file = QDir::toNativeSeparators(QDir(folder).filePath("Norvanta.pdf"));
        QCOMPARE(box.prompt, "The Document Could Not Be Printed\r\n" + file + " cannot be written: " + reason);
        QCOMPARE(box.style, MsgBoxStyle::Exclamation);
        QCOMPARE(box.title, QString("Help"));
        QVERIFY(!QFile::exists(QDir(folder).filePath("Norvanta.pdf")));
        QVERIFY(!PrinterInUse().JobOpen());
    }

    // A printer the system no longer knows (its print server stopped, or the
    // printer taken away) whether chosen in the list or the default one:
    // one message that it cannot be reached, the dialog open with "&Print"
    // ready for another try, and no file written, not even one named after
    // the printer's location in the program's folder.
    void unreachablePrinterIsReported_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addRow("chosen-in-the-list") << 1;
        QTest::addRow("the-default-printer") << 0;
    }
    void unreachablePrinterIsReported()
    {
        QFETCH(int, entry);
        const QString name = QStringLiteral("Norvanta chart table %1").arg(run);
        const PrinterInfo gone{QStringLiteral("Laser"), name, QStringLiteral("Chart table"),
                               PdfPaper(QPageSize::A4, QPageLayout::Portrait)};
        const PrinterInfo pdf = PdfPrinter(QStringLiteral("PDF file %1").arg(run), dir->filePath("Norvanta.pdf"),
                                           PdfPaper(QPageSize::A4, QPageLayout::Portrait));
        SetPrinters({gone}, entry == 0 ? gone : pdf);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        bool printEnabled = false;
        const bool closed = fixture->Print([&](CopyForm &copy) {
            PrintDialogFixture::ChoosePrinter(copy, entry);
            PrintDialogFixture::Click(copy.Action[0]);
            printEnabled = copy.Action[0]->isEnabled();
        });
        QDir::setCurrent(before);
        QVERIFY2(!closed, qPrintable(Prompts()));
        QVERIFY(printEnabled);
        QCOMPARE(fixture->boxes.size(), size_t(1));
        const MsgBoxCall &box = fixture->boxes[0];
        QCOMPARE(box.prompt, "The Document Could Not Be Printed\r\nThe printer " + name + " cannot be reached");
        QCOMPARE(box.style, MsgBoxStyle::Exclamation);
        QCOMPARE(box.title, QString("Help"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{});
        QVERIFY(!PrinterInUse().JobOpen());
    }

private:
    QString Prompts() const
    {
        QStringList prompts;
        for (const MsgBoxCall &box : fixture->boxes)
            prompts << box.prompt;
        return prompts.join(QLatin1Char('\n'));
    }

    void UsePdfFolder(const QString &folder)
    {
        SetPrinters({}, PdfPrinter(QStringLiteral("PDF file %1 %2").arg(run).arg(folder),
                                   QDir(folder).filePath("Norvanta.pdf"),
                                   PdfPaper(QPageSize::A4, QPageLayout::Portrait)));
    }

    std::unique_ptr<PrintDialogFixture> fixture;
    QTemporaryDir *dir = nullptr;
    int run = 0;
};

QTEST_MAIN(TestPdfOutput)
#include "tst_pdfoutput.moc"
