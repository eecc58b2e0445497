// The settings store, through the real window and dialog over a scratch
// settings file.
#include "MainWindowRig.h"
#include "SettingsFileSupport.h"

#include "ButtonPageControl.h"
#include "Canvas.h"
#include "Cell.h"
#include "GridImage.h"
#include "MemoryStream.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

TEST(SettingsStore, TheStoredNamesAndNumbersAreThoseOfTheDesign)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Main.reset();
    const std::map<QString, QString> Expected = {{"Games/LastIssue", "1"},
                                                 {"Games/LastPuzzle", "1"},
                                                 {"Games/LastSaved", ""},
                                                 {"Options/HiLiteToErase", "1"},
                                                 {"Options/HiLiteToValue", "1"},
                                                 {"Options/ClickSetsValue", "1"},
                                                 {"Options/ShowLeds", "1"},
                                                 {"Options/ShowProgressBars", "1"},
                                                 {"Options/NoEraseSolution", "1"},
                                                 {"Options/HiLiteInvalid", "1"},
                                                 {"Options/HiLiteIncorrect", "1"},
                                                 {"Options/InvalidHasPriority", "1"},
                                                 {"Options/MainHints", "1"},
                                                 {"Options/Congratulations", "1"},
                                                 {"Options/NormalBgColor", "16777215"},
                                                 {"Options/ShadedBgColor", "12632256"},
                                                 {"Options/RevealedColor", "0"},
                                                 {"Options/EnteredColor", "16711680"},
                                                 {"Options/LEDoffColor", "12639424"},
                                                 {"Options/LED8Color", "65535"},
                                                 {"Options/LED9Color", "32768"},
                                                 {"Options/InvalidColor", "16776960"},
                                                 {"Options/IncorrectColor", "255"},
                                                 {"Options/PencilMarksColor", "32768"},
                                                 {"Options/SelectedColor", "16711680"},
                                                 {"Options/HiLiteFontColor", "8388608"},
                                                 {"Options/HiLiteBackColor", "12639424"},
                                                 {"Options/StepStartStage", "1"},
                                                 {"Options/ColourScheme", "Classic"},
                                                 {"Options/ShowTimer", "0"},
                                                 {"Options/UserMarksLinked", "0"},
                                                 {"Options/UserMarksSeparate", "0"},
                                                 {"Options/HidePencilMarks", "0"},
                                                 {"Options/AutoPencilLinked", "1"},
                                                 {"Options/AutoPencilSeparate", "0"},
                                                 {"Options/Candidates", "1"},
                                                 {"Options/HiLiteChildOnly", "0"},
                                                 {"Options/HiLiteParentOnly", "0"},
                                                 {"Options/HiLiteBoth", "1"},
                                                 {"Options/ParentChoosesChild", "1"}};
    std::map<QString, QString> ExpectedQ;
    for (const auto& [Name, Value] : Expected)
        ExpectedQ[Name] = Value;
    // The window's zoom and place in a group of their own: 100%, the
    // design's width, not maximised; where it stood is the screen's.
    std::map<QString, QString> Stored = StoredValues(Rig.SettingsFile);
    EXPECT_EQ(Stored["Window/Zoom"], QStringLiteral("1000"));
    EXPECT_EQ(Stored["Window/Width"], QStringLiteral("800"));
    EXPECT_EQ(Stored["Window/Maximised"], QStringLiteral("0"));
    for (const char* Name :
         {"Window/Zoom", "Window/Left", "Window/Top", "Window/Width", "Window/Height", "Window/Maximised"})
        EXPECT_EQ(Stored.erase(QString::fromLatin1(Name)), 1u) << Name;
    EXPECT_EQ(Stored, ExpectedQ);
}

TEST(SettingsStore, SettingsViewAndLastGameSurviveARestart)
{
    TMainWindowRig Rig;
    Rig.Start();
    RunSettings(Rig, true, [&] {
        Rig.Options->SetOption(optShowLeds, false);
        Rig.Options->SetOption(optIncorrect, false);
        Rig.Options->SetColour(colEntered, 0x123456);
    });
    ASSERT_TRUE(Rig.Trigger("UserMarksSeparate1"));
    ASSERT_TRUE(Rig.Trigger("Parentonly1"));
    Rig.Main->ChooseChildBox()->click();
    Rig.Main->LoadGame(2, 204);
    Rig.Close();

    TfrmMain& Main = Rig.Start();
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 204u);
    EXPECT_FALSE(Rig.Options->GetStoredOption(optShowLeds));
    EXPECT_FALSE(Rig.Find<QWidget>("pnlLeds")->isVisible());
    EXPECT_EQ(Main.centralWidget()->height(), 394 + 55 + 84 + TfrmMain::StepPanelHeight);
    EXPECT_FALSE(Rig.Options->GetOption(optIncorrect));
    // With one highlight box off, invalid entries take the priority.
    EXPECT_TRUE(Rig.Options->GetStoredOption(optInvalidPriority));
    EXPECT_EQ(Rig.Options->GetColour(colEntered), 0x123456u);
    EXPECT_TRUE(Rig.Find<QAction>("UserMarksSeparate1")->isChecked());
    EXPECT_EQ(Rig.PuzzleAt(0).MarkStyle(), msUserMarksSeparate);
    EXPECT_TRUE(Rig.Find<QAction>("Parentonly1")->isChecked());
    EXPECT_FALSE(Main.ChooseChildBox()->isChecked());
}

TEST(SettingsStore, MissingValuesReadAsTheDesignSays)
{
    TMainWindowRig Rig;
    Rig.Start();
    RunSettings(Rig, true, [&] {
        Rig.Options->SetOption(optShowLeds, false);
        Rig.Options->SetOption(optCongrats, false);
        Rig.Options->SetColour(colLED9, 0x0000FF);
    });
    ASSERT_TRUE(Rig.Trigger("Childonly1"));
    Rig.Close();

    // Only "ShowLeds" gone: it reads true, the others keep their values.
    Edit(Rig.SettingsFile, [](QSettings& Store) { Store.remove(QStringLiteral("Options/ShowLeds")); });
    Rig.Start();
    EXPECT_TRUE(Rig.Options->GetStoredOption(optShowLeds));
    EXPECT_FALSE(Rig.Options->GetStoredOption(optCongrats));
    Rig.Close();

    // Only "HiLiteBoth" gone: "&Both" keeps its state and all ten are
    // written again.
    Edit(Rig.SettingsFile, [](QSettings& Store) { Store.remove(QStringLiteral("Options/HiLiteBoth")); });
    Rig.Start();
    EXPECT_TRUE(Rig.Find<QAction>("Childonly1")->isChecked());
    EXPECT_FALSE(Rig.Find<QAction>("Both1")->isChecked());
    EXPECT_EQ(StoredValues(Rig.SettingsFile)[QStringLiteral("Options/HiLiteBoth")], QStringLiteral("0"));
    Rig.Close();

    // The whole "Options" key gone: every setting back to its design state.
    Edit(Rig.SettingsFile, [](QSettings& Store) { Store.remove(QStringLiteral("Options")); });
    Rig.Start();
    EXPECT_TRUE(Rig.Options->GetStoredOption(optCongrats));
    EXPECT_EQ(Rig.Options->GetColour(colLED9), clGreen);
    EXPECT_EQ(StoredValues(Rig.SettingsFile)[QStringLiteral("Options/LED9Color")], QStringLiteral("32768"));
}

TEST(SettingsStore, GarbageInTheStoreNeverBreaksTheSettings)
{
    TMainWindowRig Rig;
    Rig.Start();
    Rig.Close();
    Edit(Rig.SettingsFile, [](QSettings& Store) {
        Store.setValue(QStringLiteral("Options/ShowProgressBars"), QStringLiteral("lots"));
        Store.setValue(QStringLiteral("Options/MainHints"), 0);
        Store.setValue(QStringLiteral("Options/NormalBgColor"), QStringLiteral("white"));
        Store.setValue(QStringLiteral("Options/ShadedBgColor"), 0x12345678);
        Store.setValue(QStringLiteral("Options/RevealedColor"), QStringLiteral("99999999999999"));
        Store.setValue(QStringLiteral("Options/LEDoffColor"), static_cast<uint>(0xFF00000F));
        Store.setValue(QStringLiteral("Games/LastPuzzle"), QStringLiteral("x"));
        Store.setValue(QStringLiteral("Options/Candidates"), QStringLiteral("?"));
    });
    TfrmMain& Main = Rig.Start();
    EXPECT_TRUE(Rig.Options->GetStoredOption(optProgressBars));
    EXPECT_FALSE(Rig.Options->GetStoredOption(optMainHints));
    EXPECT_EQ(Rig.Options->GetColour(colNormalBg), clWhite);
    EXPECT_EQ(Rig.Options->GetColour(colShadedBg), clSilver);
    EXPECT_EQ(Rig.Options->GetColour(colRevealed), clBlack);
    EXPECT_EQ(Rig.Options->GetColour(colLEDoff), clBtnFace);
    EXPECT_EQ(Main.GameRecord().GetGameNumber(), 101u);
    // The unreadable view value was written back from the menu's state.
    EXPECT_EQ(StoredValues(Rig.SettingsFile)[QStringLiteral("Options/Candidates")], QStringLiteral("1"));
}

TEST(SettingsStore, CancelRestoresTheStoredColourAndOkKeepsIt)
{
    TMainWindowRig Rig;
    TfrmMain& Main = Rig.Start();
    RunSettings(Rig, false, [&] { Rig.Options->SetColour(colShadedBg, clYellow); });
    EXPECT_EQ(Rig.Options->GetColour(colShadedBg), clSilver);
    // OK keeps it; the child on screen is shaded in it at once.
    RunSettings(Rig, true, [&] { Rig.Options->SetColour(colShadedBg, clYellow); });
    EXPECT_EQ(Rig.Options->GetColour(colShadedBg), clYellow);
    TCell* Linked = nullptr;
    for (int Index = 0; Index < 81 && Linked == nullptr; ++Index)
        if (Rig.PuzzleAt(1).CellByIndex(Index)->ParentLinkOfCell() != nullptr)
            Linked = Rig.PuzzleAt(1).CellByIndex(Index);
    ASSERT_NE(Linked, nullptr);
    EXPECT_EQ(Linked->GetColour(), clYellow);
    const TPoint Corner{2 + 2, 2 + 2};
    const TBoxSquare Place = Rig.Pyramid().GetLink(1)->CellToBox(Linked->GetPosition().Row, Linked->GetPosition().Col);
    const int X = Corner.X + (Place.Box % 3) * 130 + (Place.Square % 3) * 42 + 1;
    const int Y = Corner.Y + (Place.Box / 3) * 130 + (Place.Square / 3) * 42 + 1;
    EXPECT_EQ(TColorOf(QColor(Main.ChildImage()->Bitmap().pixel(X, Y))), clYellow);
    EXPECT_EQ(StoredValues(Rig.SettingsFile)[QStringLiteral("Options/ShadedBgColor")], QStringLiteral("65535"));
}
