#include "remove_name_rules.h"

#include <initializer_list>

namespace changes {

namespace {

constexpr const char* kNames[kRemoveNameControls] = {
    "optName1",         "optName2",        "optDeath1",       "optSplit1",       "optDeath2",
    "optSplit2",        "chkkeep1",        "chkKeep2",        "chkChild1",       "chkChild2",
    "chkSecondAddress", "optMoveAddress1", "optKeepAddress1", "optMoveAddress2", "optKeepAddress2",
    "chkAddressDelete", "imgCheckboxOn",   "imgCheckboxOff"};

// The controls of one row (1 or 2).
struct Row {
    Ctl death, split, keep, child, move, keep_address;
};
Row row(int r) {
    if (r == 1)
        return {Ctl::optDeath1, Ctl::optSplit1,       Ctl::chkkeep1,
                Ctl::chkChild1, Ctl::optMoveAddress1, Ctl::optKeepAddress1};
    return {Ctl::optDeath2, Ctl::optSplit2,       Ctl::chkKeep2,
            Ctl::chkChild2, Ctl::optMoveAddress2, Ctl::optKeepAddress2};
}

bool is_option(Ctl c) {
    switch (c) {
        case Ctl::optName1:
        case Ctl::optName2:
        case Ctl::optDeath1:
        case Ctl::optSplit1:
        case Ctl::optDeath2:
        case Ctl::optSplit2:
        case Ctl::optMoveAddress1:
        case Ctl::optKeepAddress1:
        case Ctl::optMoveAddress2:
        case Ctl::optKeepAddress2:
            return true;
        default:
            return false;
    }
}

// The four Move/Keep choices of both rows are one group.
std::initializer_list<Ctl> group_of(Ctl c) {
    static constexpr std::initializer_list<Ctl> names = {Ctl::optName1, Ctl::optName2};
    static constexpr std::initializer_list<Ctl> row1 = {Ctl::optDeath1, Ctl::optSplit1};
    static constexpr std::initializer_list<Ctl> row2 = {Ctl::optDeath2, Ctl::optSplit2};
    static constexpr std::initializer_list<Ctl> address = {
        Ctl::optMoveAddress1, Ctl::optKeepAddress1, Ctl::optMoveAddress2, Ctl::optKeepAddress2};
    switch (c) {
        case Ctl::optName1:
        case Ctl::optName2:
            return names;
        case Ctl::optDeath1:
        case Ctl::optSplit1:
            return row1;
        case Ctl::optDeath2:
        case Ctl::optSplit2:
            return row2;
        default:
            return address;
    }
}

}  // namespace

const char* control_name(Ctl c) {
    return kNames[static_cast<int>(c)];
}

RemoveNameRules::RemoveNameRules(int childflag, const QString& addressflag)
    : childflag_(childflag), has_second_address_(addressflag == QLatin1String("Y")) {
    at(Ctl::optDeath1).value = true;
    for (Ctl c : {Ctl::chkkeep1, Ctl::chkKeep2, Ctl::chkChild1, Ctl::chkSecondAddress,
                  Ctl::optMoveAddress1, Ctl::optKeepAddress1, Ctl::chkAddressDelete})
        off(c);
    hide(Ctl::imgCheckboxOn);
    hide(Ctl::imgCheckboxOff);
}

void RemoveNameRules::choose(Ctl option) {
    if (!is_option(option) || val(option)) return;
    for (Ctl other : group_of(option)) at(other).value = false;
    at(option).value = true;
    run_rule(option);
}

void RemoveNameRules::set_tick(Ctl box, bool ticked) {
    if (is_option(box) || val(box) == ticked) return;
    at(box).value = ticked;
    run_rule(box);
}

void RemoveNameRules::clear(Ctl c) {
    if (is_option(c))
        at(c).value = false;
    else
        set_tick(c, false);
}

void RemoveNameRules::run_rule(Ctl c) {
    switch (c) {
        case Ctl::optName1:
            return name1_chosen();
        case Ctl::optName2:
            return name2_chosen();
        case Ctl::optDeath1:
            return death_chosen(1);
        case Ctl::optDeath2:
            return death_chosen(2);
        case Ctl::optSplit1:
            return split_chosen(1);
        case Ctl::optSplit2:
            return split_chosen(2);
        case Ctl::chkkeep1:
            return keep_changed(1);
        case Ctl::chkKeep2:
            return keep_changed(2);
        case Ctl::chkSecondAddress:
            return second_address_changed();
        default:
            return;  // the Children boxes and the Move/Keep choices have no rule
    }
}

void RemoveNameRules::name1_chosen() {
    choose(Ctl::optDeath1);
    on(Ctl::optDeath1);
    on(Ctl::optSplit1);
    on(Ctl::chkChild1);
    choose(Ctl::optDeath1);
    off(Ctl::optDeath2);
    off(Ctl::optSplit2);
    off(Ctl::chkChild2);
    off(Ctl::chkKeep2);
    clear(Ctl::chkKeep2);
    clear(Ctl::chkChild2);
    off(Ctl::optMoveAddress2);
    off(Ctl::optKeepAddress2);
    off(Ctl::chkChild1);
    off(Ctl::chkSecondAddress);
    show(Ctl::chkAddressDelete);
    hide(Ctl::imgCheckboxOn);
    hide(Ctl::imgCheckboxOff);
}

void RemoveNameRules::name2_chosen() {
    choose(Ctl::optDeath2);
    on(Ctl::optDeath2);
    on(Ctl::optSplit2);
    on(Ctl::chkChild2);
    choose(Ctl::optDeath2);
    off(Ctl::chkSecondAddress);
    clear(Ctl::chkSecondAddress);
    show(Ctl::chkAddressDelete);
    hide(Ctl::imgCheckboxOn);
    hide(Ctl::imgCheckboxOff);
    off(Ctl::optDeath1);
    off(Ctl::optSplit1);
    off(Ctl::chkChild1);
    off(Ctl::chkkeep1);
    clear(Ctl::chkkeep1);
    off(Ctl::optMoveAddress1);
    off(Ctl::optKeepAddress1);
    off(Ctl::chkChild2);
}

void RemoveNameRules::death_chosen(int r) {
    const Row me = row(r), other = row(3 - r);
    off(me.child);
    clear(me.child);
    off(Ctl::chkSecondAddress);
    clear(Ctl::chkSecondAddress);
    hide(Ctl::imgCheckboxOff);
    hide(Ctl::imgCheckboxOn);
    show(Ctl::chkAddressDelete);
    clear(me.move);
    off(me.move);
    clear(me.keep_address);
    off(me.keep_address);
    clear(other.death);
    clear(other.split);
    off(me.keep);
    clear(me.keep);
}

void RemoveNameRules::split_chosen(int r) {
    const Row me = row(r);
    on(me.keep);
    if (childflag_ > 0) on(me.child);
    if (has_second_address_) {
        on(Ctl::chkSecondAddress);
        hide(Ctl::chkAddressDelete);
        show(Ctl::imgCheckboxOn);
        clear(Ctl::optKeepAddress1);
        clear(Ctl::optKeepAddress2);
    }
}

void RemoveNameRules::keep_changed(int r) {
    const Row me = row(r);
    if (!val(Ctl::chkSecondAddress)) return;
    if (val(me.keep)) {
        on(me.move);
        on(me.keep_address);
    } else {
        off(me.move);
        clear(me.move);
    }
}

void RemoveNameRules::second_address_changed() {
    if (!val(Ctl::chkSecondAddress)) {
        hide(Ctl::imgCheckboxOff);
        show(Ctl::imgCheckboxOn);
        // A second address that goes takes every Move or Keep choice with it.
        for (Ctl c : group_of(Ctl::optMoveAddress1)) {
            off(c);
            clear(c);
        }
        return;
    }
    show(Ctl::imgCheckboxOff);
    hide(Ctl::imgCheckboxOn);
    on(Ctl::optKeepAddress1);
    on(Ctl::optKeepAddress2);
    for (int r : {1, 2}) {
        const Row me = row(r), other = row(3 - r);
        if (!val(me.split)) continue;
        on(me.move);
        off(other.move);
        choose(me.keep_address);
        if (!val(me.keep)) {
            off(me.move);
            on(me.keep_address);
        }
        break;
    }
}

RemoveChoice RemoveNameRules::choice() const {
    RemoveChoice c;
    c.name1 = val(Ctl::optName1);
    const Row me = row(c.name1 ? 1 : 2);
    c.split = val(me.split);
    c.keep = val(me.keep);
    c.children = val(me.child);
    c.move_address = val(me.move);
    c.keep_address = val(me.keep_address);
    c.drop_address = (*this)[Ctl::imgCheckboxOn].visible;
    for (int r : {1, 2}) {
        const Row x = row(r);
        if (val(x.split) && !val(x.keep) && (val(x.move) || val(x.keep_address)))
            c.drop_address = true;
    }
    return c;
}

}  // namespace changes
