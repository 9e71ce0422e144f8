#include "quiz/session/LinkServices.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "quiz/session/TopicRegistry.h"
#include "quiz/session/Topics.h"

#include <QAction>

#include <algorithm>
#include <memory>

namespace {
std::unique_ptr<Database> OpenProgramDatabase()
{
    return Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB"));
}
} // namespace

QString ReadPossible(long Kind, long ChoiceRecord)
{
    const QString location = QStringLiteral("Mainmod:ReadPossible");
    QString result = QStringLiteral("Answer Not Found");
    std::unique_ptr<Database> db;
    Trap(location, [&] { db = OpenProgramDatabase(); });
    if (!db)
        return result;
    Trap(location, [&] {
        Recordset rs = db->OpenRecordset(Topics::HeadTable(Kind));
        rs.Index(QStringLiteral("PRIMARY"));
        rs.Seek(QStringLiteral("="), static_cast<qlonglong>(ChoiceRecord));
        // No such picture is no error: it was deleted after its alternatives
        // were saved.
        if (!rs.NoMatch())
            result = rs.TextValue(QStringLiteral("TEXT"));
        rs.Close();
    });
    IgnoreErrors([&] { db->Close(); });
    return result;
}

std::vector<long> LinkedTopics(long TypeOne, long RecordOne)
{
    std::vector<long> topics;
    const QString location = QStringLiteral("Mainmod:WhatLink");
    std::unique_ptr<Database> db;
    Trap(location, [&] { db = OpenProgramDatabase(); });
    if (!db)
        return topics;
    Trap(location, [&] {
        Recordset rs =
            db->OpenQuery(QStringLiteral("Select Distinct TYPETWO From LINKS Where TYPEONE = ? And RECORDONE = ?"),
                          {static_cast<qlonglong>(TypeOne), static_cast<qlonglong>(RecordOne)});
        while (!rs.Eof()) {
            const long topic = rs.LongValue(QStringLiteral("TYPETWO"));
            // A quiz window exists once: it is never offered as its own link.
            if (topic != TypeOne)
                topics.push_back(topic);
            rs.MoveNext();
        }
        rs.Close();
    });
    IgnoreErrors([&] { db->Close(); });
    return topics;
}

void WhatLink(const QList<QAction *> &Lmenu, const std::vector<long> &topics)
{
    for (int j = 0; j < Lmenu.size(); ++j)
        if (Lmenu[j])
            Lmenu[j]->setEnabled(std::find(topics.begin(), topics.end(), j + 1) != topics.end());
}

void ShowLink(long TypeTwo, long TypeOne, long RecordOne)
{
    LinkMode = true;
    LinkTypeTwo = static_cast<qint16>(TypeTwo);
    LinkTypeOne = static_cast<qint16>(TypeOne);
    LinkRecordOne = RecordOne;
    // A window that never opened cannot end link mode itself.
    if (!TopicRegistry::ShowQuiz(TypeTwo))
        LinkMode = false;
}
