#pragma once
// The data path behind the score page: the cleansing stage driven by the
// current record's options, the phonetic stage and the three scores. Every
// transformation is an engine call; the page only supplies and shows texts.
#include "core/TextLines.h"

#include <QString>

#include <array>

namespace tarnwick {

class Engine;

// What the stages read from and write to; the score page implements it.
class PipelineView {
public:
    virtual ~PipelineView() = default;
    virtual QString itemText(int n) const = 0;  // n = 1 or 2: the item lists' texts
    virtual QString purvexText(int n) const = 0;
    virtual void setPurvexText(int n, const QString &text) = 0;
    virtual QString sonabelText(int n) const = 0;
    virtual void setSonabelText(int n, const QString &text) = 0;
    virtual void setGenderFinding(int n, const QString &code) = 0;
    virtual void setPatternFinding(int n, int result) = 0;
};

class CleansingPipeline {
public:
    // record: the 28 lines of the current record; every read is checked, so a
    // short record or a malformed number ends the stage with a Failure.
    CleansingPipeline(Engine &engine, int engineLanguage, const TextLines &record, PipelineView &view)
        : m_engine(engine), m_lang(engineLanguage), m_record(record), m_view(view)
    {
    }

    void RunPurvexStage();
    void ApplyCleansingMethod(int group);
    void RunSonabelStage();
    // Initial-data, post-Purvex and post-Sonabel scores of the view's current texts.
    std::array<int, 3> scores();

private:
    bool lineIs(int line, const char *text) const;

    Engine &m_engine;
    int m_lang;
    const TextLines &m_record;
    PipelineView &m_view;
};

}  // namespace tarnwick
