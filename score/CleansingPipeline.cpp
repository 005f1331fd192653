#include "CleansingPipeline.h"

#include "core/ScoreRecord.h"
#include "engine/Engine.h"

namespace tarnwick {

using namespace ScoreRecord;

bool CleansingPipeline::lineIs(int line, const char *text) const { return m_record.at(line) == QLatin1String(text); }

void CleansingPipeline::RunPurvexStage()
{
    m_view.setPurvexText(1, m_view.itemText(1));
    m_view.setPurvexText(2, m_view.itemText(2));

    // Findings come from the raw items, whatever cleansing does to them later.
    if (lineIs(SearchForPattern, "1")) {
        const int pattern = m_record.integerAt(Pattern);
        for (int n = 1; n <= 2; ++n)
            m_view.setPatternFinding(n, m_engine.patternMatch(m_view.itemText(n), m_lang, pattern));
    }
    if (lineIs(DetermineGender, "1")) {
        const int nameFormat = 2 - m_record.integerAt(NameFormat);
        for (int n = 1; n <= 2; ++n)
            m_view.setGenderFinding(n, m_engine.gender(m_view.itemText(n), m_lang, nameFormat));
    }

    if (lineIs(CustomMode, "0")) {
        const QString &c1 = m_record.at(Custom1);
        const QString &c2 = m_record.at(Custom2);
        const int keep = m_record.integerAt(KeepDelimiter);
        for (int n = 1; n <= 2; ++n)
            m_view.setPurvexText(n, m_engine.customExclude(m_view.purvexText(n), c1, c2, keep));
    }

    if (lineIs(Category, "Name")) {
        if (lineIs(NamePrefix, "1"))
            ApplyCleansingMethod(7);
        if (lineIs(NameSuffix, "1"))
            ApplyCleansingMethod(6);
        if (lineIs(Occupations, "1"))
            ApplyCleansingMethod(4);
        if (lineIs(Name, "1"))
            ApplyCleansingMethod(12);
    } else if (lineIs(Category, "Business")) {
        if (lineIs(Numbering, "1"))
            ApplyCleansingMethod(5);
        if (lineIs(Business, "1"))
            ApplyCleansingMethod(1);
    } else if (lineIs(Category, "Address")) {
        for (int group : {0, 8, 9})
            if (lineIs(PostalElements, "1"))
                ApplyCleansingMethod(group);
        if (lineIs(Countries, "1"))
            ApplyCleansingMethod(2);
    }

    if (lineIs(CustomMode, "1")) {
        const QString &c1 = m_record.at(Custom1);
        const QString &c2 = m_record.at(Custom2);
        const int distinct = m_record.integerAt(DistinctWords);
        const int caseInsensitive = m_record.integerAt(MatchCase) ^ 1;
        for (int n = 1; n <= 2; ++n)
            m_view.setPurvexText(n, m_engine.customTransform(m_view.purvexText(n), c1, c2, distinct, caseInsensitive));
    }

    if (lineIs(CaseChange, "1")) {
        const int style = m_record.integerAt(CaseStyle);
        for (int n = 1; n <= 2; ++n)
            m_view.setPurvexText(n, m_engine.applyCase(m_view.purvexText(n), style));
    }
}

void CleansingPipeline::ApplyCleansingMethod(int group)
{
    const QString &method = m_record.at(CleansingMethod);
    const QChar first = method.isEmpty() ? QChar() : method.front();
    QString (Engine::*call)(const QString &, int, int) = nullptr;
    if (first == u'1')
        call = &Engine::abbreviate;
    else if (first == u'2')
        call = &Engine::elaborate;
    else if (first == u'3')
        call = &Engine::exclude;
    else if (first == u'4')
        call = &Engine::normalise;
    if (!call)
        return;
    for (int n = 1; n <= 2; ++n)
        m_view.setPurvexText(n, (m_engine.*call)(m_view.purvexText(n), m_lang, group));
}

void CleansingPipeline::RunSonabelStage()
{
    PhkOptions options;
    options.deleteVowels = m_record.integerAt(DeleteVowels);
    options.removeNumbers = m_record.integerAt(RemoveNumbers);
    options.removeInitials = m_record.integerAt(RemoveInitials);
    options.compact = m_record.integerAt(Compact);
    for (int n = 1; n <= 2; ++n)
        m_view.setSonabelText(n, m_engine.generatePhk(m_view.purvexText(n), m_lang, options));
}

std::array<int, 3> CleansingPipeline::scores()
{
    return {m_engine.matchIt(m_view.itemText(1), m_view.itemText(2)),
            m_engine.matchIt(m_view.purvexText(1), m_view.purvexText(2)),
            m_engine.matchIt(m_view.sonabelText(1), m_view.sonabelText(2))};
}

}  // namespace tarnwick
