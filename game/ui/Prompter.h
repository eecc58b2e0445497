#pragma once
// The one place through which the windows show modal message boxes and the
// file, colour and printer dialogs. The program uses the Qt dialogs; a test
// installs its own prompter that records what was shown and answers from a
// script, so no test ever blocks on a modal box.

#include <QString>
#include <QStringList>

// The application's title: the caption of every box that has none of its
// own, and the name the About box gives the program.
inline const QString ApplicationTitle = QStringLiteral("Tavrel Sudoku");

class QColor;
class QPrinter;
class QWidget;

enum class TMessageKind {
    Plain,        // a plain message box with OK
    Exclamation,  // exclamation icon, OK
    Warning,      // warning dialog, OK
    Error,        // error dialog, OK
};

enum class TAnswer { Yes, No, Cancel };

// The caption of a message box: its own, else "Warning" for the warning
// dialog, else the application's title (the error dialog among them).
QString MessageCaption(TMessageKind Kind, const QString& Caption);

// What a file dialog shows and where it starts. Filter is in the
// "Text (*.ext)|*.ext|..." form of the dialogs' descriptions.
struct TFileDialogSpec {
    QString Title;
    QString Filter;
    QString Folder;
    QString FileName;
    QString DefaultSuffix;
    bool PromptOverwrite = false;
};

class TPrompter {
public:
    virtual ~TPrompter() = default;

    // Caption empty: the application title.
    virtual void Message(QWidget* Owner, TMessageKind Kind, const QString& Caption, const QString& Text) = 0;
    // Yes, No and Cancel buttons.
    virtual TAnswer Confirm(QWidget* Owner, const QString& Text) = 0;
    // The chosen file, or empty when cancelled.
    virtual QString SaveFileName(QWidget* Owner, const TFileDialogSpec& Spec) = 0;
    virtual QString OpenFileName(QWidget* Owner, const TFileDialogSpec& Spec) = 0;
    // The platform colour dialog; false when cancelled.
    virtual bool ChooseColour(QWidget* Owner, QColor& Colour) = 0;
    // The platform print dialog for Printer; false when cancelled.
    virtual bool ChoosePrinter(QWidget* Owner, QPrinter& Printer) = 0;
};

// The prompter in force; the Qt dialogs unless another is installed.
TPrompter& Prompts();
// Installs a prompter (not owned); nullptr goes back to the Qt dialogs.
void InstallPrompter(TPrompter* Prompter);

// "Text (*.a)|*.a|All (*.*)|*.*" as Qt's ";;"-separated name filters.
QStringList QtNameFilters(const QString& Filter);
