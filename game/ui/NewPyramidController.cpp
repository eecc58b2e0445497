#include "NewPyramidController.h"

#include "GamesFile.h"
#include "MadeGamesFormat.h"
#include "NewPyramidDialog.h"
#include "Prompter.h"
#include "QVUtils.h"
#include "SettingsStore.h"

#include <QDateTime>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <exception>
#include <optional>
#include <random>
#include <thread>

namespace {

std::tm Now()
{
    const QDateTime Now = QDateTime::currentDateTime();
    std::tm When{};
    When.tm_year = Now.date().year() - 1900;
    When.tm_mon = Now.date().month() - 1;
    When.tm_mday = Now.date().day();
    When.tm_hour = Now.time().hour();
    When.tm_min = Now.time().minute();
    return When;
}

}  // namespace

TNewPyramidController::TNewPyramidController(TNewPyramidHost& Host)
    : FHost(Host), FMaker([](const TNewPyramidRequest& Request, const std::atomic<bool>* Cancel) {
          return MakeNewPyramid(Request, Cancel);
      })
{
}

TNewPyramidController::~TNewPyramidController() = default;

TfrmNewPyramid* TNewPyramidController::Dialog()
{
    if (FDialog == nullptr) {
        FDialog = new TfrmNewPyramid(FHost.NewPyramidOwner());
        connect(FDialog, &TfrmNewPyramid::HelpRequested, this,
                [this](int Topic) { FHost.NewPyramidHelp(FDialog, Topic); });
    }
    return FDialog;
}

void TNewPyramidController::NewPyramidClick()
{
    if (FMaking || !FHost.NewPyramidMayStart())
        return;
    TfrmNewPyramid* Choice = Dialog();
    const TNewPyramidChoice Last = FHost.NewPyramidStore().ReadNewPyramidChoice();
    Choice->SetChoice(Last.Layout, Last.Grade);
    if (Choice->exec() != QDialog::Accepted)
        return;
    FHost.NewPyramidStore().SaveNewPyramidChoice({Choice->Layout(), Choice->Grade()});
    TNewPyramidRequest Request;
    Request.Layout = Choice->Layout();
    Request.Grade = Choice->Grade();
    Request.Seed = std::random_device{}() ^ static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch());
    Make(Request);
}

bool TNewPyramidController::Make(const TNewPyramidRequest& Request)
{
    if (FMaking)
        return false;
    FMaking = true;
    std::atomic<bool> Cancel{false};
    std::optional<TNewPyramid> Made;
    std::exception_ptr Failure;
    bool Done = false;
    QEventLoop Loop;
    std::thread Worker([&] {
        try {
            Made = FMaker(Request, &Cancel);
        } catch (...) {
            Failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &Loop,
            [&] {
                Done = true;
                Loop.quit();
            },
            Qt::QueuedConnection);
    });
    // Most pyramids come well within the delay: the window paints on but
    // takes no input, and no dialog flashes up.
    QTimer::singleShot(ProgressDelayMs, &Loop, &QEventLoop::quit);
    Loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!Done) {
        QProgressDialog Progress(tr("Making a new pyramid..."), tr("Cancel"), 0, 0, FHost.NewPyramidOwner());
        Progress.setObjectName(QStringLiteral("NewPyramidProgress"));
        Progress.setWindowTitle(tr("New Pyramid"));
        Progress.setWindowModality(Qt::WindowModal);
        Progress.setMinimumDuration(0);
        Progress.setAutoClose(false);
        Progress.setAutoReset(false);
        connect(&Progress, &QProgressDialog::canceled, &Progress, [&] { Cancel = true; });
        FProgress = &Progress;
        Progress.show();
        while (!Done)
            Loop.exec();
        FProgress = nullptr;
    }
    Worker.join();
    FMaking = false;
    if (Cancel)
        return false;
    QWidget* Owner = FHost.NewPyramidOwner();
    if (Failure) {
        try {
            std::rethrow_exception(Failure);
        } catch (const std::exception& Error) {
            Prompts().Message(Owner, TMessageKind::Error, QString(),
                              tr("The new pyramid could not be made:\n%1").arg(MessageOf(Error)));
        }
        return false;
    }
    TMadeGame Game;
    Game.Record = NewPyramidRecord(*Made, NewPyramidName(Made->LayoutType, Made->Grade, Now()));
    Game.Stream = Made->Stream;
    uint32_t Number = 0;
    try {
        Number = FHost.NewPyramidCatalogue().AddMadeGame(std::move(Game));
    } catch (const std::exception& Error) {
        Prompts().Message(Owner, TMessageKind::Error, QString(),
                          tr("The new pyramid could not be kept:\n%1").arg(MessageOf(Error)));
        return false;
    }
    FHost.NewPyramidGamesChanged();
    FHost.NewPyramidStart(MadeIssueNumber, Number);
    return true;
}

bool TNewPyramidController::DeleteGame(const TGameEntry& Game)
{
    if (Game.GetIssueNumber() != MadeIssueNumber || !IsMadeGameNumber(Game.GetGameNumber()))
        return false;
    QWidget* Owner = FHost.NewPyramidOwner();
    const QString Name = FromDataText(TPuzzleInfo::Trimmed(Game.GetGameName()));
    if (Prompts().Confirm(
            Owner, tr("Delete the game \"%1\" that was made on this computer? It cannot be brought back.").arg(Name)) !=
        TAnswer::Yes)
        return false;
    try {
        if (!FHost.NewPyramidCatalogue().DeleteMadeGame(Game.GetGameNumber()))
            return false;
    } catch (const std::exception& Error) {
        Prompts().Message(Owner, TMessageKind::Error, QString(),
                          tr("The game could not be deleted:\n%1").arg(MessageOf(Error)));
        return false;
    }
    FHost.NewPyramidGamesChanged();
    return true;
}
