#pragma once

#include <QString>
#include <array>
#include <vector>

#include "printing/record_image.h"

// The address book: one page per household, each its own job. Its run, print_address_book
// (print_request.h), draws within the caller's print command; a printer error reaches the caller
// as a VbError.
namespace printing::address_book {

// The household's second address as the page prints it.
struct SecondAddress {
    QString address1, address2, city, state, zip, phone, fax;
};

// Everything one page shows: the record image, the second address when the household has
// one, and the names of the categories in use ([1]..[12], blank = not in use).
struct Page {
    RecordImage h;
    bool has_second_address = false;
    SecondAddress second;
    std::array<QString, 13> category_names{};
};

// One line of the page, in Times New Roman; text starts at the left margin, tab_text (when
// tab > 0) at that tab column of the line's font. An empty line has neither.
struct Line {
    double size = 10;
    bool bold = false;
    QString text;
    int tab = 0;
    QString tab_text;
};

constexpr double kLeftInches = 1.0;
constexpr double kTopInches = 1.0;
constexpr int kSecondPersonColumn = 59;  // in 12 pt bold
constexpr int kSecondColumn = 74;        // in 10 pt

// A child's name as printed: as stored when it holds a surname of its own, else with the
// household's last name.
QString child_name(const QString& stored, const QString& lastname1);

// The lines of the household's page, in order.
std::vector<Line> page_lines(const Page& page);

// Reads the second address of the household the image holds from the Address table; false
// when it has no row. The cursor goes back to the household table.
bool read_second_address(const QString& record_key, SecondAddress& out);

}  // namespace printing::address_book
