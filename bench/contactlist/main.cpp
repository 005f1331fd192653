// The contact list reader on generated lists: 100,000 contacts in the shapes
// people export (UTF-8 with commas, Windows-1252 with semicolons, tabs), a
// 100,000-character field, and a million rows refused at the limit.
// Prints the best of five runs and the peak memory. Not a test: run by hand.
#include "capture/ContactListFile.h"
#include "core/Cp1252.h"
#include "core/Failure.h"

#include <QElapsedTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace tarnwick;

namespace {

constexpr int kContacts = 100000;

// Invented names in the five languages.
const char *const kFirst[] = {"Alwen", "Bérénice", "Jörg", "Maddalena", "Íñigo", "Tamsin", "Gaëlle", "Wiebke",
                              "Ottavio", "Nuria", "Hamish", "Aurélien", "Friedhelm", "Liliana", "Begoña"};
const char *const kLast[] = {"Ashcombe", "Lemaître", "Grünwald", "Bellandi", "Echeverría", "Pendarves",
                             "Dufresnoy", "Kettelhack", "Santangelo", "Zubizarreta", "O'Dwyer", "Vautrin"};
const char *const kCompany[] = {"Ashcombe Joinery Ltd", "Lemaître & Fils SARL", "Grünwald Optik GmbH",
                                "Bellandi Ceramiche S.p.A.", "Transportes Echeverría S.L.", "\"Kettle\" Brewing, Ltd"};
const char *const kTown[] = {"Leeds", "Besançon", "Köln", "Reggio nell'Emilia", "San Sebastián"};

template <size_t N>
QString pick(const char *const (&list)[N], int i)
{
    return QString::fromUtf8(list[i % N]);
}

QString quoteIfNeeded(const QString &v, QChar sep)
{
    if (!v.contains(sep) && !v.contains(u'"') && !v.contains(u'\n'))
        return v;
    return u'"' + QString(v).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString listText(int contacts, QChar sep, const QString &header)
{
    QString text = header + QStringLiteral("\r\n");
    for (int i = 0; i < contacts; ++i) {
        const QStringList fields = {
            i % 2 ? QStringLiteral("Mr") : QStringLiteral("Ms"), pick(kFirst, i), pick(kLast, i / 15),
            QStringLiteral("Sales"), pick(kCompany, i / 7),
            QStringLiteral("%1 Canal Wharf, Unit %2").arg(i % 300).arg(i % 17),
            i % 5 ? QString() : QStringLiteral("Second floor\nBack entrance"), pick(kTown, i / 3),
            QString(), QStringLiteral("LS%1 9ZQ").arg(i % 30), QStringLiteral("0113 496 %1").arg(i % 10000),
            QStringLiteral("contact%1@example.test").arg(i), QString::number(1 + i % 5)};
        QStringList cells;
        for (const QString &f : fields)
            cells.append(quoteIfNeeded(f, sep));
        text += cells.join(sep) + QStringLiteral("\r\n");
    }
    return text;
}

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Times {
    double wall = 1e9;
    double cpu = 1e9;  // the machine is shared: CPU time shows the reader's own cost
};

Times bestOf(int runs, const std::function<void()> &work)
{
    Times best;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMilliseconds();
        work();
        best.cpu = std::min(best.cpu, cpuMilliseconds() - cpu);
        best.wall = std::min(best.wall, t.nsecsElapsed() / 1e6);
    }
    return best;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void report(const char *what, const QByteArray &bytes)
{
    qsizetype contacts = 0;
    const Times t = bestOf(5, [&] { contacts = parseContactList(bytes).contacts.size(); });
    std::printf("%-42s %6.1f MB %7lld contacts %7.1f ms wall %7.1f ms CPU\n", what, bytes.size() / 1e6,
                static_cast<long long>(contacts), t.wall, t.cpu);
}

}  // namespace

int main()
{
    const QString header =
        QStringLiteral("Title,First name,Last name,Job title,Company,Address 1,Address 2,City,County,Post code,"
                       "Phone,E-mail,Language");
    report("100,000 contacts, UTF-8, comma", listText(kContacts, u',', header).toUtf8());
    QString semicolon = header;
    semicolon.replace(u',', u';');
    report("100,000 contacts, Windows-1252, semicolon",
           Cp1252::encode(listText(kContacts, u';', semicolon)));
    QString tab = header;
    tab.replace(u',', u'\t');
    report("100,000 contacts, UTF-8, tab", listText(kContacts, u'\t', tab).toUtf8());

    QByteArray longField = "Surname,Address1\nLee,\"";
    for (int i = 0; i < 100000 / 10; ++i)
        longField += "ab, \"\"cd\"\"";
    longField += "\"\n";
    report("one field of 100,000 characters", longField);

    QByteArray million = "Surname,FirstName\n";
    for (int i = 0; i < 1000000; ++i)
        million += "Lee,Ann\n";
    const Times t = bestOf(3, [&] {
        try {
            parseContactList(million);
        } catch (const Failure &) {
        }
    });
    std::printf("%-42s %6.1f MB %16s %7.1f ms wall %7.1f ms CPU\n", "1,000,000 rows (refused at the limit)",
                million.size() / 1e6, "", t.wall, t.cpu);
    std::printf("peak memory %ld MB\n", peakMegabytes());
    return 0;
}
