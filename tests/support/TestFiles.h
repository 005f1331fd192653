#pragma once
// Score records and data files for tests, written into a temporary working folder.
#include "core/DtaFile.h"
#include "core/ScoreRecord.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

namespace tarnwick::testing {

inline QStringList scoreRecord(const QString &item1, const QString &item2, const QString &category)
{
    QStringList r(ScoreRecord::kLength, QStringLiteral("0"));
    r[ScoreRecord::Item1] = item1;
    r[ScoreRecord::Item2] = item2;
    r[ScoreRecord::Category] = category;
    r[ScoreRecord::Custom1] = QString();
    r[ScoreRecord::Custom2] = QString();
    return r;
}

inline void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// Makes a temporary folder the working folder for the test's lifetime and
// records every message box instead of showing it.
class WorkingFolder {
public:
    WorkingFolder() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        Messages::setInterceptor([this](const Messages::Box &box) { boxes.append(box); });
    }
    ~WorkingFolder()
    {
        Messages::setInterceptor({});
        QDir::setCurrent(m_previous);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QStringList &lines) const { writeDtaFile(path(name), lines); }
    QStringList boxTexts() const
    {
        QStringList out;
        for (const auto &b : boxes)
            out.append(b.text);
        return out;
    }

    QList<Messages::Box> boxes;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

}  // namespace tarnwick::testing
