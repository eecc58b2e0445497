#pragma once
// The record of every game played (GameRecords.h), kept in the player's
// "RECORDS.TXT" beside the catalogue and written whole on each change: the
// window tells the keeper when a game starts, how long it has been played,
// when it is solved and what help it took. A damaged file is put aside
// under another name, told, and a new record begun, so nothing the player
// had is destroyed.

#include "GameRecords.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string>

class QWidget;

class TRecordKeeper {
    Q_DECLARE_TR_FUNCTIONS(TRecordKeeper)

public:
    // Folder ends in a separator. Reads the file (a damaged one is told
    // when the window first shows, through ReportDamage).
    TRecordKeeper(QWidget& Window, const std::string& Folder);

    // The message about a damaged file met when reading, once.
    void ReportDamage();
    const TGameRecords& Records() const { return FRecords; }
    // The time Game was played before, to count on from.
    int64_t PlayedMs(uint32_t Game) const;

    void Started(uint32_t Game);
    void Played(uint32_t Game, int64_t PlayedMs);
    void Solved(uint32_t Game, int64_t PlayedMs);
    void StepShown(uint32_t Game);
    void StepMade(uint32_t Game);
    void SolveUsed(uint32_t Game);

    // "Solved Dec 08 in 1:12:05, 3 steps shown", "Started Dec 08, 0:20:11
    // played"; empty for a game never started.
    QString Summary(uint32_t Game) const;
    // "1:12:05".
    static QString Duration(int64_t Ms);
    const std::string& FileName() const { return FFileName; }

private:
    void Write();

    QWidget& FWindow;
    std::string FFileName;
    TGameRecords FRecords;
    QString FDamage;
    bool FWriteFailed = false;
};
