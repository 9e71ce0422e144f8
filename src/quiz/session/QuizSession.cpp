#include "quiz/session/QuizSession.h"

#include "core/state/Global.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "quiz/session/LinkServices.h"

#include <memory>

void PictureRenderer::WalkLines(Database &db, const QString &lineTable, long record)
{
    WalkPictureLines(db, lineTable, record, [this](const Recordset &row) { DrawLine(row); });
}

QuizSession::QuizSession(Tables tables) : tables(std::move(tables)) {}

QString QuizSession::Location(const QString &procedure) const { return tables.formName + ':' + procedure; }

void QuizSession::LoadSeries()
{
    std::vector<long> records;
    Trap(Location(tables.loaderName), [&] {
        auto db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB"));
        records = LinkMode ? ReadLinkedPictures(*db, LinkTypeOne, LinkRecordOne, LinkTypeTwo)
                           : ReadAllPictures(*db, tables.headTable);
        db->Close();
    });
    series.Load(std::move(records));
}

void QuizSession::Shuffle()
{
    series.Shuffle();
    series.ShowFirst();
}

void QuizSession::ReadPicture(PictureRenderer &renderer, const std::function<void(bool found)> &headRead)
{
    const QString location = Location(QStringLiteral("ShowData"));
    std::unique_ptr<Database> db;
    head = PictureHead{};
    if (series.RecordNo() != 0)
        Trap(location, [&] { db = Database::OpenDatabase(AppPath + QStringLiteral("CALVOREN.MDB")); });
    if (db) {
        Trap(location, [&] {
            head = ReadPictureHead(*db, tables.headTable, series.RecordNo(), tables.furtherField,
                                   [&renderer](const Recordset &row) { renderer.ReadHeadFields(row); });
        });
    }
    if (headRead)
        headRead(head.found);
    renderer.Clear();
    if (series.RecordNo() != reportedBadRows)
        reportedBadRows = 0;
    if (db && head.found)
        Trap(location, [&] { renderer.WalkLines(*db, tables.lineTable, series.RecordNo()); });
    if (db)
        IgnoreErrors([&] { db->Close(); });
}

bool QuizSession::ReadLineRow(const std::function<void()> &read)
{
    if (reportedBadRows != 0 && reportedBadRows == series.RecordNo())
        return IgnoreErrors(read);
    if (Trap(Location(QStringLiteral("ShowData")), read))
        return true;
    reportedBadRows = series.RecordNo();
    return false;
}

std::vector<Choice> QuizSession::Choices() const
{
    return OfferedChoices(tables.topicCode, RecordNo(), AnswerText(), Location(QStringLiteral("LoadChoices")));
}

std::vector<long> QuizSession::LinkedTopics() const { return ::LinkedTopics(tables.topicCode, RecordNo()); }
