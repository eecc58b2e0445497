// The main window's command table: every item of the main menu and of the
// pop-up menu, in the order they show. A new command is one row here.
#include "QVMain.h"

#include <QtGlobal>

namespace {

using K = TCommandKind;
using M = TMenuId;
using P = TFeaturePart;

TCommand Row(M Menu, const char* Name, const char* Caption, const char* Keys, TCommandHandler Handler,
             P Part = P::Count)
{
    TCommand Command;
    Command.Menu = Menu;
    Command.Name = Name;
    Command.Caption = Caption;
    Command.Keys = Keys;
    Command.Handler = Handler;
    Command.Part = Part;
    return Command;
}

TCommand Separator(M Menu, const char* Name, P Part = P::Count)
{
    TCommand Command;
    Command.Menu = Menu;
    Command.Kind = K::Separator;
    Command.Name = Name;
    Command.Part = Part;
    return Command;
}

TCommand Menu(M Menu, const char* Name, const char* Caption, M Opens, P Part = P::Count)
{
    TCommand Command;
    Command.Menu = Menu;
    Command.Kind = K::Menu;
    Command.Name = Name;
    Command.Caption = Caption;
    Command.Opens = Opens;
    Command.Part = Part;
    return Command;
}

TCommand Radio(TCommand Command, int Group, bool Checked = false)
{
    Command.Kind = K::Radio;
    Command.Group = Group;
    Command.Checked = Checked;
    return Command;
}

TCommand Tagged(TCommand Command, int Tag)
{
    Command.Tag = Tag;
    return Command;
}

TCommand KeyShown(TCommand Command)
{
    Command.ShowsKeyOnly = true;
    return Command;
}

TCommand NeedsGames(TCommand Command)
{
    Command.NeedsGames = true;
    return Command;
}

// The radio groups.
enum { PencilStyles = 1, Filling, Scopes, Children, PopHiLites, PopChildren };

std::string Numbered(const char* Pattern, int Tag)
{
    return QString::fromLatin1(Pattern).arg(Tag).toStdString();
}

}  // namespace

const std::vector<TCommand>& TfrmMain::CommandTable()
{
    static const std::vector<TCommand> Table = [] {
        std::vector<TCommand> T;
        const auto Add = [&T](TCommand Command) { T.push_back(std::move(Command)); };
        using F = TfrmMain;

        Add(Menu(M::None, "mnuFile", QT_TR_NOOP("&File"), M::File));
        Add(NeedsGames(Row(M::File, "mnuFileOpen", QT_TR_NOOP("Choose &game..."), "Ctrl+G",
                           [](F& W, int) { W.ChooseGameClick(); })));
        Add(Row(M::File, "NewPyramid1", QT_TR_NOOP("&New Pyramid..."), "Ctrl+N",
                [](F& W, int) { W.NewPyramidClick(); }));
        Add(Row(M::File, "AddIssueFile1", QT_TR_NOOP("Add &Issue File..."), "",
                [](F& W, int) { W.AddIssueFileClick(); }));
        Add(Row(M::File, "Statistics1", QT_TR_NOOP("S&tatistics..."), "", [](F& W, int) { W.StatisticsClick(); }));
        Add(NeedsGames(Row(M::File, "Loadvalues1", QT_TR_NOOP("&Load saved game..."), "Ctrl+L",
                           [](F& W, int) { W.Loadvalues1Click(); })));
        Add(NeedsGames(Row(M::File, "Save1", QT_TR_NOOP("&Save"), "Ctrl+S", [](F& W, int) { W.SaveAs1Click(false); })));
        Add(NeedsGames(
            Row(M::File, "SaveAs1", QT_TR_NOOP("Save &As..."), "Ctrl+A", [](F& W, int) { W.SaveAs1Click(true); })));
        Add(Separator(M::File, "N1"));
        Add(NeedsGames(Row(
            M::File, "Print1", QT_TR_NOOP("&Print..."), "Ctrl+P", [](F& W, int) { W.PrintClick(); }, P::Printing)));
        Add(NeedsGames(Row(
            M::File, "SaveBookletPdf1", QT_TR_NOOP("Save Booklet as P&DF..."), "",
            [](F& W, int) { W.SaveBookletPdfClick(); }, P::Printing)));
        Add(Row(M::File, "PageSetup1", QT_TR_NOOP("Page Setup"), "", nullptr));
        Add(Separator(M::File, "N2"));
        Add(Row(M::File, "Settings1", QT_TR_NOOP("&Settings..."), "", [](F& W, int) { W.SettingsClick(); }));
        Add(Separator(M::File, "N3"));
        Add(Row(M::File, "Exit1", QT_TR_NOOP("E&xit"), "Ctrl+X", [](F& W, int) { W.close(); }));

        Add(NeedsGames(Menu(M::None, "mnuEdit", QT_TR_NOOP("E&dit"), M::Edit, P::EditMenu)));
        Add(Row(M::Edit, "Undo1", QT_TR_NOOP("&Undo"), "Ctrl+Z", [](F& W, int) { W.Undo1Click(); }));
        TCommand Redo =
            Row(M::Edit, "Redo1", QT_TR_NOOP("&Redo"), "Ctrl+Y;Ctrl+Shift+Z", [](F& W, int) { W.Redo1Click(); });
        Redo.Disabled = true;
        Add(Redo);
        Add(Row(
            M::Edit, "UndoToMistake1", QT_TR_NOOP("Undo to Before &Mistake"), "Ctrl+Shift+M",
            [](F& W, int) { W.UndoToMistakeClick(); }, P::Mistakes));
        Add(Row(M::Edit, "Checkpoint1", QT_TR_NOOP("&Checkpoint"), "", [](F& W, int) { W.Checkpoint1Click(); }));
        Add(Row(M::Edit, "Backtocheckpoint1", QT_TR_NOOP("U&ndo to checkpoint"), "",
                [](F& W, int) { W.Backtocheckpoint1Click(); }));

        // Picking a pencil style is the player's choice, stored even where
        // the game had chosen one.
        Add(NeedsGames(Menu(M::None, "mnuView", QT_TR_NOOP("&View"), M::View, P::ViewMenu)));
        Add(Radio(Row(
                      M::View, "AutoPencilLinked1", QT_TR_NOOP("&Auto Pencil (Linked)"), "",
                      [](F& W, int) { W.ChoosePencilStyle(TPencilStyle::AutoPencilLinked); }, P::AutoPencilLinked),
                  PencilStyles, true));
        Add(Radio(Row(
                      M::View, "AutoPencilSeparate1", QT_TR_NOOP("Auto &Pencil (Separate)"), "",
                      [](F& W, int) { W.ChoosePencilStyle(TPencilStyle::AutoPencilSeparate); }, P::AutoPencilSeparate),
                  PencilStyles));
        Add(Separator(M::View, "N4", P::UserMarks));
        Add(Radio(Row(
                      M::View, "UserMarksLinked1", QT_TR_NOOP("&User Marks (Linked)"), "",
                      [](F& W, int) { W.ChoosePencilStyle(TPencilStyle::UserMarksLinked); }, P::UserMarks),
                  PencilStyles));
        Add(Radio(Row(
                      M::View, "UserMarksSeparate1", QT_TR_NOOP("User &Marks (Separate)"), "",
                      [](F& W, int) { W.ChoosePencilStyle(TPencilStyle::UserMarksSeparate); }, P::UserMarks),
                  PencilStyles));
        Add(Separator(M::View, "N5"));
        TCommand Hide = Row(M::View, "HidePencilMarks1", QT_TR_NOOP("&Hide Pencil Marks"), "Ctrl+H", [](F& W, int) {
            W.FView.HidePencilMarks = !W.FView.HidePencilMarks;
            W.CandidatesToggle();
        });
        Hide.Kind = K::Check;
        Add(Hide);
        Add(Separator(M::View, "N6", P::MarkFilling));
        Add(Radio(Row(
                      M::View, "Candidates1", QT_TR_NOOP("&Candidates"), "", [](F& W, int) { W.ChooseFilled(false); },
                      P::MarkFilling),
                  Filling, true));
        Add(Radio(
            Row(
                M::View, "Filled1", QT_TR_NOOP("&Filled"), "", [](F& W, int) { W.ChooseFilled(true); }, P::MarkFilling),
            Filling));
        Add(Separator(M::View, "N14"));
        TCommand Timer = Row(M::View, "Timer1", QT_TR_NOOP("&Timer"), "", [](F& W, int) { W.TimerClick(); });
        Timer.Kind = K::Check;
        Add(Timer);
        Add(Row(M::View, "Pause1", QT_TR_NOOP("Pau&se"), "Pause", [](F& W, int) { W.PauseClick(); }));
        // Ctrl+0 stays the highlight's; the zoom's 100% is Ctrl+Alt+0.
        Add(Separator(M::View, "N15"));
        Add(Row(M::View, "ZoomIn1", QT_TR_NOOP("Zoom &In"), "Ctrl++;Ctrl+=", [](F& W, int) { W.ZoomInClick(); }));
        Add(Row(M::View, "ZoomOut1", QT_TR_NOOP("Zoom &Out"), "Ctrl+-", [](F& W, int) { W.ZoomOutClick(); }));
        Add(Row(M::View, "ActualSize1", QT_TR_NOOP("Actual Si&ze"), "Ctrl+Alt+0",
                [](F& W, int) { W.ActualSizeClick(); }));
        Add(Separator(M::View, "N7", P::HiLites));
        Add(Menu(M::View, "HiLites1", QT_TR_NOOP("Hi &Lites"), M::HiLites, P::HiLites));
        Add(Radio(Row(M::HiLites, "Childonly1", QT_TR_NOOP("&Child only"), "",
                      [](F& W, int) { W.ChooseScope(THighlightScope::ChildOnly); }),
                  Scopes));
        Add(Radio(Row(M::HiLites, "Parentonly1", QT_TR_NOOP("&Parent only"), "",
                      [](F& W, int) { W.ChooseScope(THighlightScope::ParentOnly); }),
                  Scopes));
        Add(Radio(
            Row(M::HiLites, "Both1", QT_TR_NOOP("&Both"), "", [](F& W, int) { W.ChooseScope(THighlightScope::Both); }),
            Scopes, true));

        Add(NeedsGames(Menu(M::None, "mnuChild", QT_TR_NOOP("&Child"), M::Child)));
        for (int Tag = 1; Tag <= 9; ++Tag) {
            TCommand Child = Row(M::Child, "", QT_TR_NOOP("Child &%1"), "", [](F& W, int N) { W.ChildCommand(N); });
            Child.Name = Numbered("mnuChild%1", Tag);
            Child.Keys = Numbered("Alt+%1", Tag);
            Add(Tagged(Radio(Child, Children, Tag == 1), Tag));
        }
        // The box under the grids, on the keyboard: the keys belong to the
        // grids, so the box takes no focus and has no mnemonic of its own.
        Add(Separator(M::Child, "N15"));
        TCommand Chooses = Row(M::Child, "ParentChoosesChild1", QT_TR_NOOP("&Parent click selects child"), "",
                               [](F& W, int) { W.ParentChoosesChildClick(); });
        Chooses.Kind = K::Check;
        Chooses.Checked = true;
        Add(Chooses);
        // Two level items kept for pyramids of more levels; they do nothing
        // and are hidden whenever a pyramid is built.
        Add(Separator(M::Child, "N8"));
        Add(Row(M::Child, "Level1", QT_TR_NOOP("Level &1 (Top)"), "Ctrl+T", nullptr));
        Add(Row(M::Child, "Level2", QT_TR_NOOP("Level &2 (Bottom)"), "Ctrl+B", nullptr));

        Add(NeedsGames(Menu(M::None, "mnuPuzzle", QT_TR_NOOP("Pu&zzle"), M::Puzzle)));
        Add(Row(M::Puzzle, "ResetCurrent", QT_TR_NOOP("&Reset Child"), "", [](F& W, int) { W.ResetCurrentClick(); }));
        Add(Row(M::Puzzle, "ResetAll", QT_TR_NOOP("Reset &All"), "", [](F& W, int) { W.ResetAllClick(); }));
        Add(Row(M::Puzzle, "ResetMaster", QT_TR_NOOP("Reset &Parent"), "", [](F& W, int) { W.ResetMasterClick(); }));
        Add(Separator(M::Puzzle, "N9", P::SolveSeparator));
        Add(Row(
            M::Puzzle, "NextStep1", QT_TR_NOOP("&Next Step"), "F2", [](F& W, int) { W.NextStepClick(); }, P::Steps));
        Add(Row(
            M::Puzzle, "ApplyStep1", QT_TR_NOOP("Appl&y Step"), "Shift+F2", [](F& W, int) { W.ApplyStepClick(); },
            P::Steps));
        Add(Row(
            M::Puzzle, "ShowFirstMistake1", QT_TR_NOOP("Show First &Mistake"), "Ctrl+M",
            [](F& W, int) { W.ShowFirstMistakeClick(); }, P::Mistakes));
        Add(Separator(M::Puzzle, "N13", P::Steps));
        Add(Row(
            M::Puzzle, "SolveChild", QT_TR_NOOP("&Solve Child"), "", [](F& W, int) { W.SolveChildClick(); },
            P::SolveChildren));
        Add(Row(
            M::Puzzle, "SolveChildren", QT_TR_NOOP("Solve &Children"), "", [](F& W, int) { W.SolveChildrenClick(); },
            P::SolveChildren));
        Add(Row(
            M::Puzzle, "SolveMaster", QT_TR_NOOP("Solve P&arent"), "", [](F& W, int) { W.SolveMasterClick(); },
            P::SolveParent));
        Add(Row(
            M::Puzzle, "SolvePyramid", QT_TR_NOOP("Solve &Tavrel"), "", [](F& W, int) { W.SolvePyramidClick(); },
            P::SolvePyramid));

        Add(Menu(M::None, "mnuHelp", QT_TR_NOOP("&Help"), M::Help));
        Add(Row(M::Help, "GameHelp1", QT_TR_NOOP("Game Help"), "F1", [](F& W, int) { W.GameHelpClick(); }));
        Add(Row(M::Help, "HomePage1", QT_TR_NOOP("Tavrel Sudoku Site..."), "", [](F& W, int) { W.HomePageClick(); }));
        Add(Row(M::Help, "About1", QT_TR_NOOP("About..."), "", [](F& W, int) { W.AboutClick(); }));

        // The pop-up: the quick items name the digit highlighted (their tag).
        const auto Quick = [&](TCommand Command) {
            Command.Hidden = true;
            Add(Tagged(std::move(Command), 0));
        };
        Quick(Row(M::Popup, "EnterNow", QT_TR_NOOP("Enter "), "", [](F& W, int N) { W.FEntry->menuSetValue(N); }));
        Quick(Row(M::Popup, "EraseNow", QT_TR_NOOP("Erase "), "", [](F& W, int N) { W.FEntry->menuErase(N); }));
        Quick(Row(M::Popup, "PencilNow", QT_TR_NOOP("Pencil "), "", [](F& W, int N) { W.FEntry->menuPencil(N); }));
        Quick(Separator(M::Popup, "BarNow"));
        Add(Menu(M::Popup, "SetValue1", QT_TR_NOOP("&Enter"), M::PopEnter));
        for (int Tag = 1; Tag <= 9; ++Tag) {
            TCommand Enter =
                Row(M::PopEnter, "", QT_TR_NOOP("&%1"), "", [](F& W, int N) { W.FEntry->menuSetValue(N); });
            Enter.Name = Tag == 1 ? "Value1" : Numbered("N%11", Tag);
            Add(Tagged(Enter, Tag));
        }
        Add(Tagged(
            Row(M::PopEnter, "Clear01", QT_TR_NOOP("Clear (&0)"), "", [](F& W, int N) { W.FEntry->menuSetValue(N); }),
            0));
        Add(Menu(M::Popup, "Pencil1", QT_TR_NOOP("&Pencil"), M::PopPencil));
        Add(Menu(M::Popup, "Erase1", QT_TR_NOOP("Era&se"), M::PopErase));
        for (int Tag = 1; Tag <= 9; ++Tag) {
            TCommand Pencil =
                Row(M::PopPencil, "", QT_TR_NOOP("&%1"), "", [](F& W, int N) { W.FEntry->menuPencil(N); });
            Pencil.Name = Numbered("mnuPencil%1", Tag);
            Add(Tagged(Pencil, Tag));
            TCommand Erase = Row(M::PopErase, "", QT_TR_NOOP("&%1"), "", [](F& W, int N) { W.FEntry->menuErase(N); });
            Erase.Name = Tag == 1 ? "N11" : Numbered("N%12", Tag);
            Add(Tagged(Erase, Tag));
        }
        // The keys themselves are handled by the window (Ctrl+digit from
        // either number block); the menu only shows them.
        Add(Menu(M::Popup, "HiLite1", QT_TR_NOOP("&Hi Lite"), M::PopHiLite));
        const auto HiLite = [&](int Tag, std::string Name, const char* Caption, const char* Key) {
            TCommand Item = Row(M::PopHiLite, "", Caption, Key, [](F& W, int N) { W.FEntry->SetHiLite(N); });
            Item.Name = std::move(Name);
            Add(KeyShown(Tagged(Radio(Item, PopHiLites, Tag == 0), Tag)));
        };
        for (int Tag = 1; Tag <= 9; ++Tag)
            HiLite(Tag, Numbered("HiLite%1s1", Tag), QT_TR_NOOP("&%1s"), Numbered("Ctrl+%1", Tag).c_str());
        HiLite(10, "HiLitePairs1", QT_TR_NOOP("&Pairs"), "Ctrl+/");
        HiLite(0, "HiLiteNone1", QT_TR_NOOP("None (&0)"), "Ctrl+0");
        // The keys are the main menu's; the pop-up only shows them.
        Add(Separator(M::Popup, "popStepBar"));
        Add(KeyShown(
            Row(M::Popup, "popNextStep", QT_TR_NOOP("&Next Step"), "F2", [](F& W, int) { W.NextStepClick(); })));
        Add(KeyShown(Row(M::Popup, "popApplyStep", QT_TR_NOOP("Appl&y Step"), "Shift+F2",
                         [](F& W, int) { W.ApplyStepClick(); })));
        Add(Menu(M::Popup, "popChild", QT_TR_NOOP("&Child"), M::PopChild));
        for (int Tag = 1; Tag <= 9; ++Tag) {
            TCommand Child = Row(M::PopChild, "", QT_TR_NOOP("Child &%1"), "", [](F& W, int N) { W.ChildCommand(N); });
            Child.Name = Numbered("popChild%1", Tag);
            Child.Keys = Numbered("Alt+%1", Tag);
            Add(KeyShown(Tagged(Radio(Child, PopChildren, Tag == 1), Tag)));
        }
        return T;
    }();
    return Table;
}
