#include "RecoveryKeeper.h"

#include "Exception.h"
#include "FileStream.h"
#include "Platform.h"
#include "Prompter.h"
#include "PuzzleInfo.h"
#include "QVUtils.h"
#include "RecoveryFile.h"
#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

#include <ctime>

namespace {

std::string LockOf(const std::string& File)
{
    return File + ".lock";
}

bool Exists(const std::string& File)
{
    return QFile::exists(ToQString(File));
}

void RemoveFile(const std::string& File)
{
    QFile::remove(ToQString(File));
}

std::string ReadSmallFile(const std::string& FileName)
{
    // Far more than the longest history a game leaves.
    constexpr int64_t Limit = 64 << 20;
    TFileStream Source(FileName, TFileMode::fmOpenRead);
    const int64_t Size = Source.GetSize();
    if (Size > Limit)
        throw Exception(TR_TEXT("TRecoveryKeeper", "Recovery file: it is larger than any game's"));
    std::string Text(static_cast<size_t>(Size), '\0');
    if (Source.Read(Text.data(), Size) != Size)
        throw Exception(TR_TEXT("TRecoveryKeeper", "Recovery file: it could not be read whole"));
    return Text;
}

}  // namespace

std::string TRecoveryKeeper::SlotFile(const std::string& Folder, int Slot)
{
    return Folder + "RECOVERY " + std::to_string(Slot) + ".TXT";
}

TRecoveryKeeper::TRecoveryKeeper(TRecoveryHost& Host, QWidget& Window, const std::string& Folder)
    : FHost(Host), FWindow(Window), FFolder(Folder)
{
    FTimer.setSingleShot(true);
    FTimer.setInterval(WriteDelayMs);
    QObject::connect(&FTimer, &QTimer::timeout, &FWindow, Guarded([this] { WriteNow(); }));
    // A slot of this copy's own that holds no file: a file left in a free
    // slot waits to be offered.
    QDir().mkpath(ToQString(FFolder));
    for (int Slot = 1; Slot <= Slots && FLock == -1; ++Slot) {
        const std::string File = SlotFile(FFolder, Slot);
        if (Exists(File))
            continue;
        FLock = Platform::TryLockFile(LockOf(File));
        if (FLock != -1)
            FFileName = File;
    }
}

TRecoveryKeeper::~TRecoveryKeeper()
{
    Platform::UnlockFile(FLock);
}

bool TRecoveryKeeper::OfferRecovery()
{
    // The newest file no running copy holds.
    std::string Newest;
    QDateTime NewestTime;
    for (int Slot = 1; Slot <= Slots; ++Slot) {
        const std::string File = SlotFile(FFolder, Slot);
        if (File == FFileName || !Exists(File))
            continue;
        const intptr_t Lock = Platform::TryLockFile(LockOf(File));
        if (Lock == -1)
            continue;
        Platform::UnlockFile(Lock);
        const QDateTime Time = QFileInfo(ToQString(File)).lastModified();
        if (Newest.empty() || Time > NewestTime) {
            Newest = File;
            NewestTime = Time;
        }
    }
    if (Newest.empty())
        return false;
    const QString Shown = QDir::toNativeSeparators(ToQString(Newest));
    TRecoveryState State;
    try {
        State = ReadRecovery(ReadSmallFile(Newest));
    } catch (const std::exception& Error) {
        RemoveFile(Newest);
        Prompts().Message(&FWindow, TMessageKind::Warning, QString(),
                          tr("The recovery file %1 is damaged and was removed: %2").arg(Shown, MessageOf(Error)));
        return false;
    }
    const QString When = QLocale().toString(QDateTime::fromSecsSinceEpoch(State.Written), QLocale::ShortFormat);
    const TAnswer Answer = Prompts().Confirm(
        &FWindow, tr("The game \"%1\" was not closed properly. Do you want to go on with it as it was at %2?")
                      .arg(ToQString(State.GameName), When));
    if (Answer == TAnswer::Cancel)
        return false;
    if (Answer == TAnswer::No) {
        RemoveFile(Newest);
        return false;
    }
    try {
        FHost.RecoveryRestore(State);
    } catch (const std::exception& Error) {
        RemoveFile(Newest);
        Prompts().Message(&FWindow, TMessageKind::Warning, QString(),
                          tr("The recovery file %1 is damaged and was removed: %2").arg(Shown, MessageOf(Error)));
        return false;
    }
    RemoveFile(Newest);
    WriteNow();
    return true;
}

void TRecoveryKeeper::Changed()
{
    if (!FTimer.isActive())
        FTimer.start();
}

void TRecoveryKeeper::WriteNow()
{
    FTimer.stop();
    TPuzzleXLink* Pyramid = FHost.RecoveryPyramid();
    if (FFileName.empty())
        return;
    if (Pyramid == nullptr || !FHost.RecoveryNeeded()) {
        RemoveFile(FFileName);
        return;
    }
    TRecoveryState State;
    const TPuzzleInfo& Game = FHost.RecoveryGame();
    State.Issue = Game.GetIssueNumber();
    State.Game = Game.GetGameNumber();
    State.GameName = ToStdString(FHost.RecoveryGameName());
    State.FileInUse = ToStdString(FHost.RecoveryFileInUse());
    State.Written = static_cast<int64_t>(std::time(nullptr));
    FHost.RecoveryView(State);
    State.PlayedMs = FHost.RecoveryPlayedMs();
    CapturePyramid(*Pyramid, State);
    try {
        WriteFileWhole(FFileName, RecoveryText(State));
    } catch (const EFileWriteError& Error) {
        // Told once: the game goes on, and a later write may succeed.
        if (!FWriteFailed)
            Prompts().Message(&FWindow, TMessageKind::Warning, QString(),
                              tr("The game cannot be kept safe in %1: %2")
                                  .arg(QDir::toNativeSeparators(ToQString(FFileName)), ToQString(Error.Cause())));
        FWriteFailed = true;
    }
}

void TRecoveryKeeper::Remove()
{
    FTimer.stop();
    if (!FFileName.empty())
        RemoveFile(FFileName);
}
