#include "PurvexOptionsBox.h"

#include "OptionLines.h"
#include "StorableTextValidator.h"
#include "i18n/Catalogue.h"
#include "core/ScoreRecord.h"
#include "widgets/HandlerGuard.h"
#include "widgets/InputNotice.h"
#include "widgets/Panels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tarnwick {

namespace {

template <typename W>
W *control(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *w = new W(caption, parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

QComboBox *pickList(QWidget *parent, const char *name, const QRect &geometry, const QStringList &items)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->addItems(items);
    list->setCurrentIndex(0);
    list->setEnabled(false);
    return list;
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    return e;
}

// Items of a drop-down replaced one at a time, so its length, order and selection stay.
void relabel(QComboBox *list, int language, std::initializer_list<int> keys)
{
    int i = 0;
    for (int key : keys)
        list->setItemText(i++, CatalogueText(language, key));
}

template <typename W>
void label(W *w, int language, int captionKey, int hintKey)
{
    w->setText(CatalogueText(language, captionKey));
    w->setToolTip(CatalogueText(language, hintKey));
}

}  // namespace

PurvexOptionsBox::PurvexOptionsBox(QWidget *parent, const QPoint &topLeft, std::function<bool()> namesCategory)
    : QGroupBox(QStringLiteral("Purvex Options"), parent), m_namesCategory(std::move(namesCategory))
{
    setObjectName(QStringLiteral("GroupBox1"));
    setGeometry(QRect(topLeft, QSize(321, 321)));

    // Three columns of four boxes: methods, person elements, other elements.
    // Widths measured against the longest caption of each column in all five languages.
    const int col[3] = {8, 108, 208};
    const int width[3] = {99, 99, 107};
    const auto cell = [&](int c, int r) { return QRect(col[c], 20 + r * 21, width[c], 19); };
    chkAbbreviate = control<QCheckBox>(this, "chkAbbreviate", QStringLiteral("Abbreviate"), cell(0, 0));
    chkElaborate = control<QCheckBox>(this, "chkElaborate", QStringLiteral("Elaborate"), cell(0, 1));
    chkExclude = control<QCheckBox>(this, "chkExclude", QStringLiteral("Exclude"), cell(0, 2));
    chkNormalise = control<QCheckBox>(this, "chkNormalise", QStringLiteral("Normalise"), cell(0, 3));
    chkName = control<QCheckBox>(this, "chkName", QStringLiteral("Name"), cell(1, 0));
    chkNamePrefix = control<QCheckBox>(this, "chkNamePrefix", QStringLiteral("Name Prefix"), cell(1, 1));
    chkNameSuffix = control<QCheckBox>(this, "chkNameSuffix", QStringLiteral("Name Suffix"), cell(1, 2));
    chkOccupations = control<QCheckBox>(this, "chkOccupations", QStringLiteral("Occupations"), cell(1, 3));
    chkNumbering = control<QCheckBox>(this, "chkNumbering", QStringLiteral("Numbering"), cell(2, 0));
    chkBusiness = control<QCheckBox>(this, "chkBusiness", QStringLiteral("Business"), cell(2, 1));
    chkPostalElements = control<QCheckBox>(this, "chkPostalElements", QStringLiteral("Postal Elements"), cell(2, 2));
    chkCountries = control<QCheckBox>(this, "chkCountries", QStringLiteral("Countries"), cell(2, 3));

    ui::separator(this, QRect(8, 108, 305, 2));
    radCustomExclude = control<QRadioButton>(this, "radCustomExclude", QStringLiteral("Custom Exclude"), QRect(10, 116, 140, 19));
    radCustomTransform = control<QRadioButton>(this, "radCustomTransform", QStringLiteral("Custom Transform"), QRect(163, 116, 148, 19));
    radCustomExclude->setChecked(true);
    txtCustom1 = edit(this, "txtCustom1", QRect(10, 139, 145, 21));
    txtCustom2 = edit(this, "txtCustom2", QRect(163, 139, 148, 21));
    chkKeepDelimiter = control<QCheckBox>(this, "chkKeepDelimiter", QStringLiteral("Keep Delimiter"), cell(0, 7));
    chkDistinctWords = control<QCheckBox>(this, "chkDistinctWords", QStringLiteral("Distinct Words"), cell(1, 7));
    chkMatchCase = control<QCheckBox>(this, "chkMatchCase", QStringLiteral("Match Case"), cell(2, 7));
    chkDistinctWords->setEnabled(false);
    chkMatchCase->setEnabled(false);

    ui::separator(this, QRect(8, 194, 305, 2));
    const auto optionRow = [](int r) { return QRect(10, 206 + r * 36, 140, 21); };
    const auto listRow = [](int r) { return QRect(155, 206 + r * 36, 156, 21); };
    chkCaseChange = control<QCheckBox>(this, "chkCaseChange", QStringLiteral("Case Change"), optionRow(0));
    cboCaseChange = pickList(this, "cboCaseChange", listRow(0), {QStringLiteral("Mixed Case"), QStringLiteral("Lower Case"), QStringLiteral("Upper Case")});
    chkSearchForPattern = control<QCheckBox>(this, "chkSearchForPattern", QStringLiteral("Search for Pattern"), optionRow(1));
    cboSearchForPattern = pickList(this, "cboSearchForPattern", listRow(1),
                                   {QStringLiteral("Company"), QStringLiteral("Contact"), QStringLiteral("E-Mail Address"), QStringLiteral("Web Site")});
    chkDetermineGender = control<QCheckBox>(this, "chkDetermineGender", QStringLiteral("Determine Gender"), optionRow(2));
    cboDetermineGender = pickList(this, "cboDetermineGender", listRow(2),
                                  {QStringLiteral("Forename First"), QStringLiteral("Forename Last"), QStringLiteral("Unknown Format")});

    QWidget *window = this;
    const auto onToggle = [window](QCheckBox *box, void (PurvexOptionsBox::*handler)(), PurvexOptionsBox *self) {
        connectGuarded(box, &QCheckBox::toggled, window, [self, handler] { (self->*handler)(); });
    };
    onToggle(chkAbbreviate, &PurvexOptionsBox::chkAbbreviateClick, this);
    onToggle(chkElaborate, &PurvexOptionsBox::chkElaborateClick, this);
    onToggle(chkExclude, &PurvexOptionsBox::chkExcludeClick, this);
    onToggle(chkNormalise, &PurvexOptionsBox::chkNormaliseClick, this);
    onToggle(chkCaseChange, &PurvexOptionsBox::chkCaseChangeClick, this);
    onToggle(chkSearchForPattern, &PurvexOptionsBox::chkSearchForPatternClick, this);
    onToggle(chkDetermineGender, &PurvexOptionsBox::chkDetermineGenderClick, this);
    // A radio button's handler runs when it becomes selected, not when it is left.
    connectGuarded(radCustomExclude, &QRadioButton::toggled, window, [this] {
        if (radCustomExclude->isChecked())
            radCustomExcludeClick();
    });
    connectGuarded(radCustomTransform, &QRadioButton::toggled, window, [this] {
        if (radCustomTransform->isChecked())
            radCustomTransformClick();
    });
}

void PurvexOptionsBox::methodToggled(QCheckBox *method)
{
    const bool on = method->isChecked();
    for (QCheckBox *other : {chkAbbreviate, chkElaborate, chkExclude, chkNormalise})
        if (other != method)
            other->setEnabled(!on);
    chkName->setEnabled(m_namesCategory());
}

void PurvexOptionsBox::chkAbbreviateClick() { methodToggled(chkAbbreviate); }

void PurvexOptionsBox::chkElaborateClick()
{
    methodToggled(chkElaborate);
    if (chkElaborate->isChecked() == m_namesCategory())
        chkName->setChecked(false);
}

void PurvexOptionsBox::chkExcludeClick() { methodToggled(chkExclude); }
void PurvexOptionsBox::chkNormaliseClick() { methodToggled(chkNormalise); }

void PurvexOptionsBox::radCustomExcludeClick()
{
    chkKeepDelimiter->setEnabled(true);
    for (QCheckBox *box : {chkDistinctWords, chkMatchCase}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void PurvexOptionsBox::radCustomTransformClick()
{
    chkKeepDelimiter->setChecked(false);
    chkKeepDelimiter->setEnabled(false);
    chkDistinctWords->setEnabled(true);
    chkMatchCase->setEnabled(true);
}

void PurvexOptionsBox::chkCaseChangeClick() { cboCaseChange->setEnabled(chkCaseChange->isChecked()); }
void PurvexOptionsBox::chkSearchForPatternClick() { cboSearchForPattern->setEnabled(chkSearchForPattern->isChecked()); }
void PurvexOptionsBox::chkDetermineGenderClick() { cboDetermineGender->setEnabled(chkDetermineGender->isChecked()); }

void PurvexOptionsBox::ClearOptions()
{
    for (QCheckBox *box : {chkAbbreviate, chkElaborate, chkExclude, chkNormalise, chkName, chkNamePrefix, chkNameSuffix, chkOccupations,
                           chkNumbering, chkBusiness, chkPostalElements, chkCountries})
        box->setChecked(false);
    radCustomExclude->setChecked(true);
    txtCustom1->clear();
    txtCustom2->clear();
    for (QCheckBox *box : {chkDistinctWords, chkMatchCase, chkKeepDelimiter, chkCaseChange, chkSearchForPattern, chkDetermineGender})
        box->setChecked(false);
    for (QComboBox *list : {cboCaseChange, cboSearchForPattern, cboDetermineGender})
        list->setCurrentIndex(0);
}

void PurvexOptionsBox::ApplyCategoryRules(const QString &category, bool isEditor)
{
    const bool names = category == ScoreRecord::kName;
    const bool business = category == ScoreRecord::kBusiness;
    const bool address = category == ScoreRecord::kAddress;
    const auto apply = [](bool inCategory, std::initializer_list<QCheckBox *> boxes) {
        for (QCheckBox *box : boxes)
            box->setEnabled(inCategory);
    };
    if (!names)
        for (QCheckBox *box : {chkName, chkNamePrefix, chkNameSuffix, chkOccupations})
            box->setChecked(false);
    if (!business)
        for (QCheckBox *box : {chkNumbering, chkBusiness})
            box->setChecked(false);
    if (!address)
        for (QCheckBox *box : {chkPostalElements, chkCountries})
            box->setChecked(false);
    apply(names, {chkName, chkNamePrefix, chkNameSuffix, chkOccupations});
    apply(business, {chkNumbering, chkBusiness});
    apply(address, {chkPostalElements, chkCountries});
    if (isEditor && names && chkAbbreviate->isChecked())
        chkName->setEnabled(false);
}

void PurvexOptionsBox::ShowOptions(const TextLines &lines, qsizetype base)
{
    using namespace OptionLines;
    namespace R = ScoreRecord;
    const QString &method = lines.at(base + R::CleansingMethod);
    QCheckBox *const methods[4] = {chkAbbreviate, chkElaborate, chkExclude, chkNormalise};
    for (QCheckBox *box : methods)
        box->setChecked(false);
    for (int m = 0; m < 4; ++m)
        if (method == QString::number(m + 1))
            methods[m]->setChecked(true);

    QCheckBox *const elements[8] = {chkName, chkNamePrefix, chkNameSuffix, chkOccupations,
                                    chkNumbering, chkBusiness, chkPostalElements, chkCountries};
    for (int e = 0; e < 8; ++e)
        showFlag(elements[e], lines, base + R::Name + e);

    const QString &mode = lines.at(base + R::CustomMode);
    if (mode == QLatin1String("0"))
        radCustomExclude->setChecked(true);
    else if (mode == QLatin1String("1"))
        radCustomTransform->setChecked(true);
    txtCustom1->setText(lines.at(base + R::Custom1));
    txtCustom2->setText(lines.at(base + R::Custom2));

    showFlag(chkDistinctWords, lines, base + R::DistinctWords);
    showFlag(chkMatchCase, lines, base + R::MatchCase);
    showFlag(chkKeepDelimiter, lines, base + R::KeepDelimiter);
    showFlag(chkCaseChange, lines, base + R::CaseChange);
    showIndex(cboCaseChange, lines, base + R::CaseStyle);
    showFlag(chkSearchForPattern, lines, base + R::SearchForPattern);
    showIndex(cboSearchForPattern, lines, base + R::Pattern);
    showFlag(chkDetermineGender, lines, base + R::DetermineGender);
    showIndex(cboDetermineGender, lines, base + R::NameFormat);
}

QStringList PurvexOptionsBox::optionLines() const
{
    using namespace OptionLines;
    QString method = QStringLiteral("0");
    if (chkAbbreviate->isChecked())
        method = QStringLiteral("1");
    else if (chkElaborate->isChecked())
        method = QStringLiteral("2");
    else if (chkExclude->isChecked())
        method = QStringLiteral("3");
    else if (chkNormalise->isChecked())
        method = QStringLiteral("4");
    return {method,
            flag(chkName), flag(chkNamePrefix), flag(chkNameSuffix), flag(chkOccupations),
            flag(chkNumbering), flag(chkBusiness), flag(chkPostalElements), flag(chkCountries),
            radCustomTransform->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
            txtCustom1->text(), txtCustom2->text(),
            flag(chkDistinctWords), flag(chkMatchCase), flag(chkKeepDelimiter),
            flag(chkCaseChange), index(cboCaseChange),
            flag(chkSearchForPattern), index(cboSearchForPattern),
            flag(chkDetermineGender), index(cboDetermineGender)};
}

void PurvexOptionsBox::refuseUnstorable(StorableTextValidator *validator)
{
    validator->attach(txtCustom1);
    validator->attach(txtCustom2);
}

void PurvexOptionsBox::watchEngineText()
{
    ui::watchEngineText(txtCustom1);
    ui::watchEngineText(txtCustom2);
}

void PurvexOptionsBox::applyLanguage(int language)
{
    setTitle(CatalogueText(language, 52));
    setToolTip(CatalogueText(language, 252));
    label(chkAbbreviate, language, 53, 253);
    label(chkElaborate, language, 54, 254);
    label(chkExclude, language, 55, 255);
    label(chkNormalise, language, 56, 256);
    label(chkName, language, 57, 257);
    label(chkNamePrefix, language, 58, 258);
    label(chkNameSuffix, language, 59, 259);
    label(chkOccupations, language, 60, 260);
    label(chkNumbering, language, 61, 261);
    // The editor's box gets the same hint as the dialog's: one group, one set of hints.
    label(chkBusiness, language, 21, 297);
    label(chkPostalElements, language, 63, 263);
    label(chkCountries, language, 64, 264);
    label(radCustomExclude, language, 65, 265);
    label(radCustomTransform, language, 66, 266);
    label(chkKeepDelimiter, language, 67, 267);
    label(chkDistinctWords, language, 68, 268);
    label(chkMatchCase, language, 69, 269);
    label(chkCaseChange, language, 70, 270);
    label(chkSearchForPattern, language, 71, 271);
    label(chkDetermineGender, language, 72, 272);
    relabel(cboCaseChange, language, {74, 73, 75});
    relabel(cboSearchForPattern, language, {76, 77, 78, 79});
    relabel(cboDetermineGender, language, {80, 81, 82});
}

}  // namespace tarnwick
