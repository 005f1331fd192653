#include "ContactColumns.h"

#include <QHash>

#include <algorithm>

namespace tarnwick {
namespace {

constexpr int kLanguageColumn = contact::kFieldCount;

// Spellings seen in spreadsheet and CRM exports, already folded. The first of
// each line is the name the program itself writes.
const QHash<QString, int> &columnNames()
{
    static const QHash<QString, int> names = [] {
        const std::array<QStringList, contact::kFieldCount + 1> spellings = {{
            {"title", "salutation", "civilite", "titre", "anrede", "titel", "titolo", "tratamiento", "titulo"},
            {"firstname", "first", "forename", "givenname", "christianname", "prenom", "vorname", "nome",
             "nombre"},
            {"surname", "lastname", "last", "familyname", "nom", "nomdefamille", "nachname", "familienname", "name",
             "cognome", "apellido", "apellidos"},
            {"position", "jobtitle", "job", "role", "function", "fonction", "poste", "funktion", "beruf",
             "posizione", "ruolo", "qualifica", "funzione", "cargo", "puesto", "funcion"},
            {"companyname", "company", "organisation", "organization", "firm", "business", "accountname",
             "societe", "entreprise", "raisonsociale", "firma", "firmenname", "unternehmen", "azienda",
             "societa", "ragionesociale", "ditta", "empresa", "compania", "razonsocial", "organizacion"},
            {"address1", "address", "addressline1", "street", "streetaddress", "addr1", "adresse", "adresse1",
             "adresseligne1", "rue", "strasse", "anschrift", "indirizzo", "indirizzo1", "via", "direccion",
             "direccion1", "calle", "domicilio"},
            {"address2", "addressline2", "addr2", "adresse2", "adresseligne2", "complementdadresse",
             "adresszusatz", "indirizzo2", "direccion2"},
            {"town", "city", "towncity", "ville", "localite", "commune", "ort", "stadt", "wohnort", "citta",
             "comune", "localita", "ciudad", "localidad", "poblacion", "municipio"},
            {"county", "region", "state", "province", "stateprovince", "countyregion", "departement",
             "bundesland", "kanton", "landkreis", "provincia", "regione", "comunidad", "comunidadautonoma"},
            {"postcode", "postalcode", "zip", "zipcode", "zippostalcode", "codepostal", "cp", "plz",
             "postleitzahl", "cap", "codicepostale", "codigopostal"},
            {"telephoneno", "telephone", "phone", "tel", "phonenumber", "telephonenumber", "telephonenr",
             "numerodetelephone", "telefon", "telefonnummer", "telefono", "numeroditelefono", "numerodetelefono"},
            {"emailaddress", "email", "mail", "eaddress", "courriel", "adresseemail", "adresseelectronique", "mel",
             "emailadresse", "postaelettronica", "indirizzoemail", "correo", "correoelectronico"},
            {"language", "lang", "langue", "sprache", "lingua", "idioma", "lengua"},
        }};
        QHash<QString, int> map;
        for (int f = 0; f < int(spellings.size()); ++f)
            for (const QString &s : spellings[f])
                map.insert(s, f);
        return map;
    }();
    return names;
}

}  // namespace

bool ContactColumns::any() const
{
    return std::any_of(field.begin(), field.end(), [](int c) { return c >= 0; });
}

QString foldedName(QStringView name)
{
    const QString decomposed = name.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c == u'ß')
            folded.append(QStringLiteral("ss"));
        else if (c.isLetterOrNumber())
            folded.append(c.toLower());
    }
    return folded;
}

ContactColumns mapContactColumns(const QStringList &header)
{
    ContactColumns columns;
    columns.field.fill(-1);
    for (int i = 0; i < header.size(); ++i) {
        const auto found = columnNames().constFind(foldedName(header[i]));
        if (found == columnNames().constEnd())
            continue;
        int &slot = *found == kLanguageColumn ? columns.language : columns.field[*found];
        if (slot < 0)
            slot = i;
    }
    return columns;
}

int contactLanguageOf(QStringView value)
{
    static const QHash<QString, int> values = [] {
        const std::array<QStringList, 5> spellings = {{
            {"1", "en", "eng", "english", "anglais", "englisch", "inglese", "ingles"},
            {"2", "fr", "fra", "french", "francais", "franzosisch", "francese", "frances"},
            {"3", "de", "deu", "ger", "german", "allemand", "deutsch", "tedesco", "aleman"},
            {"4", "it", "ita", "italian", "italien", "italienisch", "italiano"},
            {"5", "es", "spa", "esp", "spanish", "espagnol", "spanisch", "spagnolo", "espanol"},
        }};
        QHash<QString, int> map;
        for (int l = 0; l < 5; ++l)
            for (const QString &s : spellings[l])
                map.insert(s, l + 1);
        return map;
    }();
    return values.value(foldedName(value), 0);
}

}  // namespace tarnwick
