// The cleansing and phonetic stages: which engine calls run, in which order,
// with which arguments, under which record lines.
#include "../support/FakeEngine.h"

#include "core/Failure.h"
#include "core/ScoreRecord.h"
#include "score/CleansingPipeline.h"

#include <QTest>

using namespace tarnwick;
using namespace tarnwick::testing;
namespace R = tarnwick::ScoreRecord;

namespace {

struct View : PipelineView {
    QString items[2] = {QStringLiteral("a"), QStringLiteral("b")};
    QString purvex[2], sonabel[2];
    QStringList findings;
    QString itemText(int n) const override { return items[n - 1]; }
    QString purvexText(int n) const override { return purvex[n - 1]; }
    void setPurvexText(int n, const QString &t) override { purvex[n - 1] = t; }
    QString sonabelText(int n) const override { return sonabel[n - 1]; }
    void setSonabelText(int n, const QString &t) override { sonabel[n - 1] = t; }
    void setGenderFinding(int n, const QString &c) override { findings << QStringLiteral("gender%1=%2").arg(n).arg(c); }
    void setPatternFinding(int n, int r) override { findings << QStringLiteral("pattern%1=%2").arg(n).arg(r); }
};

// A cleared record of a category, with the given lines set.
TextLines record(const QString &category, std::initializer_list<std::pair<int, const char *>> lines)
{
    QStringList r(R::kLength, QStringLiteral("0"));
    r[R::Category] = category;
    r[R::Custom1] = r[R::Custom2] = QString();
    r[R::CustomMode] = QStringLiteral("9");  // neither custom step unless a test asks
    for (const auto &[line, text] : lines)
        r[line] = QString::fromUtf8(text);
    return TextLines(r);
}

QStringList purvexCalls(const TextLines &rec, FakeEngine &engine, View &view, int lang = 3)
{
    CleansingPipeline(engine, lang, rec, view).RunPurvexStage();
    return engine.calls;
}

}  // namespace

class TestPipeline : public QObject {
    Q_OBJECT
private slots:
    void methodStepsRunInCategoryOrder_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("name: prefix, suffix, occupations, name")
            << "Name" << "1" << QStringList{"Abbreviate(a,3,7)", "Abbreviate(b,3,7)", "Abbreviate(a,3,6)", "Abbreviate(b,3,6)",
                                            "Abbreviate(a,3,4)", "Abbreviate(b,3,4)", "Abbreviate(a,3,12)", "Abbreviate(b,3,12)"};
        QTest::newRow("business: numbering, business")
            << "Business" << "3" << QStringList{"Exclude(a,3,5)", "Exclude(b,3,5)", "Exclude(a,3,1)", "Exclude(b,3,1)"};
        QTest::newRow("address: postal 0, 8, 9 before countries")
            << "Address" << "4" << QStringList{"Normalise(a,3,0)", "Normalise(b,3,0)", "Normalise(a,3,8)", "Normalise(b,3,8)",
                                               "Normalise(a,3,9)", "Normalise(b,3,9)", "Normalise(a,3,2)", "Normalise(b,3,2)"};
        QTest::newRow("method judged by first character") << "Business" << "2x" << QStringList{"Elaborate(a,3,5)", "Elaborate(b,3,5)", "Elaborate(a,3,1)", "Elaborate(b,3,1)"};
        QTest::newRow("method 0 runs no step") << "Name" << "0" << QStringList{};
        QTest::newRow("empty method runs no step") << "Name" << "" << QStringList{};
        QTest::newRow("unknown category runs no step") << "name" << "1" << QStringList{};
    }
    void methodStepsRunInCategoryOrder()
    {
        QFETCH(QString, category);
        QFETCH(QString, method);
        QFETCH(QStringList, groups);
        const QByteArray m = method.toUtf8();
        FakeEngine engine;
        View view;
        const TextLines rec = record(category, {{R::CleansingMethod, m.constData()}, {R::Name, "1"}, {R::NamePrefix, "1"},
                                                {R::NameSuffix, "1"}, {R::Occupations, "1"}, {R::Numbering, "1"},
                                                {R::Business, "1"}, {R::PostalElements, "1"}, {R::Countries, "1"}});
        QCOMPARE(purvexCalls(rec, engine, view), groups);
    }

    void customStepsAndFindingsAroundTheMethods()
    {
        FakeEngine engine;
        engine.genderCode = QStringLiteral("F");
        engine.patternResult = -1;
        View view;
        TextLines rec = record("Name", {{R::CleansingMethod, "4"}, {R::Name, "1"}, {R::CustomMode, "0"}, {R::Custom1, "("},
                                        {R::Custom2, ")"}, {R::KeepDelimiter, "1"}, {R::SearchForPattern, "1"},
                                        {R::Pattern, "1"}, {R::DetermineGender, "1"}, {R::NameFormat, "0"},
                                        {R::CaseChange, "1"}, {R::CaseStyle, "2"}});
        QCOMPARE(purvexCalls(rec, engine, view),
                 (QStringList{"PatternMatch(a,3,1)", "PatternMatch(b,3,1)", "Gender(a,3,2)", "Gender(b,3,2)",
                              "CustomExclude(a,(,),1)", "CustomExclude(b,(,),1)", "Normalise(a,3,12)", "Normalise(b,3,12)",
                              "ApplyCase(a,2)", "ApplyCase(b,2)"}));
        QCOMPARE(view.findings, (QStringList{"pattern1=-1", "pattern2=-1", "gender1=F", "gender2=F"}));

        // Custom transform runs after the methods; Match Case "1" passes case-insensitive 0.
        engine.calls.clear();
        rec.set(R::CustomMode, QStringLiteral("1"));
        rec.set(R::MatchCase, QStringLiteral("1"));
        rec.set(R::DistinctWords, QStringLiteral("1"));
        rec.set(R::DetermineGender, QStringLiteral("0"));
        rec.set(R::SearchForPattern, QStringLiteral("0"));
        rec.set(R::CaseChange, QStringLiteral("0"));
        QCOMPARE(purvexCalls(rec, engine, view),
                 (QStringList{"Normalise(a,3,12)", "Normalise(b,3,12)", "CustomTransform(a,(,),1,0)", "CustomTransform(b,(,),1,0)"}));
        engine.calls.clear();
        rec.set(R::MatchCase, QStringLiteral("0"));
        rec.set(R::NameFormat, QStringLiteral("2"));
        rec.set(R::DetermineGender, QStringLiteral("1"));
        QCOMPARE(purvexCalls(rec, engine, view).mid(0, 1), QStringList{"Gender(a,3,0)"});
        QVERIFY(engine.calls.contains("CustomTransform(a,(,),1,1)"));
    }

    void genderAndPatternComeFromTheRawItems()
    {
        FakeEngine engine;
        View view;
        view.items[0] = QStringLiteral("Mr Smith");
        TextLines rec = record("Name", {{R::CustomMode, "0"}, {R::Custom1, "Mr"}, {R::DetermineGender, "1"}});
        CleansingPipeline(engine, 1, rec, view).RunPurvexStage();
        QCOMPARE(engine.calls.first(), QStringLiteral("Gender(Mr Smith,1,2)"));
    }

    void sonabelStageReadsFlagsAsIntegers()
    {
        FakeEngine engine;
        View view;
        view.purvex[0] = QStringLiteral("x");
        view.purvex[1] = QStringLiteral("y");
        TextLines rec = record("Name", {{R::DeleteVowels, "1"}, {R::RemoveInitials, "1"}, {R::Compact, "1"}});
        CleansingPipeline(engine, 5, rec, view).RunSonabelStage();
        // delete vowels, remove numbers, remove initials, compact
        QCOMPARE(engine.calls, (QStringList{"GeneratePHK(x,5,1011)", "GeneratePHK(y,5,1011)"}));
        QCOMPARE(view.sonabel[1], QStringLiteral("Y"));
    }

    void malformedOrShortRecordsFailAtTheirLine()
    {
        FakeEngine engine;
        View view;
        try {
            CleansingPipeline(engine, 1, TextLines(), view).RunPurvexStage();
            QFAIL("no failure");
        } catch (const Failure &f) {
            QCOMPARE(f.message(), QStringLiteral("List index out of bounds (20)"));
        }
        try {
            TextLines rec = record("Name", {{R::CaseChange, "1"}, {R::CaseStyle, "two"}});
            CleansingPipeline(engine, 1, rec, view).RunPurvexStage();
            QFAIL("no failure");
        } catch (const Failure &f) {
            QCOMPARE(f.message(), QStringLiteral("'two' is not a valid integer value"));
        }
    }
};

QTEST_GUILESS_MAIN(TestPipeline)
#include "test_pipeline.moc"
