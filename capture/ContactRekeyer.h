#pragma once
// Keeps the comparison keys of the stored contacts made by the rules of the
// engine language, so a check never compares keys of two rule sets. The keys
// live in the grid's key columns; a language change re-keys them in memory, a
// slice at a time while the program is idle, and a check finishes whatever is
// left before it scans.
#include <QHash>
#include <QString>

namespace tarnwick {

class Engine;
class TAdvStringGrid;

class ContactRekeyer {
public:
    // `keyedLanguage`: the language the grid's keys were made in.
    ContactRekeyer(Engine &engine, TAdvStringGrid &grid, int keyedLanguage);

    // Engine language 0 and values out of range are English to the engine.
    static int ruleLanguage(int engineLanguage);

    // Aims at the rules of `engineLanguage`; a new language starts over at row 1.
    void setLanguage(int engineLanguage);
    // The grid's rows are new and have no keys yet: all are keyed afresh.
    void rekeyAll(int engineLanguage);
    int language() const { return m_language; }
    bool isCurrent() const { return m_next < 0; }

    // Re-keys up to `rows` contacts; true when every key is current.
    bool step(int rows);
    void finish();

    // Rows [firstRow, firstRow + count) left the grid.
    void rowsRemoved(int firstRow, int count);

private:
    using Memo = QHash<QString, QString>;
    using KeyOf = QString (*)(Engine &, int, const QString &);
    QString key(Memo &memo, const QString &text, KeyOf keyOf);

    Engine &m_engine;
    TAdvStringGrid &m_grid;
    int m_language;
    int m_next = -1;  // next row to re-key, -1 when all are current
    // One pass derives each distinct name or company once: lists repeat them a lot.
    Memo m_firstNames, m_surnames, m_companies;
};

}  // namespace tarnwick
