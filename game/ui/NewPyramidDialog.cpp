#include "NewPyramidDialog.h"

#include "NewPyramid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A grade as the combo box's item data.
int GradeCode(const TGrade& Grade)
{
    return Grade.Level + (Grade.Pyramid ? MethodLevelCount : 0);
}

TGrade GradeOfCode(int Code)
{
    return TGrade{static_cast<TMethodLevel>(Code % MethodLevelCount), Code >= MethodLevelCount};
}

// The layout and grade names come from the generator's layer as source
// texts; they are translated in this dialog's context.
QString Translated(const char* Text)
{
    return QCoreApplication::translate("TfrmNewPyramid", Text);
}

// The names, for the translation tools.
[[maybe_unused]] constexpr const char* Names[] = {
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Any layout"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Centres"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Diagonals"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Nine apart"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Box centres"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Same places"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Place diagonals"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Nine more"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "One child"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Centre boxes"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Same boxes"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Rows to diagonals"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Rows to columns"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Columns to diagonals"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Columns to rows"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Singles"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Locked Pairs"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Hidden Locked Pairs"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Linked Singles"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Linked Locked Pairs"),
    QT_TRANSLATE_NOOP("TfrmNewPyramid", "Linked Hidden Locked Pairs"),
};

}  // namespace

TfrmNewPyramid::TfrmNewPyramid(QWidget* Owner)
    : QDialog(Owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmNewPyramid"));
    setWindowTitle(tr("New Pyramid"));
    setMinimumWidth(340);

    FLayouts = new QComboBox(this);
    FLayouts->setObjectName(QStringLiteral("cbxLayout"));
    FLayouts->addItem(Translated(LayoutDisplayName(AnyLayout)), AnyLayout);
    for (int Layout = 0; Layout < LayoutTypeCount; ++Layout)
        FLayouts->addItem(Translated(LayoutDisplayName(Layout)), Layout);
    FGrades = new QComboBox(this);
    FGrades->setObjectName(QStringLiteral("cbxGrade"));
    connect(FLayouts, &QComboBox::currentIndexChanged, this, [this] { FillGrades(Grade()); });

    auto* Form = new QFormLayout;
    Form->addRow(tr("&Layout:"), FLayouts);
    Form->addRow(tr("&Grade:"), FGrades);

    auto* Buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    Buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("btnHelp"));
    Buttons->button(QDialogButtonBox::Help)->setText(tr("&Help"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Buttons, &QDialogButtonBox::helpRequested, this, [this] { emit HelpRequested(HelpTopic); });

    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Form);
    Layout->addWidget(Buttons);
    SetChoice(AnyLayout, TGrade{});
}

void TfrmNewPyramid::SetChoice(int Layout, const TGrade& Grade)
{
    const int Index = FLayouts->findData(Layout);
    {
        const QSignalBlocker Blocker(FLayouts);
        FLayouts->setCurrentIndex(Index >= 0 ? Index : 0);
    }
    FillGrades(Grade);
}

int TfrmNewPyramid::Layout() const
{
    return FLayouts->currentData().toInt();
}

TGrade TfrmNewPyramid::Grade() const
{
    return FGrades->count() > 0 ? GradeOfCode(FGrades->currentData().toInt()) : TGrade{};
}

void TfrmNewPyramid::FillGrades(const TGrade& Wanted)
{
    const QSignalBlocker Blocker(FGrades);
    FGrades->clear();
    for (const TGrade& Offered : GradesForLayout(Layout()))
        FGrades->addItem(Translated(GradeDisplayName(Offered)), GradeCode(Offered));
    int Index = FGrades->findData(GradeCode(Wanted));
    if (Index < 0)
        Index = FGrades->findData(GradeCode(TGrade{Wanted.Level, false}));
    FGrades->setCurrentIndex(Index >= 0 ? Index : 0);
}

void TfrmNewPyramid::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_F1 && Event->modifiers() == Qt::NoModifier) {
        emit HelpRequested(HelpTopic);
        return;
    }
    QDialog::keyPressEvent(Event);
}
