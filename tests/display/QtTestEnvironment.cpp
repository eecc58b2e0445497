// One QApplication for the whole test program, on the offscreen platform
// unless the environment names another.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

class TQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        FApp = new QApplication(FArgc, FArgv);
    }
    void TearDown() override
    {
        delete FApp;
        FApp = nullptr;
    }

private:
    int FArgc = 1;
    char FName[16] = "display_tests";
    char* FArgv[2] = {FName, nullptr};
    QApplication* FApp = nullptr;
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace
