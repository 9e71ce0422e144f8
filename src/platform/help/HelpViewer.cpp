#include "platform/help/HelpViewer.h"

#include "platform/ask/MsgBox.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
QString &appHelpFile()
{
    static QString file;
    return file;
}

QPointer<HelpWindow> &current()
{
    static QPointer<HelpWindow> window;
    return window;
}

// Pages, pictures and style sheets come out of the help file.
class HelpPage : public QTextBrowser
{
public:
    HelpPage(QHelpEngine *engine, QWidget *parent) : QTextBrowser(parent), engine(engine) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *engine;
};

void closeAll()
{
    if (HelpWindow *window = current().data()) {
        current() = nullptr;
        window->hide();
        window->deleteLater();
    }
}
} // namespace

void SetAppHelpFile(const QString &path) { appHelpFile() = path; }
QString AppHelpFile() { return appHelpFile(); }

HelpWindow *CurrentHelpWindow() { return current().data(); }

HelpWindow *HtmlHelp(QWidget *owner, const QString &helpFile, int command, int data)
{
    if (command == HelpCommand::CloseAll) {
        closeAll();
        return nullptr;
    }
    if (command != HelpCommand::DisplayToc && command != HelpCommand::DisplayIndex &&
        command != HelpCommand::HelpContext)
        return CurrentHelpWindow();

    // A modal window blocks every window but its own: help asked for while one
    // is open must belong to it to be usable.
    if (QWidget *modal = QApplication::activeModalWidget())
        owner = modal;

    HelpWindow *window = current().data();
    if (window && window->HelpFile() != helpFile) {
        closeAll();
        window = nullptr;
    }
    if (!window) {
        window = new HelpWindow(helpFile, owner);
        if (!window->IsValid()) {
            // An empty viewer would say nothing of what is wrong.
            delete window;
            MsgBox(QStringLiteral("The help file %1 is missing or damaged, so help cannot be shown.")
                       .arg(QDir::toNativeSeparators(QFileInfo(helpFile).absoluteFilePath())),
                   MsgBoxStyle::Exclamation, QStringLiteral("Help"));
            return nullptr;
        }
        current() = window;
    } else if (window->parentWidget() != owner) {
        window->setParent(owner, Qt::Window);
    }

    switch (command) {
    case HelpCommand::DisplayToc:
        window->ShowContents();
        break;
    case HelpCommand::DisplayIndex:
        window->ShowIndex();
        break;
    default:
        window->ShowContext(data);
        break;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow::HelpWindow(const QString &helpFile, QWidget *owner)
    : QWidget(owner, Qt::Window), helpFile(helpFile), collectionDir(std::make_unique<QTemporaryDir>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Norvanta Help"));
    resize(820, 560);

    // The help file itself stays untouched: the engine keeps its register of
    // files in a collection of its own, made for this window.
    engine = new QHelpEngine(collectionDir->filePath(QStringLiteral("help.qhc")), this);
    engine->setReadOnly(false);
    valid = collectionDir->isValid() && QFileInfo(helpFile).isReadable() && engine->setupData() &&
            engine->registerDocumentation(helpFile);

    tabs = new QTabWidget;
    contents = new QTreeView;
    contents->setHeaderHidden(true);
    contents->setModel(engine->contentModel());
    tabs->addTab(contents, QStringLiteral("Contents"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(QStringLiteral("Type in the keyword to find:")));
    indexFilter = new QLineEdit;
    indexLayout->addWidget(indexFilter);
    index = new QListView;
    index->setModel(engine->indexModel());
    index->setEditTriggers(QAbstractItemView::NoEditTriggers);
    indexLayout->addWidget(index);
    tabs->addTab(indexPage, QStringLiteral("Index"));

    page = new HelpPage(engine, this);
    page->setOpenLinks(true);

    auto *splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({240, 580});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(contents, &QTreeView::activated, this, [this](const QModelIndex &i) {
        if (QHelpContentItem *item = engine->contentModel()->contentItemAt(i))
            ShowPage(item->url());
    });
    connect(contents, &QTreeView::clicked, contents, &QTreeView::activated);
    connect(indexFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QModelIndex found = engine->indexModel()->filter(text);
        if (found.isValid())
            index->setCurrentIndex(found);
    });
    connect(indexFilter, &QLineEdit::returnPressed, this, [this] {
        if (index->currentIndex().isValid())
            ShowKeyword(index->currentIndex().data().toString());
    });
    connect(index, &QListView::activated, this,
            [this](const QModelIndex &i) { ShowKeyword(i.data().toString()); });
    connect(index, &QListView::clicked, index, &QListView::activated);
    // The contents arrive after the window opens: then the page on show gets
    // its line marked, or the first page comes up.
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        if (page->source().isEmpty()) {
            if (QHelpContentItem *item = engine->contentModel()->contentItemAt(engine->contentModel()->index(0, 0)))
                ShowPage(item->url());
        } else {
            MarkInContents(page->source());
        }
    });
}

HelpWindow::~HelpWindow()
{
    if (current() == this)
        current() = nullptr;
}

void HelpWindow::ShowContents()
{
    tabs->setCurrentIndex(0);
    contents->setFocus();
}

void HelpWindow::ShowIndex()
{
    tabs->setCurrentIndex(1);
    indexFilter->setFocus();
}

void HelpWindow::ShowContext(int helpContext)
{
    const QList<QHelpLink> links = engine->documentsForIdentifier(QString::number(helpContext));
    if (links.isEmpty()) {
        ShowContents();
        return;
    }
    ShowPage(links.first().url);
}

void HelpWindow::ShowKeyword(const QString &keyword)
{
    const QList<QHelpLink> links = engine->documentsForKeyword(keyword);
    if (!links.isEmpty())
        ShowPage(links.first().url);
}

void HelpWindow::ShowPage(const QUrl &url)
{
    page->setSource(url);
    MarkInContents(url);
}

void HelpWindow::MarkInContents(const QUrl &url)
{
    QHelpContentModel *model = engine->contentModel();
    const QUrl wanted = url.adjusted(QUrl::RemoveFragment);
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex i = model->index(row, 0);
        if (QHelpContentItem *item = model->contentItemAt(i); item && item->url() == wanted) {
            contents->setCurrentIndex(i);
            return;
        }
    }
}

QUrl HelpWindow::CurrentPage() const { return page->source(); }
int HelpWindow::CurrentTab() const { return tabs->currentIndex(); }
QString HelpWindow::MarkedTitle() const { return contents->currentIndex().data().toString(); }

QStringList HelpWindow::ContentTitles() const
{
    QStringList titles;
    QHelpContentModel *model = engine->contentModel();
    // Depth first, as the contents list them.
    std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex i = model->index(row, 0, parent);
            titles << i.data().toString();
            walk(i);
        }
    };
    walk(QModelIndex());
    return titles;
}

QStringList HelpWindow::IndexKeywords() const { return engine->indexModel()->stringList(); }

bool HelpWindow::WaitUntilReady(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    // The index is made after the contents: until it has rows it may not have begun.
    while (engine->contentModel()->isCreatingContents() || engine->indexModel()->isCreatingIndex() ||
           engine->contentModel()->rowCount() == 0 || engine->indexModel()->rowCount() == 0) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}
