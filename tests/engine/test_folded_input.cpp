// The real engine through the binding: typed text outside Windows-1252
// reaches it folded, never as "?", so letters the code page lacks still tell
// names apart and match their plain spellings.
#include "engine/VeskorEngine.h"

#include <QtTest>

using namespace tarnwick;

class TestFoldedInput : public QObject {
    Q_OBJECT
private slots:
    void scores_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("stroke L") << u"Łukasz"_qs << u"Lukasz"_qs << true;
        QTest::newRow("two Polish names") << u"Łukasz"_qs << u"Żukasz"_qs << false;
        QTest::newRow("Czech caron") << u"Dvořák"_qs << u"Dvorak"_qs << true;
        QTest::newRow("Cyrillic") << u"Москва"_qs << u"Moskva"_qs << true;
        QTest::newRow("two Cyrillic names") << u"Иван"_qs << u"Борис"_qs << false;
    }

    void scores()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        VeskorEngine engine;
        const int score = engine.matchIt(a, b);
        // "?" for every unknown letter made such pairs score 100 and key alike.
        if (same)
            QVERIFY2(score >= 90, qPrintable(QString::number(score)));
        else
            QVERIFY2(score < 100, qPrintable(QString::number(score)));
        const PhkOptions plain;
        const QString keyA = engine.generatePhk(a, 1, plain);
        QVERIFY2(!keyA.isEmpty() && !keyA.contains(QLatin1Char('?')), qPrintable(keyA));
        QCOMPARE(keyA == engine.generatePhk(b, 1, plain), same);
    }
};

QTEST_APPLESS_MAIN(TestFoldedInput)
#include "test_folded_input.moc"
