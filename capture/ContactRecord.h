#pragma once
// Layout of a contact: fifteen lines in the demo file, and the same fields in
// columns 2 to 16 of a contact grid behind the ID in column 1.
#include <QString>
#include <QTypeInfo>

#include <array>

namespace tarnwick::contact {

inline constexpr int kLines = 15;
inline constexpr int kFieldCount = 12;      // the typed fields, lines 0 to 11
inline constexpr int kColumns = kLines + 2;  // fixed column, ID, then the lines

inline constexpr int kIdColumn = 1;
inline constexpr int kFirstFieldColumn = 2;
inline constexpr int kFirstNameColumn = 3;
inline constexpr int kSurnameColumn = 4;
inline constexpr int kCompanyColumn = 6;
inline constexpr int kFirstNamePhkColumn = 14;
inline constexpr int kSurnamePhkColumn = 15;
inline constexpr int kCompanyPhkColumn = 16;

// Grid column of a contact line.
constexpr int columnOfLine(int line) { return kFirstFieldColumn + line; }

// The edit controls of the twelve fields, in line order; the page and the
// Duplicates dialog both use these names.
inline constexpr std::array<const char *, kFieldCount> kEditNames = {
    "txtTitle",   "txtFirstName", "txtSurname", "txtPosition", "txtCompanyName", "txtAddress1",
    "txtAddress2", "txtTown",     "txtCounty",  "txtPostCode", "txtTelephoneNo", "txtEMailAddress"};

using Fields = std::array<QString, kFieldCount>;

}  // namespace tarnwick::contact

// Twelve QStrings move as bytes: lists of 100,000 contacts grow by memmove.
Q_DECLARE_TYPEINFO(tarnwick::contact::Fields, Q_RELOCATABLE_TYPE);
