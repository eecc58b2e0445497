#include "Prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString MessageCaption(TMessageKind Kind, const QString& Caption)
{
    if (!Caption.isEmpty())
        return Caption;
    return Kind == TMessageKind::Warning ? QCoreApplication::translate("TPrompter", "Warning") : ApplicationTitle;
}

namespace {

// A message box is as wide as its text, and a short text cut its caption in
// the title bar ("Co... ns"): the box is made wide enough for the caption
// and the title bar's buttons beside it.
void RoomForCaption(QMessageBox& Box)
{
    constexpr int TitleBarButtons = 160;
    auto* Layout = qobject_cast<QGridLayout*>(Box.layout());
    if (Layout == nullptr)
        return;
    const int Width = Box.fontMetrics().horizontalAdvance(Box.windowTitle()) + TitleBarButtons;
    Layout->addItem(new QSpacerItem(Width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), Layout->rowCount(), 0, 1,
                    Layout->columnCount());
}

class TQtPrompter final : public TPrompter {
public:
    void Message(QWidget* Owner, TMessageKind Kind, const QString& Caption, const QString& Text) override
    {
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        switch (Kind) {
        case TMessageKind::Plain: break;
        case TMessageKind::Exclamation:
        case TMessageKind::Warning: Icon = QMessageBox::Warning; break;
        case TMessageKind::Error: Icon = QMessageBox::Critical; break;
        }
        QMessageBox Box(Icon, MessageCaption(Kind, Caption), Text, QMessageBox::Ok, Owner);
        RoomForCaption(Box);
        Box.exec();
    }

    TAnswer Confirm(QWidget* Owner, const QString& Text) override
    {
        QMessageBox Box(QMessageBox::Question, ApplicationTitle, Text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner);
        RoomForCaption(Box);
        switch (Box.exec()) {
        case QMessageBox::Yes: return TAnswer::Yes;
        case QMessageBox::No: return TAnswer::No;
        default: return TAnswer::Cancel;
        }
    }

    QString SaveFileName(QWidget* Owner, const TFileDialogSpec& Spec) override
    {
        QFileDialog Dialog(Owner, Spec.Title);
        Prepare(Dialog, Spec);
        Dialog.setAcceptMode(QFileDialog::AcceptSave);
        Dialog.setFileMode(QFileDialog::AnyFile);
        if (!Spec.PromptOverwrite)
            Dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().first()
                                                                                       : QString();
    }

    QString OpenFileName(QWidget* Owner, const TFileDialogSpec& Spec) override
    {
        QFileDialog Dialog(Owner, Spec.Title);
        Prepare(Dialog, Spec);
        Dialog.setAcceptMode(QFileDialog::AcceptOpen);
        Dialog.setFileMode(QFileDialog::ExistingFile);
        return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().first()
                                                                                       : QString();
    }

    bool ChooseColour(QWidget* Owner, QColor& Colour) override
    {
        const QColor Chosen = QColorDialog::getColor(Colour, Owner);
        if (!Chosen.isValid())
            return false;
        Colour = Chosen;
        return true;
    }

    bool ChoosePrinter(QWidget* Owner, QPrinter& Printer) override
    {
        QPrintDialog Dialog(&Printer, Owner);
        return Dialog.exec() == QDialog::Accepted;
    }

private:
    static void Prepare(QFileDialog& Dialog, const TFileDialogSpec& Spec)
    {
        Dialog.setNameFilters(QtNameFilters(Spec.Filter));
        if (!Spec.Folder.isEmpty())
            Dialog.setDirectory(Spec.Folder);
        if (!Spec.FileName.isEmpty())
            Dialog.selectFile(Spec.FileName);
        if (!Spec.DefaultSuffix.isEmpty())
            Dialog.setDefaultSuffix(Spec.DefaultSuffix);
    }
};

TQtPrompter& QtPrompter()
{
    static TQtPrompter Prompter;
    return Prompter;
}

TPrompter* Installed = nullptr;

}  // namespace

TPrompter& Prompts()
{
    return Installed != nullptr ? *Installed : QtPrompter();
}

void InstallPrompter(TPrompter* Prompter)
{
    Installed = Prompter;
}

QStringList QtNameFilters(const QString& Filter)
{
    // Pairs of description and pattern list; Qt wants the description alone
    // when it already names the patterns in brackets.
    const QStringList Parts = Filter.split(QLatin1Char('|'));
    QStringList Filters;
    for (int Index = 0; Index + 1 < Parts.size(); Index += 2) {
        const QString& Description = Parts[Index];
        const QString Patterns = QString(Parts[Index + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        Filters << (Description.contains(QLatin1Char('(')) ? Description : Description + " (" + Patterns + ")");
    }
    return Filters;
}
