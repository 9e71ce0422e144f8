// A sound signal without a window: its rows read back in display order, the
// steps that present them in each sound mode, and the tags the editor keeps.

#include "SoundPictures.h"
#include "StarterFixture.h"

#include "data/Database.h"
#include "quiz/session/ListRows.h"
#include "sounds/plan/SignalPlan.h"
#include "sounds/plan/SoundRows.h"
#include "sounds/plan/SoundTags.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
std::vector<SoundRow> readRows(PictureFixture &fixture, long record, double scale)
{
    std::vector<SoundRow> rows;
    auto db = fixture.Open();
    WalkSoundRows(*db, record, [&](const Recordset &row) { rows.push_back(ReadSoundRow(row, scale)); });
    db->Close();
    return rows;
}

QString describe(const SoundRow &r)
{
    return r.IsPicture() ? QString("vessel %1 at %2,%3 size %4").arg(r.kind).arg(r.x).arg(r.y).arg(r.size)
                         : QString("sound %1 %2s x%3").arg(r.kind).arg(r.duration).arg(r.number);
}

// One line per step, so a whole presentation compares as a list.
QStringList describe(const SignalPlan &plan)
{
    QStringList lines;
    for (const SignalStep &s : plan.steps) {
        switch (s.kind) {
        case SignalStep::Kind::Vessel:
            lines << QString("vessel %1").arg(s.row.kind);
            break;
        case SignalStep::Kind::Bar:
            lines << QString("bar %1-%2 %3").arg(s.x1).arg(s.x2).arg(s.colour, 6, 16, QChar('0'));
            break;
        case SignalStep::Kind::Play:
            lines << QString("%1 %2").arg(s.multimedia ? "mm" : "card", s.file);
            break;
        case SignalStep::Kind::Wait:
            lines << QString("wait %1").arg(s.seconds);
            break;
        case SignalStep::Kind::Cycle:
            lines << QString("cycle %1").arg(s.interval);
            break;
        }
    }
    return lines;
}

SoundRow soundRow(long kind, long duration, long number)
{
    SoundRow r;
    r.kind = kind;
    r.duration = duration;
    r.number = number;
    return r;
}

SoundRow vesselRow(long kind, long size)
{
    SoundRow r;
    r.kind = kind;
    r.size = size;
    r.x = 3000;
    r.y = 1500;
    return r;
}

using Rows = std::vector<SoundRow>;
} // namespace

Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(StoredSoundLine)
Q_DECLARE_METATYPE(std::vector<StoredSoundLine>)

class TestSoundSignal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<PictureFixture>();
        QVERIFY(fixture->Create());
    }
    void cleanup() { fixture.reset(); }

    // Vessels first, larger before smaller, equal sizes and then the sounds
    // in the order they were added.
    void displayOrder_data()
    {
        QTest::addColumn<std::vector<StoredSoundLine>>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("sounds-alone-in-adding-order")
            << std::vector<StoredSoundLine>{Sound(4, 5, 1), Sound(1, 1, 2), Sound(6, 10, 1)}
            << QStringList{"sound 4 5s x1", "sound 1 1s x2", "sound 6 10s x1"};
        QTest::addRow("larger-vessel-first-then-equal-sizes-as-added")
            << std::vector<StoredSoundLine>{Vessel(1000, 500, 120, 1), Vessel(2000, 600, 150, 2),
                                            Vessel(3000, 700, 120, 3), Sound(5, 1, 1)}
            << QStringList{"vessel 2 at 2000,600 size 150", "vessel 1 at 1000,500 size 120",
                           "vessel 3 at 3000,700 size 120", "sound 5 1s x1"};
        QTest::addRow("sound-added-before-vessel-still-after-it")
            << std::vector<StoredSoundLine>{Sound(7, 120, 1), Vessel(2320, 1940, 80, 6)}
            << QStringList{"vessel 6 at 2320,1940 size 80", "sound 7 120s x1"};
    }
    void displayOrder()
    {
        QFETCH(std::vector<StoredSoundLine>, lines);
        QFETCH(QStringList, expected);
        const long other = AddSignal(*fixture, "h", "other", "e", {Sound(2, 1, 1)});
        const long record = AddSignal(*fixture, "h", "t", "e", lines);
        AddSoundLines(*fixture, other, {Vessel(10, 10, 150, 4)});
        QStringList got;
        for (const SoundRow &r : readRows(*fixture, record, 1.0))
            got << describe(r);
        QCOMPARE(got, expected);
    }

    // Positions and sizes are scaled, then every number is taken to the
    // nearest whole number, halves to even.
    void readsWholeScaledNumbers_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<StoredSoundLine>("line");
        QTest::addColumn<QString>("expected");
        QTest::addRow("design-scale") << 1.0 << Vessel(2320, 1940, 120, 6) << "vessel 6 at 2320,1940 size 120";
        QTest::addRow("half-scale-halves-to-even") << 0.5 << Vessel(5, 7, 150, 2) << "vessel 2 at 2,4 size 75";
        QTest::addRow("kind-and-seconds-halves-to-even")
            << 1.0 << StoredSoundLine{0, 0, 0, 2.5, 1, 4.5, 1.5} << "sound 2 4s x2";
        // A size that scales to nothing reads as a sound row.
        QTest::addRow("tiny-size-is-a-sound-row")
            << 1.0 << StoredSoundLine{100, 100, 0.4, 3, 1, 2, 1} << "sound 3 2s x1";
    }
    void readsWholeScaledNumbers()
    {
        QFETCH(double, scale);
        QFETCH(StoredSoundLine, line);
        QFETCH(QString, expected);
        const long record = AddSignal(*fixture, "h", "t", "e");
        AddSoundLines(*fixture, record, {line});
        const Rows rows = readRows(*fixture, record, scale);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(describe(rows[0]), expected);
    }

    // A sound row without its repetitions cannot be read; a vessel row's
    // unwritten fields are never looked at.
    void nullSoundFieldsAreAnError()
    {
        const long record = AddSignal(*fixture, "h", "t", "e");
        AddSoundLines(*fixture, record, {StoredSoundLine{0, 0, 0, 1, 1, 5, QVariant()}});
        try {
            readRows(*fixture, record, 1.0);
            QFAIL("a Null NUMBER was read");
        } catch (const DbError &e) {
            QCOMPARE(e.Number(), DbError::InvalidUseOfNull);
        }
        const long vessel = AddSignal(*fixture, "h", "t", "e", {Vessel(100, 100, 80, 1)});
        QCOMPARE(readRows(*fixture, vessel, 1.0).size(), size_t(1));
    }

    // Deleting a signal from the item list leaves none of its rows.
    void deletedSignalLeavesNoRows()
    {
        const long keep = AddSignal(*fixture, "h", "keep", "e", {Sound(1, 1, 1)});
        const long gone = AddSignal(*fixture, "h", "gone", "e", {Vessel(100, 100, 150, 1), Sound(2, 1, 1)});
        auto db = fixture->Open();
        DeletePicture(*db, 4, gone);
        Recordset head = db->OpenQuery("Select * From SOUNDHEAD Where RECORD = ?", {qlonglong(gone)});
        QVERIFY(head.Eof());
        head.Close();
        db->Close();
        QCOMPARE(readRows(*fixture, gone, 1.0).size(), size_t(0));
        QCOMPARE(readRows(*fixture, keep, 1.0).size(), size_t(1));
    }

    // The names, colours and files of the sound kinds; the five-second horn
    // and whistle have their own files.
    void soundKinds_data()
    {
        QTest::addColumn<long>("kind");
        QTest::addColumn<long>("duration");
        QTest::addColumn<QString>("name");
        QTest::addColumn<long>("colour");
        QTest::addColumn<QString>("file");
        QTest::addRow("horn-1s") << 1L << 1L << "Horn" << 0x800000L << "HORN1.WAV";
        QTest::addRow("horn-2s") << 1L << 2L << "Horn" << 0x800000L << "HORN1.WAV";
        QTest::addRow("horn-5s") << 1L << 5L << "Horn" << 0x800000L << "HORN5.WAV";
        QTest::addRow("horn-10s") << 1L << 10L << "Horn" << 0x800000L << "HORN1.WAV";
        QTest::addRow("bell-stroke") << 2L << 5L << "Bell" << 0x008000L << "BELL1.WAV";
        QTest::addRow("bell-rapid") << 3L << 5L << "Rapid Bell" << 0x808000L << "BELLRAP.WAV";
        QTest::addRow("gong") << 4L << 5L << "Gong" << 0x000080L << "GONG.WAV";
        QTest::addRow("whistle-5s") << 5L << 5L << "Whistle" << 0x800080L << "WHISTLE5.WAV";
        QTest::addRow("whistle-1s") << 5L << 1L << "Whistle" << 0x800080L << "WHISTLE1.WAV";
        QTest::addRow("silence") << 6L << 5L << "" << -1L << "";
        QTest::addRow("cycle") << 7L << 5L << "" << -1L << "";
        QTest::addRow("no-kind") << 0L << 5L << "" << -1L << "";
    }
    void soundKinds()
    {
        QFETCH(long, kind);
        QFETCH(long, duration);
        QFETCH(QString, name);
        QFETCH(long, colour);
        QFETCH(QString, file);
        QCOMPARE(SignalName(kind), name);
        QCOMPARE(BarColour(kind), colour);
        QCOMPARE(SoundFileName(kind, duration), file);
    }

    // The steps of a presentation at scale 1 on a 6000-twip picture: a second
    // of sound is 120 twips of bar, and every bar is followed by a gap of 120.
    void plan_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");

        const Rows hornTwiceWhistle{soundRow(1, 5, 2), soundRow(5, 1, 1)};
        const QStringList bars{"bar 1-600 800000",   "bar 601-720 c0c0c0",  "bar 721-1320 800000",
                               "bar 1321-1440 c0c0c0"};
        const QStringList whistleBar{"bar 1441-1560 800080", "bar 1561-1680 c0c0c0"};
        const QString text = " Horn Horn,  Whistle";
        QTest::addRow("card-and-graphics-draws-each-row-before-it-sounds")
            << hornTwiceWhistle << 3
            << bars + QStringList{"card /p/HORN5.WAV", "wait 5", "card /p/HORN5.WAV", "wait 5"} + whistleBar
                   + QStringList{"card /p/WHISTLE1.WAV", "wait 1"}
            << text;
        QTest::addRow("sound-card-alone")
            << hornTwiceWhistle << 0
            << QStringList{"card /p/HORN5.WAV", "wait 5", "card /p/HORN5.WAV", "wait 5", "card /p/WHISTLE1.WAV",
                           "wait 1"}
            << "";
        QTest::addRow("graphics-alone") << hornTwiceWhistle << 1 << bars + whistleBar << text;
        QTest::addRow("multimedia-alone")
            << hornTwiceWhistle << 2
            << QStringList{"mm /p/HORN5.WAV", "wait 5", "mm /p/HORN5.WAV", "wait 5", "mm /p/WHISTLE1.WAV", "wait 1"}
            << "";
        QTest::addRow("multimedia-and-graphics")
            << hornTwiceWhistle << 4
            << bars + QStringList{"mm /p/HORN5.WAV", "wait 5", "mm /p/HORN5.WAV", "wait 5"} + whistleBar
                   + QStringList{"mm /p/WHISTLE1.WAV", "wait 1"}
            << text;
        QTest::addRow("short-horn-waits-its-seconds-after-each-blast")
            << Rows{soundRow(1, 2, 3)} << 0
            << QStringList{"card /p/HORN1.WAV", "wait 2", "card /p/HORN1.WAV", "wait 2", "card /p/HORN1.WAV",
                           "wait 2"}
            << "";
        // A sound row straight after another starts once the other's last
        // sound has had its seconds, and so does the pause after the signal.
        QTest::addRow("prolonged-then-two-short-blasts")
            << Rows{soundRow(1, 5, 1), soundRow(1, 2, 2)} << 0
            << QStringList{"card /p/HORN5.WAV", "wait 5", "card /p/HORN1.WAV", "wait 2", "card /p/HORN1.WAV", "wait 2"}
            << "";
        QTest::addRow("rapid-bell-then-gong")
            << Rows{soundRow(3, 5, 1), soundRow(4, 5, 1)} << 2
            << QStringList{"mm /p/BELLRAP.WAV", "wait 5", "mm /p/GONG.WAV", "wait 5"} << "";
        // A silence is a pause after the sound before it, as the bars show it.
        QTest::addRow("silence-after-a-sound-follows-its-seconds")
            << Rows{soundRow(1, 2, 1), soundRow(6, 3, 1), soundRow(5, 1, 1)} << 0
            << QStringList{"card /p/HORN1.WAV", "wait 2", "wait 3", "card /p/WHISTLE1.WAV", "wait 1"} << "";
        QTest::addRow("two-prolonged-blasts-two-seconds-apart")
            << Rows{soundRow(1, 5, 1), soundRow(6, 2, 1), soundRow(1, 5, 1)} << 2
            << QStringList{"mm /p/HORN5.WAV", "wait 5", "wait 2", "mm /p/HORN5.WAV", "wait 5"} << "";
        // The cycle is counted from the signal's start, wherever its row is.
        QTest::addRow("cycle-after-a-sound-starts-with-the-signal")
            << Rows{soundRow(4, 5, 1), soundRow(7, 30, 1)} << 0
            << QStringList{"cycle 3000", "card /p/GONG.WAV", "wait 5"} << "";
        QTest::addRow("cycle-before-the-vessels")
            << Rows{vesselRow(1, 150), soundRow(1, 5, 1), soundRow(7, 60, 1)} << 0
            << QStringList{"cycle 6000", "vessel 1", "card /p/HORN5.WAV", "wait 5"} << "";
        QTest::addRow("silence-waits-once")
            << Rows{soundRow(6, 10, 3)} << 0 << QStringList{"wait 10"} << "";
        QTest::addRow("silence-in-graphics-does-nothing") << Rows{soundRow(6, 10, 3)} << 1 << QStringList{} << "";
        QTest::addRow("cycle-sound-mode") << Rows{soundRow(7, 120, 1)} << 0 << QStringList{"cycle 12000"} << "";
        QTest::addRow("cycle-graphics-mode") << Rows{soundRow(7, 120, 1)} << 1 << QStringList{"cycle 12000"} << "";
        QTest::addRow("cycle-both-parts-once") << Rows{soundRow(7, 60, 1)} << 4 << QStringList{"cycle 6000"} << "";
        QTest::addRow("last-cycle-row-counts")
            << Rows{soundRow(7, 60, 1), soundRow(2, 1, 1), soundRow(7, 30, 1)} << 0
            << QStringList{"cycle 3000", "card /p/BELL1.WAV", "wait 1"} << "";
        // A cycle of no seconds never comes round.
        QTest::addRow("cycle-of-0-seconds-none") << Rows{soundRow(7, 0, 1)} << 0 << QStringList{} << "";
        QTest::addRow("kind-0-acts-as-cycle") << Rows{soundRow(0, 30, 1)} << 0 << QStringList{"cycle 3000"} << "";
        QTest::addRow("kind-9-acts-as-cycle") << Rows{soundRow(9, 2, 1)} << 1 << QStringList{"cycle 200"} << "";
        QTest::addRow("gaps-white-behind-a-vessel")
            << Rows{vesselRow(2, 150), soundRow(4, 1, 1)} << 1
            << QStringList{"vessel 2", "bar 1-120 000080", "bar 121-240 ffffff"} << " Gong";
        QTest::addRow("vessels-without-sounds")
            << Rows{vesselRow(1, 150), vesselRow(6, 80)} << 3 << QStringList{"vessel 1", "vessel 6"} << "";
        QTest::addRow("unknown-mode-only-draws-vessels")
            << Rows{vesselRow(3, 120), soundRow(1, 5, 1), soundRow(7, 10, 1)} << 7 << QStringList{"vessel 3"}
            << "";
        QTest::addRow("rows-of-names-joined")
            << Rows{soundRow(3, 5, 1), soundRow(6, 2, 1), soundRow(2, 1, 3)} << 1
            << QStringList{"bar 1-600 808000", "bar 601-720 c0c0c0", "bar 721-840 008000", "bar 841-960 c0c0c0",
                           "bar 961-1080 008000", "bar 1081-1200 c0c0c0", "bar 1201-1320 008000",
                           "bar 1321-1440 c0c0c0"}
            << " Rapid Bell,  Bell Bell Bell";
    }
    void plan()
    {
        QFETCH(Rows, rows);
        QFETCH(int, mode);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        const SignalPlan plan = PlanSignal(rows, mode, 1.0, 120, "/p/");
        QCOMPARE(describe(plan), steps);
        QCOMPARE(plan.signalText, text);
    }

    // When a signal's sounds end, when it starts again, and the pause after
    // its last sound before another can be asked for, in seconds: worked by
    // hand from the durations, the cycle counted from the signal's start.
    void timing_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("sounding");
        QTest::addColumn<double>("repeat");
        QTest::addColumn<double>("endPause");
        QTest::addRow("pause-after-the-last-sound")
            << Rows{soundRow(3, 5, 1), soundRow(4, 5, 1)} << 0 << 10.0 << 0.0 << 2.0;
        QTest::addRow("pause-after-a-short-blast-its-seconds")
            << Rows{soundRow(1, 2, 3)} << 2 << 6.0 << 0.0 << 2.0;
        QTest::addRow("graphics-no-pause") << Rows{soundRow(1, 5, 2)} << 1 << 0.0 << 0.0 << 0.0;
        QTest::addRow("unknown-mode-pause-alone") << Rows{soundRow(1, 5, 2)} << 7 << 0.0 << 0.0 << 2.0;
        QTest::addRow("two-minutes-from-the-start")
            << Rows{soundRow(1, 5, 1), soundRow(6, 2, 1), soundRow(1, 5, 1), soundRow(7, 120, 1)} << 0 << 12.0
            << 120.0 << 2.0;
        QTest::addRow("one-minute-in-graphics") << Rows{soundRow(3, 5, 1), soundRow(7, 60, 1)} << 1 << 0.0 << 60.0
                                                << 0.0;
        QTest::addRow("cycle-due-within-the-pause-cuts-it")
            << Rows{soundRow(1, 4, 1), soundRow(7, 5, 1)} << 3 << 4.0 << 5.0 << 1.0;
        QTest::addRow("cycle-due-as-the-sounds-end-no-pause")
            << Rows{soundRow(4, 5, 2), soundRow(7, 10, 1)} << 0 << 10.0 << 10.0 << 0.0;
        QTest::addRow("longer-than-its-cycle-starts-again-as-it-ends")
            << Rows{soundRow(1, 5, 3), soundRow(7, 10, 1)} << 4 << 15.0 << 15.0 << 0.0;
        QTest::addRow("silence-counts-in-the-length")
            << Rows{soundRow(6, 30, 1), soundRow(7, 10, 1)} << 0 << 30.0 << 30.0 << 0.0;
        QTest::addRow("cycle-of-0-seconds-no-repeat") << Rows{soundRow(1, 2, 1), soundRow(7, 0, 1)} << 0 << 2.0
                                                      << 0.0 << 2.0;
    }
    void timing()
    {
        QFETCH(Rows, rows);
        QFETCH(int, mode);
        QFETCH(double, sounding);
        QFETCH(double, repeat);
        QFETCH(double, endPause);
        const SignalPlan plan = PlanSignal(rows, mode, 1.0, 120, "/p/");
        QCOMPARE(SoundingSeconds(plan), sounding);
        QCOMPARE(RepeatSeconds(plan), repeat);
        QCOMPARE(plan.endPause, endPause);
    }

    // Every signal the new database holds that has a cycle starts again
    // exactly its cycle after it started, in every sound mode; one without a
    // cycle never does. The expected interval is its cycle row's seconds.
    void starterSignalsRepeatOnTheirCycle_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("cycle");
        QTemporaryDir dir;
        const QString path = dir.filePath("CALVOREN.MDB");
        const QString failure = MakeStarterDatabase(path);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        auto db = Database::OpenDatabase(path);
        std::vector<long> records;
        for (Recordset head = db->OpenQuery("Select RECORD From SOUNDHEAD Order By RECORD"); !head.Eof();
             head.MoveNext())
            records.push_back(head.LongValue("RECORD"));
        QVERIFY(!records.empty());
        for (long record : records) {
            Rows rows;
            double cycle = 0;
            WalkSoundRows(*db, record, [&](const Recordset &line) {
                rows.push_back(ReadSoundRow(line, 1.0));
                const SoundRow &row = rows.back();
                if (!row.IsPicture() && (row.kind < SoundKind::Horn || row.kind > SoundKind::Silence))
                    cycle = row.duration;
            });
            for (int mode = 0; mode <= 4; ++mode)
                QTest::addRow("signal-%ld-mode-%d", record, mode) << rows << mode << cycle;
        }
        db->Close();
    }
    void starterSignalsRepeatOnTheirCycle()
    {
        QFETCH(Rows, rows);
        QFETCH(int, mode);
        QFETCH(double, cycle);
        const double repeat = RepeatSeconds(PlanSignal(rows, mode, 1.0, 120, "/p/"));
        QVERIFY2(repeat == cycle, qPrintable(QString("starts again after %1 s, not %2 s").arg(repeat).arg(cycle)));
    }

    // Bars stand 100 twips high at scale 1 and grow with the picture.
    void barHeightFollowsScale()
    {
        const SignalPlan plan = PlanSignal({soundRow(1, 1, 1)}, 1, 1.5, 180, "/p/");
        QCOMPARE(plan.steps.size(), size_t(2));
        QCOMPARE(plan.steps[0].y1, 1.0);
        QCOMPARE(plan.steps[0].y2, 150.0);
        QCOMPARE(plan.steps[0].x2, 180.0);
    }

    void soundTags_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("kind");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("repetitions");
        QTest::addRow("horn-5s-twice") << "1\\5/2" << 1.0 << 5.0 << 2.0;
        QTest::addRow("cycle-2-minutes") << "7\\120/1" << 7.0 << 120.0 << 1.0;
        QTest::addRow("silence-30s") << "6\\30/1" << 6.0 << 30.0 << 1.0;
        QTest::addRow("not-numbers") << "x\\y/z" << 0.0 << 0.0 << 0.0;
        QTest::addRow("empty") << "" << 0.0 << 0.0 << 0.0;
    }
    void soundTags()
    {
        QFETCH(QString, tag);
        QFETCH(double, kind);
        QFETCH(double, seconds);
        QFETCH(double, repetitions);
        const SoundTagParts parts = ParseSoundTag(tag);
        QCOMPARE(parts.kind, kind);
        QCOMPARE(parts.seconds, seconds);
        QCOMPARE(parts.repetitions, repetitions);
    }

    void soundTagRoundTrip()
    {
        QCOMPARE(FormatSoundTag(1, 5, "2"), QString("1\\5/2"));
        QCOMPARE(FormatSoundTag(7, 120, "1"), QString("7\\120/1"));
    }

private:
    std::unique_ptr<PictureFixture> fixture;
};

QTEST_GUILESS_MAIN(TestSoundSignal)
#include "tst_soundsignal.moc"
