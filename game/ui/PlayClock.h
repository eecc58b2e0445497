#pragma once
// The time a game has been played, counted while the window is active, not
// minimised and not paused; the optional timer ("&Timer" in the View menu)
// that shows it at the right end of the step line; and the pause ("&Pause",
// the Pause key), which covers both grids with the panel colour and the word
// "Paused" until Pause again or a click. A screen reader hears "Paused"
// when the cover comes; the timer is a labelled text it reads on demand, not
// a change every second.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>

class QLabel;
class QWidget;

class TPlayClock : public QObject {
    Q_OBJECT

public:
    static constexpr int TimerWidth = 72;

    // The timer shares StepLine's panel, the cover lies over Grids.
    TPlayClock(QLabel& StepLine, QWidget& Grids);

    // The window is active and not minimised.
    void SetActive(bool Active);
    int64_t PlayedMs() const;
    // A game starts counting from Played.
    void StartCount(int64_t Played);

    void ShowTimer(bool Shown);
    bool TimerShown() const { return FTimerShown; }
    void SetPaused(bool Paused);
    bool Paused() const { return FPaused; }
    // The timer's text now ("0:12:05").
    QString TimerText() const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool Running() const { return FActive && !FPaused; }
    void Follow();
    void Tick();

    QLabel& FStepLine;
    QWidget& FGrids;
    QLabel* FTimer = nullptr;
    QLabel* FCover = nullptr;
    QTimer FTick;
    bool FActive = false;
    bool FPaused = false;
    bool FTimerShown = false;
    int64_t FBefore = 0;
    QElapsedTimer FRunning;
};
