#include "LanguagePage.h"

#include "i18n/Catalogue.h"
#include "i18n/WrapIntoLines.h"
#include "widgets/Panels.h"
#include "widgets/Pictures.h"

#include <QButtonGroup>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

namespace tarnwick {
namespace {

struct LanguageRow {
    int language;
    const char *button;
    const char *flag;
    const char *picture;
    const char *caption;
};
// Top to bottom as laid out on the page.
constexpr LanguageRow kRows[] = {{1, "sbEnglish", "imgEnglish", "flag_en", "English"},
                                 {3, "sbGerman", "imgGerman", "flag_de", "German"},
                                 {2, "sbFrench", "imgFrench", "flag_fr", "French"},
                                 {5, "sbSpanish", "imgSpanish", "flag_es", "Spanish"},
                                 {4, "sbItalian", "imgItalian", "flag_it", "Italian"}};
// Caption keys in LanguageIndex order.
constexpr int kCaptionKeys[] = {6, 8, 7, 10, 9};

}  // namespace

LanguagePage::LanguagePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    setCursor(Qt::PointingHandCursor);
    QFrame *inner = ui::pageFrame(this);
    QFrame *box = ui::panel(inner, QRect(8, 8, 609, 433), ui::Bevel::Single);
    QFrame *left = ui::panel(box, QRect(7, 8, 213, 414), ui::Bevel::Lowered);

    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int row = 0; row < 5; ++row) {
        const LanguageRow &r = kRows[row];
        const int y = 8 + 80 * row;
        auto *b = new QToolButton(left);
        b->setObjectName(QLatin1String(r.button));
        b->setText(QLatin1String(r.caption));
        b->setCheckable(true);
        b->setGeometry(8, y, 89, 73);
        group->addButton(b);
        m_buttons[r.language - 1] = b;
        const int language = r.language;
        connect(b, &QToolButton::clicked, this, [this, language] { emit languageButtonClicked(language); });

        QFrame *flagPanel = ui::panel(left, QRect(104, y, 97, 73), ui::Bevel::Lowered, Qt::white);
        auto *flag = new QLabel(flagPanel);
        flag->setObjectName(QLatin1String(r.flag));
        flag->setGeometry(6, 6, 80, 58);
        flag->setPixmap(ui::svgPixmap(QLatin1String(r.picture), QSize(80, 58)));
    }
    button(1)->setChecked(true);

    QFrame *picturePanel = ui::panel(box, QRect(227, 8, 369, 311), ui::Bevel::Single, Qt::white);
    auto *picture = new QLabel(picturePanel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(72, 64, 232, 140);
    picture->setPixmap(ui::svgPixmap(QStringLiteral("program"), QSize(232, 140)));
    m_rights = new QLabel(picturePanel);
    m_rights->setObjectName(QStringLiteral("Label19"));
    m_rights->setGeometry(4, 281, 361, 16);
    m_rights->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    QFrame *legalPanel = ui::panel(box, QRect(227, 328, 369, 95), ui::Bevel::Single);
    m_legal = new QTextEdit(legalPanel);
    m_legal->setObjectName(QStringLiteral("RichEdit1"));
    m_legal->setGeometry(7, 7, 348, 82);
    m_legal->setFrameStyle(QFrame::NoFrame);
    m_legal->setAcceptRichText(false);
    m_legal->setLineWrapMode(QTextEdit::NoWrap);  // lines come from WrapIntoLines
    m_legal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_legal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_legal->setEnabled(false);
    m_legal->document()->setDocumentMargin(0);
    QPalette p = m_legal->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, p.color(QPalette::Active, QPalette::Button));
        p.setColor(group, QPalette::Text, p.color(QPalette::Active, QPalette::WindowText));  // legible though disabled
    }
    m_legal->setPalette(p);
}

int LanguagePage::languageOfDownButton() const
{
    for (const LanguageRow &r : {kRows[0], kRows[1], kRows[2], kRows[3], kRows[4]})
        if (button(r.language)->isChecked())
            return r.language;
    return 0;
}

void LanguagePage::applyLanguage(int language)
{
    for (int l = 1; l <= 5; ++l)
        button(l)->setText(CatalogueText(language, kCaptionKeys[l - 1]));
    WrapIntoLines(CatalogueText(language, 1), m_legal, window()->font());
    m_rights->setText(CatalogueText(language, 11));
}

}  // namespace tarnwick
