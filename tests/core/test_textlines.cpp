// Checked reads of line lists and the integer reading of record lines.
#include "core/Failure.h"
#include "core/ScoreFile.h"
#include "core/ScoreRecord.h"
#include "core/TextLines.h"

#include <QTest>

using namespace tarnwick;

namespace {
QStringList record(const QString &item, const QString &category)
{
    QStringList r(ScoreRecord::kLength, QStringLiteral("0"));
    r[0] = item;
    r[2] = category;
    return r;
}
QString failureOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Failure &e) {
        return e.message();
    }
    return {};
}
}  // namespace

class TestTextLines : public QObject {
    Q_OBJECT
private slots:
    void readsIntegers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << "" << 0;
        QTest::newRow("minus one") << "-1" << "" << -1;
        QTest::newRow("plus") << "+7" << "" << 7;
        QTest::newRow("largest") << "2147483647" << "" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << "" << int(-2147483648LL);
        QTest::newRow("overflow") << "2147483648" << "'2147483648' is not a valid integer value" << 0;
        QTest::newRow("empty") << "" << "'' is not a valid integer value" << 0;
        QTest::newRow("word") << "yes" << "'yes' is not a valid integer value" << 0;
        QTest::newRow("sign only") << "-" << "'-' is not a valid integer value" << 0;
        QTest::newRow("trailing space") << "1 " << "'1 ' is not a valid integer value" << 0;
    }
    void readsIntegers()
    {
        QFETCH(QString, text);
        QFETCH(QString, failure);
        QFETCH(int, value);
        int got = 0;
        QCOMPARE(failureOf([&] { got = strToInt(text); }), failure);
        if (failure.isEmpty())
            QCOMPARE(got, value);
    }

    void readsPastTheEndAreReported()
    {
        TextLines lines(QStringList{QStringLiteral("a")});
        QCOMPARE(lines.at(0), QStringLiteral("a"));
        QCOMPARE(failureOf([&] { lines.at(3); }), QStringLiteral("List index out of bounds (3)"));
        QCOMPARE(failureOf([&] { lines.set(-1, {}); }), QStringLiteral("List index out of bounds (-1)"));
        QCOMPARE(failureOf([&] { lines.mid(0, 28); }), QStringLiteral("List index out of bounds (27)"));
    }

    void selectsCategoryRecordsInFileOrder()
    {
        QStringList file = record("b0", "Business") + record("n1", "Name") + record("b2", "Business");
        const QStringList business = selectCategory(file, QStringLiteral("Business"));
        QCOMPARE(business.size(), 56);
        QCOMPARE(business[0], QStringLiteral("b0"));
        QCOMPARE(business[28], QStringLiteral("b2"));
        QCOMPARE(selectCategory(file + QStringList{"x", "y"}, QStringLiteral("Name")).size(), 28);
        QVERIFY(selectCategory(record("n", "name"), QStringLiteral("Name")).isEmpty());
        QVERIFY(selectCategory(record("n", "Name").mid(0, 27), QStringLiteral("Name")).isEmpty());
        QCOMPARE(ScoreRecord::scoreFileName(3), QStringLiteral("ScoreDataG.dta"));
        QVERIFY(ScoreRecord::scoreFileName(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextLines)
#include "test_textlines.moc"
