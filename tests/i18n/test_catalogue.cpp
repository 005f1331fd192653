// The language catalogue: its key set, the shape of its texts and the rows
// other windows depend on.
#include "i18n/Catalogue.h"
#include "core/Cp1252.h"

#include <QRegularExpression>
#include <QtTest>

using tarnwick::CatalogueText;
using tarnwick::catalogueKeys;

namespace {

const char *const kLanguageNames[] = {"en", "fr", "de", "it", "es"};

QList<int> expectedKeys() {
    QList<int> keys;
    const auto addRange = [&keys](int from, int to) {
        for (int key = from; key <= to; ++key)
            keys.append(key);
    };
    addRange(1, 12);
    addRange(20, 40);
    addRange(50, 61);
    addRange(63, 95);
    keys << 100 << 101 << 110 << 121 << 122;
    addRange(124, 142);
    addRange(150, 156);
    addRange(160, 178);
    addRange(180, 183);
    addRange(190, 195);
    addRange(250, 261);
    addRange(263, 299);
    return keys;
}

// '&' characters that are not part of a doubled "&&".
int singleAmpersands(const QString &text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
            ++i;
        else
            ++count;
    }
    return count;
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageHoldsTheSameKeys() {
        const QList<int> expected = expectedKeys();
        QCOMPARE(expected.size(), 187);
        for (int language = 1; language <= 5; ++language) {
            QVERIFY2(catalogueKeys(language) == expected, kLanguageNames[language - 1]);
        }
    }

    void textsAreSingleNonEmptyWindows1252Lines() {
        for (int language = 1; language <= 5; ++language) {
            for (int key : expectedKeys()) {
                const QString text = CatalogueText(language, key);
                const QByteArray where = QByteArray(kLanguageNames[language - 1]) + ' ' + QByteArray::number(key);
                QVERIFY2(!text.isEmpty(), where);
                QVERIFY2(tarnwick::Cp1252::canEncode(text), where);
                QVERIFY2(!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n'))
                             && !text.contains(QLatin1Char('\r')),
                         where);
                QVERIFY2(text == text.trimmed(), where);
                QVERIFY2(text.size() <= 1023, where);
            }
            // The data file editor keeps its four messages in 260-byte buffers.
            for (int key : {92, 93, 94, 95})
                QVERIFY(CatalogueText(language, key).size() < 260);
        }
    }

    void buttonCaptionsKeepTheirAmpersands() {
        static const QRegularExpression accelerator(QStringLiteral("&\\w"));
        for (int language = 1; language <= 5; ++language) {
            const QByteArray lang = kLanguageNames[language - 1];
            for (int key : {23, 24}) {
                const QString text = CatalogueText(language, key);
                QVERIFY2(singleAmpersands(text) == 1 && text.count(QLatin1Char('&')) == 1, lang + ' ' + text.toUtf8());
                QVERIFY2(accelerator.match(text).hasMatch(), lang + ' ' + text.toUtf8());
            }
            const bool showsAmpersand = language == 1 || language == 2 || language == 4;
            for (int key : {151, 153}) {
                const QString text = CatalogueText(language, key);
                QCOMPARE(singleAmpersands(text), 0);
                QVERIFY2(text.contains(QStringLiteral("&&")) == showsAmpersand, lang + ' ' + text.toUtf8());
            }
        }
    }

    void englishTexts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        const QList<QPair<int, const char *>> rows = {
            {2, "Tarnwick International Demo"}, {3, "Language Selection"}, {4, "DataPurvex Process"},
            {12, "About"}, {23, "&Process"}, {24, "&Data File"}, {30, "the science behind international de-duplication"},
            {37, "Click to configure Purvex options"}, {58, "Name Prefix"}, {63, "Postal Elements"},
            {74, "Mixed Case"}, {78, "E-Mail Address"}, {87, "Remove Spaces"},
            {92, "You are not allowed to exceed 30 records"}, {93, "You must enter 2 data items"},
            {101, "Save Changes"}, {110, "Sonabel Configuration"}, {122, "Telephone No."}, {135, "ID"},
            {151, "Ignore && Update"}, {152, "Goto Record"}, {153, "Ignore && Add"}, {156, "Ignore and add record"},
            {261, "Numbering"}, {263, "Postal Elements"}, {295, "Modify Record"},
            {296, "Save changes for future use"}, {297, "Business and commercially related data"},
            {298, "Forename or given name"}, {299, "Surname or family name"},
        };
        for (const auto &[key, text] : rows)
            QTest::addRow("%d", key) << key << QString::fromUtf8(text);
    }
    void englishTexts() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QCOMPARE(CatalogueText(1, key), text);
    }

    void englishLongFormsEqualShortForms() {
        for (int key = 250; key <= 295; ++key) {
            if (key != 262)
                QCOMPARE(CatalogueText(1, key), CatalogueText(1, key - 200));
        }
    }

    void tellingRows_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("texts");  // en, fr, de, it, es
        const auto row = [](int key, std::initializer_list<const char *> texts) {
            QStringList list;
            for (const char *text : texts)
                list << QString::fromUtf8(text);
            QTest::addRow("%d", key) << key << list;
        };
        row(6, {"English", "Anglais", "Englisch", "Inglese", "Inglés"});
        row(24, {"&Data File", "&Fichier de données", "&Datei", "&File di dati", "&Fichero de datos"});
        row(27, {"Unknown", "Inconnu", "Unbek.", "Sconosc.", "Desconoc."});
        row(40, {"Unknown result", "Résultat inconnu", "Unbekanntes Geschlecht", "Risultato sconosciuto",
                 "Resultado desconocido"});
        row(90, {"OK", "OK", "O.K.", "OK", "OK"});
        row(151, {"Ignore && Update", "Ign. && met.jour", "Ign. u. akt.", "Ign. && aggiorna", "Ign. y act."});
        row(153, {"Ignore && Add", "Ign. && ajout.", "Ign. u. hinzuf.", "Ign. && aggiungi", "Ign. y añadir"});
    }
    void tellingRows() {
        QFETCH(int, key);
        QFETCH(QStringList, texts);
        for (int language = 1; language <= 5; ++language)
            QCOMPARE(CatalogueText(language, key), texts[language - 1]);
    }

    void abbreviatedShortFormsAgainstLongForms() {
        QCOMPARE(CatalogueText(2, 63), QStringLiteral("Élém. postaux"));
        QCOMPARE(CatalogueText(2, 263), QStringLiteral("Éléments postaux"));
        QCOMPARE(CatalogueText(3, 58), QStringLiteral("Vorsilbe"));
        QCOMPARE(CatalogueText(3, 258), QStringLiteral("Namensvorsilbe"));
    }

    void absentNumbersGiveEmptyText_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("key");
        QTest::newRow("key 62") << 1 << 62;
        QTest::newRow("key 123") << 2 << 123;
        QTest::newRow("key 262") << 3 << 262;
        QTest::newRow("key 0") << 1 << 0;
        QTest::newRow("key 300") << 5 << 300;
        QTest::newRow("negative key") << 1 << -1;
        QTest::newRow("key reaching into the next block") << 1 << 1001;
        QTest::newRow("language 0") << 0 << 1;
        QTest::newRow("language 6") << 6 << 1;
        QTest::newRow("negative language") << -1 << 2;
    }
    void absentNumbersGiveEmptyText() {
        QFETCH(int, language);
        QFETCH(int, key);
        QVERIFY(CatalogueText(language, key).isEmpty());
    }

    // Messages that name what went wrong carry the same placeholders in every language.
    void placeholdersAreTheSameInEveryLanguage() {
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        for (int key : expectedKeys()) {
            QStringList english;
            for (const auto &m : placeholder.globalMatch(CatalogueText(1, key)))
                english.append(m.captured());
            english.sort();
            for (int language = 2; language <= 5; ++language) {
                QStringList found;
                for (const auto &m : placeholder.globalMatch(CatalogueText(language, key)))
                    found.append(m.captured());
                found.sort();
                QVERIFY2(found == english, QByteArray(kLanguageNames[language - 1]) + ' ' + QByteArray::number(key));
            }
        }
    }

    void unknownLanguageHasNoKeys() {
        QVERIFY(catalogueKeys(0).isEmpty());
        QVERIFY(catalogueKeys(6).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
