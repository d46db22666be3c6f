#include "changes/remove_name_rules.h"

#include <gtest/gtest.h>

#include <QStringList>
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

// What controls must show after the steps, as "control=state ...": "chosen"/"clear" for the
// value, "on"/"off" for availability, "shown"/"hidden".
struct Sequence {
    const char* what;
    std::vector<Step> steps;
    const char* expect;
    int childflag = 2;
    const char* addressflag = "Y";
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
    for (const QString& item : QString::fromLatin1(s.expect).split(' ', Qt::SkipEmptyParts)) {
        const QString name = item.section('=', 0, 0), want = item.section('=', 1);
        int i = 0;
        while (i < changes::kRemoveNameControls &&
               name != changes::control_name(static_cast<Ctl>(i)))
            ++i;
        ASSERT_LT(i, changes::kRemoveNameControls) << name.toStdString();
        const auto& st = r[static_cast<Ctl>(i)];
        const QString got = want == "chosen" || want == "clear" ? (st.value ? "chosen" : "clear")
                            : want == "on" || want == "off"     ? (st.enabled ? "on" : "off")
                                                                : (st.visible ? "shown" : "hidden");
        EXPECT_EQ(got, want) << s.what << ": " << name.toStdString();
    }
}

TEST(RemoveNameRules, SequencesOfClicks) {
    const Tick keep1{Ctl::chkkeep1, true}, unkeep1{Ctl::chkkeep1, false};
    const Tick second{Ctl::chkSecondAddress, true}, unsecond{Ctl::chkSecondAddress, false};
    const Sequence cases[] = {
        {"opening",
         {},
         "optName1=chosen optDeath1=chosen optDeath1=on optSplit1=on optDeath2=off optSplit2=off "
         "chkChild1=off chkChild2=off chkSecondAddress=off optMoveAddress2=off "
         "chkAddressDelete=shown imgCheckboxOn=hidden imgCheckboxOff=hidden"},
        {"Name 2 makes row 1 unavailable and clears it",
         {Ctl::optSplit1, keep1, Ctl::optName2},
         "optDeath2=chosen optDeath1=clear optSplit1=clear optDeath1=off optSplit1=off "
         "chkkeep1=clear chkkeep1=off optDeath2=on optSplit2=on chkChild2=off "
         "imgCheckboxOn=hidden"},
        {"Name 2, then Name 1 brings row 1 back with Death chosen",
         {Ctl::optName2, Ctl::optSplit2, Ctl::optName1},
         "optDeath1=chosen optDeath1=on optSplit1=on optDeath2=clear optSplit2=clear "
         "optSplit2=off chkKeep2=off chkKeep2=clear"},
        {"Split with children and a second address",
         {Ctl::optSplit1},
         "chkkeep1=on chkChild1=on chkSecondAddress=on chkAddressDelete=hidden "
         "imgCheckboxOn=shown"},
        {"Split without children or second address",
         {Ctl::optSplit1},
         "chkkeep1=on chkChild1=off chkSecondAddress=off chkAddressDelete=shown "
         "imgCheckboxOn=hidden",
         0,
         "N"},
        {"Secondary Address ticked without Keep: Keep chosen, Move unavailable",
         {Ctl::optSplit1, second},
         "imgCheckboxOff=shown imgCheckboxOn=hidden optKeepAddress1=chosen optKeepAddress1=on "
         "optMoveAddress1=off optKeepAddress2=on optMoveAddress2=off"},
        {"Keep then makes Move available; unticking Keep takes Move away",
         {Ctl::optSplit1, second, keep1, Ctl::optMoveAddress1, unkeep1},
         "optMoveAddress1=clear optMoveAddress1=off optKeepAddress1=clear optKeepAddress1=on"},
        {"Unticking Secondary Address clears every Move and Keep",
         {Ctl::optSplit1, keep1, second, Ctl::optMoveAddress1, unsecond},
         "optMoveAddress1=clear optKeepAddress1=clear optKeepAddress2=clear optMoveAddress1=off "
         "optKeepAddress2=off imgCheckboxOn=shown imgCheckboxOff=hidden"},
        {"Death after Split puts the plain Delete box back",
         {Ctl::optSplit1, keep1, second, Ctl::optDeath1},
         "chkSecondAddress=clear chkSecondAddress=off chkkeep1=clear chkkeep1=off chkChild1=off "
         "optKeepAddress1=clear imgCheckboxOn=hidden imgCheckboxOff=hidden "
         "chkAddressDelete=shown"},
        {"Split 2 with Secondary Address and Keep",
         {Ctl::optName2, Ctl::optSplit2, Tick{Ctl::chkKeep2, true}, second},
         "optKeepAddress2=chosen optMoveAddress2=on optMoveAddress1=off chkChild2=on"},
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
        const Sequence s{c.what, c.steps, "", 1};
        EXPECT_EQ(run(s).choice().drop_address, c.drop) << c.what;
    }
    const auto kept = run({"", {Ctl::optSplit1, keep1, second, Ctl::optMoveAddress1}, "", 1});
    const auto choice = kept.choice();
    EXPECT_TRUE(choice.name1 && choice.split && choice.keep && choice.move_address);
    EXPECT_FALSE(choice.keep_address || choice.children);
}

}  // namespace
