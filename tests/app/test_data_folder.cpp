// Where the program works: a run folder as it is, an installed copy in a
// per-user folder seeded from the installed data without touching user edits.
#include "app/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

namespace {

const QStringList kAllFiles{"ScoreDataE.dta", "ScoreDataF.dta", "ScoreDataG.dta",
                            "ScoreDataI.dta", "ScoreDataS.dta", "DemoData.dta"};

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// <root>/prefix/bin, <root>/prefix/share/tarnwickdemo with every data file,
// <root>/start (where the user starts it) and <root>/user (not created yet).
struct Layout {
    QTemporaryDir root;
    QString bin = root.filePath("prefix/bin");
    QString share = root.filePath("prefix/share/tarnwickdemo");
    QString start = root.filePath("start");
    QString user = root.filePath("home/.local/share/tarnwickdemo");

    explicit Layout(bool installed = true)
    {
        QDir().mkpath(bin);
        QDir().mkpath(start);
        if (installed) {
            for (const QString &name : kAllFiles)
                write(QDir(share).filePath(name), "installed " + name.toLatin1());
        }
    }
};

}  // namespace

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void folderWithScoreDataIsKept_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed copy") << true;
        QTest::newRow("run folder") << false;
    }
    void folderWithScoreDataIsKept()
    {
        QFETCH(bool, installed);
        Layout l(installed);
        for (const QString &name : kAllFiles.mid(0, 5))
            write(QDir(l.start).filePath(name), "own");

        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), QString());
        QVERIFY(!QDir(l.user).exists());
    }

    void installedCopySeedsAndUsesUserFolder()
    {
        Layout l;
        // One score file is not enough to call the start folder a data folder.
        write(QDir(l.start).filePath("ScoreDataE.dta"), "stray");

        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), l.user);
        for (const QString &name : kAllFiles)
            QCOMPARE(read(QDir(l.user).filePath(name)), "installed " + name.toLatin1());
        QCOMPARE(read(QDir(l.start).filePath("ScoreDataE.dta")), QByteArray("stray"));
    }

    void userEditsSurviveAndMissingFilesReturn()
    {
        Layout l;
        const QString edited = QDir(l.user).filePath("ScoreDataG.dta");
        write(edited, "edited by the user");

        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), l.user);
        QCOMPARE(read(edited), QByteArray("edited by the user"));
        QCOMPARE(read(QDir(l.user).filePath("DemoData.dta")), QByteArray("installed DemoData.dta"));

        QVERIFY(QFile::remove(QDir(l.user).filePath("DemoData.dta")));
        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), l.user);
        QCOMPARE(read(QDir(l.user).filePath("DemoData.dta")), QByteArray("installed DemoData.dta"));
        QCOMPARE(read(edited), QByteArray("edited by the user"));
    }

    void copiesOfReadOnlyInstalledFilesAreWritable()
    {
        Layout l;
        for (const QString &name : kAllFiles)
            QVERIFY(QFile::setPermissions(QDir(l.share).filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), l.user);
        QVERIFY(QFile::permissions(QDir(l.user).filePath("ScoreDataE.dta")) & QFile::WriteOwner);
    }

    void nothingHappensWhenNeitherApplies()
    {
        Layout l(false);
        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), QString());
        QVERIFY(!QDir(l.user).exists());
    }

    void unwritableUserFolderLeavesWorkingFolderAlone()
    {
        Layout l;
        // A file where the user folder's parent should be: mkpath must fail.
        write(l.root.filePath("home/.local"), "not a folder");
        QCOMPARE(prepareWorkingFolder(l.start, l.bin, l.user), QString());
        QCOMPARE(prepareWorkingFolder(l.start, l.bin, QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_data_folder.moc"
