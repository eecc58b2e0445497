// Speed of the main window: one click on a linked cell in Enter mode, from
// the mouse events to both grids' bitmaps repainted (with the LEDs, bars and
// the solved test of the refresh after an entry). The window runs on the
// offscreen platform over copies of the bundled issues and a scratch
// settings file.
#include "Cell.h"
#include "ChoosePuzzle.h"
#include "Options.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVMain.h"
#include "SettingsStore.h"
#include "ZoomController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

void Send(QWidget* Target, QEvent::Type Type, QPoint Position, Qt::MouseButton Button)
{
    const QPointF Local(Position);
    QMouseEvent Event(Type, Local, Target->mapToGlobal(Local), Button,
                      Type == QEvent::MouseButtonRelease ? Qt::NoButton : Button, Qt::NoModifier);
    QApplication::sendEvent(Target, &Event);
}

void BM_ClickLinkedCell(benchmark::State& State)
{
    QTemporaryDir Scratch;
    const QString Program = Scratch.path() + QStringLiteral("/");
    QDir().mkpath(Program + QStringLiteral("ISSUES"));
    const QDir Bundled(QStringLiteral(TAVREL_BIN_DIR "/ISSUES"));
    for (const QString& Name : Bundled.entryList({QStringLiteral("*.ISS")}, QDir::Files))
        QFile::copy(Bundled.filePath(Name), Program + QStringLiteral("ISSUES/") + Name);
    TSettingsStore::UseFile(Program + QStringLiteral("store.ini"));
    TfrmMain Main(Program.toStdString());
    auto* Options = new TfrmOptions(&Main);
    auto* Choose = new TfrmChoosePuzzle(&Main);
    Main.SetDialogs(Options, Choose);
    Main.show();
    QApplication::processEvents();
    if (Main.XLink() == nullptr) {
        State.SkipWithError("no bundled game");
        return;
    }
    Main.ChooseChildBox()->setChecked(false);
    Options->SetOption(optSingleValue, false);
    // A parent cell linked to child 1, which is on screen: one click repaints
    // its square in both grids.
    int Found = -1;
    for (int Index = 0; Index < 81 && Found < 0; ++Index) {
        const TCell* Cell = Main.XLink()->GetPuzzle(0)->CellByIndex(Index);
        if (!Cell->GetRevealed() && Cell->ChildLinkOfCell() != nullptr &&
            Cell->ChildLinkOfCell()->GetPuzzle() == Main.XLink()->GetPuzzle(1))
            Found = Index;
    }
    if (Found < 0) {
        State.SkipWithError("no free linked cell");
        return;
    }
    TCell* Cell = Main.XLink()->GetPuzzle(0)->CellByIndex(Found);
    const int Row = Found / 9;
    const int Col = Found % 9;
    const QPoint Point(2 + (Col / 3) * 130 + 2 + (Col % 3) * 42 + 20, 2 + (Row / 3) * 130 + 2 + (Row % 3) * 42 + 20);
    QWidget* Image = Main.findChild<QWidget*>(QStringLiteral("Image1"));
    Send(Image, QEvent::MouseMove, Point, Qt::NoButton);
    auto* Value = Main.findChild<QAbstractButton*>(QStringLiteral("sbValue%1").arg(Cell->GetSolution()));
    auto* Delete = Main.findChild<QAbstractButton*>(QStringLiteral("sbValue0"));
    bool Enter = true;
    for (auto _ : State) {
        State.PauseTiming();
        (Enter ? Value : Delete)->click();
        State.ResumeTiming();
        Send(Image, QEvent::MouseButtonPress, Point, Qt::LeftButton);
        Send(Image, QEvent::MouseButtonRelease, Point, Qt::LeftButton);
        Enter = !Enter;
    }
    if (Cell->ChildLinkOfCell()->GetValue() != Cell->GetValue())
        State.SkipWithError("the click did not reach the child");
    Main.hide();
    State.SetLabel("parent cell linked to the child on screen, entered and cleared in turn");
}
BENCHMARK(BM_ClickLinkedCell)->Unit(benchmark::kMicrosecond);

// One step of the window's frame dragged: a new size, so a new zoom (near
// 165%), every control placed and sized again, both grids drawn afresh at the
// new size and the whole window painted.
void BM_ResizeStep(benchmark::State& State)
{
    QTemporaryDir Scratch;
    const QString Program = Scratch.path() + QStringLiteral("/");
    QDir().mkpath(Program + QStringLiteral("ISSUES"));
    const QDir Bundled(QStringLiteral(TAVREL_BIN_DIR "/ISSUES"));
    for (const QString& Name : Bundled.entryList({QStringLiteral("*.ISS")}, QDir::Files))
        QFile::copy(Bundled.filePath(Name), Program + QStringLiteral("ISSUES/") + Name);
    TSettingsStore::UseFile(Program + QStringLiteral("store.ini"));
    TfrmMain Main(Program.toStdString());
    auto* Options = new TfrmOptions(&Main);
    auto* Choose = new TfrmChoosePuzzle(&Main);
    Main.SetDialogs(Options, Choose);
    Main.show();
    QApplication::processEvents();
    if (Main.XLink() == nullptr) {
        State.SkipWithError("no bundled game");
        return;
    }
    const QSize Sizes[2] = {QSize(1300, 1000), QSize(1320, 1016)};
    int Step = 0;
    for (auto _ : State) {
        Main.resize(Sizes[Step]);
        Main.repaint();
        Step = 1 - Step;
    }
    if (Main.ZoomControl().Zoom() < 1.5)
        State.SkipWithError("the window did not take the zoom of its size");
    Main.hide();
    State.SetLabel("a 20-pixel step of the frame near 165%");
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks<QApplication>(argc, argv);
}
