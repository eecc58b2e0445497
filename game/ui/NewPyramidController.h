#pragma once
// "New Pyramid...": the dialog, the making of the pyramid and keeping it
// among the games made on this computer, then its start; and the deleting
// of a made game from "Choose Game".
//
// The pyramid is made on a worker thread that touches no widget (the
// generator is plain C++ over its own data): the window goes on painting
// from its event loop, which takes no input meanwhile. When making takes
// longer than ProgressDelayMs a modal progress dialog with Cancel shows;
// Cancel sets the flag the generator looks at between its steps. The game
// record is made and kept, and the game started, back on the window's
// thread.

#include "NewPyramid.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;
class TfrmNewPyramid;
class TGameEntry;
class TGamesDataFile;
class TSettingsStore;

// What the controller needs of the window.
class TNewPyramidHost {
public:
    virtual ~TNewPyramidHost() = default;
    virtual QWidget* NewPyramidOwner() = 0;
    virtual TGamesDataFile& NewPyramidCatalogue() = 0;
    virtual TSettingsStore& NewPyramidStore() = 0;
    // False when the player cancels leaving the current game.
    virtual bool NewPyramidMayStart() = 0;
    // Starts the catalogue game GameNumber as a new game.
    virtual void NewPyramidStart(uint32_t IssueNumber, uint32_t GameNumber) = 0;
    virtual void NewPyramidHelp(QWidget* Owner, int Topic) = 0;
    // The games listed changed (one made or deleted).
    virtual void NewPyramidGamesChanged() = 0;
};

class TNewPyramidController : public QObject {
    Q_OBJECT

public:
    static constexpr int ProgressDelayMs = 500;
    // Makes the pyramid; runs on the worker thread.
    using TMaker = std::function<TNewPyramid(const TNewPyramidRequest&, const std::atomic<bool>*)>;

    explicit TNewPyramidController(TNewPyramidHost& Host);
    ~TNewPyramidController() override;

    // The command: the dialog with the last choice, then Make.
    void NewPyramidClick();
    // Makes a pyramid for Request, keeps it and starts it; false when the
    // player cancelled or it failed (the player was told why).
    bool Make(const TNewPyramidRequest& Request);
    // Deletes the made game Game after the player confirms; true when it
    // went. Publishers' games are never deleted.
    bool DeleteGame(const TGameEntry& Game);

    // For tests: another maker (a slow one), the dialog while it shows
    // (made on first use), the progress dialog while it shows.
    void SetMaker(TMaker Maker) { FMaker = std::move(Maker); }
    TfrmNewPyramid* Dialog();
    QProgressDialog* Progress() const { return FProgress; }

private:
    TNewPyramidHost& FHost;
    TMaker FMaker;
    TfrmNewPyramid* FDialog = nullptr;
    QProgressDialog* FProgress = nullptr;
    bool FMaking = false;
};
