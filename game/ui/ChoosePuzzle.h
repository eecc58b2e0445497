#pragma once
// The choose-game dialog: every game of every issue in the catalogue, one
// line each in catalogue order, with the issue's and the game's description
// of the selected line above and below the list. The main window hands the
// catalogue over before each showing and, after OK, takes the game's issue
// and game number from GetSelectedGame. The games made on this computer
// come last, as an issue of their own; they alone can be deleted here. With
// a record of games played, an icon beside each name tells solved from
// started.

#include "GamesFile.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;
class TRecordKeeper;

class TfrmChoosePuzzle : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpTopic = 4;

    explicit TfrmChoosePuzzle(QWidget* Owner = nullptr);
    ~TfrmChoosePuzzle() override;
    TfrmChoosePuzzle(const TfrmChoosePuzzle&) = delete;
    TfrmChoosePuzzle& operator=(const TfrmChoosePuzzle&) = delete;

    // Not owned; may be nullptr (an empty list). It must stay alive while the
    // dialog can show it.
    void SetCatalogue(const TGamesDataFile* Catalogue);
    // The record of the games played (not owned; may be nullptr): once the
    // player has one, each line shows by an icon whether its game was
    // solved or started, and the game's description adds its record.
    void SetRecords(const TRecordKeeper* Records) { FRecords = Records; }
    // Rebuilds the list from the catalogue and selects the first line. With
    // no game to list, the list is empty and OK is disabled.
    void FillGames();
    // A copy of the selected line's game entry; nullopt when nothing is
    // selected.
    std::optional<TGameEntry> GetSelectedGame() const;

    // Deletes a game the player made, after asking; answers whether it went.
    // The "Delete" button is enabled for made games while a handler is set.
    using TDeleteHandler = std::function<bool(const TGameEntry&)>;
    void SetDeleteHandler(TDeleteHandler Handler) { FDeleteHandler = std::move(Handler); }

    // Makes the dialog's controls now (showing it does this by itself).
    void EnsureControls();
    void setVisible(bool Visible) override;

signals:
    void HelpRequested(int Topic);

protected:
    // Each showing starts again on the first line.
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    // A line's game, and the issue entry it was listed under.
    struct TLine {
        std::unique_ptr<TIssueGame> Game;
        int IssueIndex = 0;
    };

    void lbxGamesClick();
    void lbxGamesDblClick();
    void BitBtn3Click();
    void btnDeleteClick();
    // The line selected, or nullptr.
    const TLine* SelectedLine() const;

    const TGamesDataFile* FCatalogue = nullptr;
    const TRecordKeeper* FRecords = nullptr;
    // One per list line, in line order; freed when the list is refilled.
    std::vector<TLine> FLines;
    QLabel* FIssueLabel = nullptr;
    QListWidget* FGames = nullptr;
    QLabel* FDescription = nullptr;
    QPushButton* FOk = nullptr;
    QPushButton* FDelete = nullptr;
    TDeleteHandler FDeleteHandler;
};
