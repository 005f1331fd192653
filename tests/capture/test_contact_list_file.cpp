// Contact lists as users export them: encodings, separators, quoting, header
// names in five languages, the Language column, rejected rows with their
// lines, and the files that must be refused whole.
#include "capture/ContactListFile.h"
#include "core/Failure.h"
#include "core/ProgramState.h"
#include "i18n/Catalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarnwick;

using Rejections = QList<QPair<int, int>>;  // line, reason
Q_DECLARE_METATYPE(Rejections)

namespace {

// First name, surname and company of every contact: "First|Surname|Company".
QStringList names(const ContactList &list)
{
    QStringList out;
    for (const contact::Fields &f : list.contacts)
        out.append(f[1] + u'|' + f[2] + u'|' + f[4]);
    return out;
}

Rejections rejections(const ContactList &list)
{
    Rejections out;
    for (const ContactListRejection &r : list.rejected)
        out.append({r.line, r.reason});
    return out;
}

// The key of the catalogue text a whole-file failure carries, or 0.
int failureKey(const QString &message)
{
    for (int key = 170; key <= 175; ++key) {
        const QString text = CatalogueText(CurrentLanguage, key);
        const QString head = text.left(text.indexOf(u'%'));
        if (!head.isEmpty() && message.startsWith(head))
            return key;
    }
    return 0;
}

}  // namespace

class TestContactListFile : public QObject {
    Q_OBJECT
private slots:
    void init() { CurrentLanguage = 1; }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<Rejections>("rejected");

        QTest::newRow("UTF-8 with BOM, comma, CR LF")
            << QByteArray("\xEF\xBB\xBF" "First name,Last name,Company\r\nJos\xC3\xA9,M\xC3\xBCller,\r\n,,Acme Ltd\r\n")
            << "UTF-8" << "," << QStringList{"José|Müller|", "||Acme Ltd"} << Rejections{};
        QTest::newRow("Windows-1252, semicolon, commas inside values")
            << QByteArray("Pr\xE9nom;Nom;Soci\xE9t\xE9\nFran\xE7ois;L\xE9vy, fils;Caf\xE9 \x80 Cie\n")
            << "Windows-1252" << ";" << QStringList{"François|Lévy, fils|Café € Cie"} << Rejections{};
        QTest::newRow("tab, CR line ends, blanks trimmed, tab kept as separator")
            << QByteArray("Vorname\tNachname\rAnna \t M\xC3\xBCller\r\rJ\xC3\xB6rg\t\r")
            << "UTF-8" << "\t" << QStringList{"Anna|Müller|", "Jörg||"} << Rejections{};
        QTest::newRow("quoted separators, doubled quotes, line breaks")
            << QByteArray("FirstName,Surname,CompanyName\n\"Ann, Jr\",\"O\"\"Hara\",\"Two\nLines\"\nBen,Cole,\n")
            << "UTF-8" << "," << QStringList{"Ann, Jr|O\"Hara|Two\nLines", "Ben|Cole|"} << Rejections{};
        QTest::newRow("semicolon header with a quoted comma and a comma in a row")
            << QByteArray("\"Notes, misc\";Name;\"Vorname\"\n\"a, b\";M\xC3\xBCller, Dr;Eva\n") << "UTF-8" << ";"
            << QStringList{"Eva|Müller, Dr|"} << Rejections{};
        // Line numbers are physical: the quoted break in line 2 moves the rest down.
        QTest::newRow("rejects with lines after a quoted break")
            << QByteArray("Surname,FirstName,Company,Town\n"
                          "\"Two\nlines\",A,,\n"       // 2-3
                          "Cole,Ed,Cole,Sons,York\n"  // 4: ragged
                          "\n"                        // 5: skipped
                          ",,,\n"                     // 6: only separators, skipped
                          ",,,Leeds\n"                // 7: no name
                          "Lee\n"                     // 8: fewer values are empty ones
                          "O\"Hara,Ann,,\n"           // 9: quote in an unquoted value
                          "Ray,Al,,,,\n")             // 10: surplus values empty, kept
            << "UTF-8" << "," << QStringList{"A|Two\nlines|", "|Lee|", "Al|Ray|"}
            << Rejections{{4, RaggedRow}, {7, NoName}, {9, UnbalancedQuotes}};
        QTest::newRow("a quote left open rejects its row only")
            << QByteArray("Surname\nAnn\n\"Open,\nBen\nCole\n") << "UTF-8" << ","
            << QStringList{"|Ann|", "|Ben|", "|Cole|"} << Rejections{{3, UnbalancedQuotes}};
        QTest::newRow("text after a closing quote")
            << QByteArray("Surname,Town\n\"Lee\"x,Leeds\nKay,York") << "UTF-8" << ","
            << QStringList{"|Kay|"} << Rejections{{2, UnbalancedQuotes}};
        QTest::newRow("characters outside Windows-1252 kept")
            << QByteArray("Surname,FirstName\nW\xC4\x85s,Zofia\n\xC5\x81\xC3\xB3\x64\xC5\xBA,\xF0\x9F\x98\x80\n")
            << "UTF-8" << "," << QStringList{"Zofia|Wąs|", "\U0001F600|Łódź|"} << Rejections{};
        QTest::newRow("header only") << QByteArray("Surname,FirstName\r\n\r\n") << "UTF-8" << ","
                                     << QStringList{} << Rejections{};
    }

    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, contacts);
        QFETCH(Rejections, rejected);
        const ContactList list = parseContactList(bytes);
        QCOMPARE(list.encoding, encoding);
        QCOMPARE(QString(list.delimiter), delimiter);
        QCOMPARE(names(list), contacts);
        QCOMPARE(rejections(list), rejected);
        QCOMPARE(list.languages.size(), list.contacts.size());
        QCOMPARE(list.lines.size(), list.contacts.size());
    }

    void headerNamesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("header");
        // Twelve columns in field order, with an unmapped one ("x") before the last.
        QTest::newRow("program names")
            << "Title,FirstName,Surname,Position,CompanyName,Address1,Address2,Town,County,PostCode,TelephoneNo,x,"
               "EMailAddress";
        QTest::newRow("English export")
            << "Salutation,First Name,Last Name,Job Title,Company,Address Line 1,Address Line 2,City,State/Province,"
               "ZIP Code,Phone Number,Notes,E-mail Address";
        QTest::newRow("English, other spellings")
            << "TITLE,given_name,family name,Role,Organisation,Street,Address 2,Town / City,Region,Post code,"
               "Telephone,Remarks,Email";
        QTest::newRow("French")
            << "Civilité,Prénom,Nom de famille,Fonction,Société,Adresse,Complément d'adresse,Ville,Département,"
               "Code postal,Téléphone,Remarque,Courriel";
        QTest::newRow("French, capitals without accents")
            << "CIVILITE,PRENOM,NOM,POSTE,ENTREPRISE,ADRESSE 1,ADRESSE 2,LOCALITE,REGION,CP,TEL,NOTE,E-MAIL";
        QTest::newRow("German")
            << "Anrede,Vorname,Nachname,Position,Firma,Straße,Adresszusatz,Ort,Bundesland,PLZ,Telefon,Notiz,E-Mail";
        QTest::newRow("German, other spellings")
            << "Titel,Vorname,Familienname,Funktion,Unternehmen,Strasse,Adresse 2,Stadt,Kanton,Postleitzahl,"
               "Telefonnummer,Bemerkung,E-Mail-Adresse";
        QTest::newRow("Italian")
            << "Titolo,Nome,Cognome,Ruolo,Azienda,Indirizzo,Indirizzo 2,Città,Provincia,CAP,Telefono,Note,"
               "Posta elettronica";
        QTest::newRow("Spanish")
            << "Tratamiento,Nombre,Apellidos,Cargo,Empresa,Dirección,Dirección 2,Ciudad,Provincia,Código postal,"
               "Teléfono,Notas,Correo electrónico";
        QTest::newRow("Spanish, singular surname")
            << "Título,Nombre,Apellido,Puesto,Razón social,Calle,Dirección 2,Localidad,Región,C.P.,Tel.,Otro,"
               "Correo";
    }

    void headerNamesInEveryLanguage()
    {
        QFETCH(QString, header);
        const QByteArray bytes = header.toUtf8() + "\na,b,c,d,e,f,g,h,i,j,k,unmapped,l\n";
        const ContactList list = parseContactList(bytes);
        QCOMPARE(list.contacts.size(), 1);
        const contact::Fields &f = list.contacts[0];
        QCOMPARE(QStringList(f.begin(), f.end()),
                 (QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}));
    }

    void aFieldNamedTwiceTakesTheFirstColumn()
    {
        const ContactList list = parseContactList("Phone,Surname,Telephone\n111,Lee,222\n");
        QCOMPARE(list.contacts[0][10], QStringLiteral("111"));
    }

    void languageColumn_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("language");  // -1: the row is rejected
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("number") << "3" << 3;
        QTest::newRow("code in capitals") << " EN " << 1;
        QTest::newRow("French name in French") << "français" << 2;
        QTest::newRow("German name in German") << "Deutsch" << 3;
        QTest::newRow("Italian name in English") << "Italian" << 4;
        QTest::newRow("Spanish name in Spanish") << "Español" << 5;
        QTest::newRow("Spanish name in German") << "spanisch" << 5;
        QTest::newRow("out of range") << "6" << -1;
        QTest::newRow("unknown code") << "gr" << -1;
    }

    void languageColumn()
    {
        QFETCH(QString, value);
        QFETCH(int, language);
        const ContactList list = parseContactList("Surname;Langue\nLee;" + value.toUtf8() + "\n");
        if (language < 0) {
            QCOMPARE(rejections(list), (Rejections{{2, UnknownLanguage}}));
            QCOMPARE(list.rejected[0].detail, value.trimmed());
        } else {
            QCOMPARE(list.languages, QList<int>{language});
        }
    }

    void rejectionTextsInEveryLanguage()
    {
        const ContactListRejection ragged{12, RaggedRow, QStringLiteral("14"), 12};
        const ContactListRejection language{3, UnknownLanguage, QStringLiteral("gr")};
        const ContactListRejection quotes{5, UnbalancedQuotes, {}};
        for (int l = 1; l <= 5; ++l) {
            const QString r = rejectionText(l, ragged);
            QVERIFY2(r.contains(QStringLiteral("14")) && r.contains(QStringLiteral("12")) && !r.contains(u'%'),
                     qPrintable(r));
            QVERIFY2(rejectionText(l, language).contains(QStringLiteral("gr")), qPrintable(rejectionText(l, language)));
            QCOMPARE(rejectionText(l, quotes), CatalogueText(l, UnbalancedQuotes));
        }
        QCOMPARE(rejectionText(1, ragged),
                 QStringLiteral("14 values where the header has 12 columns (a separator inside a value must be quoted)"));
    }

    void refusedWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("key");
        QTest::newRow("empty") << QByteArray() << 170;
        QTest::newRow("only line breaks and a BOM") << QByteArray("\xEF\xBB\xBF\r\n \n") << 170;
        QTest::newRow("zip (xlsx)") << QByteArray("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00", 14) << 171;
        QTest::newRow("compound document (xls)")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00\x00\x00", 12) << 171;
        QTest::newRow("control characters without NUL")
            << QByteArray("Surname\n\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F\x10\x11\x12") << 171;
        QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFES\x00u\x00r\x00n\x00", 10) << 171;
        QTest::newRow("no header names") << QByteArray("Mr,John,Smith\nMrs,Ann,Lee\n") << 172;
        QTest::newRow("only a Language column") << QByteArray("Language\nen\n") << 172;
        QTest::newRow("broken header") << QByteArray("\"Surname,FirstName\nLee,Ann\n") << 172;
    }

    void refusedWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, key);
        try {
            parseContactList(bytes);
            QFAIL("accepted");
        } catch (const Failure &e) {
            QCOMPARE(failureKey(e.message()), key);
        }
    }

    // Past the row limit the file is refused, however many rows follow:
    // reading stops there, so a million rows cost no more memory than the limit.
    void rowLimit()
    {
        QByteArray bytes = "Surname\n";
        bytes.reserve(bytes.size() + 1000000 * 2);
        for (int i = 0; i < kMaxContactListRows; ++i)
            bytes += "x\n";
        QCOMPARE(parseContactList(bytes).contacts.size(), kMaxContactListRows);

        bytes += "\n\n";  // empty lines do not count
        QCOMPARE(parseContactList(bytes).contacts.size(), kMaxContactListRows);

        while (bytes.size() < 8 + 1000000 * 2)
            bytes += "x\n";
        try {
            parseContactList(bytes);
            QFAIL("a million rows accepted");
        } catch (const Failure &e) {
            QCOMPARE(e.message(), CatalogueText(1, 173).arg(kMaxContactListRows));
        }
    }

    void longFieldKept()
    {
        const QString value = QString(50000, u'x') + QStringLiteral(",\"\n;") + QString(49996, u'ą');
        QByteArray bytes = "Surname,Address1\nLee,\"" + value.toUtf8().replace("\"", "\"\"") + "\"\nKay,\n";
        const ContactList list = parseContactList(bytes);
        QCOMPARE(list.contacts.size(), 2);
        QCOMPARE(list.contacts[0][5].size(), 100000);
        QCOMPARE(list.contacts[0][5], value);
        QCOMPARE(list.lines, (QList<int>{2, 4}));
    }

    void filesThatCannotBeRead()
    {
        QTemporaryDir dir;
        try {
            readContactList(dir.filePath(QStringLiteral("missing.csv")));
            QFAIL("a missing file was read");
        } catch (const Failure &e) {
            QCOMPARE(failureKey(e.message()), 175);
        }
        // Refused on its size, before a byte is read: the file is sparse.
        QFile big(dir.filePath(QStringLiteral("big.csv")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("Surname\n");
        QVERIFY(big.resize(kMaxContactListBytes + 1));
        big.close();
        try {
            readContactList(big.fileName());
            QFAIL("an oversized file was read");
        } catch (const Failure &e) {
            QCOMPARE(e.message(), CatalogueText(1, 174).arg(64));
        }
    }

    void readsTheShippedDemoListUnchanged()
    {
        const ContactList list = readContactList(QStringLiteral(TARNWICK_SOURCE_DATA "/contacts.csv"));
        QVERIFY(list.rejected.isEmpty());
        QVERIFY(list.contacts.size() >= 20);
        QCOMPARE(list.encoding, QStringLiteral("UTF-8"));
        QCOMPARE(list.contacts[0][4], QStringLiteral("Harrow & Finch Trading Ltd"));
        QCOMPARE(list.contacts[0][5], QStringLiteral("Unit 4, Canal Wharf"));
        QVERIFY(!list.languages.contains(0));
    }

    void messagesFollowTheCurrentLanguage()
    {
        CurrentLanguage = 3;
        try {
            parseContactList("a,b\n");
            QFAIL("accepted");
        } catch (const Failure &e) {
            QCOMPARE(e.message(), CatalogueText(3, 172));
        }
    }
};

QTEST_APPLESS_MAIN(TestContactListFile)
#include "test_contact_list_file.moc"
