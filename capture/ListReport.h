#pragma once
// The report of a whole-list search as a CSV file a spreadsheet opens: one
// row per contact of each cluster, with the scores that joined it.
#include "ContactRecord.h"
#include "ListDuplicates.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarnwick {

struct ListedContact {
    QString id;
    contact::Fields fields;
};

// For each member of a cluster, the link that joined it best: the pair with
// it that scored highest. The first member of a cluster has one too.
const MatchedPair &bestLink(const DuplicateCluster &cluster, int member);

// UTF-8 with a byte order mark, comma-separated, RFC 4180 quoting, CR LF.
QByteArray formatListReport(const QList<DuplicateCluster> &clusters, const QList<ListedContact> &contacts);

// Written whole or not at all; a failure leaves an existing file as it was.
void writeListReport(const QString &path, const QList<DuplicateCluster> &clusters,
                     const QList<ListedContact> &contacts);

}  // namespace tarnwick
