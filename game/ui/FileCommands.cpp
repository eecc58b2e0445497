// Saved games and the booklet: the File menu's commands on the game played.
#include "FileCommands.h"

#include "Exception.h"
#include "FileStream.h"
#include "Format.h"
#include "GamesFile.h"
#include "PlayerFolders.h"
#include "PuzzleInfo.h"
#include "PuzzleXLink.h"
#include "QVPrinting.h"
#include "QVUtils.h"
#include "SafeFile.h"
#include "SavedGame.h"
#include "SettingsStore.h"

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
TText MessageNamingFile(const std::exception& Error, const QString& FileName)
{
    const std::string Message = Error.what();
    const std::string Shown = ToStdString(QDir::toNativeSeparators(FileName));
    if (Message.find(ToStdString(FileName)) != std::string::npos || Message.find(Shown) != std::string::npos)
        return TextOf(Error);
    return TText(TR_TEXT("TFileCommands", "%1\nThe saved game \"%2\" could not be loaded."), TextOf(Error), Shown);
}

// Printing and saving the booklet leave the children unshaded, whatever
// becomes of them.
template <typename Body>
void ThenReshade(TFileHost& Host, Body&& Run)
{
    try {
        Run();
    } catch (...) {
        Host.FilePrinted();
        throw;
    }
    Host.FilePrinted();
}

}  // namespace

TFileCommands::TFileCommands(TFileHost& Host, TSettingsStore& Store, QWidget& Window, std::string ProgramFolder)
    : FHost(Host), FStore(Store), FWindow(Window), FProgramFolder(std::move(ProgramFolder))
{
    const QString SaveFilter = tr("Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*");
    FSaveDialog.Title = tr("Save puzzle entries");
    FSaveDialog.Filter = SaveFilter;
    FSaveDialog.DefaultSuffix = QStringLiteral("sav");
    FSaveDialog.PromptOverwrite = true;
    FOpenDialog.Title = tr("Open previous entries");
    FOpenDialog.Filter = SaveFilter;
}

TFileCommands::~TFileCommands() = default;

void TFileCommands::StartIn(const QString& Folder)
{
    FSaveDialog.Folder = Folder;
    FOpenDialog.Folder = Folder;
}

QString TFileCommands::GridsFolder() const
{
    // "Grids" beside the program where the player may write there, else in
    // the player's documents; the last folder used wins over both. An
    // installed copy never writes beside the program.
    if (!FSaveDialog.Folder.isEmpty() && QFileInfo(FSaveDialog.Folder).isDir())
        return FSaveDialog.Folder;
    if (FHost.FileCatalogue().Folders().Installed())
        return PlayerGridsFolder();
    const QString Program = ToQString(FProgramFolder);
    const QFileInfo Beside(Program + QStringLiteral("Grids"));
    if (Beside.isDir() ? Beside.isWritable() : QFileInfo(Program).isWritable())
        return Beside.absoluteFilePath();
    return PlayerGridsFolder();
}

QString TFileCommands::ProposedFileName() const
{
    const QDate Today = QDate::currentDate();
    return ToQString(ProposedSaveName(ToStdString(FHost.FileGameName()), Today.month(), Today.day()));
}

bool TFileCommands::QuerySave()
{
    if (FSaved)
        return true;
    switch (Prompts().Confirm(&FWindow, tr("Do you want to save your current solution?"))) {
    case TAnswer::Cancel: return false;
    case TAnswer::Yes:
        // A save that failed (a full disk) keeps the game on the board; one
        // whose dialog was cancelled goes on as the player chose.
        return Save(false);
    case TAnswer::No: return true;
    }
    return true;
}

bool TFileCommands::Save(bool SaveAs)
{
    if (FHost.FilePyramid() == nullptr)
        return false;
    QString Name = FSaveDialog.FileName;
    if (Name.isEmpty() || SaveAs) {
        // The dialog is shown on a copy: cancelling keeps the file in use.
        TFileDialogSpec Dialog = FSaveDialog;
        Dialog.Folder = Name.isEmpty() ? GridsFolder() : FolderOf(Name);
        QDir().mkpath(Dialog.Folder);
        Dialog.FileName = Name.isEmpty() ? ProposedFileName() : QFileInfo(Name).fileName();
        const QString Chosen = Prompts().SaveFileName(&FWindow, Dialog);
        if (Chosen.isEmpty())
            return true;
        Name = Chosen;
    }
    if (!Write(Name))
        return false;
    Use(Name);
    return true;
}

void TFileCommands::Use(const QString& FileName)
{
    for (TFileDialogSpec* Dialog : {&FSaveDialog, &FOpenDialog}) {
        Dialog->FileName = FileName;
        Dialog->Folder = FolderOf(FileName);
    }
    // The last issue and game stay as they are.
    FStore.SaveLastGame(0, 0, QDir::toNativeSeparators(QFileInfo(FileName).absoluteFilePath()));
    FHost.FileCaption(FileName);
    FSaved = true;
}

bool TFileCommands::Write(const QString& FileName)
{
    // The old file is replaced only by a complete new one. A failure is the
    // player's to know of (a full disk, a read-only file), not a fault of the
    // installation: it is told plainly and the game stays unsaved.
    const TPuzzleInfo& Game = FHost.FileGame();
    const std::string Text = SavedGameText(*FHost.FilePyramid(), Game.GetIssueNumber(), Game.GetGameNumber());
    try {
        WriteFileWhole(ToStdString(FileName), Text);
        return true;
    } catch (const EFileWriteError& Error) {
        Prompts().Message(
            &FWindow, TMessageKind::Error, QString(),
            tr("Cannot save the game in %1: %2").arg(QDir::toNativeSeparators(FileName), ToQString(Error.Cause())));
        return false;
    }
}

void TFileCommands::Load()
{
    if (!QuerySave())
        return;
    TFileDialogSpec Dialog = FOpenDialog;
    Dialog.Folder = GridsFolder();
    const QString Chosen = Prompts().OpenFileName(&FWindow, Dialog);
    if (!Chosen.isEmpty())
        LoadSavedGame(Chosen);
}

void TFileCommands::LoadSavedGame(const QString& FileName)
{
    FHost.FileLoading([&] {
        try {
            TFileStream Source(ToStdString(FileName), TFileMode::fmOpenRead);
            TSavedGameReader Reader(Source);
            const TSavedGameName Name = Reader.ReadName();
            // Loaded onto another game, the entries would be that game's,
            // and the next Save would write them under this file's name.
            if (!FHost.FileCatalogue().ListsGame(Name.Game))
                throw Exception(TR_TEXT("TFileCommands", "The saved game is of game %1 of issue %2, which the list "
                                                         "of games does not hold"),
                                Name.Game, Name.Issue);
            FHost.FileLoadGame(Name.Issue, Name.Game);
            FHost.FileCaption(FileName);
            Reader.LoadInto(*FHost.FilePyramid());
            Use(FileName);
        } catch (const std::exception& Error) {
            // The board may now hold another game, or this one in part: no
            // file is in use any more, so the next Save asks for a name and
            // never writes over a file the player saved.
            FSaveDialog.FileName.clear();
            FOpenDialog.FileName.clear();
            FHost.FileCaption(QString());
            throw Exception(MessageNamingFile(Error, FileName));
        }
    });
}

void TFileCommands::Print()
{
    TPuzzleXLink* Pyramid = FHost.FilePyramid();
    if (Pyramid == nullptr)
        return;
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!Prompts().ChoosePrinter(&FWindow, *FPrinter))
        return;
    const auto ShowMessage = [this](const std::string& Text) {
        // The printing layer's own messages, in the player's language.
        Prompts().Message(&FWindow, TMessageKind::Plain, QString(),
                          QCoreApplication::translate("QVPrinting", Text.c_str()));
    };
    ThenReshade(FHost, [&] { PrintBookletOn(*FPrinter, *Pyramid, ShowMessage); });
}

void TFileCommands::SaveBookletPdf()
{
    TPuzzleXLink* Pyramid = FHost.FilePyramid();
    if (Pyramid == nullptr)
        return;
    TFileDialogSpec Spec;
    Spec.Title = tr("Save booklet as PDF");
    Spec.Filter = tr("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*");
    Spec.Folder = FSaveDialog.FileName.isEmpty() ? GridsFolder() : FolderOf(FSaveDialog.FileName);
    QDir().mkpath(Spec.Folder);
    Spec.FileName = QFileInfo(ProposedFileName()).completeBaseName() + QStringLiteral(".pdf");
    Spec.DefaultSuffix = QStringLiteral("pdf");
    Spec.PromptOverwrite = true;
    const QString Chosen = Prompts().SaveFileName(&FWindow, Spec);
    if (Chosen.isEmpty())
        return;
    ThenReshade(FHost, [&] { ::SaveBookletPdf(*Pyramid, Chosen); });
}
