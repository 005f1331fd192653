// The Search Options dialog: loads the stored options on every showing, OK
// stores them, Cancel and the close box forget, labels follow the bars.
#include "CaptureHarness.h"

#include "i18n/Catalogue.h"
#include "capture/TrackBar.h"

#include <QCheckBox>
#include <QLabel>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

struct Controls {
    QCheckBox *check;
    TrackBar *bar;
    QLabel *label;
};

Controls row(QWidget *dialog, const char *check, const char *bar, const char *label)
{
    return {dialog->findChild<QCheckBox *>(check), dialog->findChild<TrackBar *>(bar),
            dialog->findChild<QLabel *>(label)};
}

}  // namespace

class TestSearchOptions : public QObject {
    Q_OBJECT
private slots:
    void startsAtZeroWithMarkerAt70()
    {
        ProgramState state;
        TfrmSearchOptions dialog(state);
        for (auto c : {row(&dialog, "chkForename", "tbForeName", "lblForename"),
                       row(&dialog, "chkSurname", "tbSurname", "lblSurname"),
                       row(&dialog, "chkCompany", "tbCompany", "lblCompany")}) {
            QVERIFY(c.check && c.bar && c.label);
            QCOMPARE(c.bar->value(), 0);
            QCOMPARE(c.label->text(), QStringLiteral("0%"));
            QVERIFY(c.label->font().bold());
            QCOMPARE(c.bar->minimum(), 0);
            QCOMPARE(c.bar->maximum(), 100);
            QCOMPARE(c.bar->pageStep(), 10);
            QCOMPARE(c.bar->tickInterval(), 10);
            QCOMPARE(c.bar->selectionStart(), 70);
            QCOMPARE(c.bar->selectionEnd(), 70);
        }
    }

    void labelsFollowTheBars_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::addRow("0") << 0 << "0%";
        QTest::addRow("70") << 70 << "70%";
        QTest::addRow("100") << 100 << "100%";
    }
    void labelsFollowTheBars()
    {
        QFETCH(int, value);
        QFETCH(QString, label);
        ProgramState state;
        TfrmSearchOptions dialog(state);
        Controls c = row(&dialog, "chkSurname", "tbSurname", "lblSurname");
        c.bar->setValue(value == 0 ? 50 : 0);
        c.bar->setValue(value);
        QCOMPARE(c.label->text(), label);
    }

    void okStoresCancelAndCloseBoxForget()
    {
        CaptureHarness h(contacts(1));
        QWidget *dialog = &h.searchOptions;
        Controls fore = row(dialog, "chkForename", "tbForeName", "lblForename");
        Controls company = row(dialog, "chkCompany", "tbCompany", "lblCompany");

        // Every showing starts from the stored options; moves before Cancel are lost.
        for (const QString &closer : {QStringLiteral("btnCancel"), QString()}) {
            int shownValue = -1;
            QString shownLabel;
            auto shown = answerModal(closer, [&](QWidget *) {
                shownValue = fore.bar->value();
                shownLabel = fore.label->text();
                fore.bar->setValue(20);
                fore.check->setChecked(false);
            });
            h.click("sbSearchOptions");
            QVERIFY(*shown);
            QCOMPARE(shownValue, 70);
            QCOMPARE(shownLabel, QStringLiteral("70%"));
            QCOMPARE(h.state.SearchOptions.ForenameThreshold, 70);
            QVERIFY(h.state.SearchOptions.ForenameCheck);
        }

        // OK stores all six, a threshold of a switched-off check included.
        answerModal("btnOk", [&](QWidget *) {
            fore.check->setChecked(false);
            company.bar->setValue(40);
            company.check->setChecked(false);
            QTest::keyClick(fore.bar, Qt::Key_PageUp);  // a page step
        });
        h.click("sbSearchOptions");
        const DuplicateSearchOptions &o = h.state.SearchOptions;
        QVERIFY(!o.ForenameCheck);
        QVERIFY(o.SurnameCheck);
        QVERIFY(!o.CompanyCheck);
        QCOMPARE(o.ForenameThreshold, 80);
        QCOMPARE(o.SurnameThreshold, 70);
        QCOMPARE(o.CompanyThreshold, 40);

        // With the first-name check off every search finds nothing: Add stores at once.
        h.engine.score = [](const QString &, const QString &) { return 100; };
        h.click("sbLast");
        h.type(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Acme"));
        h.click("sbAdd");
        QCOMPARE(h.ids(), (QStringList{"1", "2", ""}));
    }

    void enterPressesOk()
    {
        ProgramState state;
        TfrmSearchOptions dialog(state);
        state.SearchOptions.SurnameThreshold = 30;
        answerModal(QString(), [&](QWidget *d) {
            d->findChild<TrackBar *>("tbSurname")->setValue(55);
            QTest::keyClick(d, Qt::Key_Return);
        });
        dialog.exec();
        QCOMPARE(state.SearchOptions.SurnameThreshold, 55);
    }

    void germanTexts()
    {
        ProgramState state;
        TfrmSearchOptions dialog(state);
        dialog.applyLanguage(3);
        QCOMPARE(dialog.windowTitle(), CatalogueText(3, 140));
        QCOMPARE(dialog.findChild<QCheckBox *>("chkSurname")->text(), CatalogueText(3, 142));
        QCOMPARE(dialog.findChild<QCheckBox *>("chkCompany")->toolTip(), CatalogueText(3, 276));
    }
};

QTEST_MAIN(TestSearchOptions)
#include "test_search_options.moc"
