#include "ProgramLook.h"

#include "Panels.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace tarnwick::ui {
namespace {

// The tooltip delay is a style hint in Qt; the base style's other hints stay.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kToolTipDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void applyProgramLook()
{
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(baseFont());
}

}  // namespace tarnwick::ui
