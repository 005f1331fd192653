#pragma once
// Only one copy of the program runs per user: a lock file in the user's
// runtime folder, named after the program title. A lock left by a copy that
// crashed is recognised (its process is gone) and taken over.
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace tarnwick {

class SingleInstance {
public:
    // folder: where the lock lives; empty means the user's runtime folder.
    explicit SingleInstance(const QString &title, const QString &folder = {});
    ~SingleInstance();

    enum class Outcome {
        First,           // this copy holds the lock until release()
        AlreadyRunning,  // a live copy holds it
        Failed,          // the lock file could not be made (folder not writable, disk full...)
    };
    Outcome acquire();
    void release();
    QString lockPath() const { return m_path; }

    // The box a second copy shows: five sentences, one per line, a blank line between.
    static QString alreadyRunningText();

    // Takes the lock at start-up. When this copy must not go on, tells the
    // user why and returns the exit code to end with.
    std::optional<int> refuseStart();

private:
    bool heldByLiveCopy() const;

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace tarnwick
