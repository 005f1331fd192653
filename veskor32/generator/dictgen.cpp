// Build-time generator: turns the UTF-8 word-group files under
// dictionaries/<lang>/<group>.txt into a C++ source holding them as
// Windows-1252 text, so the library never reads files at run time.
//
//   dictgen <dictionaries folder> <output .cpp>
//
// Lines that cannot be used (bad UTF-8, characters outside Windows-1252, no
// canonical form) are skipped with a warning; they never fail the build.
#include "dict/Groups.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using veskor::dict::kGroupFiles;
using veskor::dict::kLangFolders;

namespace {

// Windows-1252 byte for a code point, or nothing when it has none.
std::optional<unsigned char> toCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    static constexpr struct { char32_t cp; unsigned char b; } kHigh[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F},
    };
    for (const auto &h : kHigh)
        if (h.cp == cp)
            return h.b;
    return std::nullopt;
}

// UTF-8 line to Windows-1252; nothing when the line is not valid UTF-8 or
// holds a character Windows-1252 lacks.
std::optional<std::string> convertLine(const std::string &in)
{
    std::string out;
    for (size_t i = 0; i < in.size();) {
        const auto c = static_cast<unsigned char>(in[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= in.size())
            return std::nullopt;
        char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(in[i + k]);
            if ((cc & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += extra + 1;
        const auto b = toCp1252(cp);
        if (!b || *b == 0)
            return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string trim(const std::string &s)
{
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// A usable entry line: optional gender tag, then a non-empty canonical form.
bool plausible(const std::string &line, bool gendered)
{
    std::string body = line;
    if (gendered && body.size() == 1 && (body[0] == 'M' || body[0] == 'F' || body[0] == 'U'))
        return false;  // a gender tag with no name after it
    if (gendered && body.size() > 2 && (body[0] == 'M' || body[0] == 'F' || body[0] == 'U') && body[1] == ' ')
        body = trim(body.substr(2));
    const auto bar = body.find('|');
    return !trim(body.substr(0, bar)).empty();
}

void emitLiteral(std::ostream &out, const std::string &bytes)
{
    out << "    \"";
    int col = 0;
    for (unsigned char c : bytes) {
        if (c == '\n') {
            out << "\\n\"\n    \"";
            col = 0;
            continue;
        }
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            out << static_cast<char>(c);
        } else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\%03o", c);
            out << esc;
        }
        if (++col > 100) {
            out << "\"\n    \"";
            col = 0;
        }
    }
    out << "\"";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: dictgen <dictionaries folder> <output.cpp>\n";
        return 2;
    }
    const fs::path root = argv[1];
    std::ostringstream body, table;
    int count = 0;
    for (size_t li = 0; li < std::size(kLangFolders); ++li) {
        for (const auto &group : kGroupFiles) {
            const fs::path file = root / std::string(kLangFolders[li]) / (std::string(group.file) + ".txt");
            std::ifstream in(file, std::ios::binary);
            if (!in)
                continue;
            std::string cleaned, raw;
            int lineNo = 0;
            while (std::getline(in, raw)) {
                ++lineNo;
                if (lineNo == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0)
                    raw.erase(0, 3);
                const std::string line = trim(raw);
                if (line.empty() || line[0] == '#')
                    continue;
                const auto converted = convertLine(line);
                if (!converted || !plausible(*converted, group.gendered)) {
                    std::cerr << "dictgen: warning: " << file.string() << ":" << lineNo
                              << ": line skipped (not valid UTF-8, not Windows-1252 or no canonical form)\n";
                    continue;
                }
                cleaned += *converted;
                cleaned += '\n';
            }
            body << "const char k" << count << "[] =\n";
            emitLiteral(body, cleaned);
            body << ";\n";
            table << "        {" << li << ", " << group.code << ", k" << count << ", " << cleaned.size() << "},\n";
            ++count;
        }
    }

    std::ostringstream out;
    out << "// Generated by dictgen from veskor32/dictionaries; do not edit.\n"
        << "#include \"dict/Embedded.h\"\n\nnamespace veskor::dict {\nnamespace {\n"
        << body.str() << "}  // namespace\n\n"
        << "std::span<const EmbeddedFile> embeddedFiles()\n{\n"
        << "    static constexpr EmbeddedFile kFiles[] = {\n" << table.str()
        << "        {0, -1, \"\", 0},\n    };\n"
        << "    return {kFiles, " << count << "};\n}\n\n}  // namespace veskor::dict\n";

    const fs::path target = argv[2];
    fs::create_directories(target.parent_path());
    std::ofstream o(target, std::ios::binary);
    o << out.str();
    if (!o) {
        std::cerr << "dictgen: cannot write " << target.string() << "\n";
        return 1;
    }
    return 0;
}
