// Start-up, loading and starting games, choosing the child shown, and the
// commands of the File and Puzzle menus that act on the whole game.
#include "QVMain.h"

#include "ButtonPageControl.h"
#include "ChoosePuzzle.h"
#include "Exception.h"
#include "Format.h"
#include "GameFeatures.h"
#include "GridImage.h"
#include "HideOpts.h"
#include "LedShape.h"
#include "MemoryStream.h"
#include "MyProgressBar.h"
#include "Narrator.h"
#include "Options.h"
#include "ProgressRules.h"
#include "Prompter.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "WindowScheme.h"
#include "ZoomController.h"
#include "QVSettings.h"
#include "RecordKeeper.h"
#include "Statistics.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace {

}  // namespace

void TfrmMain::FormShow()
{
    FParentGrid = std::make_unique<TGrid>(FImage1->Canvas(), true, GridImageSize, GridImageSize, Scheme().GridLines);
    FChildGrid = std::make_unique<TGrid>(FImage2->Canvas(), false, GridImageSize, GridImageSize, Scheme().GridLines);
    FParentGrid->SetPaintListener(FImage1);
    FChildGrid->SetPaintListener(FImage2);
    // A square's name tells the square it is linked to.
    for (const bool Parent : {true, false})
        (Parent ? FParentGrid : FChildGrid)->SetSquareNote([this, Parent](int Box, int Square) {
            if (FXLink == nullptr)
                return QString();
            return TNarrator::LinkWords(
                PartnerOf(*FXLink, Parent ? 0 : FCurrentChild, TPosition::FromBoxPlace(Box, Square)));
        });
    FImage1->SetAccessibleGridName(tr("Parent"));
    FImage2->SetAccessibleGridName(tr("Child %1").arg(1));

    FStore.LoadOptions(*FOptions);
    ApplyScheme();
    FStore.LoadViewOptions(FView, FHideOpts && GameSetsPencilStyle(FHideOpts->Shown()));
    ShowViewOptions();
    FShowHints = FOptions->GetOption(optMainHints);
    FFiles->SetSaved(true);
    FFiles->StartIn(FStore.ReadLastGame().Folder);
    FRecords->ReportDamage();
    if (!FRecovery->OfferRecovery())
        StartUpGame();
    ArrangePanels();
    Command("PageSetup1")->setVisible(false);
    // The zoom and place of the last run, within the screen; the first run
    // at 100% in the middle of it.
    ZoomControl().Restore();
    UpdateZoomItems();
}

void TfrmMain::StartUpGame()
{
    // The last saved game, or the last catalogue game. When that cannot be
    // restored the error is shown and the window falls back, first to the
    // last catalogue game, then to the first game of each issue in turn, so
    // that a game is on the board whenever the catalogue has a playable one.
    // Without any game there is nothing to restore and nothing to report but
    // the "No games" page.
    const TLastGame Last = FStore.ReadLastGame();
    const std::vector<std::pair<uint32_t, uint32_t>> Firsts = FCatalogue->FirstGames();
    if (Firsts.empty()) {
        ShowNoGames();
        return;
    }
    bool Shown = false;
    const auto Try = [&](const std::function<void()>& Action) {
        if (FXLink != nullptr)
            return;
        if (!Shown) {
            Shown = !RunGuarded(Action);
            return;
        }
        // One message is enough: the other tries go on silently.
        try {
            Action();
        } catch (const std::exception&) {
        }
    };
    if (!Last.Saved.isEmpty())
        Try([&] { LoadSavedGame(Last.Saved); });
    Try([&] { LoadGame(Last.Issue, Last.Game); });
    // Any playable game rather than none: the first game of each issue in
    // turn, so one damaged issue file never leaves the board empty.
    for (const auto& [Issue, Game] : Firsts)
        Try([&, Issue = Issue, Game = Game] { LoadGame(Issue, Game); });
    if (FXLink == nullptr)
        ShowNoGames();
}

void TfrmMain::ShowNoGames()
{
    const QString Folder = QDir::toNativeSeparators(QDir::cleanPath(ToQString(FCatalogue->Folders().AddedIssues())));
    FNoGames->setText(tr("<p style='font-size:13pt'><b>No games were found.</b></p>"
                         "<p>Tavrel Sudoku looks for its issue files (*.ISS) in the folder<br><b>%1</b></p>"
                         "<p>Add them with \"Add Issue File...\" in the File menu, or put them "
                         "there and start the game again.</p>")
                          .arg(Folder.toHtmlEscaped()));
    FNoGames->show();
    FNoGames->raise();
}

void TfrmMain::LoadGame(uint32_t Issue, uint32_t Game)
{
    try {
        TMemoryStream Stream;
        TPuzzleInfo Record;
        FCatalogue->OpenGame(Issue, Game, Record, Stream);
        StartGame(Record, Stream);
    } catch (const std::exception& Error) {
        // The cause names the file, so the player can find the bad one.
        throw Exception(TR_TEXT("TfrmMain", "Unable to read puzzle - contact Tavrel Sudoku about your game files\n%1"),
                        TextOf(Error));
    }
    FStore.SaveLastGame(Issue, Game, QString());
}

void TfrmMain::StartGame(const TPuzzleInfo& Record, TStream& Stream)
{
    // The new pyramid is built and loaded before it replaces the old one, so
    // a stream that fails to load leaves the game being played as it was.
    const TGridsHeld Held(*this);
    std::unique_ptr<TPuzzleXLink> Built;
    if (Record.GetRebuildFlag() == 1 || FXLink == nullptr) {
        Built = TPuzzleXLink::CreateFromHeader(Record, nullptr, 1, 1);
        Built->LoadFromStream(Stream);
    } else {
        FXLink->LoadFromStream(Stream);
    }
    RecordPlayedTime();
    FGameRecord.Assign(Record);
    if (Built)
        NewXLink(std::move(Built));
    FNoGames->hide();
    FFiles->SetSaved(true);
    // A game just started has nothing to recover; its time played goes on
    // from its record.
    FRecovery->Remove();
    FRecords->Started(FGameRecord.GetGameNumber());
    FPlay->StartCount(FRecords->PlayedMs(FGameRecord.GetGameNumber()));
    ApplyMarkStyle();
    FHideOpts->ApplyGameFeatures(FeaturesOf(Record), FView);
    // After the feature rules: the view settings consult what they show.
    // What the game forces shows while it is played and is never stored.
    FGameSetsPencilStyle = GameSetsPencilStyle(FHideOpts->Shown());
    FStore.LoadViewOptions(FView, FGameSetsPencilStyle);
    ShowViewOptions();
    AttachGrids();
    SelectChild(1);
    RefreshAll(false);
    FMistakes->Forget();
    FEntry->StartGame();
    FGameName = FromDataText(Record.GameNameTrimmed());
    SetCaption(QString());
    ApplyMarkStyle();
}

void TfrmMain::ForgetPyramid()
{
    if (FParentGrid)
        FParentGrid->SetLink(nullptr);
    if (FChildGrid)
        FChildGrid->SetLink(nullptr);
    FEntry->ForgetPyramid();
    if (FXLink != nullptr)
        for (int Index = 0; Index <= FXLink->ChildCount(); ++Index)
            Puzzle(Index)->SetHistoryListener(nullptr);
    FXLink = nullptr;
    for (auto& Slot : FXLinks)
        Slot.reset();
}

void TfrmMain::NewXLink(std::unique_ptr<TPuzzleXLink> Pyramid)
{
    ForgetPyramid();
    for (const char* Name : {"N8", "Level1", "Level2"})
        Command(Name)->setVisible(false);
    FXLinks[0] = std::move(Pyramid);
    FXLink = FXLinks[0].get();
    for (int Index = 0; Index <= FXLink->ChildCount(); ++Index)
        Puzzle(Index)->SetHistoryListener([this, Index] {
            if (Index == FEntry->UndoPuzzle())
                UpdateRedoItem();
        });
    UpdateRedoItem();
    // A one-child pyramid has nothing for the controls of children 2 to 9.
    for (int Tag = 2; Tag <= 9; ++Tag) {
        const bool Exists = Tag <= FXLink->ChildCount();
        Command(QStringLiteral("mnuChild%1").arg(Tag).toStdString())->setEnabled(Exists);
        FLeds[static_cast<size_t>(9 + Tag - 1)]->setEnabled(Exists);
        FBars[static_cast<size_t>(Tag)]->setEnabled(Exists);
    }
    AttachGrids();
}

void TfrmMain::AttachGrids()
{
    if (FXLink == nullptr || !FParentGrid || !FChildGrid)
        return;
    // Before the first game, and after a pyramid with fewer children, the
    // child shown is child 1 until SelectChild makes it current.
    const int Shown = FCurrentChild >= 1 && FCurrentChild <= FXLink->ChildCount() ? FCurrentChild : 1;
    TQVDisplayLink* ParentLink = FXLink->GetLink(0);
    TQVDisplayLink* ChildLink = FXLink->GetLink(Shown);
    // The children not on screen show through the parent's grid in the
    // normal cell colour of the settings.
    ShadePuzzles(Shown);
    ParentLink->SetDisplay(nullptr);
    ChildLink->SetDisplay(nullptr);
    FParentGrid->SetLink(nullptr);
    FChildGrid->SetLink(nullptr);
    ChildLink->SetDisplay(FChildGrid.get());
    FChildGrid->SetLink(ChildLink);
    ParentLink->SetDisplay(FParentGrid.get());
    FParentGrid->SetLink(ParentLink);
    Puzzle(0)->Refresh();
    Puzzle(Shown)->Refresh();
}

void TfrmMain::ShadePuzzles(int Shown)
{
    for (int Index = 0; FXLink != nullptr && Index <= FXLink->ChildCount(); ++Index)
        if (TPuzzle* One = Puzzle(Index))
            One->SetShading(Index == 0 || Index == Shown);
}

bool TfrmMain::SelectChild(int N)
{
    if (FXLink == nullptr)
        return false;
    if (N == 0) {
        // The pointer on a line between squares names no cell.
        const TBoxSquare Hover = FParentGrid->GetHover();
        if (Hover.Box < 0 || Hover.Square < 0)
            return false;
        N = FXLink->ChildForSquare(Hover.Box, Hover.Square);
    }
    if (N < 1 || N > FXLink->ChildCount() || N == FCurrentChild)
        return false;
    const TGridsHeld Held(*this);
    if (TQVDisplayLink* Old = FXLink->GetLink(FCurrentChild); FCurrentChild >= 1 && Old != nullptr)
        Old->SetDisplay(nullptr);
    ColourBars(N);
    FCurrentChild = N;
    Command(QStringLiteral("mnuChild%1").arg(N).toStdString())->setChecked(true);
    TQVDisplayLink* Link = FXLink->GetLink(N);
    Link->SetDisplay(FChildGrid.get());
    FChildGrid->SetLink(Link);
    FImage2->SetAccessibleGridName(tr("Child %1").arg(N));
    // Looking at another child keeps the step shown, marked where it shows.
    RefreshShown(false);
    FSteps->ChildShown();
    FMistakes->ChildShown();
    return true;
}

TPuzzle* TfrmMain::Puzzle(int Index) const
{
    return FXLink != nullptr ? FXLink->GetPuzzle(Index) : nullptr;
}

void TfrmMain::ChooseGameClick()
{
    if (!QuerySave() || FChoose == nullptr)
        return;
    FChoose->SetCatalogue(FCatalogue.get());
    if (FChoose->exec() != QDialog::Accepted)
        return;
    const std::optional<TGameEntry> Game = FChoose->GetSelectedGame();
    if (!Game)
        return;
    LoadGame(Game->GetIssueNumber(), Game->GetGameNumber());
    FFiles->SetFileName(QString());
}

void TfrmMain::StatisticsClick()
{
    RecordPlayedTime();
    TfrmStatistics Statistics(this);
    connect(&Statistics, &TfrmStatistics::HelpRequested, this,
            Guarded([this, &Statistics](int Topic) { ShowHelp(&Statistics, Topic); }));
    Statistics.Fill(FCatalogue.get(), FRecords->Records());
    Statistics.exec();
}

void TfrmMain::SettingsClick()
{
    if (FOptions->exec() == QDialog::Accepted) {
        ApplyScheme();
        ArrangePanels();
        FShowHints = FOptions->GetOption(optMainHints);
        RefreshAll(false);
        // Every puzzle takes the colours now in force; the parent's grid
        // shows the cells of children not on screen too.
        ShadePuzzles(FCurrentChild);
        RepaintGrids();
        FStore.SaveOptions(*FOptions);
    } else {
        FStore.LoadOptions(*FOptions);
    }
}

void TfrmMain::ResetCurrentClick()
{
    if (TPuzzle* Child = Puzzle(FCurrentChild)) {
        Child->ClearEntries();
        RefreshAll(false);
    }
}

void TfrmMain::ResetAllClick()
{
    if (FXLink == nullptr)
        return;
    for (int Index = 1; Index <= FXLink->ChildCount(); ++Index)
        Puzzle(Index)->ClearEntries();
    Puzzle(0)->ClearEntries();
    RefreshAll(false);
}

void TfrmMain::ResetMasterClick()
{
    if (TPuzzle* Parent = Puzzle(0)) {
        Parent->ClearEntries();
        RefreshAll(false);
    }
}

void TfrmMain::SolveChildClick()
{
    if (FXLink != nullptr)
        FRecords->SolveUsed(FGameRecord.GetGameNumber());
    if (TPuzzle* Child = Puzzle(FCurrentChild)) {
        const TGridsHeld Held(*this);
        Child->Solve(MethodsOf(Settings()));
        RefreshAll(false);
    }
}

void TfrmMain::SolveChildrenClick()
{
    if (FXLink != nullptr)
        FRecords->SolveUsed(FGameRecord.GetGameNumber());
    if (FXLink == nullptr)
        return;
    const TGridsHeld Held(*this);
    const TMethodSet Methods = MethodsOf(Settings());
    for (int Index = 1; Index <= FXLink->ChildCount(); ++Index)
        Puzzle(Index)->Solve(Methods);
    RefreshAll(false);
}

void TfrmMain::SolveMasterClick()
{
    if (FXLink != nullptr)
        FRecords->SolveUsed(FGameRecord.GetGameNumber());
    if (TPuzzle* Parent = Puzzle(0)) {
        const TGridsHeld Held(*this);
        Parent->Solve(MethodsOf(Settings()));
        RefreshAll(false);
    }
}

void TfrmMain::SolvePyramidClick()
{
    if (FXLink != nullptr)
        FRecords->SolveUsed(FGameRecord.GetGameNumber());
    if (FXLink == nullptr)
        return;
    const TGridsHeld Held(*this);
    FXLink->SolvePyramid(MethodsOf(Settings()));
    RefreshAll(false);
}
