#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <optional>

#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/window.h"
#include "printing/print_request.h"
#include "reports/label_window_text.h"

// A drawn line of a window: both ends in twips. Horizontal lines have y1 == y2.
class LineControl : public QFrame {
public:
    LineControl(QWidget* parent, const char* name, int x1, int y1, int x2, int y2);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void set_ends(int x1, int y1, int x2, int y2);
    // A horizontal line's height on the window (both ends).
    void set_y(int y) { set_ends(x1_, y, x2_, y); }

private:
    int x1_, y1_, x2_, y2_;
};

namespace Frmchildprint_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QLabel* Lbltitle = nullptr;
    platform::OptionButton* Option1 = nullptr;
    platform::OptionButton* Option2 = nullptr;
    platform::OptionButton* Option3 = nullptr;
    std::array<QCheckBox*, 9> Check{};  // Check1..Check8
    std::array<QLabel*, 11> Label{};    // Label1..Label10
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    LineControl* Line4 = nullptr;
    LineControl* LineLeft = nullptr;
    LineControl* LineRight = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace Frmchildprint_ui

// The children window: which of a household's children (or the parents, or the whole family)
// a label is for. The print dialog fills it for one household and shows it modally.
class Frmchildprint : public platform::Form<Frmchildprint_ui::Controls> {
public:
    static constexpr int kWidth = 6660;
    static constexpr int kDesignHeight = 6495;  // room for the buttons of six children
    static constexpr int kFrameHeight = 390;    // title bar and borders

    Frmchildprint();

    // What the print dialog hands over with the captions, for PRINT to compose from.
    struct DialogNames {
        std::array<QString, 7> first_name{};      // [1]..[6]
        std::array<QString, 7> last_name{};       // [1]..[6]
        std::array<QString, 7> last_name_flag{};  // [1]..[6]: "Y" when the child has a surname
        QString parent_type;                      // "PARENT" or "PARENTS"
        QString name_hold;                        // the whole-family line
        QString mailing_label_hold;               // the household's own name line
        int number_of_children = 0;
    } dialog;

    // Handed back: "P" after PRINT, "C" after CANCEL, "" while undecided.
    QString print_or_cancel_flag;
    // The name line was cut in two; whole_name_line then holds it uncut.
    bool LongNameFlag = false;
    QString whole_name_line;
    int number_in_party = 0;
    std::array<QString, 6> hold_line{};  // [1]..[5]: the chosen label's lines
    // Selected use: the labels on the sheet PRINT printed.
    int labels_printed = 0;
    // PRINT or CANCEL cleared the dialog's list selection; the printer failed.
    bool list_cleared = false;
    std::optional<platform::VbError> failure;

    // Set by the print dialog's run with the captions: the sheet, Selected use (the window
    // prints the label with its address) or By Category use (it hands back the name lines),
    // the position and address of the label and the printer's top offset.
    printing::Sheet sheet = printing::Sheet::Standard;
    bool selected_use = false;
    int maillabelstart = 1;
    reports::LabelAddress address;
    int TopPosition = 0;

    // Forgets the last household's answer, so no label carries another household's lines.
    void reset_result();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();
    // The names as the window shows them and the dialog handed them over.
    reports::ChildNames child_names();
    // The window's outer height in twips (title bar and borders included).
    int window_height() {
        load();
        return height_;
    }
    void set_window_height(int twips);

protected:
    void build(QWidget* form, Frmchildprint_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    int height_ = kDesignHeight;
};
