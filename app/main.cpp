// Tarnwick International Demo. No command line is read; the exit code is 0
// on every path.
#include "app/DataFolder.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "engine/VeskorEngine.h"
#include "widgets/Messages.h"
#include "widgets/Panels.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    using namespace tarnwick;
    QApplication app(argc, argv);

    SingleInstance instance(Messages::kProgramTitle);
    if (!instance.acquire()) {
        Messages::show(nullptr, {Messages::Icon::None, Messages::kProgramTitle, SingleInstance::alreadyRunningText()});
        return 0;
    }
    chooseWorkingFolder();

    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setFont(ui::baseFont());
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
