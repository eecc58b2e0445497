// The game in the player's language: every translation the build makes,
// loaded as the program loads it, through the real window and dialogs.
// Each control shows its whole text at 100%, each menu's accelerators are
// its own, and the German window reads German; a missing translation leaves
// English.

#include "HelpWindow.h"
#include "LanguageLoader.h"
#include "Languages.h"
#include "MainWindowRig.h"
#include "SettingsFileSupport.h"
#include "NewPyramidDialog.h"
#include "QVAbout.h"
#include "Statistics.h"
#include "StepWords.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

#include <map>
#include <set>

namespace {

QString Translations()
{
    return QStringLiteral(TAVREL_BIN_DIR "/translations");
}

// Loads a language for the life of the scope, English again after it.
struct TLanguageScope {
    TLanguageLoader Loader{*qApp, Translations()};
    const QLocale Before = QLocale();
    bool Loaded = false;
    explicit TLanguageScope(const std::string& Code) : Loaded(Loader.Use(Code)) {}
    ~TLanguageScope()
    {
        Loader.Use("en");
        QLocale::setDefault(Before);
    }
};

QString Shown(const QString& Caption)
{
    QString Text = Caption;
    Text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return Text;
}

// A fault found, under a name that is the same in every language (the
// control's or the menu's and key's), with what it is in this one.
using TProblems = std::map<QString, QString>;

// The controls whose text does not fit in them.
void Clipped(QWidget& Root, TProblems& Found)
{
    const auto Check = [&](const QWidget& Control, const QString& Text, int Room) {
        if (Text.isEmpty())
            return;
        const int Needed = Control.fontMetrics().horizontalAdvance(Shown(Text));
        if (Needed <= Room)
            return;
        const QString Where = Control.window()->objectName() + QLatin1Char('/') + Control.objectName();
        Found[Where + QStringLiteral(" clipped")] =
            QStringLiteral("\"%1\" needs %2 of %3 px").arg(Text).arg(Needed).arg(Room);
    };
    for (QWidget* Control : Root.findChildren<QWidget*>()) {
        if (!Control->isVisibleTo(&Root) && !Control->parentWidget()->inherits("QStackedWidget"))
            continue;
        const QStyle* Style = Control->style();
        if (auto* Box = qobject_cast<QCheckBox*>(Control))
            Check(*Box, Box->text(),
                  Box->width() - Style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, Box) -
                      Style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, Box));
        else if (auto* Radio = qobject_cast<QRadioButton*>(Control))
            Check(*Radio, Radio->text(),
                  Radio->width() - Style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, Radio) -
                      Style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, Radio));
        else if (auto* Button = qobject_cast<QPushButton*>(Control))
            Check(*Button, Button->text(), Button->width() - (Button->icon().isNull() ? 4 : 4 + 16 + 4));
        else if (auto* Tool = qobject_cast<QToolButton*>(Control))
            Check(*Tool, Tool->text(), Tool->width() - 2);
        else if (auto* Label = qobject_cast<QLabel*>(Control)) {
            if (Label->wordWrap() || Label->text().contains(QLatin1Char('<')) || !Label->pixmap().isNull())
                continue;
            for (const QString& Line : Label->text().split(QLatin1Char('\n')))
                Check(*Label, Line, Label->contentsRect().width());
        } else if (auto* Group = qobject_cast<QGroupBox*>(Control))
            Check(*Group, Group->title(), Group->width() - 16);
        else if (auto* Combo = qobject_cast<QComboBox*>(Control))
            Check(*Combo, Combo->currentText(), Combo->width() - 28);
    }
}

// Accelerators used twice among the captions: key, captions.
std::map<QString, QString> Doubled(const QStringList& Captions)
{
    std::map<QString, QStringList> ByKey;
    for (const QString& Caption : Captions) {
        const QKeySequence Key = QKeySequence::mnemonic(Caption);
        if (!Key.isEmpty())
            ByKey[Key.toString()] << Caption;
    }
    std::map<QString, QString> Found;
    for (const auto& [Key, Owners] : ByKey)
        if (Owners.size() > 1)
            Found[Key] = Owners.join(QStringLiteral(", "));
    return Found;
}

void DoubledInMenus(const QWidget& Owner, TProblems& Found)
{
    for (const QMenu* Menu : Owner.findChildren<QMenu*>()) {
        QStringList Captions;
        for (const QAction* Item : Menu->actions())
            if (Item->isVisible() && !Item->isSeparator())
                Captions << Item->text();
        for (const auto& [Key, Owners] : Doubled(Captions))
            Found[Menu->objectName() + QLatin1Char(' ') + Key] = Owners;
    }
}

// Everything clipped or doubled in the window and the dialogs, in the
// language loaded.
TProblems ProblemsOfWindows()
{
    TProblems Problems;
    TMainWindowRig Rig({QStringLiteral("ISSUE01.ISS")});
    TfrmMain& Main = Rig.Start();
    Clipped(Main, Problems);
    DoubledInMenus(Main, Problems);
    // The menu bar's titles and the entry sheets' tabs share the Alt keys
    // of the window.
    QStringList WindowKeys;
    for (const QAction* Title : Main.menuBar()->actions())
        if (Title->isVisible())
            WindowKeys << Title->text();
    for (const char* Tab : {"tsValueTab", "tsPencilTab", "tsEraseTab", "tsHiLiteTab"})
        WindowKeys << Rig.Find<QPushButton>(Tab)->text();
    // Only Help and Hi Lite may share a key, as in English: the window
    // gives it one meaning.
    const QString Shared =
        Rig.Find<QMenu>("mnuHelp")->title() + QStringLiteral(", ") + Rig.Find<QPushButton>("tsHiLiteTab")->text();
    for (const auto& [Key, Owners] : Doubled(WindowKeys))
        if (Owners != Shared)
            Problems[QStringLiteral("window ") + Key] = Owners;

    Rig.Options->show();
    auto* Pages = Rig.Options->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int Page = 0; Page < Pages->count(); ++Page) {
        Pages->setCurrentIndex(Page);
        QApplication::processEvents();
        Clipped(*Pages->widget(Page), Problems);
    }
    Clipped(*Rig.Options, Problems);
    Rig.Options->hide();
    TfrmAbout About;
    TfrmNewPyramid NewPyramid;
    TfrmStatistics Statistics;
    for (QDialog* Dialog : std::initializer_list<QDialog*>{Rig.Choose, &About, &NewPyramid, &Statistics}) {
        Dialog->show();
        QApplication::processEvents();
        Clipped(*Dialog, Problems);
        Dialog->hide();
    }
    return Problems;
}

std::vector<std::string> Translated()
{
    std::vector<std::string> Codes;
    for (const TLanguage& Language : Languages())
        if (std::string(Language.Code) != "en")
            Codes.push_back(Language.Code);
    return Codes;
}

}  // namespace

// What the English design itself clips or doubles is no translation's
// fault; everything else is.
TEST(Language, EveryTranslationFitsItsControlsAndKeepsEachMenusAcceleratorsApart)
{
    const TProblems English = ProblemsOfWindows();
    for (const std::string& Code : Translated()) {
        SCOPED_TRACE(Code);
        const TLanguageScope Language(Code);
        ASSERT_TRUE(Language.Loaded) << "no translation in " << Translations().toStdString();
        QStringList Faults;
        for (const auto& [Where, What] : ProblemsOfWindows())
            if (English.count(Where) == 0)
                Faults << Where + QStringLiteral(": ") + What;
        EXPECT_TRUE(Faults.isEmpty()) << Faults.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(Language, TheGermanWindowReadsGermanAndAMissingTranslationLeavesEnglish)
{
    {
        const TLanguageScope German("de");
        ASSERT_TRUE(German.Loaded);
        EXPECT_EQ(TLanguageLoader::Current(), "de");
        TMainWindowRig Rig({QStringLiteral("ISSUE01.ISS")});
        TfrmMain& Main = Rig.Start();
        QStringList Titles;
        for (const QAction* Title : Main.menuBar()->actions())
            Titles << Title->text();
        EXPECT_TRUE(Titles.contains(QStringLiteral("&Datei"))) << Titles.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(Rig.Find<QPushButton>("tsPencilTab")->text(), QStringLiteral("&Notieren"));
        // The tabs answer their German letters, and Alt+H, which German
        // leaves to Help alone, brings up no sheet.
        Main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main));
        const auto Press = [&](Qt::Key Key) {
            QWidget* Target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Main;
            QTest::keyClick(Target, Key, Qt::AltModifier);
            // A button's mnemonic clicks it a moment later.
            QTest::qWait(250);
        };
        Press(Qt::Key_N);
        EXPECT_TRUE(Rig.Find<QPushButton>("tsPencilTab")->isChecked());
        Press(Qt::Key_E);
        EXPECT_TRUE(Rig.Find<QPushButton>("tsValueTab")->isChecked());
        Press(Qt::Key_H);
        EXPECT_TRUE(Rig.Find<QPushButton>("tsValueTab")->isChecked());
        EXPECT_EQ(Main.menuBar()->activeAction(), Rig.Find<QMenu>("mnuHelp")->menuAction());
        Main.menuBar()->setActiveAction(nullptr);
        // A step's sentence, composed from its German pieces.
        TPyramidStep Step;
        Step.Kind = TStepKind::WrongEntry;
        Step.Square = {3, 1, 4};
        Step.Digit = 7;
        const QString Sentence = TStepWords::Explain(Step);
        EXPECT_TRUE(Sentence.contains(QStringLiteral("Teilrätsel 3"))) << Sentence.toStdString();
        EXPECT_TRUE(Sentence.contains(QStringLiteral("Zeile 2"))) << Sentence.toStdString();
        // The messages of the layers below the window too.
        const Exception Damaged(TR_TEXT("RecoveryFile", "Recovery file: line %1 is too long"), 12);
        EXPECT_NE(MessageOf(Damaged), QString::fromStdString(Damaged.Message()));
        EXPECT_TRUE(MessageOf(Damaged).contains(QStringLiteral("12")));
        // Dates and numbers as German readers write them; the help on its
        // German pages, which exist.
        EXPECT_EQ(QLocale().language(), QLocale::German);
        EXPECT_EQ(THelpWindow::TopicPage(9), QUrl(QStringLiteral("qrc:/help/de/records.html")));
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/de/records.html")));
    }
    {
        // Spanish has no help pages of its own: the English ones.
        const TLanguageScope Spanish("es");
        ASSERT_TRUE(Spanish.Loaded);
        EXPECT_EQ(THelpWindow::TopicPage(9), QUrl(QStringLiteral("qrc:/help/records.html")));
    }
    EXPECT_EQ(TLanguageLoader::Current(), "en");

    // A folder without the file: nothing loads, the texts stay English.
    TLanguageLoader Nowhere(*qApp, NewScratchFolder(QStringLiteral("no-translations")));
    EXPECT_FALSE(Nowhere.Use("de"));
    EXPECT_EQ(TLanguageLoader::Current(), "en");
    EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), QStringLiteral("&File"));
}

// The choice is the player's, kept under a name of its own from OK on and
// taken at the next start; the system's language, the default, stores
// nothing, and a choice the game does not know reads as the system's.
TEST(Language, TheChoiceIsStoredUnderItsOwnNameAndTakesTheNextStart)
{
    TMainWindowRig Rig({QStringLiteral("ISSUE01.ISS")});
    Rig.Start();
    EXPECT_EQ(StoredValues(Rig.SettingsFile).count(QStringLiteral("Options/Language")), 0u);
    bool NoteShown = false;
    RunSettings(Rig, true, [&] {
        auto* Choice = Rig.Options->findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
        ASSERT_NE(Choice, nullptr);
        EXPECT_EQ(Choice->currentText(), QStringLiteral("System"));
        EXPECT_EQ(Choice->count(), static_cast<int>(Languages().size()) + 1);
        const int French = Choice->findText(QStringLiteral("Français"));
        ASSERT_GT(French, 0);
        Choice->setCurrentIndex(French);
        NoteShown = Rig.Options->findChild<QLabel*>(QStringLiteral("lblLanguageNote"))->isVisible();
    });
    EXPECT_TRUE(NoteShown);
    EXPECT_EQ(StoredValues(Rig.SettingsFile)[QStringLiteral("Options/Language")], QStringLiteral("fr"));
    EXPECT_EQ(TSettingsStore().ReadLanguage(), "fr");
    // This run goes on in its own language.
    EXPECT_EQ(TLanguageLoader::Current(), "en");
    EXPECT_EQ(Rig.Find<QMenu>("mnuFile")->title(), QStringLiteral("&File"));

    RunSettings(Rig, true, [&] {
        auto* Choice = Rig.Options->findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
        EXPECT_EQ(Choice->currentText(), QStringLiteral("Français"));
        Choice->setCurrentIndex(0);
    });
    EXPECT_EQ(StoredValues(Rig.SettingsFile).count(QStringLiteral("Options/Language")), 0u);

    Edit(Rig.SettingsFile, [](QSettings& Store) { Store.setValue(QStringLiteral("Options/Language"), "xx"); });
    EXPECT_EQ(TSettingsStore().ReadLanguage(), SystemLanguage);
}
