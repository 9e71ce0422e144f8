// Showing one lights picture: reading it from the database and drawing it,
// for a picture of 1 light and of 40 lights. A show must stay well inside one
// movement tick (100 ms).

#include "core/state/Global.h"
#include "data/CreateDatabase.h"
#include "data/Database.h"
#include "lights/DrawLight.h"
#include "lights/LightForm.h"
#include "platform/window/PictureBox.h"
#include "quiz/session/PictureRecords.h"
#include "quiz/session/PictureScale.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {
// A program folder whose database holds one picture of n lights, half of them
// flashing.
struct OnePicture {
    QTemporaryDir dir;
    long record = 0;

    explicit OnePicture(int lights)
    {
        AppPath = dir.path() + '/';
        CreateDatabase(AppPath + "CALVOREN.MDB", NORVANTA_SCHEMA);
        auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
        Recordset head = db->OpenRecordset("LIGHTHEAD");
        head.AddNew();
        head.SetValue("HINT", "Look at the masthead lights");
        head.SetValue("TEXT", "Power-driven vessel over 50 metres");
        head.SetValue("FOGSIGNAL", "One prolonged blast");
        head.SetValue("DIRECTION", 2);
        head.Update();
        head.MoveLastModified();
        record = head.LongValue("RECORD");
        head.Close();
        Recordset line = db->OpenRecordset("LIGHTLINE");
        for (int i = 0; i < lights; ++i) {
            line.AddNew();
            line.SetValue("HEADER", static_cast<qlonglong>(record));
            line.SetValue("COLOUR", i % 2 ? 255 : 65280);
            line.SetValue("FLASH", i % 2 == 0);
            line.SetValue("XPOS", 150.0 + 140 * (i % 40));
            line.SetValue("YPOS", 1500.0);
            line.SetValue("SIZE", 100.0);
            line.Update();
        }
        line.Close();
        db->Close();
    }
};

// The database read and the drawing alone, as a show does them.
void BM_ReadAndDraw(benchmark::State &state)
{
    OnePicture data(static_cast<int>(state.range(0)));
    PictureBox picture;
    picture.resize(400, 200);
    picture.SetBackColor(0);
    std::vector<DrawnLight> flashLights;
    for (auto _ : state) {
        auto db = Database::OpenDatabase(AppPath + "CALVOREN.MDB");
        const PictureHead head = ReadPictureHead(*db, "LIGHTHEAD", data.record, "FOGSIGNAL");
        benchmark::DoNotOptimize(head.found);
        flashLights.clear();
        picture.Cls();
        const double k = PictureScale(picture.ScaleWidth(), picture.ScaleHeight());
        WalkPictureLines(*db, "LIGHTLINE", data.record, [&](const Recordset &row) {
            DrawLight(picture, ReadLightLine(row), k, flashLights);
        });
        db->Close();
    }
    state.SetLabel(QString("%1 lights").arg(flashLights.size()).toStdString());
}

// The whole show of the lights quiz window, as a click on "Cheat" or a resize
// runs it.
void BM_ShowPicture(benchmark::State &state)
{
    OnePicture data(static_cast<int>(state.range(0)));
    LightForm &form = FormInstance<LightForm>();
    form.Load();
    form.show();
    for (auto _ : state)
        form.Lcheck_Click(0);
    state.SetLabel(QString("%1 lights").arg(form.FlashLights().size()).toStdString());
    Forms::DestroyAll();
}
} // namespace

BENCHMARK(BM_ReadAndDraw)->Arg(1)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowPicture)->Arg(1)->Arg(40)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
