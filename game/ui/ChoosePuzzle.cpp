#include "ChoosePuzzle.h"

#include "RecordKeeper.h"

#include "DataFields.h"
#include "QVUtils.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using DataFields::TrimBlanks;

namespace {

const QColor DescriptionBlue(0, 0, 255);

// The issue title's face: "Alba Super" where the system has it, else the
// first decorative face it has, else the default face made bold, always at
// 19 pixels so the layout stays the same.
QFont IssueFont()
{
    static const char* const Faces[] = {
        "Alba Super", "Comic Sans MS", "Comic Neue", "Segoe Print", "Chalkboard", "URW Chancery L", "Z003",
    };
    QFont Font;
    Font.setStyleHint(QFont::Decorative);
    bool Found = false;
    for (const char* Face : Faces) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(Face))) {
            Font.setFamily(QString::fromLatin1(Face));
            Found = true;
            break;
        }
    }
    if (!Found)
        Font.setBold(true);
    Font.setPixelSize(19);
    return Font;
}

QLabel* MakeTextLabel(const QString& Name, QWidget* Parent)
{
    auto* Label = new QLabel(Parent);
    Label->setObjectName(Name);
    // Texts of the data files are shown as they are: no markup, and an "&"
    // stays an "&" (a label without a buddy draws no accelerator).
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment(Qt::AlignCenter);
    Label->setWordWrap(true);
    QPalette Palette = Label->palette();
    Palette.setColor(QPalette::WindowText, DescriptionBlue);
    Label->setPalette(Palette);
    return Label;
}

}  // namespace

TfrmChoosePuzzle::TfrmChoosePuzzle(QWidget* Owner)
    : QDialog(Owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmChoosePuzzle"));
    setWindowTitle(tr("Choose Game"));
    setFixedSize(361, 385);
}

void TfrmChoosePuzzle::setVisible(bool Visible)
{
    if (Visible)
        EnsureControls();
    QDialog::setVisible(Visible);
}

void TfrmChoosePuzzle::EnsureControls()
{
    // Made when the dialog is first shown, so the program starts without
    // paying for the list and its fonts.
    if (FGames != nullptr)
        return;
    FIssueLabel = MakeTextLabel(QStringLiteral("lblIssue"), this);
    FIssueLabel->setFont(IssueFont());
    // Room for the longest description, so the list stays put whichever
    // issue the selected line belongs to.
    FIssueLabel->setFixedHeight(QFontMetrics(FIssueLabel->font()).lineSpacing() * 3);

    FGames = new QListWidget(this);
    FGames->setObjectName(QStringLiteral("lbxGames"));
    FGames->setFixedSize(337, 221);
    FGames->setSelectionMode(QAbstractItemView::SingleSelection);
    FGames->setUniformItemSizes(true);
    connect(FGames, &QListWidget::itemSelectionChanged, this, &TfrmChoosePuzzle::lbxGamesClick);
    connect(FGames, &QListWidget::itemDoubleClicked, this, &TfrmChoosePuzzle::lbxGamesDblClick);

    FDescription = MakeTextLabel(QStringLiteral("lblDescription"), this);
    QFont DescriptionFont = FDescription->font();
    DescriptionFont.setBold(true);
    DescriptionFont.setPixelSize(13);
    FDescription->setFont(DescriptionFont);
    FDescription->setMinimumHeight(QFontMetrics(DescriptionFont).lineSpacing() * 2);

    auto* Help = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Help"), this);
    Help->setObjectName(QStringLiteral("BitBtn3"));
    FOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    FOk->setObjectName(QStringLiteral("btnOk"));
    FOk->setDefault(true);
    auto* Cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("BitBtn2"));
    FDelete = new QPushButton(tr("&Delete"), this);
    FDelete->setObjectName(QStringLiteral("btnDelete"));
    FDelete->setToolTip(tr("Delete a game made on this computer"));
    connect(FDelete, &QPushButton::clicked, this, &TfrmChoosePuzzle::btnDeleteClick);
    connect(Help, &QPushButton::clicked, this, &TfrmChoosePuzzle::BitBtn3Click);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* Buttons = new QHBoxLayout;
    Buttons->setSpacing(8);
    Buttons->addWidget(Help);
    Buttons->addWidget(FDelete);
    Buttons->addStretch(1);
    Buttons->addWidget(FOk);
    Buttons->addWidget(Cancel);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(12, 6, 12, 8);
    Layout->setSpacing(4);
    Layout->addWidget(FIssueLabel);
    Layout->addWidget(FGames, 0, Qt::AlignHCenter);
    Layout->addWidget(FDescription, 1);
    Layout->addLayout(Buttons);

    FillGames();
}

TfrmChoosePuzzle::~TfrmChoosePuzzle() = default;

void TfrmChoosePuzzle::SetCatalogue(const TGamesDataFile* Catalogue)
{
    FCatalogue = Catalogue;
}

namespace {

// A filled green disc for a solved game, a ring for one started, nothing
// (a clear square of the same size) for one never played. Spoken too: the
// icon's meaning is the item's accessible description.
QIcon RecordIcon(const TGameRecord* Record)
{
    constexpr int Size = 12;
    QPixmap Picture(Size, Size);
    Picture.fill(Qt::transparent);
    if (Record != nullptr) {
        QPainter Painter(&Picture);
        Painter.setRenderHint(QPainter::Antialiasing);
        const QColor Green(0, 128, 0);
        Painter.setPen(QPen(Green, 1.5));
        Painter.setBrush(Record->Solved != 0 ? QBrush(Green) : QBrush(Qt::NoBrush));
        Painter.drawEllipse(QRectF(1.5, 1.5, Size - 3, Size - 3));
    }
    return QIcon(Picture);
}

}  // namespace

void TfrmChoosePuzzle::FillGames()
{
    EnsureControls();
    {
        // Lines and their games go together; the labels follow once the
        // first line is selected.
        const QSignalBlocker Blocker(FGames);
        FGames->clear();
        FLines.clear();
        const int IssueCount = FCatalogue != nullptr ? FCatalogue->IssueCount() : 0;
        // Every line has an icon, or none has, so the names stay lined up.
        const bool Marked = FRecords != nullptr && !FRecords->Records().All().empty();
        for (int IssueIndex = 0; IssueIndex < IssueCount; ++IssueIndex) {
            for (const TGameEntry& Entry : FCatalogue->Issue(IssueIndex).Games()) {
                FLines.push_back({std::make_unique<TIssueGame>(Entry), IssueIndex});
                auto* Item = new QListWidgetItem(FromDataText(TrimBlanks(Entry.GetGameName())), FGames);
                if (Marked) {
                    const TGameRecord* Record = FRecords->Records().Find(Entry.GetGameNumber());
                    Item->setIcon(RecordIcon(Record));
                    if (Record != nullptr)
                        Item->setData(Qt::AccessibleDescriptionRole,
                                      Record->Solved != 0 ? tr("solved") : tr("started"));
                }
            }
        }
        if (FGames->count() > 0)
            FGames->setCurrentRow(0);
    }
    lbxGamesClick();
}

const TfrmChoosePuzzle::TLine* TfrmChoosePuzzle::SelectedLine() const
{
    if (FGames == nullptr)
        return nullptr;
    const QList<QListWidgetItem*> Selected = FGames->selectedItems();
    if (Selected.isEmpty())
        return nullptr;
    const int Row = FGames->row(Selected.first());
    return Row >= 0 && Row < static_cast<int>(FLines.size()) ? &FLines[static_cast<size_t>(Row)] : nullptr;
}

std::optional<TGameEntry> TfrmChoosePuzzle::GetSelectedGame() const
{
    const TLine* Line = SelectedLine();
    if (Line == nullptr)
        return std::nullopt;
    return Line->Game->Entry();
}

void TfrmChoosePuzzle::lbxGamesClick()
{
    const TLine* Line = SelectedLine();
    FOk->setEnabled(Line != nullptr);
    FDelete->setEnabled(Line != nullptr && FCatalogue != nullptr && FDeleteHandler &&
                        TGamesDataFile::IsMadeIssue(FCatalogue->Issue(Line->IssueIndex)));
    if (Line == nullptr || FCatalogue == nullptr) {
        FIssueLabel->clear();
        FDescription->clear();
        return;
    }
    // The issue the line was listed under: with two issues of one number
    // (one file taken in under two names), a look-up by number could show
    // the other issue's description.
    FIssueLabel->setText(FromDataText(TrimBlanks(FCatalogue->Issue(Line->IssueIndex).GetDescription())));
    QString Description = FromDataText(TrimBlanks(Line->Game->Entry().GetGameDescription()));
    const QString Record = FRecords != nullptr ? FRecords->Summary(Line->Game->Entry().GetGameNumber()) : QString();
    if (!Record.isEmpty())
        Description += (Description.isEmpty() ? QString() : QStringLiteral("\n")) + Record;
    FDescription->setText(Description);
}

void TfrmChoosePuzzle::lbxGamesDblClick()
{
    if (SelectedLine() != nullptr)
        accept();
}

void TfrmChoosePuzzle::btnDeleteClick()
{
    const TLine* Line = SelectedLine();
    if (Line == nullptr || !FDeleteHandler || !TGamesDataFile::IsMadeIssue(FCatalogue->Issue(Line->IssueIndex)))
        return;
    const int Row = FGames->currentRow();
    const TGameEntry Game = Line->Game->Entry();
    if (!FDeleteHandler(Game))
        return;
    FillGames();
    if (FGames->count() > 0)
        FGames->setCurrentRow(std::min(Row, FGames->count() - 1));
}

void TfrmChoosePuzzle::BitBtn3Click()
{
    emit HelpRequested(HelpTopic);
}

void TfrmChoosePuzzle::showEvent(QShowEvent* Event)
{
    // Only the dialog's own showing refills the list, not the window
    // system's (a restore after minimising keeps the player's line).
    if (!Event->spontaneous())
        FillGames();
    QDialog::showEvent(Event);
}

void TfrmChoosePuzzle::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F1 && Event->modifiers() == Qt::NoModifier) {
        BitBtn3Click();
        return;
    }
    QDialog::keyPressEvent(Event);
}
