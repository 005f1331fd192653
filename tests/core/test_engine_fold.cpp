// Text the engine cannot read is folded to its closest Windows-1252 letters;
// what has no Latin form is left out and reported, never sent as "?".
#include "core/Cp1252.h"
#include "core/EngineFold.h"

#include <QtTest>

using namespace tarnwick;

class TestEngineFold : public QObject {
    Q_OBJECT
private slots:
    void folds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("dropped");
        const QString none;
        QTest::newRow("Windows-1252 as it is") << u"Müller & Söhne, Café €5"_qs << u"Müller & Söhne, Café €5"_qs << none;
        QTest::newRow("Polish stroke and dot") << u"Łukasz Żurawski"_qs << u"Lukasz Zurawski"_qs << none;
        QTest::newRow("Polish ogonek") << u"Wałęsa"_qs << u"Walesa"_qs << none;
        QTest::newRow("Czech caron, acute kept") << u"Dvořák"_qs << u"Dvorák"_qs << none;
        QTest::newRow("Hungarian double acute") << u"Erdős"_qs << u"Erdos"_qs << none;
        QTest::newRow("Turkish") << u"Şahin İlkay ı"_qs << u"Sahin Ilkay i"_qs << none;
        QTest::newRow("Vietnamese keeps the mark it can") << u"Nguyễn"_qs << u"Nguyên"_qs << none;
        QTest::newRow("combining accent composed") << u"Jose\u0301"_qs << u"José"_qs << none;
        QTest::newRow("Romanian comma below") << u"Ștefan Țară"_qs << u"Stefan Tara"_qs << none;
        QTest::newRow("Cyrillic") << u"Москва"_qs << u"Moskva"_qs << none;
        QTest::newRow("Greek") << u"Σοφία"_qs << u"Sophía"_qs << none;
        QTest::newRow("Chinese") << u"北京"_qs << u"bei jing"_qs << none;
        QTest::newRow("emoji left out") << u"Ana 😀 López"_qs << u"Ana  López"_qs << u"😀"_qs;
        QTest::newRow("each left-out sign once") << u"★ Star ★ ♥"_qs << u" Star  "_qs << u"★♥"_qs;
    }

    void folds()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folded);
        QFETCH(QString, dropped);
        const FoldedText f = foldForEngine(typed);
        QCOMPARE(f.text, folded);
        QCOMPARE(f.dropped, dropped);
        QVERIFY(Cp1252::canEncode(f.text));
        QCOMPARE(unreadableByEngine(typed), dropped);
    }
};

QTEST_APPLESS_MAIN(TestEngineFold)
#include "test_engine_fold.moc"
