#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "printing/print_request.h"
#include "printing/record_image.h"

// Mailing-label text: one household's label of up to five lines, composed from its record
// image and the print dialog's choices. Free of windows so runs, tests and benchmarks call it
// directly.
namespace printing {

// Lines 1..5 of one label position ([0] unused).
using LabelLines = std::array<QString, 6>;

// The dialog's choices that shape a label.
struct LabelOptions {
    Sheet sheet = Sheet::Standard;
    bool title = false;                    // Chktitle
    bool the_family = false;               // Chkfamily
    bool resident = false;                 // ChkResident
    bool child_print_by_category = false;  // Chkchildsel
    bool track = false;                    // chkTrack, and a tracking report is being made

    static LabelOptions from(const PrintRequest& request);
};

struct NameLine {
    QString line;
    int number_in_party = 0;
    // The children window's Label10 caption: the line with each "&" doubled, so the label
    // shows one "&" (and without " & FAMILY").
    QString caption;
};

// The family form ("THE SMITH FAMILY", "JOHN SMITH & FAMILY"); none unless 'THE FAMILY' is
// ticked and the household wants a family label.
std::optional<NameLine> family_name_line(const RecordImage& h, const LabelOptions& o);
// The name line from names and titles.
NameLine compose_name_line(const RecordImage& h, const LabelOptions& o);

// Longest name line a sheet prints on one line; 0 when the sheet never cuts (Invite).
int name_line_limit(Sheet sheet);
// Longest line 1..3 that fits the sheet's label.
int line_limit(Sheet sheet);

// A name line cut in two after its first "&" (else its first "-"); the rest follows seven
// blanks on the second line. With neither, the first line is empty.
struct CutName {
    QString line1, line2;
};
CutName cut_name_line(const QString& line);

// Invite labels' proper case: lower case, then capitals at the start and after each blank or
// "-"; on the city line a two-letter word between blanks keeps its capitals (the state).
QString invite_proper_case(const QString& line, bool city_line);

// The label does not fit its sheet.
bool label_too_long(const LabelLines& lines, Sheet sheet);
// The entries a set-aside label adds to the too-long list, ending with one "" separator.
QStringList invalid_label_entries(const LabelLines& lines, Sheet sheet);

// A label handed back by the children window for this household's position.
struct ChildLabelLines {
    LabelLines lines;
    int number_in_party = 0;
    // The whole name line before the window cut it in two (empty when it was not cut).
    QString whole_name_line;
};

struct ComposedLabel {
    LabelLines lines;
    int number_in_party = 0;
    bool too_long = false;
    // Set when options.track: the invitee's name for the tracking report, the whole name line
    // in upper case (also for a label set aside as too long).
    std::optional<QString> tracked_name;
};

// The whole label of one household. child is the children window's label when it printed one
// for this household.
ComposedLabel compose_label(const RecordImage& h, const LabelOptions& o,
                            const ChildLabelLines* child = nullptr);

}  // namespace printing
