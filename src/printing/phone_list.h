#pragma once

#include <QString>
#include <array>
#include <vector>

#include "printing/record_image.h"

// The phone list: one entry per household, its names on the left and its labelled numbers in
// two columns on the right. Its run, print_phone_list (print_request.h), draws as one job within
// the caller's print command; a printer error reaches the caller as a VbError.
namespace printing::phone_list {

// Tab columns of the News Gothic 8.28 pt list.
constexpr int kNameColumn = 5;
constexpr int kFirstNumberColumn = 60;
constexpr int kSecondNumberColumn = 95;

// "LAST, FIRST", then " & " and person 2 with their surname when it differs.
QString name_text(const RecordImage& h);

// phone_text(1)..(5): the labelled numbers, those present packed to the front in slot order.
std::array<QString, 6> format_phone_numbers(const RecordImage& h);

// One printed line of an entry: the name at kNameColumn, numbers at the two number columns.
struct EntryLine {
    QString name, first, second;
};
// The lines of a household's entry after its empty line; none when Numbers Only leaves the
// household out.
std::vector<EntryLine> entry_lines(const RecordImage& h, bool numbers_only);

}  // namespace printing::phone_list
