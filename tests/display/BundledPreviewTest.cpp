// The bundled issues render through grid-preview's path: the real files the
// game ships with, read, deciphered, loaded and drawn. One game of each layout
// and stream kind stands for the rest; the issues are many and alike.
#include "DisplayTestSupport.h"
#include "DistributionFile.h"
#include "PreviewRender.h"
#include "PuzzleXLink.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

TEST(BundledPreviewTest, EveryBundledLayoutAndStreamKindRenders)
{
    const std::filesystem::path Folder = std::filesystem::path(TAVREL_BIN_DIR) / "ISSUES";
    std::vector<std::filesystem::path> Issues;
    if (std::filesystem::is_directory(Folder))
        for (const auto& Entry : std::filesystem::directory_iterator(Folder))
            if (Entry.path().extension() == ".ISS")
                Issues.push_back(Entry.path());
    if (Issues.empty())
        GTEST_SKIP() << "no bundled issues built in " << Folder;

    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    std::set<std::pair<int, bool>> Rendered;
    for (const auto& Issue : Issues) {
        TDistributionFile File(Issue.string());
        for (int Game = 1; Game <= File.GameCount(); ++Game) {
            const TPuzzleInfo& Record = File.GameRecord(Game - 1);
            if (!Rendered.insert({Record.GetLayoutType(), Record.IsEnciphered()}).second)
                continue;
            TPreviewOptions Options;
            Options.IssueFile = Issue.string();
            Options.GameIndex = Game;
            Options.Child = Record.GetLayoutType() == 7 ? 1 : (Game % 9) + 1;
            Options.Style = Game % 2 == 0 ? TPaintStyle::Print : TPaintStyle::Screen;
            Options.OutPrefix = Dir.filePath("game").toStdString();
            const std::vector<std::string> Files = RenderPreview(Options);
            for (const std::string& Name : Files) {
                const QImage Image(QString::fromStdString(Name));
                ASSERT_EQ(Image.width(), 394) << Name;
                const TColor Grid = Options.Style == TPaintStyle::Print ? clBlack : clSkyBlue;
                EXPECT_EQ(PixelAt(Image, 0, 0), Grid) << Issue << " game " << Game;
                // Givens are drawn black in both styles.
                EXPECT_GT(CountColour(Image, TRect{0, 0, 394, 394}, clBlack),
                          Options.Style == TPaintStyle::Print ? 394 * 394 / 4 : 200)
                    << Issue << " game " << Game;
            }
        }
    }
    EXPECT_EQ(Rendered.size(), 28u) << "every layout in both stream kinds";
}

}  // namespace
