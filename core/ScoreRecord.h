#pragma once
// Layout of a score record: 28 text lines, addressed by these indices.
#include <QString>

namespace tarnwick::ScoreRecord {

inline constexpr int kLength = 28;

enum Line {
    Item1 = 0,
    Item2 = 1,
    Category = 2,
    CleansingMethod = 3,
    Name = 4,
    NamePrefix = 5,
    NameSuffix = 6,
    Occupations = 7,
    Numbering = 8,
    Business = 9,
    PostalElements = 10,
    Countries = 11,
    CustomMode = 12,
    Custom1 = 13,
    Custom2 = 14,
    DistinctWords = 15,
    MatchCase = 16,
    KeepDelimiter = 17,
    CaseChange = 18,
    CaseStyle = 19,
    SearchForPattern = 20,
    Pattern = 21,
    DetermineGender = 22,
    NameFormat = 23,
    DeleteVowels = 24,
    RemoveInitials = 25,
    RemoveNumbers = 26,
    Compact = 27,
};

inline const QString kName = QStringLiteral("Name");
inline const QString kBusiness = QStringLiteral("Business");
inline const QString kAddress = QStringLiteral("Address");

// "ScoreDataE.dta" ... "ScoreDataS.dta"; empty for a language outside 1..5.
QString scoreFileName(int language);

}  // namespace tarnwick::ScoreRecord
