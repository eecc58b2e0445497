#include "Statistics.h"

#include "RecordKeeper.h"

#include "DataFields.h"
#include "GamesFile.h"
#include "Grader.h"
#include "NewPyramid.h"
#include "QVUtils.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using DataFields::TrimBlanks;

// Every solving time of each grade as a dot on one time axis, the grade's
// median a bar across its row.
class TTimesChart : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TfrmStatistics)

public:
    explicit TTimesChart(QWidget* Owner) : QWidget(Owner)
    {
        setObjectName(QStringLiteral("pbxTimes"));
        setAccessibleName(tr("Solving times by grade"));
        setMinimumHeight(RowHeight * 2 + AxisHeight);
    }

    void SetLines(const std::vector<TfrmStatistics::TLine>& Lines)
    {
        FLines.clear();
        for (const TfrmStatistics::TLine& Line : Lines)
            if (Line.Tally.Solved > 0)
                FLines.push_back(Line);
        QStringList Spoken;
        for (const TfrmStatistics::TLine& Line : FLines)
            Spoken << tr("%1: %2 solved, median %3")
                          .arg(Line.Name)
                          .arg(Line.Tally.Solved)
                          .arg(TRecordKeeper::Duration(Line.Tally.MedianMs));
        setAccessibleDescription(Spoken.isEmpty() ? tr("No game solved yet") : Spoken.join(QStringLiteral("; ")));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        Painter.setRenderHint(QPainter::Antialiasing);
        const QColor Text = palette().color(QPalette::WindowText);
        if (FLines.empty()) {
            Painter.setPen(Text);
            Painter.drawText(rect(), Qt::AlignCenter, tr("No game solved yet"));
            return;
        }
        const QFontMetrics Metrics(font());
        int NameWidth = 0;
        for (const TfrmStatistics::TLine& Line : FLines)
            NameWidth = std::max(NameWidth, Metrics.horizontalAdvance(Line.Name));
        const int Left = NameWidth + 16;
        const int Right = width() - 16;
        const int64_t Span = AxisSpan();
        const auto X = [&](int64_t Ms) { return Left + (Right - Left) * static_cast<double>(Ms) / Span; };

        const QColor Dot(0, 90, 170, 150);
        const QColor Median(200, 80, 0);
        for (size_t Row = 0; Row < FLines.size(); ++Row) {
            const int Middle = static_cast<int>(Row) * RowHeight + RowHeight / 2;
            Painter.setPen(Text);
            Painter.drawText(QRect(4, Middle - RowHeight / 2, NameWidth + 4, RowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, FLines[Row].Name);
            Painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
            Painter.drawLine(QPointF(Left, Middle), QPointF(Right, Middle));
            Painter.setPen(Qt::NoPen);
            Painter.setBrush(Dot);
            for (const int64_t Ms : FLines[Row].Tally.SolvedTimesMs)
                Painter.drawEllipse(QPointF(X(Ms), Middle), 3.5, 3.5);
            Painter.setPen(QPen(Median, 2));
            const double At = X(FLines[Row].Tally.MedianMs);
            Painter.drawLine(QPointF(At, Middle - 7), QPointF(At, Middle + 7));
        }

        const int Axis = static_cast<int>(FLines.size()) * RowHeight + 4;
        Painter.setPen(Text);
        Painter.drawLine(QPointF(Left, Axis), QPointF(Right, Axis));
        const int64_t Step = AxisStep();
        for (int64_t Ms = 0; Ms <= Span; Ms += Step) {
            Painter.drawLine(QPointF(X(Ms), Axis), QPointF(X(Ms), Axis + 4));
            const QString Label = AxisTime(Ms);
            const int Width = Metrics.horizontalAdvance(Label);
            Painter.drawText(QPointF(X(Ms) - Width / 2.0, Axis + 6 + Metrics.ascent()), Label);
        }
        Painter.setPen(Median);
        const QString Key = tr("| median");
        Painter.drawText(QPointF(Right - Metrics.horizontalAdvance(Key), Axis + 8 + Metrics.ascent() * 2), Key);
    }

private:
    static constexpr int RowHeight = 22;
    static constexpr int AxisHeight = 44;

    int64_t Longest() const
    {
        int64_t Ms = 1;
        for (const TfrmStatistics::TLine& Line : FLines)
            Ms = std::max(Ms, Line.Tally.SolvedTimesMs.back());
        return Ms;
    }
    // A round step giving at most six ticks.
    int64_t AxisStep() const
    {
        constexpr int64_t Minute = 60000;
        constexpr std::array<int64_t, 12> Steps = {Minute,       2 * Minute,   5 * Minute,    10 * Minute,
                                                   15 * Minute,  30 * Minute,  60 * Minute,   120 * Minute,
                                                   300 * Minute, 600 * Minute, 1200 * Minute, 6000 * Minute};
        for (const int64_t Step : Steps)
            if (Longest() <= 6 * Step)
                return Step;
        return (Longest() / 6 / Steps.back() + 1) * Steps.back();
    }
    int64_t AxisSpan() const
    {
        const int64_t Step = AxisStep();
        return (Longest() + Step - 1) / Step * Step;
    }
    // "1:30": hours and minutes.
    static QString AxisTime(int64_t Ms)
    {
        const int64_t Minutes = Ms / 60000;
        return QStringLiteral("%1:%2").arg(Minutes / 60).arg(Minutes % 60, 2, 10, QLatin1Char('0'));
    }

    std::vector<TfrmStatistics::TLine> FLines;
};

namespace {

QTableWidget* MakeTable(const QString& Name, const QString& FirstColumn, QWidget* Owner)
{
    auto* Table = new QTableWidget(0, 5, Owner);
    Table->setObjectName(Name);
    Table->setHorizontalHeaderLabels({FirstColumn, TfrmStatistics::tr("Solved"), TfrmStatistics::tr("Best time"),
                                      TfrmStatistics::tr("Median time"), TfrmStatistics::tr("Without help")});
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(22);
    Table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int Column = 1; Column < 5; ++Column)
        Table->horizontalHeader()->setSectionResizeMode(Column, QHeaderView::ResizeToContents);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setTabKeyNavigation(false);
    Table->setWordWrap(false);
    return Table;
}

QString TimeOrDash(const TGameTally& Tally, int64_t Ms)
{
    return Tally.Solved > 0 ? TRecordKeeper::Duration(Ms) : QStringLiteral("-");
}

// The grades in the order the new-pyramid dialog offers them.
std::vector<TGrade> AllGrades()
{
    std::vector<TGrade> Grades;
    for (bool Linked : {false, true})
        for (int Level = 0; Level < MethodLevelCount; ++Level)
            Grades.push_back(TGrade{static_cast<TMethodLevel>(Level), Linked});
    return Grades;
}

}  // namespace

TfrmStatistics::TfrmStatistics(QWidget* Owner)
    : QDialog(Owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    setFixedSize(600, 520);

    FSummary = new QLabel(this);
    FSummary->setObjectName(QStringLiteral("lblSummary"));
    FSummary->setWordWrap(true);

    FGrades = MakeTable(QStringLiteral("grdGrades"), tr("Grade"), this);
    FChart = new TTimesChart(this);
    auto* GradePage = new QWidget(this);
    auto* GradeLayout = new QVBoxLayout(GradePage);
    GradeLayout->addWidget(FGrades);
    GradeLayout->addWidget(FChart, 1);

    FIssues = MakeTable(QStringLiteral("grdIssues"), tr("Issue"), this);
    auto* IssuePage = new QWidget(this);
    auto* IssueLayout = new QVBoxLayout(IssuePage);
    IssueLayout->addWidget(FIssues);

    FPages = new QTabWidget(this);
    FPages->setObjectName(QStringLiteral("pgcStatistics"));
    FPages->addTab(GradePage, tr("By &grade"));
    FPages->addTab(IssuePage, tr("By &issue"));

    auto* Help = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Help"), this);
    Help->setObjectName(QStringLiteral("btnHelp"));
    auto* Close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"), this);
    Close->setObjectName(QStringLiteral("btnClose"));
    Close->setDefault(true);
    connect(Help, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic); });
    connect(Close, &QPushButton::clicked, this, &QDialog::accept);

    auto* Buttons = new QHBoxLayout;
    Buttons->addWidget(Help);
    Buttons->addStretch(1);
    Buttons->addWidget(Close);

    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(FSummary);
    Layout->addWidget(FPages, 1);
    Layout->addLayout(Buttons);
}

void TfrmStatistics::Fill(const TGamesDataFile* Catalogue, const TGameRecords& Records)
{
    std::vector<TGrade> Grades = AllGrades();
    std::vector<std::vector<uint32_t>> ByGrade(Grades.size() + 1);  // the last for other games
    std::vector<uint32_t> Every;
    FIssueLines.clear();
    const int IssueCount = Catalogue != nullptr ? Catalogue->IssueCount() : 0;
    for (int Index = 0; Index < IssueCount; ++Index) {
        const TIssueEntry& Issue = Catalogue->Issue(Index);
        std::vector<uint32_t> Games;
        for (const TGameEntry& Entry : Issue.Games()) {
            const uint32_t Game = Entry.GetGameNumber();
            Games.push_back(Game);
            Every.push_back(Game);
            TGrade Grade;
            size_t Group = Grades.size();
            if (GradeOfDescription(TrimBlanks(Entry.GetGameDescription()), Grade))
                Group = static_cast<size_t>(std::find(Grades.begin(), Grades.end(), Grade) - Grades.begin());
            ByGrade[Group].push_back(Game);
        }
        if (!Games.empty()) {
            QString Name = FromDataText(TrimBlanks(Issue.GetDescription()));
            if (TGamesDataFile::IsMadeIssue(Issue))
                Name = tr("Made on this computer");
            FIssueLines.push_back({Name, TallyGames(Games, Records)});
        }
    }
    FGradeLines.clear();
    for (size_t Group = 0; Group < ByGrade.size(); ++Group) {
        if (ByGrade[Group].empty())
            continue;
        const QString Name = Group < Grades.size()
                                 ? QCoreApplication::translate("TfrmNewPyramid", GradeDisplayName(Grades[Group]))
                                 : tr("Other games");
        FGradeLines.push_back({Name, TallyGames(ByGrade[Group], Records)});
    }
    const TLine All{tr("All games"), TallyGames(Every, Records)};

    FSummary->setText(All.Tally.Games == 0 ? tr("There are no games listed.")
                                           : tr("You have solved %1 of %2 games, %3 of them without help.")
                                                 .arg(All.Tally.Solved)
                                                 .arg(All.Tally.Games)
                                                 .arg(All.Tally.SolvedWithoutHelp));
    ShowLines(FGrades, FGradeLines, All);
    ShowLines(FIssues, FIssueLines, All);
    // The grade table takes its lines' height and leaves the rest to the
    // chart.
    FGrades->setFixedHeight(FGrades->horizontalHeader()->sizeHint().height() +
                            FGrades->verticalHeader()->defaultSectionSize() * FGrades->rowCount() +
                            2 * FGrades->frameWidth());
    FChart->SetLines(FGradeLines);
}

void TfrmStatistics::ShowLines(QTableWidget* Table, const std::vector<TLine>& Lines, const TLine& All)
{
    Table->setRowCount(static_cast<int>(Lines.size()) + 1);
    const auto Show = [Table](int Row, const TLine& Line, bool Bold) {
        const TGameTally& Tally = Line.Tally;
        const QString Texts[5] = {Line.Name, tr("%1 of %2").arg(Tally.Solved).arg(Tally.Games),
                                  TimeOrDash(Tally, Tally.BestMs), TimeOrDash(Tally, Tally.MedianMs),
                                  QString::number(Tally.SolvedWithoutHelp)};
        for (int Column = 0; Column < 5; ++Column) {
            auto* Item = new QTableWidgetItem(Texts[Column]);
            Item->setTextAlignment(Column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (Bold) {
                QFont Font = Item->font();
                Font.setBold(true);
                Item->setFont(Font);
            }
            Table->setItem(Row, Column, Item);
        }
    };
    for (size_t Row = 0; Row < Lines.size(); ++Row)
        Show(static_cast<int>(Row), Lines[Row], false);
    Show(static_cast<int>(Lines.size()), All, true);
}

void TfrmStatistics::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F1 && Event->modifiers() == Qt::NoModifier) {
        emit HelpRequested(HelpTopic);
        return;
    }
    QDialog::keyPressEvent(Event);
}
