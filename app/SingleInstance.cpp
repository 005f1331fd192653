#include "SingleInstance.h"

#include "core/Failure.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>

namespace tarnwick {

SingleInstance::SingleInstance(const QString &title, const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = QDir(dir).filePath(title + QStringLiteral(".lock"));
}

SingleInstance::~SingleInstance() { release(); }

SingleInstance::Outcome SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale; a long-running first copy never does.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Outcome::First;
    const bool held = m_lock->error() == QLockFile::LockFailedError && heldByLiveCopy();
    m_lock.reset();
    return held ? Outcome::AlreadyRunning : Outcome::Failed;
}

// QLockFile has already taken over a lock whose owner is gone; what is left
// is either a live copy's lock or something at the lock's path that is no
// lock at all (a folder, a file nobody can read), which must not pass for one.
bool SingleInstance::heldByLiveCopy() const
{
    qint64 pid = 0;
    QString host, app;
    if (m_lock->getLockInfo(&pid, &host, &app))
        return true;
    // A copy starting this instant has made the file but not yet written it.
    QThread::msleep(200);
    return m_lock->getLockInfo(&pid, &host, &app);
}

std::optional<int> SingleInstance::refuseStart()
{
    switch (acquire()) {
    case Outcome::First:
        return std::nullopt;
    case Outcome::AlreadyRunning:
        Messages::show(nullptr, {Messages::Icon::None, Messages::kProgramTitle, alreadyRunningText()});
        return 0;
    case Outcome::Failed:
        break;
    }
    // Not a second copy: ending quietly with success would hide the fault.
    Messages::showFailure(nullptr, Failure::cannotCreateFile(QDir::toNativeSeparators(m_path)).message());
    return 1;
}

void SingleInstance::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

QString SingleInstance::alreadyRunningText()
{
    return QStringLiteral("Program already loaded!\n\n"
                          "Programme est d\u00e9j\u00e0 charg\u00e9!\n\n"
                          "Programm ist schon geladen!\n\n"
                          "Programma \u00e8 gi\u00e0 caricato!\n\n"
                          "Programa est\u00e1 ya cargado!");
}

}  // namespace tarnwick
