#pragma once
// TEMPORARY stand-in until the choose-game dialog lands from its branch.
#include "GamesFile.h"
#include <QDialog>
#include <optional>
class TfrmChoosePuzzle : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChoosePuzzle(QWidget* Owner = nullptr) : QDialog(Owner) {}
    void SetCatalogue(const TGamesDataFile* Catalogue) { FCatalogue = Catalogue; }
    void FillGames() {}
    std::optional<TGameEntry> GetSelectedGame() const { return std::nullopt; }
signals:
    void HelpRequested(int Topic);
private:
    const TGamesDataFile* FCatalogue = nullptr;
};
