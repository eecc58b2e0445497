// One application object for the whole test program: the game's own, on the
// offscreen platform, with a scratch home so that nothing a test does can
// reach the user's settings, documents or configuration.
#include "QVUtils.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

class TUiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QString Home = ScratchRoot() + QStringLiteral("/home");
        QDir().mkpath(Home);
        qputenv("HOME", Home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (Home + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (Home + QStringLiteral("/.local/share")).toLocal8Bit());
        qputenv("XDG_DOCUMENTS_DIR", (Home + QStringLiteral("/Documents")).toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        FApp = new TTavrelApplication(FArgc, FArgv);
    }
    void TearDown() override
    {
        delete FApp;
        FApp = nullptr;
        QDir(ScratchRoot()).removeRecursively();
    }

private:
    int FArgc = 1;
    char FName[16] = "ui_tests";
    char* FArgv[2] = {FName, nullptr};
    TTavrelApplication* FApp = nullptr;
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TUiEnvironment);

}  // namespace
