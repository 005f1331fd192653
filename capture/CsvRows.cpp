#include "CsvRows.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tarnwick::csv {
namespace {

// libcsv calls back from C code: nothing may throw through it, so the
// callbacks only collect, and rows are handed on after each call returns.
struct Collector {
    Decode decode;
    QStringList cells;
    std::vector<QStringList> done;
};

void onField(void *bytes, size_t size, void *data)
{
    auto *c = static_cast<Collector *>(data);
    c->cells.append(c->decode(QByteArrayView(static_cast<const char *>(bytes), qsizetype(size))));
}

void onRowEnd(int, void *data)
{
    auto *c = static_cast<Collector *>(data);
    c->done.push_back(std::move(c->cells));
    c->cells = QStringList();
}

int isBlank(unsigned char c) { return c == ' ' || c == '\t'; }
int isSpaceOnly(unsigned char c) { return c == ' '; }

class Parser {
public:
    explicit Parser(char delimiter) : m_delimiter(delimiter) { reset(); }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    void reset()
    {
        if (m_initialised)
            csv_free(&m_parser);
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        m_initialised = true;
        csv_set_delim(&m_parser, static_cast<unsigned char>(m_delimiter));
        // Blanks around unquoted values are trimmed, but a tab that separates is no blank.
        csv_set_space_func(&m_parser, m_delimiter == '\t' ? isSpaceOnly : isBlank);
        // Grow the value buffer in large steps: long values stay linear.
        csv_set_blk_size(&m_parser, 64 * 1024);
    }
    bool parse(QByteArrayView bytes, Collector &c)
    {
        const size_t size = size_t(bytes.size());
        return csv_parse(&m_parser, bytes.data(), size, onField, onRowEnd, &c) == size
            && csv_error(&m_parser) == CSV_SUCCESS;
    }
    bool finish(Collector &c) { return csv_fini(&m_parser, onField, onRowEnd, &c) == 0; }

private:
    char m_delimiter;
    csv_parser m_parser{};
    bool m_initialised = false;
};

// End of the line starting at pos, and the start of the next one (CR LF, LF or CR).
qsizetype lineEnd(QByteArrayView text, qsizetype pos, qsizetype &next)
{
    const char *begin = text.data() + pos;
    const char *end = text.data() + text.size();
    const char *p = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
    next = p - text.data();
    if (p != end) {
        ++next;
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++next;
    }
    return p - text.data();
}

bool hasContent(QByteArrayView line)
{
    return std::any_of(line.begin(), line.end(), [](char c) { return c != ' ' && c != '\t'; });
}

bool allEmpty(const QStringList &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const QString &s) { return s.isEmpty(); });
}

}  // namespace

void readRows(QByteArrayView text, char delimiter, Decode decode, const std::function<bool(Row &&)> &onRow)
{
    Parser parser(delimiter);
    Collector collector{decode, {}, {}};
    int line = 0;
    int rowLine = 0;          // where the row being read starts, 0 between rows
    qsizetype afterRowLine = 0;  // start of the line after it
    qsizetype pos = 0;

    // Hands on the finished rows; false when the reader wants no more.
    auto deliver = [&](int endLine) {
        for (QStringList &cells : collector.done) {
            const int start = rowLine > 0 ? rowLine : endLine;
            rowLine = 0;
            if (allEmpty(cells))
                continue;
            if (!onRow(Row{start, std::move(cells), false}))
                return false;
        }
        collector.done.clear();
        return true;
    };
    // A broken row: report it, then start afresh on the line after its first.
    auto recover = [&]() {
        const int start = rowLine > 0 ? rowLine : line;
        collector.done.clear();
        collector.cells.clear();
        parser.reset();
        if (rowLine > 0) {
            line = rowLine;
            pos = afterRowLine;
        }
        rowLine = 0;
        return onRow(Row{start, {}, true});
    };

    for (;;) {
        while (pos < text.size()) {
            qsizetype next = 0;
            const qsizetype end = lineEnd(text, pos, next);
            ++line;
            if (rowLine == 0 && hasContent(text.sliced(pos, end - pos))) {
                rowLine = line;
                afterRowLine = next;
            }
            const bool ok = parser.parse(text.sliced(pos, next - pos), collector);
            pos = next;
            if (!ok ? !recover() : !deliver(line))
                return;
        }
        if (parser.finish(collector)) {
            deliver(line);
            return;
        }
        // A quote left open to the end of the text.
        if (!recover())
            return;
    }
}

char detectDelimiter(QByteArrayView text)
{
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    constexpr int kSampleRows = 20;
    constexpr qsizetype kSampleBytes = 64 * 1024;
    // Separators outside quotes, per row of the sample.
    std::vector<std::array<int, 3>> rows;
    std::array<int, 3> counts{};
    bool quoted = false;
    bool any = false;
    const qsizetype n = std::min(text.size(), kSampleBytes);
    for (qsizetype i = 0; i < n && int(rows.size()) < kSampleRows; ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (any)
                rows.push_back(counts);
            counts = {};
            any = false;
            continue;
        } else if (!quoted) {
            for (int k = 0; k < 3; ++k)
                counts[k] += c == kCandidates[k];
        }
        any = any || (c != ' ' && c != '\t');
    }
    if (any && int(rows.size()) < kSampleRows)
        rows.push_back(counts);
    if (rows.empty())
        return ',';
    int best = 0;
    int bestAgreeing = -1;
    for (int k = 0; k < 3; ++k) {
        const int header = rows.front()[k];
        if (header == 0)
            continue;
        // Rows split into as many values as the header; more columns wins a tie.
        const int agreeing = int(std::count_if(rows.begin(), rows.end(), [&](const auto &r) { return r[k] == header; }));
        if (agreeing > bestAgreeing || (agreeing == bestAgreeing && header > rows.front()[best])) {
            best = k;
            bestAgreeing = agreeing;
        }
    }
    return kCandidates[best];
}

}  // namespace tarnwick::csv
