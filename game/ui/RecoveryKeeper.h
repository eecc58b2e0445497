#pragma once
// The game kept safe from an unclean end: while a game is played its whole
// state (RecoveryFile.h) is written to a recovery file of the player's within
// a second of each change, and a clean close removes the file. At the next
// start a recovery file left behind is offered back.
//
// Each running copy of the program holds the lock of one slot, "RECOVERY
// n.TXT" with n from 1, and writes only that slot's file, so two copies never
// write over each other's. A file in a slot whose lock nobody holds was left
// by a copy that ended uncleanly; the newest of those is offered.

#include <QCoreApplication>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <string>

class QWidget;
class TPuzzleInfo;
class TPuzzleXLink;
struct TRecoveryState;

// The window's services to the keeper.
class TRecoveryHost {
public:
    // nullptr while no game is on the board.
    virtual TPuzzleXLink* RecoveryPyramid() const = 0;
    virtual const TPuzzleInfo& RecoveryGame() const = 0;
    virtual const QString& RecoveryGameName() const = 0;
    // The saved game in use, empty for none.
    virtual QString RecoveryFileInUse() const = 0;
    // The child shown, the sheet, the digit highlighted and the puzzle the
    // Edit commands act on.
    virtual void RecoveryView(TRecoveryState& State) const = 0;
    // Whether the board differs from what a start would bring back (the
    // game as saved or as it came): only then is there anything to keep.
    virtual bool RecoveryNeeded() const = 0;
    // The time the game on the board has been played.
    virtual int64_t RecoveryPlayedMs() const = 0;
    // Puts State's game on the board exactly as State has it, unsaved, its
    // time played counting on from State's;
    // raises Exception when it cannot.
    virtual void RecoveryRestore(const TRecoveryState& State) = 0;

protected:
    ~TRecoveryHost() = default;
};

class TRecoveryKeeper {
    Q_DECLARE_TR_FUNCTIONS(TRecoveryKeeper)

public:
    static constexpr int Slots = 16;
    static constexpr int WriteDelayMs = 1000;

    // Folder ends in a separator; the keeper takes its slot there.
    TRecoveryKeeper(TRecoveryHost& Host, QWidget& Window, const std::string& Folder);
    ~TRecoveryKeeper();
    TRecoveryKeeper(const TRecoveryKeeper&) = delete;
    TRecoveryKeeper& operator=(const TRecoveryKeeper&) = delete;

    // Offers back the newest file an unclean end left; true when its game
    // is on the board now. A damaged file is removed with a message.
    bool OfferRecovery();
    // Something of the state changed: the file is written within a second.
    void Changed();
    // Writes the file now (a pending write, or the state as it is); with
    // nothing to keep, removes it instead.
    void WriteNow();
    // The game ended cleanly: its file goes.
    void Remove();
    // The file this copy writes; empty when no slot could be had.
    const std::string& FileName() const { return FFileName; }
    static std::string SlotFile(const std::string& Folder, int Slot);

private:
    TRecoveryHost& FHost;
    QWidget& FWindow;
    std::string FFolder;
    std::string FFileName;
    intptr_t FLock = -1;
    QTimer FTimer;
    bool FWriteFailed = false;
};
