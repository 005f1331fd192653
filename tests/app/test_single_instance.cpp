// The single-instance lock, held by a real second process: refused while it
// runs, taken over once it was killed, free again after a clean release.
#include "app/SingleInstance.h"

#include <QCoreApplication>
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
        QVERIFY(!second.acquire());
        holder.kill();  // SIGKILL: the lock file stays behind
        holder.waitForFinished();
        QVERIFY(QFile::exists(second.lockPath()));
        SingleInstance next(kTitle, m_dir.path());
        QVERIFY(next.acquire());  // the stale lock of the killed copy is taken over
        SingleInstance third(kTitle, m_dir.path());
        QVERIFY(!third.acquire());
        next.release();
        QVERIFY(third.acquire());
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
        if (!holder.acquire())
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
