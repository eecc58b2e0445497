// The choose-game dialog on a real catalogue: the bundled issues and a
// scratch issue whose first game has the name of a bundled one.

#include "ChoosePuzzle.h"
#include "IssueWriter.h"
#include "QVUtils.h"
#include "ScriptedPrompter.h"
#include "UiTestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint32_t TwinIssue = 99;
constexpr uint32_t TwinGame = 9901;

// A signed issue in the program folder, numbered clear of the bundled ones:
// "Centres" again (with blanks round the name), then one more game.
void WriteTwinIssue(const std::string& ProgramFolder, const std::string& FileName)
{
    TIssueHeader Header;
    Header.IssueNumber = TwinIssue;
    Header.Description = "Twins & doubles";
    TPublishedGame Twin = SampleGame(TwinGame, 'P', 64, 1);
    Twin.Record.SetGameName("  Centres ");
    Twin.Record.SetGameDescription("The other centres");
    TPublishedGame Other = SampleGame(TwinGame + 1, 'P', 64, 2);
    WriteIssueFile(ProgramFolder + "ISSUES/" + FileName, Header, {Twin, Other}, 1);
}

class ChooseDialog : public ::testing::Test {
protected:
    void Open(const std::string& ProgramFolder)
    {
        Catalogue = std::make_unique<TGamesDataFile>(ProgramFolder, Reporter);
        ASSERT_TRUE(Prompter.Messages.empty()) << Prompter.Texts().front().toStdString();
        Dialog.SetCatalogue(Catalogue.get());
    }
    void Show()
    {
        Dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    }
    template <typename T>
    T* Child(const char* Name)
    {
        T* Widget = Dialog.findChild<T*>(QString::fromLatin1(Name));
        EXPECT_NE(Widget, nullptr) << Name;
        return Widget;
    }
    QListWidget* Games() { return Child<QListWidget>("lbxGames"); }
    QString IssueText() { return Child<QLabel>("lblIssue")->text(); }
    QString DescriptionText() { return Child<QLabel>("lblDescription")->text(); }
    QPoint CentreOf(int Row)
    {
        Games()->scrollToItem(Games()->item(Row));
        return Games()->visualItemRect(Games()->item(Row)).center();
    }
    void ClickRow(int Row) { QTest::mouseClick(Games()->viewport(), Qt::LeftButton, {}, CentreOf(Row)); }
    std::vector<int> RowsNamed(const QString& Name)
    {
        std::vector<int> Rows;
        for (int Row = 0; Row < Games()->count(); ++Row)
            if (Games()->item(Row)->text() == Name)
                Rows.push_back(Row);
        return Rows;
    }

    TScriptedPrompter Prompter;
    TMessageReporter Reporter;
    std::unique_ptr<TGamesDataFile> Catalogue;
    TfrmChoosePuzzle Dialog;
};

TEST_F(ChooseDialog, TwoGamesOfOneNameAreTwoLinesToldApartByTheLabels)
{
    const std::string Folder = ScratchProgramFolder();
    WriteTwinIssue(Folder, "TWINS.ISS");
    Open(Folder);
    Show();
    ASSERT_EQ(Games()->count(), static_cast<int>(Catalogue->GameCount()));

    const std::vector<int> Rows = RowsNamed(QStringLiteral("Centres"));
    ASSERT_EQ(Rows.size(), 2u);
    std::vector<std::pair<QString, QString>> Labels;
    for (int Row : Rows) {
        ClickRow(Row);
        const std::optional<TGameEntry> Game = Dialog.GetSelectedGame();
        ASSERT_TRUE(Game.has_value());
        if (Game->GetGameNumber() == TwinGame) {
            // The "&" is the issue's own text, not an accelerator.
            EXPECT_EQ(IssueText(), QStringLiteral("Twins & doubles"));
            EXPECT_EQ(Child<QLabel>("lblIssue")->textFormat(), Qt::PlainText);
            EXPECT_EQ(DescriptionText(), QStringLiteral("The other centres"));
        } else {
            EXPECT_EQ(Game->GetGameNumber(), 101u);
            EXPECT_EQ(IssueText(), QStringLiteral("First steps: every layout, singles"));
        }
        Labels.emplace_back(IssueText(), DescriptionText());
    }
    EXPECT_NE(Labels[0].first, Labels[1].first);
    EXPECT_NE(Labels[0].second, Labels[1].second);
}

TEST_F(ChooseDialog, DoubleClickChoosesAtOnceAndCancelChoosesNothing)
{
    const std::string Folder = ScratchProgramFolder({QStringLiteral("TAVREL02.ISS")});
    WriteTwinIssue(Folder, "TWINS.ISS");
    Open(Folder);
    Show();
    const std::vector<int> Rows = RowsNamed(QStringLiteral("Centres"));
    ASSERT_EQ(Rows.size(), 1u);
    // As the window system delivers one: press, release, double-click, release.
    const QPoint Centre = CentreOf(Rows[0]);
    QTest::mouseClick(Games()->viewport(), Qt::LeftButton, {}, Centre);
    QTest::mouseDClick(Games()->viewport(), Qt::LeftButton, {}, Centre);
    QTest::mouseRelease(Games()->viewport(), Qt::LeftButton, {}, Centre);
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(Dialog.isVisible());
    ASSERT_TRUE(Dialog.GetSelectedGame().has_value());
    EXPECT_EQ(Dialog.GetSelectedGame()->GetGameNumber(), TwinGame);
    EXPECT_EQ(Dialog.GetSelectedGame()->GetIssueNumber(), TwinIssue);

    Show();
    QTest::mouseClick(Child<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(Dialog.isVisible());

    QSignalSpy Help(&Dialog, &TfrmChoosePuzzle::HelpRequested);
    QTest::mouseClick(Child<QPushButton>("BitBtn3"), Qt::LeftButton);
    ASSERT_EQ(Help.count(), 1);
    EXPECT_EQ(Help.takeFirst().at(0).toInt(), 4);
}

TEST_F(ChooseDialog, EachShowingStartsOnTheFirstGameOfTheFirstIssue)
{
    Open(ScratchProgramFolder());
    const TGameEntry& First = Catalogue->Issue(0).Games().front();
    for (int Showing = 0; Showing < 2; ++Showing) {
        Show();
        EXPECT_EQ(Games()->currentRow(), 0);
        ASSERT_TRUE(Dialog.GetSelectedGame().has_value());
        EXPECT_EQ(Dialog.GetSelectedGame()->GetGameNumber(), First.GetGameNumber());
        EXPECT_EQ(IssueText(), QString::fromLatin1(Catalogue->Issue(0).GetDescription().c_str()));
        ClickRow(Games()->count() - 1);
        EXPECT_NE(Dialog.GetSelectedGame()->GetGameNumber(), First.GetGameNumber());
        QTest::mouseClick(Child<QPushButton>("btnOk"), Qt::LeftButton);
        EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    }
}

TEST_F(ChooseDialog, WithNoGameToListOkIsDisabled)
{
    Open(ScratchProgramFolder());
    Show();
    EXPECT_TRUE(Child<QPushButton>("btnOk")->isEnabled());
    Dialog.hide();

    // No catalogue, an empty one, and one whose only issue has no games.
    const std::string Empty = ScratchProgramFolder({QStringLiteral("NONE.ISS")});
    const std::string NoGames = ScratchProgramFolder({QStringLiteral("NONE.ISS")});
    WriteIssueFile(NoGames + "ISSUES/EMPTY.ISS", TIssueHeader{5, "Nothing yet", {}}, {}, 1);
    Dialog.SetCatalogue(nullptr);
    for (const std::string* Folder : {static_cast<const std::string*>(nullptr), &Empty, &NoGames}) {
        if (Folder != nullptr)
            Open(*Folder);
        Show();
        EXPECT_EQ(Games()->count(), 0);
        EXPECT_FALSE(Child<QPushButton>("btnOk")->isEnabled());
        EXPECT_FALSE(Dialog.GetSelectedGame().has_value());
        EXPECT_TRUE(IssueText().isEmpty());
        QTest::keyClick(Games(), Qt::Key_Return);
        EXPECT_TRUE(Dialog.isVisible()) << "nothing to choose, so Enter chooses nothing";
        Dialog.hide();
    }
    EXPECT_EQ(Catalogue->IssueCount(), 1);
}

}  // namespace
