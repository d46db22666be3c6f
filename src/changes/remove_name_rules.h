#pragma once

#include <QString>
#include <array>

namespace changes {

// The controls of the remove-names window whose state its click rules move.
enum class Ctl {
    optName1,
    optName2,
    optDeath1,
    optSplit1,
    optDeath2,
    optSplit2,
    chkkeep1,
    chkKeep2,
    chkChild1,
    chkChild2,
    chkSecondAddress,
    optMoveAddress1,
    optKeepAddress1,
    optMoveAddress2,
    optKeepAddress2,
    chkAddressDelete,
    imgCheckboxOn,
    imgCheckboxOff,
};
constexpr int kRemoveNameControls = 18;
const char* control_name(Ctl c);

struct CtlState {
    bool value = false;  // chosen, or ticked
    bool enabled = true;
    bool visible = true;
};

// What the user chose, as ENTER reads it.
struct RemoveChoice {
    bool name1 = true;   // else name 2
    bool split = false;  // of the chosen name; else death
    bool keep = false;
    bool children = false;
    bool move_address = false;
    bool keep_address = false;
    // The household's second address goes before anything else is done.
    bool drop_address = false;
};

// The remove-names window's choices and their click rules, without widgets. A rule that changes
// another control runs that control's own rule at once when its value really changes, as a
// click would; the window only mirrors this state.
class RemoveNameRules {
public:
    // The design state, for a household with `childflag` children and `addressflag` "Y" when it
    // has a second address.
    RemoveNameRules(int childflag = 0, const QString& addressflag = {});

    const CtlState& operator[](Ctl c) const { return s_[static_cast<int>(c)]; }

    // Choosing an option unchooses the rest of its group; its rule runs when it was not chosen.
    void choose(Ctl option);
    // A tick box's rule runs when its tick really changes.
    void set_tick(Ctl box, bool ticked);

    RemoveChoice choice() const;

private:
    CtlState& at(Ctl c) { return s_[static_cast<int>(c)]; }
    bool val(Ctl c) const { return (*this)[c].value; }
    void clear(Ctl c);
    void on(Ctl c) { at(c).enabled = true; }
    void off(Ctl c) { at(c).enabled = false; }
    void show(Ctl c) { at(c).visible = true; }
    void hide(Ctl c) { at(c).visible = false; }
    void run_rule(Ctl c);

    void name1_chosen();
    void name2_chosen();
    void death_chosen(int row);
    void split_chosen(int row);
    void keep_changed(int row);
    void second_address_changed();

    std::array<CtlState, kRemoveNameControls> s_{};
    int childflag_;
    bool has_second_address_;
};

}  // namespace changes
