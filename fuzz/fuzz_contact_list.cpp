// The contact list reader on arbitrary bytes: no crash, no hang, one language
// and one line per contact, lines in file order, and every accepted contact
// reads back unchanged when written out again as plain RFC 4180.
#include "capture/ContactListFile.h"
#include "core/Failure.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwick;

namespace {

QByteArray quoted(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

bool hasControl(const QString &value)
{
    for (const QChar c : value)
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t')
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ContactList list;
    try {
        list = parseContactList(bytes);
    } catch (const Failure &) {
        return 0;
    }
    const qsizetype n = list.contacts.size();
    if (list.languages.size() != n || list.lines.size() != n)
        std::abort();
    const int lastLine = int(bytes.count('\n') + bytes.count('\r')) + 1;
    int previous = 1;  // the header is on line 1 or later
    for (qsizetype k = 0; k < n; ++k) {
        if (list.languages[k] < 0 || list.languages[k] > 5 || list.lines[k] <= previous || list.lines[k] > lastLine)
            std::abort();
        previous = list.lines[k];
    }
    for (const ContactListRejection &r : list.rejected)
        if (r.line < 2 || r.line > lastLine || rejectionText(1, r).isEmpty())
            std::abort();

    QByteArray again = "Title,FirstName,Surname,Position,CompanyName,Address1,Address2,Town,County,PostCode,"
                       "TelephoneNo,EMailAddress,Language\r\n";
    for (qsizetype k = 0; k < n; ++k) {
        for (const QString &field : list.contacts[k]) {
            if (hasControl(field))
                return 0;
            again += quoted(field) + ',';
        }
        again += (list.languages[k] ? QByteArray::number(list.languages[k]) : QByteArray()) + "\r\n";
    }
    if (n == 0)
        return 0;  // (Qt 6.4 compares two empty int lists with a null memcmp)
    const ContactList back = parseContactList(again);
    if (back.contacts != list.contacts || back.languages != list.languages || !back.rejected.isEmpty())
        std::abort();
    return 0;
}
