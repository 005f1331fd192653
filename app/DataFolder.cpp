#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnwick {

namespace {

const QStringList &scoreFileNames()
{
    static const QStringList names{QStringLiteral("ScoreDataE.dta"), QStringLiteral("ScoreDataF.dta"),
                                   QStringLiteral("ScoreDataG.dta"), QStringLiteral("ScoreDataI.dta"),
                                   QStringLiteral("ScoreDataS.dta")};
    return names;
}

bool holdsScoreData(const QDir &dir)
{
    for (const QString &name : scoreFileNames()) {
        if (!QFileInfo(dir.filePath(name)).isFile())
            return false;
    }
    return true;
}

// <prefix>/bin/program reads its data from <prefix>/share/tarnwickdemo.
QString installedDataDir(const QString &applicationDir)
{
    const QString dir = QDir::cleanPath(applicationDir + QStringLiteral("/../share/tarnwickdemo"));
    return QFileInfo(dir).isDir() ? dir : QString();
}

// Copies the data files the user folder lacks. Installed files may be
// read-only, and some Qt versions copy permissions along; the editor must be
// able to rewrite the user's copy.
void seedMissingFiles(const QDir &from, const QDir &to)
{
    const QStringList names = from.entryList({QStringLiteral("*.dta")}, QDir::Files | QDir::Readable);
    for (const QString &name : names) {
        const QString target = to.filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        if (QFile::copy(from.filePath(name), target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    }
}

}  // namespace

QString prepareWorkingFolder(const QString &currentDir, const QString &applicationDir, const QString &userDir)
{
    if (holdsScoreData(QDir(currentDir)))
        return {};
    const QString installed = installedDataDir(applicationDir);
    if (installed.isEmpty() || userDir.isEmpty() || !QDir().mkpath(userDir))
        return {};
    seedMissingFiles(QDir(installed), QDir(userDir));
    return userDir;
}

void chooseWorkingFolder()
{
    const QString folder =
        prepareWorkingFolder(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
}

}  // namespace tarnwick
