// "Add Issue File...": copies an issue file the player picks into the folder
// for added issues and takes it into the catalogue. A new pyramid's start.
#include "QVMain.h"

#include "Exception.h"

#include <QDir>
#include <QStandardPaths>

void TfrmMain::AddIssueFileClick()
{
    TFileDialogSpec Dialog;
    Dialog.Title = tr("Add issue file");
    Dialog.Filter = tr("Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*");
    Dialog.Folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString Chosen = Prompts().OpenFileName(this, Dialog);
    if (Chosen.isEmpty())
        return;
    int Index = -1;
    try {
        Index = FCatalogue->AddIssueFile(ToStdString(QDir::toNativeSeparators(Chosen)));
    } catch (const Exception& Refused) {
        // A file the player picked, not a fault of the installation.
        Prompts().Message(this, TMessageKind::Exclamation, QString(), ToQString(Refused.Message()));
        return;
    }
    EnableGameMenus();
    const TIssueEntry& Issue = FCatalogue->Issue(Index);
    Prompts().Message(this, TMessageKind::Plain, QString(),
                      tr("%1 was added with %2 games; \"Choose game...\" lists them.")
                          .arg(FromDataText(Issue.GetDescription()))
                          .arg(Issue.Games().size()));
    if (FXLink == nullptr && !Issue.Games().empty())
        LoadGame(Issue.GetIssueNumber(), Issue.Games().front().GetGameNumber());
}

void TfrmMain::NewPyramidStart(uint32_t Issue, uint32_t Game)
{
    LoadGame(Issue, Game);
    // A new game: "Save" asks for a file name.
    FFiles->SetFileName(QString());
}
