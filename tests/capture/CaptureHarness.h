#pragma once
// The capture page with its two dialogs over a fake engine, and a way to
// answer the modal dialogs they open.
#include "../support/FakeEngine.h"

#include "capture/CapturePage.h"
#include "capture/ContactRecord.h"
#include "capture/TfrmDupes.h"
#include "capture/TfrmSearchOptions.h"
#include "widgets/TAdvStringGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tarnwick::testing {

// Fifteen lines of contact n: fields "<Field> n" (first name "First n"...)
// and keys as given.
inline QStringList contactLines(int n, const QString &firstKey, const QString &surnameKey,
                                const QString &companyKey)
{
    QStringList lines;
    for (const char *field : {"Mr", "First", "Surname", "Position", "Company", "Street", "Area", "Town", "County",
                              "PC", "Phone", "Mail"})
        lines.append(QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(n));
    lines << firstKey << surnameKey << companyKey;
    return lines;
}

// Contacts 1..count whose keys are "F<n>", "S<n>", "C<n>".
inline QStringList contacts(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines += contactLines(n, QStringLiteral("F%1").arg(n), QStringLiteral("S%1").arg(n),
                              QStringLiteral("C%1").arg(n));
    return lines;
}

struct CaptureHarness {
    FakeEngine engine;
    ProgramState state;
    TfrmSearchOptions searchOptions{state};
    TfrmDupes dupes{state};
    CapturePage page{engine, state};

    explicit CaptureHarness(const QStringList &demoLines)
    {
        state.DemoLines = TextLines(demoLines);
        page.setDialogs(&searchOptions, &dupes);
        page.BuildContactGrid();
        page.show();
    }

    TAdvStringGrid *grid() const { return page.sgDemo(); }
    int current() const { return grid()->currentRow(); }
    QLineEdit *edit(const char *name) const { return page.findChild<QLineEdit *>(QLatin1String(name)); }
    QString text(const char *name) const { return edit(name)->text(); }
    void click(const char *button) const
    {
        QTest::mouseClick(page.findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    // IDs of rows 1.. up to and including the entry row.
    QStringList ids() const
    {
        QStringList out;
        for (int r = 1; r < grid()->rowCount(); ++r)
            out.append(grid()->cell(r, contact::kIdColumn));
        return out;
    }
    // Puts all twelve fields of a contact into a page's fields, as typed.
    static void typeInto(const CapturePage &page, const contact::Fields &fields)
    {
        for (int f = 0; f < contact::kFieldCount; ++f)
            page.findChild<QLineEdit *>(QLatin1String(contact::kEditNames[f]))->setText(fields[f]);
    }
    // Types a contact into the page's fields: title, first name, surname, company.
    void type(const QString &first, const QString &surname, const QString &company) const
    {
        edit("txtFirstName")->setText(first);
        edit("txtSurname")->setText(surname);
        edit("txtCompanyName")->setText(company);
    }
};

// Runs `inspect` on the next modal dialog once it is showing; unless `inspect`
// closes it, the dialog is then closed by a click on `button` (or its close
// box when `button` is empty). Returns a flag that tells whether it showed.
inline std::shared_ptr<bool> answerModal(const QString &button, std::function<void(QWidget *)> inspect = {})
{
    auto shown = std::make_shared<bool>(false);
    QTimer::singleShot(0, [=] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        *shown = true;
        if (inspect)
            inspect(dialog);
        if (!dialog->isVisible())
            return;
        if (!button.isEmpty())
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(button), Qt::LeftButton);
        else
            dialog->close();
    });
    return shown;
}

// The IDs listed in the Duplicates dialog.
inline QStringList candidateIds(const TfrmDupes &dupes)
{
    QStringList out;
    const TAdvStringGrid *g = dupes.sgDupes();
    for (int r = 1; r < g->rowCount(); ++r)
        out.append(g->cell(r, contact::kIdColumn));
    return out;
}

}  // namespace tarnwick::testing
