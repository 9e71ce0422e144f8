#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QHelpEngine;
class QLineEdit;
class QListView;
class QTabWidget;
class QTemporaryDir;
class QTextBrowser;
class QTreeView;

// The help viewer: shows the program's compiled help file (a Qt compressed
// help file) with its table of contents, its index and its pages.
namespace HelpCommand {
constexpr int DisplayToc = 1;    // the table of contents
constexpr int DisplayIndex = 2;  // the index
constexpr int HelpContext = 15;  // the topic of a help context number, given as data
constexpr int CloseAll = 18;     // close every help window
} // namespace HelpCommand

// The application's help file, set at start-up and read by whoever opens help.
void SetAppHelpFile(const QString &path);
QString AppHelpFile();

// Carries out a help command on helpFile; data is the help context number for
// HelpContext and 0 otherwise. The help window belongs to owner (or, while a
// modal window is open, to that window, so that it can be used) and closes
// with it. A help file that is missing or cannot be read is named in a
// message and no window opens. Returns the help window, or null when there is
// none afterwards.
class HelpWindow;
HelpWindow *HtmlHelp(QWidget *owner, const QString &helpFile, int command, int data);

// The help window now open, or null.
HelpWindow *CurrentHelpWindow();

// A help window: contents and index on the left, the page on the right.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &helpFile, QWidget *owner);
    ~HelpWindow() override;

    // False when the help file could not be read.
    bool IsValid() const { return valid; }
    const QString &HelpFile() const { return helpFile; }

    void ShowContents();
    void ShowIndex();
    // Shows the topic of a help context number; an unknown number shows the contents.
    void ShowContext(int helpContext);

    // What the window shows, for tests: the page's address, the tab in front
    // (0 contents, 1 index), the contents titles in order, the title marked in
    // the contents and the index keywords.
    QUrl CurrentPage() const;
    QString MarkedTitle() const;
    int CurrentTab() const;
    QStringList ContentTitles() const;
    QStringList IndexKeywords() const;
    // Waits until contents and index have been read from the file.
    bool WaitUntilReady(int timeoutMs = 10000) const;
    // The engine behind the window (tests look up topics with it).
    QHelpEngine *Engine() const { return engine; }

    void ShowPage(const QUrl &url);

private:
    void ShowKeyword(const QString &keyword);
    void MarkInContents(const QUrl &url);

    const QString helpFile;
    std::unique_ptr<QTemporaryDir> collectionDir;
    QHelpEngine *engine = nullptr;
    bool valid = false;
    QTabWidget *tabs = nullptr;
    QTreeView *contents = nullptr;
    QLineEdit *indexFilter = nullptr;
    QListView *index = nullptr;
    QTextBrowser *page = nullptr;
};
