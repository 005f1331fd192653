// Every window, each page of the main window and each dialog, in all five
// languages: no caption wider than its control, no controls on top of one
// another, and a grid header cut by a fixed column readable as a tooltip.
// Offscreen fonts differ a little from a desktop's; render_windows under
// xvfb-run shows the real look.
#include "../support/FakeEngine.h"
#include "../support/TestFiles.h"
#include "LayoutCheck.h"
#include "WindowTour.h"

#include "app/Program.h"
#include "app/TForm1.h"
#include "i18n/Catalogue.h"
#include "capture/ContactRecord.h"
#include "capture/TfrmDupes.h"
#include "core/ProgramState.h"
#include "widgets/TAdvStringGrid.h"
#include "score/ScorePage.h"
#include "widgets/Panels.h"
#include "widgets/ProgramLook.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// Invented data as long as a user's may be: the captions must fit whatever
// the lists and grids hold.
void writeDataFiles(const WorkingFolder &wf)
{
    const char suffix[] = "EFGIS";
    for (int l = 0; l < 5; ++l) {
        QStringList lines = scoreRecord(QStringLiteral("Gwenllian Ap Rhys-Carrow"), QStringLiteral("Gwenlian ApRees Carow"), "Name");
        lines += scoreRecord(QStringLiteral("Brackwater Loom & Twine Ltd"), QStringLiteral("Brakwater Loom and Twine Limited"), "Business");
        lines += scoreRecord(QStringLiteral("14 Quillerby Row, Dunmarrow"), QStringLiteral("14 Quilerby Road Dunmarow"), "Address");
        wf.write(QStringLiteral("ScoreData%1.dta").arg(QLatin1Char(suffix[l])), lines);
    }
    QStringList contacts;
    for (int n = 1; n <= 5; ++n) {
        contacts << QStringLiteral("Mrs") << QStringLiteral("Oriel") << QStringLiteral("Fenwarden-Baske%1").arg(n)
                 << QStringLiteral("Head of Procurement") << QStringLiteral("Hollinsmoor Textiles")
                 << QStringLiteral("7 Sedgewick Lane") << QString() << QStringLiteral("Callowby")
                 << QStringLiteral("Westermoor") << QStringLiteral("CB4 9XQ") << QStringLiteral("01632 960%1").arg(n)
                 << QStringLiteral("o.fenwarden@example.org") << QStringLiteral("ORL") << QStringLiteral("FNWRT")
                 << QStringLiteral("HLNSMR");
    }
    QCOMPARE(contacts.size(), 5 * contact::kLines);
    wf.write(QStringLiteral("DemoData.dta"), contacts);
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    // The look the program sets up in main().
    void initTestCase()
    {
        ui::applyProgramLook();
    }

    void init() { CurrentLanguage = CatalogueLanguage = 1; }

    void everyWindowFitsInEveryLanguage()
    {
        WorkingFolder wf;
        writeDataFiles(wf);
        FakeEngine engine;
        Program program(engine);
        QStringList problems;
        int views = 0;
        const auto check = [&](const WindowView &view, const QString &state) {
            for (const layout::Finding &f : layout::faults(layout::check(view.window)))
                problems.append(view.fileStem() + state + QStringLiteral(": ") + f.describe());
        };
        tourWindows(program, [&](const WindowView &view) {
            ++views;
            check(view, QString());
            if (view.name == QLatin1String("TfrmDupes")) {
                // Ignore && Update takes the place of Ignore && Add when amending.
                program.dupes().setMode(CaptureMode::Amend);
                check(view, QStringLiteral(" (amending)"));
                program.dupes().setMode(CaptureMode::Add);
            }
            if (view.page != QLatin1String("TabSheet2"))
                return;
            // The findings after a Process: every gender and pattern outcome.
            ScorePage *page = program.mainWindow().scorePage();
            for (const QString &gender : {QStringLiteral("M"), QStringLiteral("F"), QStringLiteral("U")})
                for (int pattern : {-1, 0}) {
                    for (int n : {1, 2}) {
                        page->SetGenderLabel(view.language, n, gender);
                        page->SetPatternLabel(view.language, n, pattern);
                    }
                    check(view, QStringLiteral(" (gender %1, pattern %2)").arg(gender).arg(pattern));
                }
        });
        QCOMPARE(views, 5 * (4 + 6));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(wf.boxes.isEmpty());
    }

    // The check itself: a fault of each kind is found, and a fitting window passes.
    void checkFindsEachKindOfFault()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.resize(300, 200);
        auto *fits = new QPushButton(QStringLiteral("OK"), &window);
        fits->setObjectName(QStringLiteral("fits"));
        fits->setGeometry(10, 10, 75, 25);
        auto *label = new QLabel(QStringLiteral("Short"), &window);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(10, 50, 100, 16);
        auto *grid = new TAdvStringGrid(&window);
        grid->setObjectName(QStringLiteral("grid"));
        grid->setGeometry(10, 80, 280, 100);
        grid->setColumnsResizable(true);  // as the contact grids are
        grid->setCell(0, 1, QStringLiteral("Id"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(layout::check(&window).isEmpty());

        fits->setText(QStringLiteral("A caption far too long for its button"));
        label->move(60, 20);  // now on top of the button
        grid->setColumnWidth(1, 20);
        grid->setCell(0, 1, QStringLiteral("Telephone number"));
        const QList<layout::Finding> found = layout::check(&window);
        QStringList seen;
        for (const layout::Finding &f : found)
            seen.append(f.describe());
        const auto has = [&](layout::Kind kind, const QString &control) {
            return std::any_of(found.begin(), found.end(), [&](const layout::Finding &f) { return f.kind == kind && f.control == control; });
        };
        QVERIFY2(has(layout::Kind::Clipped, QStringLiteral("fits")), qPrintable(seen.join('\n')));
        QVERIFY2(has(layout::Kind::Overlap, QStringLiteral("fits")) || has(layout::Kind::Overlap, QStringLiteral("label")), qPrintable(seen.join('\n')));
        QVERIFY2(has(layout::Kind::HeaderCut, QStringLiteral("grid")), qPrintable(seen.join('\n')));

        // A header cut by a column set narrow is accepted (its tooltip tells
        // it whole); one cut at the grid's ordinary column width is a fault.
        const auto headerFaults = [&] {
            const QList<layout::Finding> faults = layout::faults(layout::check(&window));
            return std::count_if(faults.begin(), faults.end(), [](const layout::Finding &f) { return f.kind == layout::Kind::HeaderCut; });
        };
        QCOMPARE(headerFaults(), 0);
        grid->setCell(0, 2, QStringLiteral("Telephone number of the contact's main office"));
        QCOMPARE(headerFaults(), 1);
    }

    // Each kind of caption is measured against its own room: it passes when
    // the control is wide enough and is reported when it is too narrow.
    void checkMeasuresEveryKindOfCaption_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"push", "check", "radio", "tool", "label", "group", "combo", "tabs"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void checkMeasuresEveryKindOfCaption()
    {
        QFETCH(QString, kind);
        const QString caption = QStringLiteral("Ausschreiben und Normalisieren");
        QWidget window;
        window.resize(400, 100);
        QWidget *control = nullptr;
        if (kind == u"push")
            control = new QPushButton(caption, &window);
        else if (kind == u"check")
            control = new QCheckBox(caption, &window);
        else if (kind == u"radio")
            control = new QRadioButton(caption, &window);
        else if (kind == u"tool") {
            auto *b = new QToolButton(&window);
            b->setText(caption);
            control = b;
        } else if (kind == u"label")
            control = new QLabel(caption, &window);
        else if (kind == u"group")
            control = new QGroupBox(caption, &window);
        else if (kind == u"combo") {
            auto *c = new QComboBox(&window);
            c->addItems({QStringLiteral("Kurz"), caption});
            control = c;
        } else {
            auto *t = new QTabWidget(&window);
            t->addTab(new QWidget, caption);
            control = t;
        }
        control->setObjectName(QStringLiteral("control"));
        control->setGeometry(10, 10, 380, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(layout::check(&window).isEmpty());

        control->resize(control->fontMetrics().horizontalAdvance(caption) * 2 / 3, 60);
        const QList<layout::Finding> found = layout::check(&window);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].kind, layout::Kind::Clipped);
        QVERIFY2(found[0].text.startsWith(caption), qPrintable(found[0].describe()));
        QVERIFY(found[0].needed > found[0].room);
    }

    // A header cut by a narrow fixed column keeps its full text as the tooltip.
    void cutHeaderIsReadableAsTooltip()
    {
        TAdvStringGrid grid;
        grid.setColumnWidth(1, 20);
        grid.setCell(0, 1, QStringLiteral("Telephone number"));
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("Telephone number"));
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Telephone number"));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
