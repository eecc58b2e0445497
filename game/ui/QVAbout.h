#pragma once
// The About box and the home page: TfrmAbout shows the program's picture,
// name, version and notices from the program file's version information;
// OpenBrowser (BrowserCommand.h) opens a web address in the browser the
// system has for web addresses.

#include "AboutLines.h"
#include "BrowserCommand.h"

#include <QByteArray>
#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QPushButton;

// The program's home page, opened by "Tavrel Sudoku Site...".
extern const char* const HomePageAddress;

// Caption "About", 381 by 291 client pixels, fixed, centred on the screen.
// A raised panel holds the picture and the lines ProductName, Version, the
// notice, Comments and TradeMarks, top to bottom; OK closes the box.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* Owner = nullptr);

    void Fill(const TAboutLines& Lines);
    // Shows the JPEG picture; a damaged one leaves the picture area empty.
    void SetPicture(const QByteArray& Jpeg);

private:
    QFrame* FPanel;
    QLabel* FPicture;
    QLabel* FProductName;
    QLabel* FVersion;
    QLabel* FNotice;
    QLabel* FComments;
    QLabel* FTradeMarks;
    QPushButton* FOkButton;
};

// The program's picture as compiled in (a 267 by 70 JPEG).
QByteArray ProgramPicture();

// Creates the About box, fills it from the program's version information
// with the application title as product name and the sharing notice as
// comment, shows it modally and releases it.
void ShowAboutBox(QWidget* Owner);
