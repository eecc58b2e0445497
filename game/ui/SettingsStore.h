#pragma once
// Where the settings live between runs: the last game and saved file (group
// "Games") and the settings of the settings dialog with the state of the
// View menu (group "Options"), under "Tavrel Sudoku International" /
// "Tavrel Sudoku" in the system's per-user store (the registry under the
// current user on Windows, Qt's per-user settings file elsewhere).
//
// Booleans, colours and numbers are stored as 32-bit integers (DWORDs in a
// registry), texts as strings. What is read is never trusted: a missing or
// garbled boolean reads true, a garbled colour its design default, a garbled
// number 1.
//
// One store object serves the window; an operation running inside another
// reuses the outer one's open settings object.

#include "Grader.h"
#include "ViewOptions.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class QSettings;
class TfrmOptions;

// The last choice of "New Pyramid...": a layout type or AnyLayout, a grade.
struct TNewPyramidChoice {
    int Layout = -1;
    TGrade Grade;
};

// The main window's zoom and place on the screen (its frame left out).
struct TWindowPlace {
    // False when nothing is stored: the window starts at 100%, centred.
    bool Known = false;
    double Zoom = 1.0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Maximised = false;
};

struct TLastGame {
    uint32_t Issue = 1;
    uint32_t Game = 1;
    QString Saved;
    QString Folder;
};

class TSettingsStore {
public:
    static constexpr const char* Organisation = "Tavrel Sudoku International";
    static constexpr const char* Application = "Tavrel Sudoku";
    static constexpr const char* GamesGroup = "Games";
    static constexpr const char* OptionsGroup = "Options";
    // The stage Next Step shows first, 1-4.
    static constexpr const char* StepStageName = "StepStartStage";
    // The colour scheme chosen last, by its stored name.
    static constexpr const char* SchemeName = "ColourScheme";
    // The language chosen: "System" or a language's code ("de", "pt_BR").
    static constexpr const char* LanguageName = "Language";
    // The main window's zoom (in thousandths) and place: "Zoom", "Left",
    // "Top", "Width", "Height", "Maximised".
    static constexpr const char* WindowGroup = "Window";

    TSettingsStore();
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    // Keeps every store's settings in an INI file of the caller's choosing
    // instead of the system's store (tests use a scratch file); an empty
    // name goes back to the system's store.
    static void UseFile(const QString& FileName);

    // Issue 0 leaves the last issue and game as they are; a file stores its
    // folder as the last folder.
    void SaveLastGame(uint32_t Issue, uint32_t Game, const QString& File);
    TLastGame ReadLastGame();
    void SaveNewPyramidChoice(const TNewPyramidChoice& Choice);
    // Any layout, singles, when nothing sound is stored.
    TNewPyramidChoice ReadNewPyramidChoice();
    void SaveWindowPlace(const TWindowPlace& Place);
    // Not Known when any part is missing or makes no sense (a size below a
    // pixel, a zoom below 100%).
    TWindowPlace ReadWindowPlace();

    // The eleven booleans (their checked state), thirteen colours, the
    // colour scheme and the stage Next Step starts at.
    void SaveOptions(const TfrmOptions& Options);
    // Reads them into the dialog; with nothing stored yet, stores the
    // dialog's own state instead.
    void LoadOptions(TfrmOptions& Options);
    // The language chosen in the settings, as stored ("System" when nothing
    // sound is).
    std::string ReadLanguage();

    // WithPencilStyle false leaves the four pencil styles stored as they
    // are: the style shown is then the game's, not the player's choice.
    void SaveViewOptions(const TViewOptions& View, bool WithPencilStyle = true);
    // Reads the stored view settings into View. GameSetsStyle (the game
    // offers no linked auto pencil) keeps the auto styles and the filling as
    // they are and picks "&User Marks (Linked)" when no user style is
    // stored. A missing value stops the reading and stores the view as it
    // then is, the pencil style only where it is the player's.
    void LoadViewOptions(TViewOptions& View, bool GameSetsStyle);

    // The stored value names of the dialog's booleans (by setting number,
    // nullptr for 6 and out of range) and colours (1-13).
    static const char* OptionName(int Number);
    static const char* ColourName(int Number);

    // The file that holds the settings (empty where the registry does).
    static QString StoreFile();

private:
    class TScope;
    QSettings& Open();
    bool GroupExists(const char* Group);

    std::unique_ptr<QSettings> FSettings;
    int FDepth = 0;
};
