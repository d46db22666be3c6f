#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What the print dialog hands to a printout: a snapshot of its choices, free of widgets, so a
// run can be called (and tested, and timed) without the window.
namespace sheets {
struct LabelSheet;
}

namespace printing {

enum class OutputType { PhoneList, AddressBook, MailingLabels, ReturnLabels };

// QuickPrint reads no household: the typed label of the quick-label window.
enum class RecordChoice { All, ByCategory, Selected, QuickPrint };

// None only when no sheet button is chosen (a label run then ends without a message).
enum class Sheet { None, Standard, Invite, Shipping };

// The sheet's layout table (nullptr for None), and its labels: Standard (5160) 30, Invite
// (5662) 14, Shipping (5163) 10, 0 for None.
const sheets::LabelSheet* label_sheet(Sheet sheet);
int labels_per_sheet(Sheet sheet);

// One line of the dialog's household list, in list order.
struct ListLine {
    QString text;     // the display name as shown
    QString keyname;  // the household it stands for; runs seek this, never the text
    bool selected = false;
};

struct PrintRequest {
    OutputType output = OutputType::MailingLabels;
    RecordChoice choice = RecordChoice::ByCategory;
    Sheet sheet = Sheet::Standard;

    // The chosen start position on each sheet, 1-based on that sheet (Standard 1..30, Invite
    // 1..14, Shipping 1..10); 0 when no position is chosen on that sheet.
    int start_standard = 0;
    int start_invite = 0;
    int start_shipping = 0;

    // Values of the category boxes [1]..[12]: 0 unticked, 1 ticked, 2 greyed (never matches).
    std::array<int, 13> category{};

    // The household list in list order, with each line's selected state.
    std::vector<ListLine> lines;

    bool single_print = false;             // SinglePrint, under Selected
    bool child_print = false;              // ChildPrint, under Selected
    bool child_print_by_category = false;  // ChildPrint, under By Category
    bool track = false;                    // write a tracking report while labels print
    bool resident = false;                 // "RESIDENT" as the name line
    bool the_family = false;               // 'THE FAMILY'
    bool title = false;                    // titles in the name line
    bool numbers_only = false;             // phone list: only households with a number

    // The printer chosen in the dialog (now the current printer) and its top offset in
    // sixteenths of an inch.
    QString printer;
    int top_position = 0;

    // The start position on the chosen sheet (0 when none is chosen there).
    int start_position() const;
    // Some category box has a value other than 0 (the By Category refusal test).
    bool any_category_chosen() const;
    // Keys of the selected lines, in list order.
    std::vector<QString> selected_keys() const;
    int selected_count() const;
    int line_count() const { return static_cast<int>(lines.size()); }
};

// What a printout hands back to the dialog.
struct PrintResult {
    // Shown in the dialog's warning label (upper case); empty leaves the label as it is.
    QString message;
    // Households or labels printed.
    int printed = 0;
    // The printer failed (job could not start or end); message says so.
    bool failed = false;
    // Set-backs the dialog applies after the run, through its controls (their rules run).
    bool clear_categories = false;    // category boxes 1..12 to 0
    bool clear_single_child = false;  // SinglePrint and both ChildPrint boxes to 0
    bool clear_track = false;         // Track to 0
    bool deselect_lines = false;      // every list line deselected
};

// The record choice, shared by every run that reads households.
// Seeks the line's household by its key on the shared cursor (OVRAData, index keyname); true
// when found and current. A line whose household is gone is skipped by the caller.
bool find_list_record(const ListLine& line);
// The current row belongs to a category whose box has the value 1 (field "Y").
bool check_record_categories(const PrintRequest& request);

// The choices a printout of this output type refuses before anything is asked or printed, as
// the result the dialog shows: By Category without a category; Selected Printing without a
// selected line (the phone list's message says it printed none); for the mailing labels,
// SinglePrint and ChildPrint together, or either without exactly one selected line. Nothing
// when the choices stand.
std::optional<PrintResult> refused_choices(const PrintRequest& request, OutputType output);

// The runs the dialog's PRINT starts. Each reads only the request, the database and the
// current printer, and reports in its result. Before a run starts, the dialog has made the
// chosen printer current, refused the choices that refused_choices refuses (each run refuses
// them too), shown the load prompt of a label sheet, and only then opened the print command
// (the PDF device's file is chosen); it turns PRINT and CANCEL off while the run lasts. A
// printer error may be thrown (VbError): the dialog reports the failure.
PrintResult print_phone_list(const PrintRequest& request);
PrintResult print_address_book(const PrintRequest& request);
PrintResult print_mailing_labels(const PrintRequest& request);
// The quick-label window, after the sheet's load prompt was answered OK: two address boxes
// ("Address 1", "Address 2") on the Standard and Shipping sheets, one ("Address") on the Invite
// sheet. printed is 1 when it printed its label; a cancel hands back its own message.
PrintResult print_quick_label(const PrintRequest& request);

}  // namespace printing
