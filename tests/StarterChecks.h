#pragma once

// Checks that hold for the starter pictures of every topic: what a learner
// is shown decides the answer, no wrong choice is also right, and every link
// of a new database leads to a stored picture and back. Each check returns
// the faults it finds in words, none when the pictures are sound.
//
// The pictures are a topic's starter records as its reader gives them: each
// with `record`, `text` (the answer) and `alternatives` (the wrong choices,
// by record).

#include "StarterFixture.h"

#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <set>
#include <tuple>

// Pictures that `drawn` finds alike (what the learner is shown and hears,
// with the further text) but that have different answers: the learner could
// never tell which answer is meant.
template <class Picture, class Drawn>
QStringList AlikeButAnsweredApart(const std::vector<Picture> &pictures, Drawn drawn)
{
    QStringList faults;
    std::map<QString, const Picture *> first;
    for (const Picture &p : pictures) {
        const auto [seen, fresh] = first.emplace(drawn(p), &p);
        if (!fresh && seen->second->text != p.text)
            faults
                << QStringLiteral("%1 and %2 are drawn alike but answer apart").arg(seen->second->record).arg(p.record);
    }
    return faults;
}

// Calls visit(picture, offered, number) for every wrong choice of every
// picture; `offered` is null where the number names no picture.
template <class Picture, class Visit> void ForEachOffer(const std::vector<Picture> &pictures, Visit visit)
{
    std::map<long, const Picture *> byRecord;
    for (const Picture &p : pictures)
        byRecord[p.record] = &p;
    for (const Picture &p : pictures) {
        for (long number : p.alternatives) {
            const auto offered = byRecord.find(number);
            visit(p, offered == byRecord.end() ? nullptr : offered->second, number);
        }
    }
}

// Wrong choices that name no picture of the file, or whose answer is the
// picture's own text.
template <class Picture> QStringList OwnAnswersOffered(const std::vector<Picture> &pictures)
{
    QStringList faults;
    ForEachOffer(pictures, [&](const Picture &p, const Picture *offered, long number) {
        if (!offered)
            faults << QStringLiteral("%1 offers %2, which is no picture").arg(p.record).arg(number);
        else if (offered->text == p.text)
            faults << QStringLiteral("%1 offers %2, whose answer is its own").arg(p.record).arg(number);
    });
    return faults;
}

// Wrong choices whose answer `alsoTrue(picture, offered)` finds true of the
// picture as well, as far as a topic can tell that from what is drawn.
template <class Picture, class AlsoTrue>
QStringList TrueAnswersOffered(const std::vector<Picture> &pictures, AlsoTrue alsoTrue)
{
    QStringList faults;
    ForEachOffer(pictures, [&](const Picture &p, const Picture *offered, long number) {
        if (offered && alsoTrue(p, *offered))
            faults << QStringLiteral("%1 offers %2, true of it too: %3").arg(p.record).arg(number).arg(offered->text);
    });
    return faults;
}

// Whether `part` is contained in `whole`, each entry counted as often as it occurs.
inline bool ContainsAll(QStringList whole, const QStringList &part)
{
    for (const QString &entry : part)
        if (!whole.removeOne(entry))
            return false;
    return true;
}

// Links from or to a picture of topic `topic` (a topic code) that join a
// topic to itself, lead to no stored picture or have no way back.
inline QStringList LinkFaults(Database &db, int topic)
{
    static const QStringList heads{"LIGHTHEAD", "SHAPEHEAD", "BUOYHEAD", "SOUNDHEAD", "COLHEAD"};
    using Link = std::tuple<long, long, long, long>;
    std::set<Link> links;
    Recordset rows =
        db.OpenQuery(QStringLiteral("Select * From LINKS Where TYPEONE = ? Or TYPETWO = ?"), {topic, topic});
    while (!rows.Eof()) {
        links.insert({rows.LongValue(QStringLiteral("TYPEONE")), rows.LongValue(QStringLiteral("RECORDONE")),
                      rows.LongValue(QStringLiteral("TYPETWO")), rows.LongValue(QStringLiteral("RECORDTWO"))});
        rows.MoveNext();
    }
    rows.Close();

    auto stored = [&](long type, long record) {
        return type >= 1 && type <= heads.size() &&
               CountRows(db, QStringLiteral("Select Count(*) As N From %1 Where RECORD = ?").arg(heads[type - 1]),
                         {static_cast<qlonglong>(record)}) == 1;
    };
    QStringList faults;
    for (const auto &[typeOne, recordOne, typeTwo, recordTwo] : links) {
        const QString link = QStringLiteral("%1:%2 -> %3:%4").arg(typeOne).arg(recordOne).arg(typeTwo).arg(recordTwo);
        if (typeOne == typeTwo)
            faults << link + QStringLiteral(" joins a topic to itself");
        if (!stored(typeOne, recordOne) || !stored(typeTwo, recordTwo))
            faults << link + QStringLiteral(" leads to no stored picture");
        if (!links.count({typeTwo, recordTwo, typeOne, recordOne}))
            faults << link + QStringLiteral(" has no way back");
    }
    return faults;
}

// LinkFaults of topic `topic` in a new database made from the repository's
// starter folder, or why the database could not be made.
inline QStringList StarterLinkFaults(int topic)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CALVOREN.MDB"));
    const QString failure = MakeStarterDatabase(path);
    if (!failure.isEmpty())
        return {failure};
    auto db = Database::OpenDatabase(path);
    const QStringList faults = LinkFaults(*db, topic);
    db->Close();
    return faults;
}
