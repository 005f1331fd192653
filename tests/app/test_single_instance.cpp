// The single-instance lock, held by a real second process: refused while it
// runs, taken over once it was killed, free again after a clean release; a
// lock that cannot be made at all is a failure the user sees.
#include "app/SingleInstance.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace tarnwick;

namespace {
const QString kTitle = QStringLiteral("Tarnwick Test Instance");
}

class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Another copy of this test program holding the lock.
    bool startHolder(QProcess &holder)
    {
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), m_dir.path()});
        return holder.waitForReadyRead(10000) && holder.readAll().contains("held");
    }

private slots:
    void secondCopyIsRefusedWhileFirstRuns()
    {
        QProcess holder;
        QVERIFY(startHolder(holder));
        SingleInstance second(kTitle, m_dir.path());
        QCOMPARE(second.acquire(), SingleInstance::Outcome::AlreadyRunning);
        holder.kill();  // SIGKILL: the lock file stays behind
        holder.waitForFinished();
        QVERIFY(QFile::exists(second.lockPath()));
        SingleInstance next(kTitle, m_dir.path());
        QCOMPARE(next.acquire(), SingleInstance::Outcome::First);  // the stale lock of the killed copy is taken over
        SingleInstance third(kTitle, m_dir.path());
        QCOMPARE(third.acquire(), SingleInstance::Outcome::AlreadyRunning);
        next.release();
        QCOMPARE(third.acquire(), SingleInstance::Outcome::First);
    }

    // What the user sees at start-up: nothing for the first copy, the five
    // sentences and exit code 0 beside a live copy, and a failure with the
    // lock's path and exit code 1 when the lock cannot be made.
    void startIsRefusedOnlyBesideALiveCopy()
    {
        QList<Messages::Box> boxes;
        Messages::setInterceptor([&](const Messages::Box &box) { boxes.append(box); });
        QProcess holder;
        QVERIFY(startHolder(holder));
        SingleInstance second(kTitle, m_dir.path());
        QCOMPARE(second.refuseStart().value_or(-1), 0);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, SingleInstance::alreadyRunningText());
        holder.kill();
        holder.waitForFinished();

        // A folder that cannot exist: its parent is a file.
        QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SingleInstance unwritable(kTitle, blocker.fileName() + QStringLiteral("/runtime"));
        QCOMPARE(unwritable.acquire(), SingleInstance::Outcome::Failed);
        QCOMPARE(unwritable.refuseStart().value_or(-1), 1);
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[1].icon == Messages::Icon::Stop);
        QCOMPARE(boxes[1].text, QStringLiteral("Cannot create file %1.").arg(unwritable.lockPath()));

        // Something at the lock's path that is no lock: a folder.
        QTemporaryDir other;
        SingleInstance blocked(kTitle, other.path());
        QVERIFY(QDir().mkpath(blocked.lockPath()));
        QCOMPARE(blocked.refuseStart().value_or(-1), 1);
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[2].text, QStringLiteral("Cannot create file %1.").arg(blocked.lockPath()));

        SingleInstance first(kTitle, m_dir.path());
        QVERIFY(!first.refuseStart().has_value());
        QCOMPARE(boxes.size(), 3);
        Messages::setInterceptor({});
    }

    void refusalTextHasFiveSentencesOnTheirOwnLines()
    {
        const QStringList lines = SingleInstance::alreadyRunningText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("Program already loaded!"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[4], QStringLiteral("Programm ist schon geladen!"));
        QCOMPARE(lines[8], QStringLiteral("Programa est\u00e1 ya cargado!"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold") {
        SingleInstance holder(kTitle, QString::fromLocal8Bit(argv[2]));
        if (holder.acquire() != SingleInstance::Outcome::First)
            return 1;
        fputs("held\n", stdout);
        fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_single_instance.moc"
