#pragma once
// The four phonetic option boxes (record lines 24 to 27) in their group, shared
// by the phonetic options dialog (one column) and the editor (two columns).
#include "core/TextLines.h"

#include <QGroupBox>

#include <initializer_list>

class QCheckBox;

namespace tarnwick {

class SonabelOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    enum class Arrangement { OneColumn, TwoColumns };
    SonabelOptionsBox(QWidget *parent, const char *objectName, const QRect &geometry, Arrangement arrangement);

    void ClearOptions();
    // Shows the given record lines (each 24..27, relative to base) in that
    // order; throws at the first missing or non-numeric line.
    void ShowOptions(const TextLines &lines, qsizetype base, std::initializer_list<int> order);
    // Record lines 24 .. 27.
    QStringList optionLines() const;
    // hintKey 0: the group gets no hint.
    void applyLanguage(int language, int hintKey);

    QCheckBox *chkDeleteVowels, *chkRemoveNumbers, *chkRemoveInitials, *chkCompact;

private:
    QCheckBox *boxOfLine(int line) const;
};

}  // namespace tarnwick
