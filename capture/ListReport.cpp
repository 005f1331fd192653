#include "ListReport.h"

#include "core/Failure.h"

#include <QSaveFile>

namespace tarnwick {
namespace {

const char *const kHeader[] = {"Cluster",     "ID",         "Title",       "FirstName",  "Surname",
                               "Position",    "CompanyName", "Address1",   "Address2",   "Town",
                               "County",      "PostCode",   "TelephoneNo", "EMailAddress", "MatchedID",
                               "FirstNameScore", "SurnameScore", "CompanyScore"};

void appendField(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const bool quote = utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r')
                       || (!utf8.isEmpty() && (utf8.front() == ' ' || utf8.back() == ' '));
    if (!quote) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QString scoreText(int score) { return score < 0 ? QString() : QString::number(score); }

}  // namespace

const MatchedPair &bestLink(const DuplicateCluster &cluster, int member)
{
    const MatchedPair *best = &cluster.links.front();
    int bestSum = -1;
    for (const MatchedPair &p : cluster.links) {
        if (p.a != member && p.b != member)
            continue;
        const int sum = p.firstName + qMax(p.surname, 0) + qMax(p.company, 0);
        if (sum > bestSum) {
            bestSum = sum;
            best = &p;
        }
    }
    return *best;
}

QByteArray formatListReport(const QList<DuplicateCluster> &clusters, const QList<ListedContact> &contacts)
{
    QByteArray out("\xEF\xBB\xBF");
    for (size_t i = 0; i < std::size(kHeader); ++i) {
        if (i)
            out += ',';
        out += kHeader[i];
    }
    out += "\r\n";
    for (qsizetype c = 0; c < clusters.size(); ++c) {
        const DuplicateCluster &cluster = clusters[c];
        for (int member : cluster.members) {
            const ListedContact &contact = contacts.at(member);
            const MatchedPair &link = bestLink(cluster, member);
            const int other = link.a == member ? link.b : link.a;
            out += QByteArray::number(c + 1);
            out += ',';
            appendField(out, contact.id);
            for (const QString &field : contact.fields) {
                out += ',';
                appendField(out, field);
            }
            for (const QString &cell : {contacts.at(other).id, scoreText(link.firstName), scoreText(link.surname),
                                        scoreText(link.company)}) {
                out += ',';
                appendField(out, cell);
            }
            out += "\r\n";
        }
    }
    return out;
}

void writeListReport(const QString &path, const QList<DuplicateCluster> &clusters,
                     const QList<ListedContact> &contacts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure::cannotCreateFile(path);
    const QByteArray bytes = formatListReport(clusters, contacts);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Failure::cannotCreateFile(path);
}

}  // namespace tarnwick
