#include "ContactCsv.h"

#include "Utf8Text.h"

#include "capture/ContactKeys.h"
#include "core/Cp1252.h"
#include "core/DtaFile.h"
#include "core/LineScrambler.h"

#include <algorithm>
#include <array>

namespace tarnwick::dtatool {
namespace {

constexpr std::array<const char *, contact::kFieldCount> kFieldNames = {
    "Title",    "FirstName", "Surname", "Position",   "CompanyName", "Address1",
    "Address2", "Town",      "County",  "PostCode", "TelephoneNo", "EMailAddress"};
constexpr int kFirstName = 1;
constexpr int kSurname = 2;
constexpr int kCompanyName = 4;

// The data file holds one line per field, in Windows-1252 bytes the scrambler can carry.
QString checkField(const QString &value, const char *fieldName)
{
    if (value.contains(u'\n') || value.contains(u'\r'))
        return QStringLiteral("line break inside %1 (a contact field is one line)").arg(QLatin1StringView(fieldName));
    const qsizetype bad = firstUnstorableChar(value);
    if (bad < 0)
        return {};
    const QString what = describeChar(value[bad]);
    if (Cp1252::byteOf(value[bad]) < 0)
        return QStringLiteral("%1 in %2 is not a Windows-1252 character").arg(what, QLatin1StringView(fieldName));
    return QStringLiteral("%1 in %2 cannot be stored in the scrambled data file").arg(what, QLatin1StringView(fieldName));
}

}  // namespace

ContactConversion convertContacts(const ContactList &list, int keyLanguage, Engine &engine)
{
    ContactConversion result;
    for (const ContactListRejection &r : list.rejected)
        result.rejected.append({r.line, rejectionText(1, r)});
    for (qsizetype k = 0; k < list.contacts.size(); ++k) {
        const contact::Fields &fields = list.contacts[k];
        auto reject = [&](const QString &reason) { result.rejected.append({list.lines[k], reason}); };
        QString reason;
        for (int f = 0; f < contact::kFieldCount && reason.isEmpty(); ++f)
            reason = checkField(fields[f], kFieldNames[f]);
        if (!reason.isEmpty()) {
            reject(reason);
            continue;
        }
        // Every key is made by the rules of one language, whatever the row's
        // Language says: the program compares all contacts by the engine language's rules.
        const ContactKeys keys =
            deriveContactKeys(engine, keyLanguage, fields[kFirstName], fields[kSurname], fields[kCompanyName]);
        QStringList contact(fields.begin(), fields.end());
        contact << keys.firstName << keys.surname << keys.company;
        if (const qsizetype bad = firstUnstorableLine(contact); bad >= 0) {
            reject(QStringLiteral("the engine's key '%1' cannot be stored").arg(contact[bad]));
            continue;
        }
        result.lines.append(contact);
        ++result.contacts;
    }
    std::stable_sort(result.rejected.begin(), result.rejected.end(),
                     [](const RejectedRow &a, const RejectedRow &b) { return a.line < b.line; });
    return result;
}

}  // namespace tarnwick::dtatool
