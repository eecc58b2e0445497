#include "RecordKeeper.h"

#include "Exception.h"
#include "FileStream.h"
#include "Prompter.h"
#include "QVUtils.h"
#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <ctime>

namespace {

int64_t Now()
{
    return static_cast<int64_t>(std::time(nullptr));
}

QString Day(int64_t Seconds)
{
    // The month's name in the player's language, in the order it reads.
    //: The form of a day in the record of a game ("Dec 08"), as QDate::toString reads it.
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(Seconds).date(),
                              QCoreApplication::translate("TRecordKeeper", "MMM dd"));
}

}  // namespace

TRecordKeeper::TRecordKeeper(QWidget& Window, const std::string& Folder)
    : FWindow(Window), FFileName(Folder + "RECORDS.TXT")
{
    const QString Name = ToQString(FFileName);
    if (!QFile::exists(Name))
        return;
    try {
        TFileStream Source(FFileName, TFileMode::fmOpenRead);
        const int64_t Size = Source.GetSize();
        if (Size > (int64_t{16} << 20))
            throw Exception(TR_TEXT("TRecordKeeper", "Records file: it is larger than any record of games"));
        std::string Text(static_cast<size_t>(Size), '\0');
        if (Source.Read(Text.data(), Size) != Size)
            throw Exception(TR_TEXT("TRecordKeeper", "Records file: it could not be read whole"));
        FRecords = TGameRecords::Read(Text);
    } catch (const std::exception& Error) {
        const QString Aside = Name + QStringLiteral(".damaged");
        QFile::remove(Aside);
        QFile::rename(Name, Aside);
        FDamage = tr("The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3")
                      .arg(QDir::toNativeSeparators(Name), QDir::toNativeSeparators(Aside), MessageOf(Error));
    }
}

void TRecordKeeper::ReportDamage()
{
    if (FDamage.isEmpty())
        return;
    const QString Text = FDamage;
    FDamage.clear();
    Prompts().Message(&FWindow, TMessageKind::Warning, QString(), Text);
}

int64_t TRecordKeeper::PlayedMs(uint32_t Game) const
{
    const TGameRecord* Record = FRecords.Find(Game);
    return Record == nullptr ? 0 : Record->PlayedMs;
}

void TRecordKeeper::Started(uint32_t Game)
{
    if (FRecords.Find(Game) != nullptr)
        return;
    FRecords.Started(Game, Now());
    Write();
}

void TRecordKeeper::Played(uint32_t Game, int64_t PlayedMs)
{
    TGameRecord& Record = FRecords.Started(Game, Now());
    if (Record.PlayedMs == PlayedMs)
        return;
    Record.PlayedMs = PlayedMs;
    Write();
}

void TRecordKeeper::Solved(uint32_t Game, int64_t PlayedMs)
{
    const TGameRecord* Record = FRecords.Find(Game);
    if (Record != nullptr && Record->Solved != 0)
        return;
    FRecords.Solved(Game, Now(), PlayedMs);
    Write();
}

void TRecordKeeper::StepShown(uint32_t Game)
{
    ++FRecords.Started(Game, Now()).StepsShown;
    Write();
}

void TRecordKeeper::StepMade(uint32_t Game)
{
    ++FRecords.Started(Game, Now()).StepsMade;
    Write();
}

void TRecordKeeper::SolveUsed(uint32_t Game)
{
    ++FRecords.Started(Game, Now()).Solves;
    Write();
}

QString TRecordKeeper::Duration(int64_t Ms)
{
    const int64_t Seconds = Ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(Seconds / 3600)
        .arg((Seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(Seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TRecordKeeper::Summary(uint32_t Game) const
{
    const TGameRecord* Record = FRecords.Find(Game);
    if (Record == nullptr)
        return QString();
    QString Text = Record->Solved != 0
                       ? tr("Solved %1 in %2").arg(Day(Record->Solved), Duration(Record->SolvedInMs))
                       : tr("Started %1, %2 played").arg(Day(Record->FirstStarted), Duration(Record->PlayedMs));
    if (Record->StepsShown > 0)
        Text += Record->StepsShown == 1 ? tr(", 1 step shown") : tr(", %1 steps shown").arg(Record->StepsShown);
    if (Record->StepsMade > 0)
        Text += Record->StepsMade == 1 ? tr(", 1 step made") : tr(", %1 steps made").arg(Record->StepsMade);
    if (Record->Solves > 0)
        Text += tr(", solve commands used");
    return Text;
}

void TRecordKeeper::Write()
{
    try {
        WriteFileWhole(FFileName, FRecords.Text());
    } catch (const EFileWriteError& Error) {
        if (!FWriteFailed)
            Prompts().Message(&FWindow, TMessageKind::Warning, QString(),
                              tr("The record of your games cannot be kept in %1: %2")
                                  .arg(QDir::toNativeSeparators(ToQString(FFileName)), ToQString(Error.Cause())));
        FWriteFailed = true;
    }
}
