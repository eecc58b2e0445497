#pragma once
// The File menu's commands on the game being played: saving it (Save, Save
// As, and the question on leaving a game with unsaved entries), loading a
// saved game, and the booklet, printed or saved as a PDF. The commands keep
// their state as values: the save and open dialogs (titles, filter, the
// folder they start in, the file in use), whether the board differs from
// what was saved, and the printer, which keeps the player's choices. What
// the window does for them (the game, the caption, the grids) they ask of
// their host.

#include "Prompter.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QWidget;
class TGamesDataFile;
class TPuzzleInfo;
class TPuzzleXLink;
class TSettingsStore;

// The window's services to the file commands.
class TFileHost {
public:
    // nullptr while no game is on the board.
    virtual TPuzzleXLink* FilePyramid() const = 0;
    virtual const TPuzzleInfo& FileGame() const = 0;
    virtual const QString& FileGameName() const = 0;
    virtual TGamesDataFile& FileCatalogue() const = 0;
    // Puts the catalogue's game on the board; throws when it cannot.
    virtual void FileLoadGame(uint32_t Issue, uint32_t Game) = 0;
    virtual void FileCaption(const QString& FileName) = 0;
    // Runs Load with the grids' repaints held; afterwards, also when Load
    // throws, the window shows child 1 and what is on the board.
    virtual void FileLoading(const std::function<void()>& Load) = 0;
    // Printing leaves every child unshaded: the one on screen shows its
    // linked cells again.
    virtual void FilePrinted() = 0;

protected:
    ~TFileHost() = default;
};

class TFileCommands {
    Q_DECLARE_TR_FUNCTIONS(TFileCommands)

public:
    // ProgramFolder ends in a separator; saved games go to "Grids" beside
    // the program when the player may write there.
    TFileCommands(TFileHost& Host, TSettingsStore& Store, QWidget& Window, std::string ProgramFolder);
    ~TFileCommands();
    TFileCommands(const TFileCommands&) = delete;
    TFileCommands& operator=(const TFileCommands&) = delete;

    // Whether the board is as it was last saved or started.
    bool Saved() const { return FSaved; }
    void SetSaved(bool Saved) { FSaved = Saved; }
    // The file in use (the save dialog's file name); empty for a game from
    // the catalogue, whose first Save asks for a name.
    const QString& FileName() const { return FSaveDialog.FileName; }
    void SetFileName(const QString& Name) { FSaveDialog.FileName = Name; }
    // Both dialogs start in Folder (the last folder used, from the settings).
    void StartIn(const QString& Folder);

    // Asks whether to save unsaved entries; false when the player cancelled
    // or the save failed, so the game stays on the board.
    bool QuerySave();
    // False when the file could not be written (the player was told; the
    // game stays unsaved), true when it was written or the save dialog was
    // cancelled.
    bool Save(bool SaveAs);
    // Asks for a saved game (after QuerySave) and loads it.
    void Load();
    // Loads FileName onto its game; throws, naming the file, when it
    // cannot, and then no file is in use any more.
    void LoadSavedGame(const QString& FileName);
    void Print();
    void SaveBookletPdf();

private:
    bool Write(const QString& FileName);
    // The file just saved or loaded is the one in use from now on.
    void Use(const QString& FileName);
    QString ProposedFileName() const;
    QString GridsFolder() const;

    TFileHost& FHost;
    TSettingsStore& FStore;
    QWidget& FWindow;
    std::string FProgramFolder;
    bool FSaved = true;
    TFileDialogSpec FSaveDialog;
    TFileDialogSpec FOpenDialog;
    // Made at the first print only: the printer system is slow to start.
    std::unique_ptr<QPrinter> FPrinter;
};
