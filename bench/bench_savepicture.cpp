// Saving one lights picture (a head row and four line rows, in one
// transaction, as the editor saves it) into tables that already hold 1,000
// and 100,000 rows. A save must cost about the same whatever the table's size.

#include "core/state/Global.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A program folder whose light tables hold `rows` line rows, four a picture.
struct FilledTables {
    QTemporaryDir dir;

    explicit FilledTables(int rows)
    {
        AppPath = dir.path() + '/';
        CreateDatabase(AppPath + "CALVOREN.MDB", NORVANTA_SCHEMA);
        auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
        Transaction transaction(*db);
        for (int i = 0; i < rows; ++i) {
            if (i % 4 == 0)
                db->Execute("INSERT INTO LIGHTHEAD (HINT, TEXT, FOGSIGNAL, DIRECTION) VALUES (?, ?, ?, ?)",
                            {"Hint", "Answer", "Fog signal", 1});
            db->Execute("INSERT INTO LIGHTLINE (HEADER, COLOUR, FLASH, XPOS, YPOS, SIZE) VALUES (?, ?, ?, ?, ?, ?)",
                        {i / 4 + 1, 255, false, 1000.0 + i % 4 * 500, 1500.0, 100.0});
        }
        transaction.Commit();
        db->Close();
    }
};

void savePicture()
{
    auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
    {
        Transaction transaction(*db);
        Recordset head = db->OpenRecordset("LIGHTHEAD");
        Recordset line = db->OpenRecordset("LIGHTLINE");
        head.AddNew();
        head.SetValue("HINT", "Look at the masthead lights");
        head.SetValue("TEXT", "Power-driven vessel over 50 metres");
        head.SetValue("FOGSIGNAL", "One prolonged blast");
        head.SetValue("DIRECTION", 2);
        head.Update();
        head.MoveLastModified();
        const long record = head.LongValue("RECORD");
        for (int i = 0; i < 4; ++i) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", i % 2 ? 255 : 65280);
            line.SetValue("FLASH", false);
            line.SetValue("XPOS", 1000.0 + 500 * i);
            line.SetValue("YPOS", 1500.0);
            line.SetValue("SIZE", 100.0);
            line.Update();
        }
        line.Close();
        head.Close();
        transaction.Commit();
    }
    db->Close();
}

void BM_SavePicture(benchmark::State &state)
{
    FilledTables tables(static_cast<int>(state.range(0)));
    for (auto _ : state)
        savePicture();
    state.SetLabel(std::to_string(state.range(0)) + " line rows before");
}

} // namespace

BENCHMARK(BM_SavePicture)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
