// Saved games, the printed booklet and the Help menu.
#include "QVMain.h"

#include "Exception.h"
#include "FileStream.h"
#include "HelpWindow.h"
#include "QVAbout.h"
#include "Format.h"
#include "PlayerFolders.h"
#include "Prompter.h"
#include "Puzzle.h"
#include "PuzzleXLink.h"
#include "QVDisplayGrid.h"
#include "QVPrinting.h"
#include "SafeFile.h"
#include "SavedGame.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

QString FolderOf(const QString& FileName)
{
    return QFileInfo(FileName).absolutePath();
}

// A failed load's message names the file it is about, as every data file's
// message does; a message that names it already stays as it is.
std::string MessageNamingFile(const std::string& Message, const QString& FileName)
{
    const std::string Shown = ToStdString(QDir::toNativeSeparators(FileName));
    if (Message.find(ToStdString(FileName)) != std::string::npos || Message.find(Shown) != std::string::npos)
        return Message;
    return Format("%s\nThe saved game \"%s\" could not be loaded.", Message.c_str(), Shown.c_str());
}

}  // namespace

QString TfrmMain::GridsFolder() const
{
    // "Grids" beside the program where the player may write there, else in
    // the player's documents; the last folder used wins over both. An
    // installed copy never writes beside the program.
    if (!ValueSaveDialog.Folder.isEmpty() && QFileInfo(ValueSaveDialog.Folder).isDir())
        return ValueSaveDialog.Folder;
    if (FCatalogue->Folders().Installed())
        return PlayerGridsFolder();
    const QString Program = ToQString(FProgramFolder);
    const QFileInfo Beside(Program + QStringLiteral("Grids"));
    if (Beside.isDir() ? Beside.isWritable() : QFileInfo(Program).isWritable())
        return Beside.absoluteFilePath();
    return PlayerGridsFolder();
}

QString TfrmMain::ProposedFileName() const
{
    const QDate Today = QDate::currentDate();
    return ToQString(ProposedSaveName(ToStdString(FGameName), Today.month(), Today.day()));
}

bool TfrmMain::SaveAs1Click(bool SaveAs)
{
    if (FXLink == nullptr)
        return false;
    QString Name = ValueSaveDialog.FileName;
    if (Name.isEmpty() || SaveAs) {
        // The dialog is shown on a copy: cancelling keeps the file in use.
        TFileDialogSpec Dialog = ValueSaveDialog;
        Dialog.Folder = Name.isEmpty() ? GridsFolder() : FolderOf(Name);
        QDir().mkpath(Dialog.Folder);
        Dialog.FileName = Name.isEmpty() ? ProposedFileName() : QFileInfo(Name).fileName();
        const QString Chosen = Prompts().SaveFileName(this, Dialog);
        if (Chosen.isEmpty())
            return true;
        Name = Chosen;
    }
    if (!WriteSavedGame(Name))
        return false;
    UseSavedFile(Name);
    return true;
}

void TfrmMain::UseSavedFile(const QString& FileName)
{
    for (TFileDialogSpec* Dialog : {&ValueSaveDialog, &ValueOpenDialog}) {
        Dialog->FileName = FileName;
        Dialog->Folder = FolderOf(FileName);
    }
    // The last issue and game stay as they are.
    FStore.SaveLastGame(0, 0, QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath()));
    SetCaption(FileName);
    FSaved = true;
}

bool TfrmMain::WriteSavedGame(const QString& FileName)
{
    // The old file is replaced only by a complete new one. A failure is the
    // player's to know of (a full disk, a read-only file), not a fault of the
    // installation: it is told plainly and the game stays unsaved.
    const std::string Text = SavedGameText(*FXLink, FGameRecord.GetIssueNumber(), FGameRecord.GetGameNumber());
    try {
        WriteFileWhole(ToStdString(FileName), Text);
        return true;
    } catch (const EFileWriteError& Error) {
        Prompts().Message(
            this, TMessageKind::Error, QString(),
            tr("Cannot save the game in %1: %2").arg(QDir::toNativeSeparators(FileName), ToQString(Error.Cause())));
        return false;
    }
}

void TfrmMain::Loadvalues1Click()
{
    if (!QuerySave())
        return;
    TFileDialogSpec Dialog = ValueOpenDialog;
    Dialog.Folder = GridsFolder();
    const QString Chosen = Prompts().OpenFileName(this, Dialog);
    if (!Chosen.isEmpty())
        LoadSavedGame(Chosen);
}

void TfrmMain::LoadSavedGame(const QString& FileName)
{
    // Whatever fails, the window ends on child 1 and shows what was loaded.
    const TGridsHeld Held(*this);
    const auto Finish = [this] {
        SelectChild(1);
        RefreshAll(false);
    };
    try {
        TFileStream Source(ToStdString(FileName), TFileMode::fmOpenRead);
        TSavedGameReader Reader(Source);
        const TSavedGameName Name = Reader.ReadName();
        // Loaded onto another game, the entries would be that game's, and
        // the next Save would write them under this file's name.
        if (!FCatalogue->ListsGame(Name.Game))
            throw Exception(Format("The saved game is of game %u of issue %u, which the list of games does not hold",
                                   Name.Game, Name.Issue));
        LoadGame(Name.Issue, Name.Game);
        SetCaption(FileName);
        Reader.LoadInto(*FXLink);
        UseSavedFile(FileName);
    } catch (const std::exception& Error) {
        // The board may now hold another game, or this one in part: no file
        // is in use any more, so the next Save asks for a name and never
        // writes over a file the player saved.
        ValueSaveDialog.FileName.clear();
        ValueOpenDialog.FileName.clear();
        SetCaption(QString());
        Finish();
        throw Exception(MessageNamingFile(Error.what(), FileName));
    }
    Finish();
}

void TfrmMain::ReshadeAfterPrinting()
{
    // Printing leaves every child unshaded; the one on screen shows its
    // linked cells again.
    if (TPuzzle* Child = Puzzle(FCurrentChild))
        Child->SetShading(true);
    RepaintGrids();
}

void TfrmMain::PrintClick()
{
    if (FXLink == nullptr)
        return;
    // Made at the first print only: the printer system is slow to start.
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!Prompts().ChoosePrinter(this, *FPrinter))
        return;
    const auto ShowMessage = [this](const std::string& Text) {
        Prompts().Message(this, TMessageKind::Plain, QString(), ToQString(Text));
    };
    try {
        PrintBookletOn(*FPrinter, *FXLink, ShowMessage);
    } catch (...) {
        ReshadeAfterPrinting();
        throw;
    }
    ReshadeAfterPrinting();
}

void TfrmMain::SaveBookletPdfClick()
{
    if (FXLink == nullptr)
        return;
    TFileDialogSpec Spec;
    Spec.Title = QStringLiteral("Save booklet as PDF");
    Spec.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*");
    Spec.Folder = ValueSaveDialog.FileName.isEmpty() ? GridsFolder() : FolderOf(ValueSaveDialog.FileName);
    QDir().mkpath(Spec.Folder);
    Spec.FileName = QFileInfo(ProposedFileName()).completeBaseName() + QStringLiteral(".pdf");
    Spec.DefaultSuffix = QStringLiteral("pdf");
    Spec.PromptOverwrite = true;
    const QString Chosen = Prompts().SaveFileName(this, Spec);
    if (Chosen.isEmpty())
        return;
    try {
        SaveBookletPdf(*FXLink, Chosen);
    } catch (...) {
        ReshadeAfterPrinting();
        throw;
    }
    ReshadeAfterPrinting();
}

void TfrmMain::ShowHelp(QWidget* Owner, int Topic)
{
    ShowHelpTopic(Owner, Topic);
}

void TfrmMain::GameHelpClick()
{
    ShowHelp(this, 2);
}

void TfrmMain::HomePageClick()
{
    OpenBrowser(HomePageAddress);
}

void TfrmMain::AboutClick()
{
    // The box names the program; the game's title is the main window's
    // alone.
    ShowAboutBox(this);
}
