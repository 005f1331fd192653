#pragma once
// The cleansing options group "GroupBox1" (321 x 321) shared by the cleansing
// options dialog and the score data file editor: its controls, their enabling
// rules and the reading and writing of record lines 3 to 23.
//
// A box's rule runs whenever its state changes, also when the program sets it;
// setting a box to the state it already has runs nothing. Showing a record
// relies on that: the rules run while the lines are loaded, and the element
// and custom boxes loaded after them keep their stored values.
#include "core/TextLines.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tarnwick {

class StorableTextValidator;

class PurvexOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    // namesCategory tells whether the record shown belongs to the Names category.
    PurvexOptionsBox(QWidget *parent, const QPoint &topLeft, std::function<bool()> namesCategory);

    void ClearOptions();
    // category is "Name", "Business" or "Address"; any other word enables no element box.
    // The editor adds one step: a Names record with Abbreviate ticked gets Name disabled.
    void ApplyCategoryRules(const QString &category, bool isEditor);
    // Shows lines base+3 .. base+23 in order; stops at the first missing or
    // non-numeric line by throwing, leaving the later controls as they were.
    void ShowOptions(const TextLines &lines, qsizetype base);
    // Record lines 3 .. 23 from the controls, disabled ones included.
    QStringList optionLines() const;

    // The custom texts: refused characters a file cannot hold (editor), or
    // a notice about characters the engine cannot read (they only go there).
    void refuseUnstorable(StorableTextValidator *validator);
    void watchEngineText();
    void applyLanguage(int language);

    QCheckBox *chkAbbreviate, *chkElaborate, *chkExclude, *chkNormalise;
    QCheckBox *chkName, *chkNamePrefix, *chkNameSuffix, *chkOccupations;
    QCheckBox *chkNumbering, *chkBusiness, *chkPostalElements, *chkCountries;
    QRadioButton *radCustomExclude, *radCustomTransform;
    QLineEdit *txtCustom1, *txtCustom2;
    QCheckBox *chkKeepDelimiter, *chkDistinctWords, *chkMatchCase;
    QCheckBox *chkCaseChange, *chkSearchForPattern, *chkDetermineGender;
    QComboBox *cboCaseChange, *cboSearchForPattern, *cboDetermineGender;

    // Handlers, bound to the controls' state changes.
    void chkAbbreviateClick();
    void chkElaborateClick();
    void chkExcludeClick();
    void chkNormaliseClick();
    void radCustomExcludeClick();
    void radCustomTransformClick();
    void chkCaseChangeClick();
    void chkSearchForPatternClick();
    void chkDetermineGenderClick();

private:
    void methodToggled(QCheckBox *method);

    std::function<bool()> m_namesCategory;
};

}  // namespace tarnwick
