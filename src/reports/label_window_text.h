#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "printing/label_text.h"
#include "printing/record_image.h"

// The labels of the single-household, children and quick-label windows, composed free of
// widgets so the windows, tests and runs call the same code.
namespace reports {

using printing::LabelLines;
using printing::Sheet;

// Longest line these windows allow (and where a children name line is cut): Standard 33,
// Shipping 32, Invite 27.
int window_line_limit(Sheet sheet);
// Line 1, 2 or 3 is longer than the sheet allows.
bool lines_too_long(const LabelLines& lines, Sheet sheet);
// What the too-long list shows of a label: lines 1 to 3, then one empty entry that separates it
// from the next label. with_lines_4_and_5 (the quick label on Standard and Shipping sheets) adds
// lines 4 and 5 that hold text before the empty entry.
QStringList listed_label(const LabelLines& lines, bool with_lines_4_and_5 = false);

// The Invite sheet prints three lines, so address 2 follows address 1 after three blanks; an
// empty address 2 adds nothing.
QString invite_address(const QString& address1, const QString& address2);
QString city_line(const QString& city, const QString& state, const QString& zip);

// A name line too long for one line, cut after its first "&" (else its first "-"); with
// neither, at the last blank that leaves the first part within the limit. The rest follows
// seven blanks on the second line. The first line is never empty.
printing::CutName split_long_name(const QString& line, int limit);

// The label, and whether the Invite length test refused it.
struct WindowLabel {
    LabelLines lines;
    bool too_long = false;
};

// ---- Single-household label: one person of a two-person household.
WindowLabel compose_single_label(const printing::RecordImage& h, bool person1, bool title,
                                 Sheet sheet);

// ---- Children label.
struct ChildNames {
    std::array<QString, 7> display{};  // [1]..[6]: Label1..Label6; empty [2] = one child
    std::array<QString, 7> first_name{}, last_name{}, last_name_flag{};
    QString all_children;  // Label7, "THE SMITH CHILDREN"
    QString parents;       // Label8, "TO THE PARENTS OF "
    QString name_hold;     // the whole-family line
    QString mailing_label_hold;
    QString parent_type;  // "PARENT" or "PARENTS"
    int number_of_children = 0;
};

struct ChildChoice {
    int option = 1;                // 1 names ticked, 2 the whole family, 3 the parents' line
    std::array<bool, 7> ticked{};  // [1]..[6]: Check1..Check6
    bool all_children = false;     // Check7
    bool parents = false;          // Check8
};

// The ticked children as the window counts them: a household of one child always has it;
// more than two ticked ticks "all children".
ChildChoice effective_choice(const ChildNames& names, ChildChoice choice);
// Names chosen: false when the window must ask for one or two names.
bool child_choice_complete(const ChildChoice& effective);

struct ChildNameLines {
    QString a, b;
};
ChildNameLines compose_child_name_lines(const ChildNames& names, const ChildChoice& effective);
int child_number_in_party(const ChildNames& names, const ChildChoice& effective);

struct ChildLabel : WindowLabel {
    int number_in_party = 0;
    bool long_name = false;  // the name line was cut in two
    QString whole_name;      // the name line before any cut
};

struct LabelAddress {
    QString address1, address2, city, state, zip;
};

// with_address: Selected use, the label is printed by the window with its address; otherwise
// only the name lines are handed back (lines 1 and 2).
ChildLabel compose_child_label(const ChildNames& names, const ChildChoice& effective, Sheet sheet,
                               const LabelAddress& address, bool with_address);

// ---- Quick label from typed text.
struct QuickFields {
    QString name, address1, address2, city, state, zip;
};
WindowLabel compose_quick_label(const QuickFields& f, Sheet sheet);

}  // namespace reports
