#include "Catalogue.h"

#include <QFile>
#include <QHash>
#include <QStringView>
#include <QtDebug>

#include <algorithm>

namespace tarnwick {
namespace {

constexpr int kLanguages = 5;
constexpr int kMaxKey = 999;  // keeps language * 1000 + key unambiguous

struct Table {
    QHash<int, QString> texts;
    QList<int> keys[kLanguages];
};

bool validLanguage(int language) { return language >= 1 && language <= kLanguages; }

// One line per key: the key, then the English, French, German, Italian and
// Spanish texts, tab-separated. Malformed lines are skipped loudly rather than
// shifting texts into the wrong language.
Table loadTable() {
    Table table;
    QFile file(QStringLiteral(":/catalogue/catalogue.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Language catalogue resource is missing");
        return table;
    }
    const QString content = QString::fromUtf8(file.readAll());
    const auto lines = QStringView(content).split(QLatin1Char('\n'));
    for (qsizetype n = 1; n < lines.size(); ++n) {  // line 0 is the header
        QStringView line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const auto fields = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int key = fields.value(0).toInt(&ok);
        if (fields.size() != kLanguages + 1 || !ok || key < 1 || key > kMaxKey) {
            qWarning() << "Language catalogue: skipped malformed line" << n + 1;
            continue;
        }
        for (int language = 1; language <= kLanguages; ++language) {
            const QStringView text = fields[language];
            if (text.isEmpty())
                continue;
            table.texts.insert(language * 1000 + key, text.toString());
            table.keys[language - 1].append(key);
        }
    }
    for (auto &keys : table.keys)
        std::sort(keys.begin(), keys.end());
    return table;
}

const Table &table() {
    static const Table loaded = loadTable();
    return loaded;
}

}  // namespace

QString CatalogueText(int language, int key) {
    if (!validLanguage(language) || key < 1 || key > kMaxKey)
        return {};
    return table().texts.value(language * 1000 + key);
}

QList<int> catalogueKeys(int language) {
    if (!validLanguage(language))
        return {};
    return table().keys[language - 1];
}

}  // namespace tarnwick
