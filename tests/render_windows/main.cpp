// Renders every window of the program, each page and each dialog in each of
// the five languages, to PNG files and prints what the layout check finds.
//
//   render_windows [run folder] [output folder]
//
// The run folder (default build/run) supplies the data files; they are copied
// into a temporary working folder so nothing the windows do can touch them.
// Exit code: 0 when nothing is clipped or overlapping, 1 when something is,
// 2 when the data files cannot be set up.
#include "LayoutCheck.h"
#include "WindowTour.h"

#include "app/Program.h"
#include "engine/VeskorEngine.h"
#include "widgets/Panels.h"
#include "widgets/ProgramLook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

using namespace tarnwick;

namespace {

bool copyDataFiles(const QString &from, const QString &to, QTextStream &err)
{
    const QStringList names = QDir(from).entryList({QStringLiteral("*.dta")}, QDir::Files);
    if (names.isEmpty()) {
        err << "No .dta files in " << QDir(from).absolutePath() << "\n";
        return false;
    }
    for (const QString &name : names)
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) {
            err << "Cannot copy " << name << " to " << to << "\n";
            return false;
        }
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::applyProgramLook();
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = QApplication::arguments();
    const QString runFolder = QDir(args.value(1, QStringLiteral("build/run"))).absolutePath();
    const QString outFolder = QDir(args.value(2, QStringLiteral("window-shots"))).absolutePath();
    if (!QDir().mkpath(outFolder)) {
        err << "Cannot create " << outFolder << "\n";
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid() || !copyDataFiles(runFolder, work.path(), err))
        return 2;
    QDir::setCurrent(work.path());

    int faults = 0;
    int saveFailures = 0;
    {
        VeskorEngine engine;
        Program program(engine);
        tourWindows(program, [&](const WindowView &view) {
            const QString file = QDir(outFolder).filePath(view.fileStem() + QStringLiteral(".png"));
            if (!view.window->grab().save(file)) {
                err << "Cannot write " << file << "\n";
                ++saveFailures;
            }
            const QList<layout::Finding> findings = layout::check(view.window);
            for (const layout::Finding &f : findings) {
                const bool fault = layout::isFault(f);
                faults += fault ? 1 : 0;
                out << view.fileStem() << ": " << (fault ? "" : "(accepted) ") << f.describe() << "\n";
            }
        });
    }
    out << "Pictures in " << outFolder << "; " << faults << " layout fault(s)\n";
    if (saveFailures > 0)
        return 2;
    return faults > 0 ? 1 : 0;
}
