#include "SettingsStore.h"

#include "Languages.h"
#include "Options.h"
#include "Prompter.h"
#include "QVUtils.h"
#include "SettingsValues.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

QString& FileOverride()
{
    static QString Name;
    return Name;
}

// The boolean settings in the order they are stored.
constexpr int StoredOptions[] = {optHiLiteToErase,   optHiLiteToValue, optSingleValue, optShowLeds,
                                 optProgressBars,    optNoRemoveSoln,  optInvalid,     optIncorrect,
                                 optInvalidPriority, optMainHints,     optCongrats};

// An integer as a 32-bit word, whether the store kept it as a signed or an
// unsigned number or as text; nothing when it is missing or not a number.
std::optional<uint32_t> ReadWord(const QSettings& Store, const QString& Name)
{
    const QVariant Value = Store.value(Name);
    if (!Value.isValid())
        return std::nullopt;
    bool Ok = false;
    const qlonglong Number = Value.toLongLong(&Ok);
    if (Ok && Number >= INT32_MIN && Number <= UINT32_MAX)
        return static_cast<uint32_t>(Number);
    return std::nullopt;
}

// A colour value the colour boxes can hold: $00BBGGRR, or a system colour
// $FF0000nn with a known index.
bool IsColourValue(uint32_t Value)
{
    if ((Value & 0xFF000000u) == 0)
        return true;
    return (Value & 0xFFFFFF00u) == 0xFF000000u && (Value & 0xFFu) <= 30;
}

// Writes a value only when the store holds another, so that starting a
// game, which stores the view settings, writes nothing when they did not
// change.
void Write(QSettings& Store, const QString& Name, const QVariant& Value)
{
    const QVariant Held = Store.value(Name);
    if (!Held.isValid() || Held.toString() != Value.toString())
        Store.setValue(Name, Value);
}

QString Key(const char* Group, const char* Name)
{
    return QString::fromLatin1(Group) + QLatin1Char('/') + QString::fromLatin1(Name);
}

}  // namespace

class TSettingsStore::TScope {
public:
    explicit TScope(TSettingsStore& Store) : FStore(Store) { ++FStore.FDepth; }
    ~TScope()
    {
        if (--FStore.FDepth == 0)
            FStore.FSettings.reset();
    }
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

private:
    TSettingsStore& FStore;
};

TSettingsStore::TSettingsStore() = default;
TSettingsStore::~TSettingsStore() = default;

void TSettingsStore::UseFile(const QString& FileName)
{
    FileOverride() = FileName;
}

QString TSettingsStore::StoreFile()
{
    if (!FileOverride().isEmpty())
        return FileOverride();
#if defined(Q_OS_WIN)
    return QString();  // the registry
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QLatin1String(Organisation) + QLatin1Char('/') + QLatin1String(Application) + QStringLiteral(".conf");
#endif
}

QSettings& TSettingsStore::Open()
{
    if (!FSettings) {
        // A named pipe or a device in the store's place would block the
        // program in its first read for good: it is named to the player once
        // and left alone, and the settings of this run are kept in a scratch
        // file instead.
        const QString File = StoreFile();
        std::error_code Error;
        const std::filesystem::file_status Status =
            std::filesystem::status(std::filesystem::path(File.toStdWString()), Error);
        if (!File.isEmpty() && !Error && std::filesystem::exists(Status) && !std::filesystem::is_regular_file(Status)) {
            static bool Told = false;
            if (!Told) {
                Told = true;
                Prompts().Message(nullptr, TMessageKind::Error, QString(),
                                  QCoreApplication::translate("TSettingsStore",
                                                              "The settings file %1 is not a regular file. The "
                                                              "settings are not read from it or kept in it.")
                                      .arg(QDir::toNativeSeparators(File)));
            }
            static QTemporaryDir Scratch;
            FSettings =
                std::make_unique<QSettings>(Scratch.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        } else if (FileOverride().isEmpty())
            FSettings =
                std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
        else
            FSettings = std::make_unique<QSettings>(FileOverride(), QSettings::IniFormat);
        // The file is replaced whole or not at all, so a run killed while
        // writing never leaves half a store behind.
        FSettings->setAtomicSyncRequired(true);
    }
    return *FSettings;
}

bool TSettingsStore::GroupExists(const char* Group)
{
    QSettings& Store = Open();
    Store.beginGroup(QString::fromLatin1(Group));
    const bool Exists = !Store.childKeys().isEmpty();
    Store.endGroup();
    return Exists;
}

const char* TSettingsStore::OptionName(int Number)
{
    switch (Number) {
    case optHiLiteToErase: return "HiLiteToErase";
    case optHiLiteToValue: return "HiLiteToValue";
    case optSingleValue: return "ClickSetsValue";
    case optShowLeds: return "ShowLeds";
    case optProgressBars: return "ShowProgressBars";
    case optNoRemoveSoln: return "NoEraseSolution";
    case optInvalid: return "HiLiteInvalid";
    case optIncorrect: return "HiLiteIncorrect";
    case optInvalidPriority: return "InvalidHasPriority";
    case optMainHints: return "MainHints";
    case optCongrats: return "Congratulations";
    default: return nullptr;
    }
}

const char* TSettingsStore::ColourName(int Number)
{
    static const char* const Names[] = {"NormalBgColor",  "ShadedBgColor",    "RevealedColor", "EnteredColor",
                                        "LEDoffColor",    "LED8Color",        "LED9Color",     "InvalidColor",
                                        "IncorrectColor", "PencilMarksColor", "SelectedColor", "HiLiteFontColor",
                                        "HiLiteBackColor"};
    return Number >= 1 && Number <= TSettingsValues::ColourCount ? Names[Number - 1] : nullptr;
}

void TSettingsStore::SaveLastGame(uint32_t Issue, uint32_t Game, const QString& File)
{
    TScope Scope(*this);
    QSettings& Store = Open();
    if (Issue != 0) {
        Write(Store, Key(GamesGroup, "LastIssue"), static_cast<int>(Issue));
        Write(Store, Key(GamesGroup, "LastPuzzle"), static_cast<int>(Game));
    }
    Write(Store, Key(GamesGroup, "LastSaved"), File);
    if (!File.isEmpty())
        Write(Store, Key(GamesGroup, "LastFolder"),
              QDir::toNativeSeparators(QFileInfo(File).absolutePath() + QLatin1Char('/')));
}

TLastGame TSettingsStore::ReadLastGame()
{
    TScope Scope(*this);
    TLastGame Last;
    if (!GroupExists(GamesGroup))
        return Last;
    QSettings& Store = Open();
    Last.Issue = ReadWord(Store, Key(GamesGroup, "LastIssue")).value_or(1);
    Last.Game = ReadWord(Store, Key(GamesGroup, "LastPuzzle")).value_or(1);
    Last.Saved = Store.value(Key(GamesGroup, "LastSaved")).toString();
    Last.Folder = Store.value(Key(GamesGroup, "LastFolder")).toString();
    return Last;
}

void TSettingsStore::SaveNewPyramidChoice(const TNewPyramidChoice& Choice)
{
    TScope Scope(*this);
    QSettings& Store = Open();
    Write(Store, Key(GamesGroup, "NewPyramidLayout"), Choice.Layout);
    Write(Store, Key(GamesGroup, "NewPyramidGrade"), QString::fromStdString(GradeKeyword(Choice.Grade)));
}

TNewPyramidChoice TSettingsStore::ReadNewPyramidChoice()
{
    TScope Scope(*this);
    TNewPyramidChoice Choice;
    if (!GroupExists(GamesGroup))
        return Choice;
    QSettings& Store = Open();
    bool Ok = false;
    const int Layout = Store.value(Key(GamesGroup, "NewPyramidLayout")).toInt(&Ok);
    if (Ok && Layout >= -1 && Layout <= 13)
        Choice.Layout = Layout;
    TGrade Grade;
    if (ParseGrade(Store.value(Key(GamesGroup, "NewPyramidGrade")).toString().toStdString(), Grade))
        Choice.Grade = Grade;
    return Choice;
}

void TSettingsStore::SaveOptions(const TfrmOptions& Options)
{
    TScope Scope(*this);
    QSettings& Store = Open();
    for (int Number : StoredOptions)
        Write(Store, Key(OptionsGroup, OptionName(Number)), Options.GetStoredOption(Number) ? 1 : 0);
    for (int Number = 1; Number <= TSettingsValues::ColourCount; ++Number)
        Write(Store, Key(OptionsGroup, ColourName(Number)), static_cast<uint>(Options.GetColour(Number)));
    Write(Store, Key(OptionsGroup, StepStageName), static_cast<uint>(Options.StepStartStage()));
    Write(Store, Key(OptionsGroup, SchemeName), QString::fromLatin1(SchemeOf(Options.Values().Scheme()).StoredName));
    // The system's language is what a store without the name means, so a
    // player who never chose one has nothing stored for it.
    if (Options.Language() == SystemLanguage)
        Store.remove(Key(OptionsGroup, LanguageName));
    else
        Write(Store, Key(OptionsGroup, LanguageName), QString::fromStdString(Options.Language()));
}

std::string TSettingsStore::ReadLanguage()
{
    TScope Scope(*this);
    const std::string Stored = Open().value(Key(OptionsGroup, LanguageName)).toString().toStdString();
    return KnownLanguage(Stored) ? Stored : std::string(SystemLanguage);
}

void TSettingsStore::LoadOptions(TfrmOptions& Options)
{
    TScope Scope(*this);
    if (!GroupExists(OptionsGroup)) {
        SaveOptions(Options);
        return;
    }
    QSettings& Store = Open();
    for (int Number : StoredOptions) {
        const std::optional<uint32_t> Value = ReadWord(Store, Key(OptionsGroup, OptionName(Number)));
        Options.SetOption(Number, !Value || *Value != 0);
    }
    for (int Number = 1; Number <= TSettingsValues::ColourCount; ++Number) {
        const std::optional<uint32_t> Value = ReadWord(Store, Key(OptionsGroup, ColourName(Number)));
        Options.SetColour(Number, Value && IsColourValue(*Value) ? *Value : TSettingsValues::DefaultColour(Number));
    }
    // Missing or out of range: the place to look.
    const std::optional<uint32_t> Stage = ReadWord(Store, Key(OptionsGroup, StepStageName));
    Options.SetStepStartStage(Stage && *Stage <= TSettingsValues::StepStageCount ? static_cast<int>(*Stage) : 1);
    // Missing or unknown: the design's colours round the grids.
    Options.SetScheme(
        SchemeNamed(Store.value(Key(OptionsGroup, SchemeName)).toString().toStdString()).value_or(TSchemeId::Classic));
    Options.SetLanguage(ReadLanguage());
}

void TSettingsStore::SaveWindowPlace(const TWindowPlace& Place)
{
    TScope Scope(*this);
    QSettings& Store = Open();
    Write(Store, Key(WindowGroup, "Zoom"), static_cast<int>(std::lround(Place.Zoom * 1000)));
    Write(Store, Key(WindowGroup, "Left"), Place.X);
    Write(Store, Key(WindowGroup, "Top"), Place.Y);
    Write(Store, Key(WindowGroup, "Width"), Place.Width);
    Write(Store, Key(WindowGroup, "Height"), Place.Height);
    Write(Store, Key(WindowGroup, "Maximised"), Place.Maximised ? 1 : 0);
}

TWindowPlace TSettingsStore::ReadWindowPlace()
{
    TScope Scope(*this);
    TWindowPlace Place;
    if (!GroupExists(WindowGroup))
        return Place;
    QSettings& Store = Open();
    const auto Number = [&](const char* Name) {
        const std::optional<uint32_t> Word = ReadWord(Store, Key(WindowGroup, Name));
        return Word ? std::optional<int>(static_cast<int32_t>(*Word)) : std::nullopt;
    };
    const std::optional<int> Zoom = Number("Zoom"), X = Number("Left"), Y = Number("Top"), Width = Number("Width"),
                             Height = Number("Height"), Maximised = Number("Maximised");
    // Sizes beyond any screen are brought inside one on showing; these
    // bounds only keep the arithmetic sound.
    constexpr int Largest = 1 << 20;
    if (!Zoom || !X || !Y || !Width || !Height || !Maximised || *Zoom < 1000 || *Zoom > 100000 || *Width < 1 ||
        *Height < 1 || *Width > Largest || *Height > Largest || std::abs(*X) > Largest || std::abs(*Y) > Largest)
        return Place;
    Place.Known = true;
    Place.Zoom = *Zoom / 1000.0;
    Place.X = *X;
    Place.Y = *Y;
    Place.Width = *Width;
    Place.Height = *Height;
    Place.Maximised = *Maximised != 0;
    return Place;
}

void TSettingsStore::SaveViewOptions(const TViewOptions& View, bool WithPencilStyle)
{
    TScope Scope(*this);
    QSettings& Store = Open();
    const auto Put = [&](const char* Name, bool Value) { Write(Store, Key(OptionsGroup, Name), Value ? 1 : 0); };
    const auto PutStyle = [&](const char* Name, TPencilStyle Style) {
        if (WithPencilStyle)
            Put(Name, View.Is(Style));
    };
    PutStyle("UserMarksLinked", TPencilStyle::UserMarksLinked);
    PutStyle("UserMarksSeparate", TPencilStyle::UserMarksSeparate);
    Put("HidePencilMarks", View.HidePencilMarks);
    PutStyle("AutoPencilLinked", TPencilStyle::AutoPencilLinked);
    PutStyle("AutoPencilSeparate", TPencilStyle::AutoPencilSeparate);
    Put("Candidates", !View.Filled);
    Put("HiLiteChildOnly", View.Is(THighlightScope::ChildOnly));
    Put("HiLiteParentOnly", View.Is(THighlightScope::ParentOnly));
    Put("HiLiteBoth", View.Is(THighlightScope::Both));
    Put("ParentChoosesChild", View.ParentChoosesChild);
    Put("ShowTimer", View.Timer);
}

void TSettingsStore::LoadViewOptions(TViewOptions& View, bool GameSetsStyle)
{
    TScope Scope(*this);
    if (!GroupExists(OptionsGroup))
        return;
    QSettings& Store = Open();
    // Each step reads one value; the first that is missing ends the reading.
    bool Complete = false;
    const auto Read = [&](const char* Name, bool& Value) {
        const std::optional<uint32_t> Word = ReadWord(Store, Key(OptionsGroup, Name));
        if (!Word)
            return false;
        Value = *Word != 0;
        return true;
    };
    // A name of its own, outside the chain below.
    if (const std::optional<uint32_t> Timer = ReadWord(Store, Key(OptionsGroup, "ShowTimer")))
        View.Timer = *Timer != 0;
    [&] {
        bool Value = false;
        if (!GameSetsStyle) {
            if (!Read("AutoPencilLinked", Value))
                return;
            View.SetStyle(TPencilStyle::AutoPencilLinked, Value);
            if (!Read("AutoPencilSeparate", Value))
                return;
            View.SetStyle(TPencilStyle::AutoPencilSeparate, Value);
            if (!Read("Candidates", Value))
                return;
            View.Filled = !Value;
        }
        if (!Read("UserMarksLinked", Value))
            return;
        View.SetStyle(TPencilStyle::UserMarksLinked, Value);
        if (!Read("UserMarksSeparate", Value))
            return;
        View.SetStyle(TPencilStyle::UserMarksSeparate, Value);
        if (GameSetsStyle && !View.UserMarks())
            View.SetStyle(TPencilStyle::UserMarksLinked, true);
        if (!Read("HidePencilMarks", Value))
            return;
        View.HidePencilMarks = Value;
        if (!Read("HiLiteChildOnly", Value))
            return;
        View.SetScope(THighlightScope::ChildOnly, Value);
        if (!Read("HiLiteParentOnly", Value))
            return;
        View.SetScope(THighlightScope::ParentOnly, Value);
        if (!Read("HiLiteBoth", Value))
            return;
        View.SetScope(THighlightScope::Both, Value);
        if (!Read("ParentChoosesChild", Value))
            return;
        View.ParentChoosesChild = Value;
        Complete = true;
    }();
    if (!Complete)
        SaveViewOptions(View, !GameSetsStyle);
}
