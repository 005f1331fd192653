#include "ContactFieldsView.h"

#include "i18n/Catalogue.h"
#include "widgets/InputNotice.h"

#include <QLabel>
#include <QLineEdit>

namespace tarnwick {
namespace {

constexpr int kMargin = 8;
constexpr int kFieldHeight = 21;
constexpr int kMinLabelWidth = 60;
constexpr int kMaxLabelWidth = 130;
constexpr int kGap = 4;

struct LabelText {
    const char *name;
    int key;
    const char *suffix;
};
// Left column top to bottom, then the right column.
constexpr LabelText kLabels[] = {{"Label4", 77, ""},    {"Label9", 121, ""},   {"Label7", 122, ""},
                                 {"Label10", 78, ""},   {"Label5", 124, ""},   {"Label6", 22, " 1"},
                                 {"Label14", 22, " 2"}, {"Label15", 125, ""},  {"Label16", 126, ""},
                                 {"Label8", 127, ""}};

}  // namespace

void setInfoBackground(QWidget *widget)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xE1));
    widget->setPalette(p);
}

ContactFieldsView::ContactFieldsView(QWidget *parent, int width, bool readOnly) : m_width(width)
{
    for (int i = 0; i < contact::kFieldCount; ++i) {
        auto *e = new QLineEdit(parent);
        e->setObjectName(QLatin1String(contact::kEditNames[i]));
        e->setReadOnly(readOnly);
        setInfoBackground(e);
        m_edits[i] = e;
    }
    // The first name, surname and company go to the engine for the keys.
    if (!readOnly)
        for (int line : {1, 2, 4})
            ui::watchEngineText(m_edits[line]);
    for (int i = 0; i < int(m_labels.size()); ++i) {
        auto *l = new QLabel(parent);
        l->setObjectName(QLatin1String(kLabels[i].name));
        m_labels[i] = l;
    }

    // Tab runs down the left column, then the right one, as the fields are laid out.
    constexpr int kTabOrder[] = {0, 1, 2, 3, 10, 11, 4, 5, 6, 7, 8, 9};
    for (int i = 1; i < contact::kFieldCount; ++i)
        QWidget::setTabOrder(m_edits[kTabOrder[i - 1]], m_edits[kTabOrder[i]]);
    layout(kMinLabelWidth, kMinLabelWidth);
}

void ContactFieldsView::layout(int leftLabelWidth, int rightLabelWidth)
{
    // Left column: the contact's name on one row, then position, telephone, e-mail.
    const int middle = m_width / 2;
    const int leftFields = kMargin + leftLabelWidth + kGap;
    const int leftWidth = middle - kMargin - leftFields;
    const auto rowY = [](int row) { return kMargin + row * kRowPitch; };
    const auto place = [](QWidget *w, int x, int y, int wide) { w->setGeometry(x, y, wide, kFieldHeight); };
    for (int row = 0; row < 4; ++row)
        place(m_labels[row], kMargin, rowY(row), leftLabelWidth);
    const int titleWidth = 36;
    const int nameWidth = (leftWidth - titleWidth - 2 * 2) / 2;
    place(m_edits[0], leftFields, rowY(0), titleWidth);
    place(m_edits[1], leftFields + titleWidth + 2, rowY(0), nameWidth);
    place(m_edits[2], leftFields + titleWidth + 2 + nameWidth + 2, rowY(0), leftWidth - titleWidth - nameWidth - 4);
    place(m_edits[3], leftFields, rowY(1), leftWidth);   // position
    place(m_edits[10], leftFields, rowY(2), leftWidth);  // telephone
    place(m_edits[11], leftFields, rowY(3), leftWidth);  // e-mail

    // Right column: company and the postal address, lines 4 to 9.
    const int rightLabels = middle + kMargin;
    const int rightFields = rightLabels + rightLabelWidth + kGap;
    const int rightWidth = m_width - kMargin - rightFields;
    for (int row = 0; row < 6; ++row) {
        place(m_labels[4 + row], rightLabels, rowY(row), rightLabelWidth);
        place(m_edits[4 + row], rightFields, rowY(row), rightWidth);
    }
}

contact::Fields ContactFieldsView::texts() const
{
    contact::Fields out;
    for (int i = 0; i < contact::kFieldCount; ++i)
        out[i] = m_edits[i]->text();
    return out;
}

void ContactFieldsView::setTexts(const contact::Fields &texts)
{
    for (int i = 0; i < contact::kFieldCount; ++i) {
        m_edits[i]->setText(texts[i]);
        // A text wider than its field shows its start, not its end.
        m_edits[i]->setCursorPosition(0);
    }
}

void ContactFieldsView::clear()
{
    for (QLineEdit *e : m_edits)
        e->clear();
}

void ContactFieldsView::applyLanguage(int language)
{
    int left = kMinLabelWidth;
    int right = kMinLabelWidth;
    for (int i = 0; i < int(m_labels.size()); ++i) {
        QLabel *label = m_labels[i];
        label->setText(CatalogueText(language, kLabels[i].key) + QLatin1String(kLabels[i].suffix));
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 4;
        (i < 4 ? left : right) = qMax(i < 4 ? left : right, needed);
    }
    layout(qMin(left, kMaxLabelWidth), qMin(right, kMaxLabelWidth));
}

}  // namespace tarnwick
