#include "PlayerFolders.h"

#include "QVUtils.h"

#include <QDir>
#include <QStandardPaths>

TCatalogueFolders PlayerCatalogueFolders(const std::string& ProgramFolder)
{
    const QString Data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return TCatalogueFolders::Of(ProgramFolder, ToStdString(QDir::toNativeSeparators(Data)));
}

QString PlayerGridsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Grids");
}
