#pragma once
// The statistics window ("S&tatistics..." on the File menu): the player's
// way through the games of the catalogue, from the record of games played.
// One table by grade and one by issue, each line the games solved of those
// there are, the best and the median solving time and the games solved
// without help, with a line for all games; beside the grades, a chart of
// every solving time, a dot a game, with each grade's median marked. A
// game's grade is the one its description names; games whose description
// names none are counted under "Other games". The figures are worked out
// when the window is filled and are not kept.

#include "GameStatistics.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QTableWidget;
class QTabWidget;
class TGamesDataFile;
class TTimesChart;

class TfrmStatistics : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpTopic = 9;

    explicit TfrmStatistics(QWidget* Owner = nullptr);

    // Shows the figures of Catalogue's games (which may be nullptr: no
    // games) from Records.
    void Fill(const TGamesDataFile* Catalogue, const TGameRecords& Records);

    // A named line of figures, as the tables show it.
    struct TLine {
        QString Name;
        TGameTally Tally;
    };
    const std::vector<TLine>& GradeLines() const { return FGradeLines; }
    const std::vector<TLine>& IssueLines() const { return FIssueLines; }

signals:
    void HelpRequested(int Topic);

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void ShowLines(QTableWidget* Table, const std::vector<TLine>& Lines, const TLine& All);

    QLabel* FSummary = nullptr;
    QTabWidget* FPages = nullptr;
    QTableWidget* FGrades = nullptr;
    QTableWidget* FIssues = nullptr;
    TTimesChart* FChart = nullptr;
    std::vector<TLine> FGradeLines;
    std::vector<TLine> FIssueLines;
};
