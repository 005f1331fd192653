#pragma once
// The twelve labelled contact fields, laid out the same way on the capture
// page and in the Duplicates dialog.
#include "ContactRecord.h"

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace tarnwick {

class ContactFieldsView {
public:
    static constexpr int kRowPitch = 24;
    static constexpr int kHeight = 6 * kRowPitch;  // the right column's six rows

    // Places the fields inside `parent` from (8, 8), `width` pixels wide.
    ContactFieldsView(QWidget *parent, int width, bool readOnly);

    contact::Fields texts() const;
    void setTexts(const contact::Fields &texts);
    void clear();
    QLineEdit *edit(int line) const { return m_edits[line]; }

    void applyLanguage(int language);

private:
    // Labels take the width their longest text needs in the current language.
    void layout(int leftLabelWidth, int rightLabelWidth);

    int m_width;
    std::array<QLineEdit *, contact::kFieldCount> m_edits{};
    std::array<QLabel *, 10> m_labels{};
};

// The pale background of the fields and grids that hold contact data.
void setInfoBackground(QWidget *widget);

}  // namespace tarnwick
