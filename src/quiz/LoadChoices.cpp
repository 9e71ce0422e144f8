#include "quiz/LoadChoices.h"

#include "core/Global.h"
#include "core/ReportError.h"
#include "data/Database.h"
#include "quiz/AnswerForm.h"
#include "quiz/ChoiceList.h"
#include "quiz/LinkServices.h"
#include "quiz/Shuffle.h"

#include <memory>

std::vector<Choice> ReadOfferedChoices(Database &db, long topicCode, long recordNo, const QString &answerText)
{
    std::vector<Choice> choices;
    Recordset rs = db.OpenRecordset(QStringLiteral("ALTERNATIVES"));
    rs.Index(QStringLiteral("HEADTYPE"));
    rs.Seek(QStringLiteral("="), static_cast<qlonglong>(topicCode), static_cast<qlonglong>(recordNo));
    if (rs.NoMatch()) {
        choices.push_back({answerText, -1});
    } else {
        // The set ends at the first row of another picture or topic.
        while (!rs.Eof() && rs.LongValue(QStringLiteral("TYPE")) == topicCode &&
               rs.LongValue(QStringLiteral("RECORDONE")) == recordNo) {
            const long offered = rs.LongValue(QStringLiteral("RECORDTWO"));
            const int value = rs.BoolValue(QStringLiteral("ANSWER")) ? -1 : 0;
            choices.push_back({ReadPossible(topicCode, offered), value});
            rs.MoveNext();
        }
    }
    rs.Close();
    return choices;
}

std::vector<Choice> OfferedChoices(long topicCode, long recordNo, const QString &answerText, const QString &location)
{
    std::vector<Choice> choices;
    std::unique_ptr<Database> db;
    Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); });
    if (db) {
        Trap(location, [&] { choices = ReadOfferedChoices(*db, topicCode, recordNo, answerText); });
        Trap(location, [&] { db->Close(); });
    }
    if (choices.size() > 1)
        ShuffleEntries(choices);
    return choices;
}

void LoadChoices(ChoiceList &Clist, const std::function<std::vector<Choice>()> &read)
{
    QWidget *window = Clist.window();
    window->setCursor(Qt::WaitCursor);
    Clist.show();
    Clist.clear();
    const std::vector<Choice> choices = read();
    QList<QPair<QString, int>> entries;
    for (const Choice &choice : choices)
        entries.append({choice.text, choice.value});
    Clist.SetChoices(entries);
    window->unsetCursor();
}

void Clist_Click(ChoiceList &Clist, const std::function<void()> &ShowNext)
{
    const int row = Clist.currentRow();
    if (row < 0)
        return;
    Response = static_cast<qint16>(Clist.ItemValue(row));
    ChosenAnswer = Clist.item(row)->text();
    FormInstance<AnswerForm>().ShowModal();
    if (Response != 0 && ShowNext)
        ShowNext();
}
