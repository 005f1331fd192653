#include "LayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QtMath>

namespace tarnwick::layout {
namespace {

// Glyphs that touch a bevel read as cut even when they are not.
constexpr int kBreathing = 2;

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString pathOf(const QWidget *w, const QWidget *window)
{
    QStringList parts;
    for (const QWidget *p = w; p && p != window; p = p->parentWidget())
        if ((!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_"))) || p == w)
            parts.prepend(nameOf(p));
    return parts.join(QLatin1Char('/'));
}

// Width and height of a caption as drawn, "&&" shown as one "&" and a lone
// "&" as the underline of the next letter.
QSize captionSize(const QFontMetrics &fm, const QString &text) { return fm.size(Qt::TextShowMnemonic, text); }

class Checker {
public:
    explicit Checker(QWidget *window) : m_window(window) {}

    QList<Finding> run()
    {
        visit(m_window);
        return m_findings;
    }

private:
    void add(Kind kind, const QWidget *w, const QString &text, int needed, int room, bool tooltip = false, bool fixed = false)
    {
        m_findings.append({kind, pathOf(w, m_window), text, needed, room, tooltip, fixed});
    }

    void clipIfShort(const QWidget *w, const QString &text, QSize needed, QSize room)
    {
        if (needed.width() > room.width())
            add(Kind::Clipped, w, text, needed.width(), room.width());
        else if (needed.height() > room.height())
            add(Kind::Clipped, w, text + QStringLiteral(" (height)"), needed.height(), room.height());
    }

    void visit(QWidget *parent)
    {
        QList<QWidget *> shown;
        for (QObject *o : parent->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w || w->isWindow() || w->isHidden() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            shown.append(w);
        }
        for (QWidget *w : shown) {
            measure(w);
            if (!QRect(QPoint(), parent->size()).contains(w->geometry()))
                add(Kind::Clipped, w, QStringLiteral("(reaches outside %1)").arg(nameOf(parent)), 0, 0);
            if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && tabs->currentWidget())
                visit(tabs->currentWidget());
            else if (descends(w))
                visit(w);
        }
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                if (overlapping(shown[i], shown[j]))
                    add(Kind::Overlap, shown[i], pathOf(shown[j], m_window), 0, 0);
    }

    // Composite controls are judged as a whole; their insides belong to Qt.
    static bool descends(const QWidget *w)
    {
        return !qobject_cast<const QAbstractScrollArea *>(w) && !qobject_cast<const QComboBox *>(w) &&
               !qobject_cast<const QAbstractSpinBox *>(w) && !qobject_cast<const QTabBar *>(w) &&
               !qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QAbstractButton *>(w) &&
               !qobject_cast<const QTabWidget *>(w);
    }

    static bool overlapping(const QWidget *a, const QWidget *b)
    {
        const QRect common = a->geometry() & b->geometry();
        if (common.isEmpty())
            return false;
        // A plain frame holding a control is a panel drawn behind it.
        const auto isBackdrop = [](const QWidget *frame, const QWidget *front) {
            return frame->metaObject() == &QFrame::staticMetaObject && frame->geometry().contains(front->geometry());
        };
        return !isBackdrop(a, b) && !isBackdrop(b, a);
    }

    void measure(QWidget *w)
    {
        if (auto *b = qobject_cast<QPushButton *>(w))
            measurePushButton(b);
        else if (auto *b = qobject_cast<QCheckBox *>(w))
            measureIndicatorButton(b, QStyle::SE_CheckBoxContents);
        else if (auto *b = qobject_cast<QRadioButton *>(w))
            measureIndicatorButton(b, QStyle::SE_RadioButtonContents);
        else if (auto *b = qobject_cast<QToolButton *>(w))
            measureToolButton(b);
        else if (auto *l = qobject_cast<QLabel *>(w))
            measureLabel(l);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            measureGroupBox(g);
        else if (auto *c = qobject_cast<QComboBox *>(w))
            measureComboBox(c);
        else if (auto *t = qobject_cast<QTabWidget *>(w))
            measureTabs(t->tabBar(), t->width());
        else if (auto *t = qobject_cast<QTabBar *>(w))
            measureTabs(t, t->width());
        else if (auto *v = qobject_cast<QTableView *>(w))
            measureHeader(v->horizontalHeader());
        else if (auto *e = qobject_cast<QTextEdit *>(w))
            measureUnscrolledText(e);
    }

    void measurePushButton(QPushButton *b)
    {
        if (b->text().isEmpty())
            return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        if (b->autoDefault() || b->isDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (b->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        QSize needed = captionSize(b->fontMetrics(), b->text()) + QSize(2 * kBreathing, 0);
        if (!b->icon().isNull())
            needed.rwidth() += b->iconSize().width() + 4;
        clipIfShort(b, b->text(), needed, room.size());
    }

    void measureIndicatorButton(QAbstractButton *b, QStyle::SubElement contents)
    {
        if (b->text().isEmpty())
            return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect room = b->style()->subElementRect(contents, &opt, b);
        // The focus frame is drawn around the caption, a pixel each side.
        clipIfShort(b, b->text(), captionSize(b->fontMetrics(), b->text()) + QSize(2, 0), room.size());
    }

    void measureToolButton(QToolButton *b)
    {
        if (b->text().isEmpty() || (b->toolButtonStyle() == Qt::ToolButtonIconOnly && !b->icon().isNull()))
            return;
        clipIfShort(b, b->text(), b->sizeHint(), b->size());
    }

    void measureLabel(QLabel *l)
    {
        if (l->text().isEmpty())
            return;
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            const int needed = l->heightForWidth(l->width());
            if (needed > l->height())
                add(Kind::Clipped, l, l->text() + QStringLiteral(" (height)"), needed, l->height());
            return;
        }
        const QSize needed = Qt::mightBeRichText(l->text()) ? l->sizeHint() : l->fontMetrics().size(0, l->text());
        clipIfShort(l, l->text(), needed, room.size());
    }

    void measureGroupBox(QGroupBox *g)
    {
        if (g->title().isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.lineWidth = 1;
        opt.midLineWidth = 0;
        opt.textAlignment = g->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        // The title sits in the top frame line and needs as much frame after it as before.
        const int needed = label.x() + captionSize(g->fontMetrics(), g->title()).width() + label.x();
        if (needed > g->width())
            add(Kind::Clipped, g, g->title(), needed, g->width());
    }

    void measureComboBox(QComboBox *c)
    {
        // An editable list holds the user's data, which scrolls in its field.
        if (c->isEditable() || c->count() == 0)
            return;
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = false;
        opt.frame = c->hasFrame();
        const QRect room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        int widest = 0;
        QString text;
        for (int i = 0; i < c->count(); ++i) {
            const int advance = c->fontMetrics().horizontalAdvance(c->itemText(i));
            if (advance > widest) {
                widest = advance;
                text = c->itemText(i);
            }
        }
        if (widest + kBreathing > room.width())
            add(Kind::Clipped, c, text, widest + kBreathing, room.width());
    }

    void measureTabs(QTabBar *bar, int available)
    {
        const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            const QRect r = bar->tabRect(i);
            const int needed = captionSize(bar->fontMetrics(), bar->tabText(i)).width() + padding;
            if (needed > r.width())
                add(Kind::Clipped, bar, bar->tabText(i), needed, r.width());
            else if (r.right() >= available)
                add(Kind::Clipped, bar, bar->tabText(i) + QStringLiteral(" (tab beyond the bar)"), r.right() + 1, available);
        }
    }

    void measureHeader(QHeaderView *header)
    {
        if (!header || header->isHidden() || !header->model())
            return;
        const QAbstractItemModel *model = header->model();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int s = 0; s < header->count(); ++s) {
            if (header->isSectionHidden(s))
                continue;
            const QString text = model->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
            const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
            const int room = header->sectionSize(s);
            if (text.isEmpty() || needed <= room)
                continue;
            const bool tooltip = model->headerData(s, Qt::Horizontal, Qt::ToolTipRole).toString() == text;
            const bool fixed = header->sectionResizeMode(s) == QHeaderView::Fixed || room < header->defaultSectionSize();
            add(Kind::HeaderCut, header->parentWidget(), text, needed, room, tooltip, fixed);
        }
    }

    // A text box without scroll bars shows only what fits.
    void measureUnscrolledText(QTextEdit *e)
    {
        if (e->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            return;
        QTextDocument *doc = e->document();
        const QSize room = e->viewport()->size();
        if (e->lineWrapMode() == QTextEdit::NoWrap && doc->idealWidth() > room.width())
            add(Kind::Clipped, e, firstLine(doc), qCeil(doc->idealWidth()), room.width());
        else if (doc->size().height() > room.height())
            add(Kind::Clipped, e, firstLine(doc) + QStringLiteral(" (height)"), qCeil(doc->size().height()), room.height());
    }

    static QString firstLine(const QTextDocument *doc) { return doc->toPlainText().section(QLatin1Char('\n'), 0, 0) + QStringLiteral("..."); }

    QWidget *m_window;
    QList<Finding> m_findings;
};

}  // namespace

QString Finding::describe() const
{
    switch (kind) {
    case Kind::Overlap:
        return QStringLiteral("overlap: %1 and %2").arg(control, text);
    case Kind::HeaderCut:
        return QStringLiteral("header cut: %1 \"%2\" needs %3 px, has %4%5%6")
            .arg(control, text)
            .arg(needed)
            .arg(room)
            .arg(fixedColumn ? QStringLiteral(", narrow by design") : QStringLiteral(", resizable"))
            .arg(hasTooltip ? QStringLiteral(", full text as tooltip") : QStringLiteral(", no tooltip"));
    case Kind::Clipped:
        break;
    }
    if (needed == 0 && room == 0)
        return QStringLiteral("clipped: %1 %2").arg(control, text);
    return QStringLiteral("clipped: %1 \"%2\" needs %3 px, has %4").arg(control, text).arg(needed).arg(room);
}

QList<Finding> check(QWidget *window) { return Checker(window).run(); }

bool isFault(const Finding &finding)
{
    return finding.kind != Kind::HeaderCut || !finding.hasTooltip || !finding.fixedColumn;
}

QList<Finding> faults(const QList<Finding> &findings)
{
    QList<Finding> out;
    for (const Finding &f : findings)
        if (isFault(f))
            out.append(f);
    return out;
}

}  // namespace tarnwick::layout
