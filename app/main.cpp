// Tarnwick International Demo. No command line is read; the exit code is 0
// on every path but one: the single-instance lock could not be made at all.
#include "app/DataFolder.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "engine/VeskorEngine.h"
#include "widgets/Messages.h"
#include "widgets/Panels.h"
#include "widgets/ProgramLook.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    using namespace tarnwick;
    QApplication app(argc, argv);

    SingleInstance instance(Messages::kProgramTitle);
    if (const std::optional<int> exitCode = instance.refuseStart())
        return *exitCode;
    chooseWorkingFolder();

    ui::applyProgramLook();
    VeskorEngine engine;
    {
        Program program(engine);
        TForm1 &window = program.mainWindow();
        if (const QScreen *screen = window.screen())
            window.move(screen->availableGeometry().center() - window.rect().center());
        window.show();
        QApplication::exec();
        instance.release();
    }
    return 0;
}
