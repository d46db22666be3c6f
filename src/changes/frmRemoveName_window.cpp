// The remove-names window: its controls mirror the click rules of changes::RemoveNameRules, and
// ENTER carries the chosen change out.
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <tuple>

#include "frmRemoveName.h"
#include "frmVerifyNames.h"
#include "lookup/FrmGetAddress.h"
#include "lookup/frmCheckEdit.h"
#include "platform/application.h"
#include "shell/frmdatabase.h"

using changes::Ctl;
using platform::form;

namespace {

// Column lefts and row tops, in twips.
constexpr int kNameWidth = 4320;  // a first name and a hyphenated last name
constexpr int kDeath = 600 + kNameWidth + 120, kSplit = kDeath + 720, kKeep = kSplit + 720,
              kChildren = kKeep + 720, kSecond = kChildren + 960, kMoveKeep = kSecond + 1200,
              kDelete = kMoveKeep + 1200, kWidth = kDelete + 960;
// Three buttons of 1335 with 480 between them, centred.
constexpr int kButtons = (kWidth - 3 * 1335 - 2 * 480) / 2;
constexpr int kRow1 = 1320, kRow2 = 1800, kBetween = 1560;
constexpr int kBox = 255, kRowHeight = 315;

// A tick box drawn as the platform draws one, ticked or not.
QPixmap box_picture(QWidget* w, bool ticked) {
    QStyleOptionButton o;
    o.initFrom(w);
    o.state = QStyle::State_Enabled | (ticked ? QStyle::State_On : QStyle::State_Off);
    const int side = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, &o, w);
    o.rect = QRect(0, 0, side, side);
    QPixmap p(side, side);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    w->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &o, &painter, w);
    return p;
}

}  // namespace

// Each control the rules move carries the rule model's name for it.
QWidget* frmRemoveName::control(Ctl c) {
    return widget()->findChild<QWidget*>(QLatin1String(changes::control_name(c)));
}

frmRemoveName::frmRemoveName() : Form(QStringLiteral("frmRemoveName")) {}

void frmRemoveName::build(QWidget* w, frmRemoveName_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("MOVE OR REMOVE NAME"));
    platform::set_client_size(w, kWidth, 3240);
    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("MOVE OR REMOVE NAME"), 240,
                                        120, kWidth - 480, 375);
    c.lblHeading->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.lblHeading->setAlignment(Qt::AlignCenter);

    const QFont heading(QStringLiteral("Arial"), 8, QFont::Bold);
    auto column = [&](const QString& caption, int left, int width) {
        QLabel* l = platform::make_label(w, "", caption, left, 660, width, 495);
        l->setFont(heading);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        l->setWordWrap(true);
    };
    column(QStringLiteral("Name"), 240, kNameWidth + 360);
    column(QStringLiteral("Death"), kDeath, 720);
    column(QStringLiteral("Split"), kSplit, 720);
    column(QStringLiteral("Keep"), kKeep, 720);
    column(QStringLiteral("Children"), kChildren, 960);
    column(QStringLiteral("Secondary Address"), kSecond, 1200);
    column(QStringLiteral("Move - Keep"), kMoveKeep, 1200);
    column(QStringLiteral("Delete"), kDelete, 720);

    // A box or choice centred in its column.
    auto mid = [](int left, int width) { return left + (width - kBox) / 2; };
    auto option = [&](const char* name, int left, int top) {
        return platform::make_option(w, name, QString(), left, top, kBox, kRowHeight);
    };
    auto check = [&](const char* name, int left, int top) {
        return platform::make_check(w, name, QString(), left, top, kBox, kRowHeight);
    };
    c.optName1 = option("optName1", 240, kRow1);
    c.optName2 = option("optName2", 240, kRow2);
    c.lblName1 = platform::make_label(w, "lblName1", QStringLiteral("Name 1"), 600, kRow1,
                                      kNameWidth, kRowHeight);
    c.lblName2 = platform::make_label(w, "lblName2", QStringLiteral("Name 2"), 600, kRow2,
                                      kNameWidth, kRowHeight);
    c.optDeath1 = option("optDeath1", mid(kDeath, 720), kRow1);
    c.optSplit1 = option("optSplit1", mid(kSplit, 720), kRow1);
    c.optDeath2 = option("optDeath2", mid(kDeath, 720), kRow2);
    c.optSplit2 = option("optSplit2", mid(kSplit, 720), kRow2);
    c.chkkeep1 = check("chkkeep1", mid(kKeep, 720), kRow1);
    c.chkKeep2 = check("chkKeep2", mid(kKeep, 720), kRow2);
    c.chkChild1 = check("chkChild1", mid(kChildren, 960), kRow1);
    c.chkChild2 = check("chkChild2", mid(kChildren, 960), kRow2);
    c.chkSecondAddress = check("chkSecondAddress", mid(kSecond, 1200), kBetween);
    c.optMoveAddress1 = option("optMoveAddress1", kMoveKeep + 240, kRow1);
    c.optKeepAddress1 = option("optKeepAddress1", kMoveKeep + 720, kRow1);
    c.optMoveAddress2 = option("optMoveAddress2", kMoveKeep + 240, kRow2);
    c.optKeepAddress2 = option("optKeepAddress2", kMoveKeep + 720, kRow2);
    c.chkAddressDelete = check("chkAddressDelete", mid(kDelete, 720), kBetween);
    c.imgCheckboxOn = platform::make_label(w, "imgCheckboxOn", QString(), mid(kDelete, 720),
                                           kBetween, kBox, kRowHeight);
    c.imgCheckboxOff = platform::make_label(w, "imgCheckboxOff", QString(), mid(kDelete, 720),
                                            kBetween, kBox, kRowHeight);
    c.imgCheckboxOn->setPixmap(box_picture(c.chkAddressDelete, true));
    c.imgCheckboxOff->setPixmap(box_picture(c.chkAddressDelete, false));
    for (QLabel* l : {c.imgCheckboxOn, c.imgCheckboxOff}) l->setAlignment(Qt::AlignVCenter);

    c.cmdEnter =
        platform::make_button(w, "cmdEnter", QStringLiteral("ENTER"), kButtons, 2400, 1335, 495);
    c.cmdEnter->setDefault(true);
    c.cmdCancel = platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), kButtons + 1815,
                                        2400, 1335, 495);
    c.cmdMainMenu = platform::make_button(w, "cmdMainMenu", QStringLiteral("MAIN MENU"),
                                          kButtons + 3630, 2400, 1335, 495);

    for (int i = 0; i < changes::kRemoveNameControls; ++i) {
        const Ctl ctl = static_cast<Ctl>(i);
        QWidget* x = control(ctl);
        if (auto* o = dynamic_cast<platform::OptionButton*>(x))
            platform::on_chosen(o, [this, ctl] { rule_clicked(ctl); });
        else if (auto* b = qobject_cast<QCheckBox*>(x); b && ctl != Ctl::chkAddressDelete)
            platform::on_toggle(b, [this, ctl] { rule_clicked(ctl); });
    }
    platform::on_click(c.cmdEnter, [this] { cmdEnter_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
    platform::on_click(c.cmdMainMenu, [this] { cmdMainMenu_Click(); });
}

void frmRemoveName::Form_Load() {
    names_verified.clear();
    split_name_flag.clear();
    table_name.clear();
    loaded_keyname = keyname;
    family_lastname = lastname1;
    original_keyname = keyname;
    original_firstname1 = firstname1;
    original_lastname1 = lastname1;
    open_table(QStringLiteral("OVRAData"));
    if (seek_key(keyname)) {
        read_original_record();
    } else {
        // Gone since it was listed: ENTER finds no row to change and says so.
        original_record = new_record_image();
        original_firstname2 = original_lastname2 = QString();
    }
    new_record = new_record_image();
    new_keyname = new_firstname1 = new_lastname1 = QString();
    children_image = {};
    second_address_image = {};

    rules_ = changes::RemoveNameRules(childflag, addressflag);
    // The window opens with Name 1 chosen.
    rules_.choose(Ctl::optName1);
    show_rules();
    ui().optName1->setFocus();
}

void frmRemoveName::show_rules() {
    showing_rules_ = true;
    for (int i = 0; i < changes::kRemoveNameControls; ++i) {
        const Ctl ctl = static_cast<Ctl>(i);
        const auto& s = rules_[ctl];
        QWidget* x = control(ctl);
        x->setEnabled(s.enabled);
        x->setVisible(s.visible);
        if (auto* b = qobject_cast<QAbstractButton*>(x)) b->setChecked(s.value);
    }
    showing_rules_ = false;
}

void frmRemoveName::rule_clicked(Ctl c) {
    if (showing_rules_) return;
    QWidget* x = control(c);
    if (auto* box = qobject_cast<QCheckBox*>(x))
        rules_.set_tick(c, box->isChecked());
    else
        rules_.choose(c);
    show_rules();
}

void frmRemoveName::prepare_verifier(const QStringList& claimed) {
    auto& verifier = form<frmVerifyNames>();
    verifier.call_from_form = QStringLiteral("RemoveName");
    // The household's own key is given up or kept by this very change.
    verifier.free_keys = {loaded_keyname};
    claimed_keys_ = claimed;
}

void frmRemoveName::cmdEnter_Click() {
    choice_ = rules_.choice();
    auto images = std::tie(keyname, table_name, names_verified, split_name_flag, original_keyname,
                           original_firstname1, original_lastname1, original_firstname2,
                           original_lastname2, new_keyname, new_firstname1, new_lastname1,
                           original_record, new_record, children_image, second_address_image);
    const auto saved =
        std::apply([](const auto&... value) { return std::make_tuple(value...); }, images);
    auto done_verifying = [this] {
        claimed_keys_.clear();
        form<frmVerifyNames>().free_keys.clear();
    };

    keyname = original_keyname;
    drop_address_ = choice_.drop_address;
    if (drop_address_) original_record.second_address = QStringLiteral("N");
    // A children row counts whatever childflag says.
    children_found_ = get_children();
    address_found_ = original_record.second_address == QLatin1String("Y") && get_second_address();
    // Move and Keep apply only to a second address the household still has.
    if (!address_found_) choice_.move_address = choice_.keep_address = false;
    children_go_ = address_go_ = Goes::staying;
    make_new_ = false;

    const bool verified = choice_.name1 ? move_remove_name1() : move_remove_name2();
    done_verifying();
    if (!verified || !write_change([this] { write_rows(); })) {
        // Nothing was written: the window stays as it was for another choice.
        images = saved;
        return;
    }

    auto& check = form<frmCheckEdit>();
    check.set_help_context_id(8020);
    check.show_modal();
    hide();
    unload();
    auto& picker = form<FrmGetAddress>();
    picker.hide();
    picker.unload();
}

void frmRemoveName::cmdCancel_Click() {
    hide();
    unload();
    form<FrmGetAddress>().show();
}

void frmRemoveName::cmdMainMenu_Click() {
    hide();
    unload();
    auto& picker = form<FrmGetAddress>();
    picker.hide();
    picker.unload();
}
