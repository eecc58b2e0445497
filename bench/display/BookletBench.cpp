// Speed of the printed booklet: the whole booklet written as one PDF file
// (four pages, ten grids at 600 dpi), from a loaded pyramid with its
// candidates shown, as the main window's "Save Booklet as PDF" does it.
#include "PyramidTestSupport.h"
#include "QVPrinting.h"
#include "ScopedSettings.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

void BM_SaveBookletPdf(benchmark::State& State)
{
    TScopedSettings Scoped;
    TTestPyramid Game = MakeTestPyramid(0, 5, 30);
    Game.Pyramid->SetPencilMode(4);
    QTemporaryDir Dir;
    if (!Dir.isValid()) {
        State.SkipWithError("no scratch folder");
        return;
    }
    const QString Name = Dir.filePath("booklet.pdf");
    for (auto _ : State)
        SaveBookletPdf(*Game.Pyramid, Name, QPageSize(QPageSize::A4));
    State.counters["bytes"] = static_cast<double>(QFileInfo(Name).size());
    State.SetLabel("A4, candidates shown");
}
BENCHMARK(BM_SaveBookletPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
