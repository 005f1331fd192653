#include "Commands.h"

#include "ContactCsv.h"
#include "ScoreSource.h"
#include "ToolError.h"
#include "Utf8Text.h"

#include "capture/ContactColumns.h"
#include "core/DtaFile.h"
#include "core/Failure.h"

namespace tarnwick::dtatool {
namespace {

struct ContactOptions {
    int lang = 1;
    bool strict = false;  // write nothing when any row is rejected
};

ContactOptions readContactOptions(const QStringList &options)
{
    ContactOptions result;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString &option = options[i];
        if (option == QStringLiteral("--strict")) {
            result.strict = true;
        } else if (option == QStringLiteral("--lang")) {
            if (i + 1 >= options.size())
                throw ToolError(QStringLiteral("--lang needs a value (1-5 or en, fr, de, it, es)"));
            result.lang = contactLanguageOf(options[++i]);
            if (result.lang == 0)
                throw ToolError(QStringLiteral("unknown --lang value '%1' (1-5 or en, fr, de, it, es)").arg(options[i]));
        } else {
            throw ToolError(QStringLiteral("unknown option '%1'").arg(option));
        }
    }
    return result;
}

int scoreCommand(const QString &source, const QString &target, QTextStream &out, QTextStream &err)
{
    QStringList lines;
    try {
        lines = parseScoreSource(decodeUtf8(readWholeFile(source)));
    } catch (const ToolError &e) {
        err << source << ": " << e.located() << "\n";
        return Failed;
    }
    if (lines.isEmpty()) {
        err << source << ": no [record] block; nothing written\n";
        return Failed;
    }
    writeDtaFile(target, lines);
    out << "wrote " << lines.size() / kScoreRecordLines << " score records to " << target << "\n";
    return Success;
}

int contactsCommand(const QString &source, const QString &target, const ContactOptions &options, QTextStream &out,
                    QTextStream &err, Engine &engine)
{
    ContactConversion conversion;
    try {
        conversion = convertContacts(readContactList(source), options.lang, engine);
    } catch (const Failure &e) {
        err << source << ": " << e.message() << "\n";
        return Failed;
    }
    for (const RejectedRow &row : conversion.rejected)
        err << source << ": line " << row.line << ": row rejected: " << row.reason << "\n";
    if (conversion.contacts == 0) {
        err << source << ": no contact converted; nothing written\n";
        return Failed;
    }
    if (options.strict && !conversion.rejected.isEmpty()) {
        err << source << ": " << conversion.rejected.size() << " rows rejected; nothing written (--strict)\n";
        return Failed;
    }
    writeDtaFile(target, conversion.lines);
    out << "wrote " << conversion.contacts << " contacts to " << target << "\n";
    if (!conversion.rejected.isEmpty()) {
        err << source << ": " << conversion.rejected.size() << " rows rejected and left out\n";
        return Failed;
    }
    return Success;
}

int decodeCommand(const QString &file, bool asScoreSource, QTextStream &out, QTextStream &err)
{
    const QStringList lines = readDtaFile(file);
    if (!asScoreSource) {
        for (const QString &line : lines)
            out << line << "\n";
        return Success;
    }
    out << formatScoreSource(lines);
    if (const qsizetype rest = lines.size() % kScoreRecordLines; rest != 0)
        err << file << ": the last " << rest << " lines make no whole record and are left out\n";
    return Success;
}

int dispatch(const QStringList &args, QTextStream &out, QTextStream &err, Engine &engine)
{
    const QString command = args.value(0);
    if (command == QStringLiteral("score") && args.size() == 3)
        return scoreCommand(args[1], args[2], out, err);
    if (command == QStringLiteral("contacts") && args.size() >= 3)
        return contactsCommand(args[1], args[2], readContactOptions(args.mid(3)), out, err, engine);
    if (command == QStringLiteral("decode") && args.size() == 2)
        return decodeCommand(args[1], false, out, err);
    if (command == QStringLiteral("decode-score") && args.size() == 2)
        return decodeCommand(args[1], true, out, err);
    err << usageText();
    return Usage;
}

}  // namespace

QString usageText()
{
    return QStringLiteral(
        "usage:\n"
        "  dtatool score <source.txt> <out.dta>\n"
        "  dtatool contacts <contacts.csv> <out.dta> [--lang N] [--strict]\n"
        "  dtatool decode <file.dta>\n"
        "  dtatool decode-score <file.dta>\n");
}

int runDtaTool(const QStringList &args, QTextStream &out, QTextStream &err, Engine &engine)
{
    int code = Failed;
    try {
        code = dispatch(args, out, err, engine);
    } catch (const ToolError &e) {
        // Only a bad command-line option gets this far.
        err << e.located() << "\n" << usageText();
        code = Usage;
    } catch (const Failure &e) {
        err << e.message() << "\n";
        code = Failed;
    }
    out.flush();
    err.flush();
    return code;
}

}  // namespace tarnwick::dtatool
