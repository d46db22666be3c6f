#include "changes/remove_name_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

using changes::Ctl;
using changes::RemoveNameRules;

namespace {

// One step of a user: choose an option, or set a tick box.
struct Tick {
    Ctl box;
    bool on;
};
using Step = std::variant<Ctl, Tick>;

// What a control must show after the steps: "chosen"/"clear" for its value, "on"/"off" for
// its availability, "shown"/"hidden".
using Expect = std::vector<std::pair<Ctl, std::string>>;

struct Sequence {
    const char* what;
    int childflag;
    const char* addressflag;
    std::vector<Step> steps;
    Expect expect;
};

RemoveNameRules run(const Sequence& s) {
    RemoveNameRules r(s.childflag, QString::fromLatin1(s.addressflag));
    r.choose(Ctl::optName1);  // as the window opens
    for (const Step& step : s.steps) {
        if (const Ctl* option = std::get_if<Ctl>(&step))
            r.choose(*option);
        else
            r.set_tick(std::get<Tick>(step).box, std::get<Tick>(step).on);
    }
    return r;
}

void check(const RemoveNameRules& r, const Sequence& s) {
    for (const auto& [c, want] : s.expect) {
        const auto& st = r[c];
        const std::string got = want == "chosen" || want == "clear"
                                    ? (st.value ? "chosen" : "clear")
                                : want == "on" || want == "off" ? (st.enabled ? "on" : "off")
                                                                : (st.visible ? "shown" : "hidden");
        EXPECT_EQ(got, want) << s.what << ": " << changes::control_name(c);
    }
}

TEST(RemoveNameRules, SequencesOfClicks) {
    const Tick keep1{Ctl::chkkeep1, true}, unkeep1{Ctl::chkkeep1, false};
    const Tick second{Ctl::chkSecondAddress, true}, unsecond{Ctl::chkSecondAddress, false};
    const Sequence cases[] = {
        {"opening",
         2,
         "Y",
         {},
         {{Ctl::optName1, "chosen"},
          {Ctl::optDeath1, "chosen"},
          {Ctl::optDeath1, "on"},
          {Ctl::optSplit1, "on"},
          {Ctl::optDeath2, "off"},
          {Ctl::optSplit2, "off"},
          {Ctl::chkChild1, "off"},
          {Ctl::chkChild2, "off"},
          {Ctl::chkSecondAddress, "off"},
          {Ctl::optMoveAddress2, "off"},
          {Ctl::chkAddressDelete, "shown"},
          {Ctl::imgCheckboxOn, "hidden"},
          {Ctl::imgCheckboxOff, "hidden"}}},
        {"Name 2 makes row 1 unavailable and clears it",
         2,
         "Y",
         {Ctl::optSplit1, keep1, Ctl::optName2},
         {{Ctl::optDeath2, "chosen"},
          {Ctl::optDeath1, "clear"},
          {Ctl::optSplit1, "clear"},
          {Ctl::optDeath1, "off"},
          {Ctl::optSplit1, "off"},
          {Ctl::chkkeep1, "clear"},
          {Ctl::chkkeep1, "off"},
          {Ctl::optDeath2, "on"},
          {Ctl::optSplit2, "on"},
          {Ctl::chkChild2, "off"},
          {Ctl::imgCheckboxOn, "hidden"}}},
        {"Name 2, then Name 1 brings row 1 back with Death chosen",
         2,
         "Y",
         {Ctl::optName2, Ctl::optSplit2, Ctl::optName1},
         {{Ctl::optDeath1, "chosen"},
          {Ctl::optDeath1, "on"},
          {Ctl::optSplit1, "on"},
          {Ctl::optDeath2, "clear"},
          {Ctl::optSplit2, "clear"},
          {Ctl::optSplit2, "off"},
          {Ctl::chkKeep2, "off"},
          {Ctl::chkKeep2, "clear"}}},
        {"Split with children and a second address",
         2,
         "Y",
         {Ctl::optSplit1},
         {{Ctl::chkkeep1, "on"},
          {Ctl::chkChild1, "on"},
          {Ctl::chkSecondAddress, "on"},
          {Ctl::chkAddressDelete, "hidden"},
          {Ctl::imgCheckboxOn, "shown"}}},
        {"Split without children or second address",
         0,
         "N",
         {Ctl::optSplit1},
         {{Ctl::chkkeep1, "on"},
          {Ctl::chkChild1, "off"},
          {Ctl::chkSecondAddress, "off"},
          {Ctl::chkAddressDelete, "shown"},
          {Ctl::imgCheckboxOn, "hidden"}}},
        {"Secondary Address ticked without Keep: Keep chosen, Move unavailable",
         2,
         "Y",
         {Ctl::optSplit1, second},
         {{Ctl::imgCheckboxOff, "shown"},
          {Ctl::imgCheckboxOn, "hidden"},
          {Ctl::optKeepAddress1, "chosen"},
          {Ctl::optKeepAddress1, "on"},
          {Ctl::optMoveAddress1, "off"},
          {Ctl::optKeepAddress2, "on"},
          {Ctl::optMoveAddress2, "off"}}},
        {"Keep then makes Move available; unticking Keep takes Move away",
         2,
         "Y",
         {Ctl::optSplit1, second, keep1, Ctl::optMoveAddress1, unkeep1},
         {{Ctl::optMoveAddress1, "clear"},
          {Ctl::optMoveAddress1, "off"},
          {Ctl::optKeepAddress1, "clear"},
          {Ctl::optKeepAddress1, "on"}}},
        {"Unticking Secondary Address clears every Move and Keep",
         2,
         "Y",
         {Ctl::optSplit1, keep1, second, Ctl::optMoveAddress1, unsecond},
         {{Ctl::optMoveAddress1, "clear"},
          {Ctl::optKeepAddress1, "clear"},
          {Ctl::optKeepAddress2, "clear"},
          {Ctl::optMoveAddress1, "off"},
          {Ctl::optKeepAddress2, "off"},
          {Ctl::imgCheckboxOn, "shown"},
          {Ctl::imgCheckboxOff, "hidden"}}},
        {"Death after Split puts the plain Delete box back",
         2,
         "Y",
         {Ctl::optSplit1, keep1, second, Ctl::optDeath1},
         {{Ctl::chkSecondAddress, "clear"},
          {Ctl::chkSecondAddress, "off"},
          {Ctl::chkkeep1, "clear"},
          {Ctl::chkkeep1, "off"},
          {Ctl::chkChild1, "off"},
          {Ctl::optKeepAddress1, "clear"},
          {Ctl::imgCheckboxOn, "hidden"},
          {Ctl::imgCheckboxOff, "hidden"},
          {Ctl::chkAddressDelete, "shown"}}},
        {"Split 2 with Secondary Address and Keep",
         2,
         "Y",
         {Ctl::optName2, Ctl::optSplit2, Tick{Ctl::chkKeep2, true}, second},
         {{Ctl::optKeepAddress2, "chosen"},
          {Ctl::optMoveAddress2, "on"},
          {Ctl::optMoveAddress1, "off"},
          {Ctl::chkChild2, "on"}}},
    };
    for (const Sequence& s : cases) check(run(s), s);
}

TEST(RemoveNameRules, WhatEnterReadsDecidesWhetherTheSecondAddressGoes) {
    const Tick keep1{Ctl::chkkeep1, true};
    const Tick second{Ctl::chkSecondAddress, true};
    struct Case {
        const char* what;
        std::vector<Step> steps;
        bool drop;
    };
    const Case cases[] = {
        {"death", {}, false},
        {"split, Secondary Address left clear", {Ctl::optSplit1}, true},
        {"split, not kept, Keep chosen", {Ctl::optSplit1, second}, true},
        {"split, not kept, the other row's Keep",
         {Ctl::optSplit1, second, Ctl::optKeepAddress2},
         false},
        {"split, kept, Keep", {Ctl::optSplit1, keep1, second}, false},
        {"split, kept, Move", {Ctl::optSplit1, keep1, second, Ctl::optMoveAddress1}, false},
        {"death after an unticked split", {Ctl::optSplit1, Ctl::optDeath1}, false},
        {"split 2, not kept, Keep chosen", {Ctl::optName2, Ctl::optSplit2, second}, true},
    };
    for (const Case& c : cases) {
        const Sequence s{c.what, 1, "Y", c.steps, {}};
        EXPECT_EQ(run(s).choice().drop_address, c.drop) << c.what;
    }
    const auto kept = run({"", 1, "Y", {Ctl::optSplit1, keep1, second, Ctl::optMoveAddress1}, {}});
    const auto choice = kept.choice();
    EXPECT_TRUE(choice.name1 && choice.split && choice.keep && choice.move_address);
    EXPECT_FALSE(choice.keep_address || choice.children);
}

}  // namespace
