#include "label_run.h"

#include "platform/cursor.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

namespace printing {

namespace {

class LabelRun {
public:
    LabelRun(const PrintRequest& request, LabelRunOutputs& out)
        : r_(request), out_(out), sheet_(request.sheet), per_sheet_(labels_per_sheet(sheet_)) {
        options_ = LabelOptions::from(request);
        options_.track = options_.track && out.tracking;
        const int start = request.start_position();
        position_ = start >= 1 && start <= per_sheet_ ? start : 1;
    }

    PrintResult run() {
        if (out_.too_long) out_.too_long->clear();
        if (auto refused = refused_choices(r_, OutputType::MailingLabels)) return *refused;
        // The run only reads the households: one lock for all of them.
        const platform::ReadTransaction reading(Data1());
        try {
            switch (r_.choice) {
                case RecordChoice::All:
                    all();
                    break;
                case RecordChoice::ByCategory:
                    by_category();
                    break;
                default:
                    selected();
                    break;
            }
        } catch (const platform::VbError& e) {
            // Labels printed before the failure are not reported as a finished run.
            result_.failed = true;
            result_.message = QStringLiteral("PRINTING FAILED: ") + e.description().toUpper();
        }
        result_.printed = printed_;
        return result_;
    }

private:
    void completion() {
        result_.message =
            QStringLiteral("PRINTED %1 OF %2 LABELS").arg(printed_).arg(r_.line_count());
    }

    void next_position() {
        if (++position_ > per_sheet_) position_ = 1;
    }

    void clear_page() {
        for (int k = 1; k <= per_sheet_; ++k) page_[k] = {};
        pending_ = false;
    }

    void print_page() {
        printed_ += out_.print_sheet(sheet_, page_);
        clear_page();
        label_placed_ = false;
    }

    void last_page() {
        if (label_placed_) print_page();
    }

    // Composes the household's label at the current position; a label too long for the sheet
    // is listed and its position goes to the next household.
    void place(const ChildLabelLines* child = nullptr) {
        ComposedLabel label = compose_label(image_, options_, child);
        if (label.tracked_name && options_.track)
            out_.tracking->add_invitee(*label.tracked_name, label.number_in_party,
                                       image_.home_phone);
        if (label.too_long) {
            if (out_.too_long) *out_.too_long << invalid_label_entries(label.lines, sheet_);
            page_[position_] = {};
            --position_;
            return;
        }
        page_[position_] = label.lines;
        label_placed_ = true;
        if (position_ == per_sheet_) print_page();
    }

    // Seeks the line's household and reads it, with the windows the choices ask for. False
    // when the household is gone: it is skipped.
    bool load(const ListLine& line, const LabelChoices& choices, bool seek = true) {
        if (seek && !find_list_record(line)) return false;
        single_labels_ = 0;
        child_result_ = {};
        LabelWindows windows;
        windows.single = [this](const SingleLabelNames&) {
            const SinglePrintResult r =
                out_.windows.single ? out_.windows.single(image_, position_) : SinglePrintResult{};
            single_labels_ = r.labels_printed;
            if (r.deselect_lines) result_.deselect_lines = true;
        };
        windows.child_print = [this](const RecordImage& h) {
            if (out_.windows.child) {
                child_result_ = out_.windows.child(h, position_);
                if (child_result_.deselect_lines) result_.deselect_lines = true;
            } else {
                child_result_ = {};
                child_result_.print_or_cancel_flag = QStringLiteral("C");
            }
            ChildLabel back{child_result_.print_or_cancel_flag, {}};
            for (int j = 1; j <= 5; ++j) back.hold_line[j] = child_result_.label.lines[j];
            return back;
        };
        outcome_ = load_record_fields(line.keyname, choices, windows, image_);
        return true;
    }

    void all() {
        result_.clear_categories = true;
        result_.clear_single_child = true;
        options_.child_print_by_category = false;
        clear_page();
        --position_;
        for (const ListLine& line : r_.lines) {
            if (!load(line, {})) continue;
            next_position();
            place();
        }
        last_page();
        completion();
    }

    void by_category() {
        clear_page();
        --position_;
        LabelChoices choices;
        choices.child_print_by_category = r_.child_print_by_category;
        for (const ListLine& line : r_.lines) {
            if (!find_list_record(line) || !check_record_categories(r_)) continue;
            load(line, choices, false);
            pending_ = true;
            next_position();
            if (r_.child_print_by_category && outcome_.child_label == QLatin1String("N")) {
                --position_;  // the children label was cancelled: no label for the household
                continue;
            }
            const bool from_window = outcome_.child_lines_set;
            place(from_window ? &child_result_.label : nullptr);
        }
        if (!pending_) {
            if (printed_ == 0)
                result_.message = QStringLiteral("NO RECORDS TO PRINT");
            else
                completion();
        } else {
            last_page();
            clear_page();
            completion();
        }
        if (out_.tracking && out_.write_report) out_.write_report(*out_.tracking);
    }

    // The line for SinglePrint or ChildPrint: refused_choices let only one be selected.
    const ListLine* first_selected() const {
        for (const ListLine& line : r_.lines)
            if (line.selected) return &line;
        return nullptr;
    }

    void selected() {
        result_.clear_categories = true;
        options_.child_print_by_category = false;
        clear_page();
        --position_;
        if (r_.single_print) {
            const ListLine* line = first_selected();
            if (!line) return;
            next_position();
            LabelChoices choices;
            choices.single_print = true;
            if (load(*line, choices) && outcome_.single_printed == QLatin1String("Y")) {
                printed_ += single_labels_;
                completion();
                return;
            }
            --position_;
        }
        if (r_.child_print) {
            const ListLine* line = first_selected();
            if (!line) return;
            next_position();
            LabelChoices choices;
            choices.child_print = true;
            if (load(*line, choices)) {
                if (!child_result_.print_or_cancel_flag.isEmpty()) {  // the window was shown
                    if (child_result_.print_or_cancel_flag == QLatin1String("P"))
                        printed_ += child_result_.labels_printed;
                    completion();
                    return;
                }
                if (outcome_.child_label == QLatin1String("N")) {
                    result_.message = QStringLiteral("NO CHILDREN TO PRINT");
                    return;
                }
            }
            --position_;
        }
        for (const ListLine& line : r_.lines) {
            if (!line.selected || !load(line, {})) continue;
            next_position();
            place();
        }
        last_page();
        completion();
    }

    const PrintRequest& r_;
    LabelRunOutputs& out_;
    LabelOptions options_;
    Sheet sheet_;
    int per_sheet_;
    int position_ = 1;
    LabelPage page_{};
    bool label_placed_ = false;
    bool pending_ = false;
    int printed_ = 0;
    RecordImage image_;
    LabelOutcome outcome_;
    int single_labels_ = 0;
    ChildPrintResult child_result_;
    PrintResult result_;
};

}  // namespace

PrintResult run_mailing_labels(const PrintRequest& request, LabelRunOutputs& out) {
    if (labels_per_sheet(request.sheet) == 0) return {};
    return LabelRun(request, out).run();
}

}  // namespace printing
