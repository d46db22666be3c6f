#include <QTest>

#include "editor_fixture.h"
#include "platform/controls.h"

using platform::back_color;
using platform::form;
namespace color = platform::color;

namespace {

// What the user puts into the form; titles by button name, "" = leave as set up.
struct Entry {
    QString first1 = "John", last1 = "Smith", first2{}, last2{};
    bool hyphen = false;
    QString title1{}, title2{}, sal1{}, sal2{};
    QString address1 = "1 Main St", city = "Springfield", state = "IL", zip = "62701";
    bool foreign = false;
};

class Validation : public RecordFormTest {
protected:
    // Fills the form, presses SAVE and returns the names of the controls painted light red.
    // A household that passes is stored and the form closes; each gets its own key.
    QStringList marked_after_save(Controls& c, const Entry& e) {
        type(c.TxtFirstName1,
             e.first1 == "John" ? QStringLiteral("John%1").arg(++households_) : e.first1);
        type(c.txtLastName1, e.last1);
        type(c.TxtFirstName2, e.first2);
        if (!e.first2.isEmpty()) type(c.txtlastname2, e.last2);
        if (e.hyphen) click(c.ChkHyphen);
        if (!e.title1.isEmpty()) click(record().widget()->findChild<QRadioButton*>(e.title1));
        if (!e.title2.isEmpty()) click(record().widget()->findChild<QRadioButton*>(e.title2));
        if (c.sal1->isEnabled()) c.sal1->setText(e.sal1);
        if (c.sal2->isEnabled()) c.sal2->setText(e.sal2);
        type(c.txtaddress1, e.address1);
        type(c.txtCity, e.city);
        if (e.foreign) click(c.chkForeign);
        type(c.txtState, e.state);
        c.txtZip->setText(e.zip);
        c.Comsave->click();
        if (!record().is_loaded()) return {};
        return marked(c);
    }
    int households_ = 0;
    static QStringList marked(Controls& c) {
        QStringList names;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 c.TxtFirstName1, c.txtLastName1, c.TxtFirstName2, c.txtlastname2, c.txtaddress1,
                 c.txtCity, c.txtState, c.txtZip, c.sal1, c.sal2, c.Opt2a})
            if (back_color(w) == color::kLightRed) names << w->objectName();
        return names;
    }
    void expect(const Entry& e, const QStringList& expected, const char* what,
                const QString& warning = "RED FIELDS REQUIRED") {
        new_record([&](Controls& c) {
            const QStringList got = marked_after_save(c, e);
            EXPECT_EQ(got.join(",").toStdString(), expected.join(",").toStdString()) << what;
            EXPECT_EQ(record().is_loaded(), !expected.isEmpty()) << what;
            if (record().is_loaded()) {
                EXPECT_EQ(c.lblWarning->text(), warning) << what;
            }
        });
    }
};

TEST_F(Validation, NamesAndTitles) {
    struct Case {
        const char* what;
        Entry entry;
        QStringList marked;
        QString warning = "RED FIELDS REQUIRED";
    };
    const Case cases[] = {
        {"one person", {}, {}},
        {"person 2 without a last name or titles", {.first2 = "Mary"}, {}},
        {"double name without last name 2", {.first2 = "Mary", .hyphen = true}, {"txtlastname2"}},
        {"second first name without any last name",
         {.last1 = "  ", .first2 = "Mary"},
         {"txtLastName1"}},
        {"blanks are trimmed and missing",
         {.first1 = "   ", .address1 = " ", .city = "  "},
         {"TxtFirstName1", "txtaddress1", "txtCity"}},
        {"a comma would break the key",
         {.first1 = "A,B", .last1 = "Smith, Jr"},
         {"TxtFirstName1", "txtLastName1"},
         "NO COMMA IN NAMES: RED FIELDS REQUIRED"},
        {"person 1 Mr., person 2 untitled", {.first2 = "Mary", .title1 = "Opt1b"}, {"Opt2a"}},
        {"free title 1 empty", {.title1 = "Opt1f"}, {"sal1"}},
        {"free title 1 one blank", {.title1 = "Opt1f", .sal1 = " "}, {"sal1"}},
        {"free title 1 two blanks", {.title1 = "Opt1f", .sal1 = "  "}, {}},
        {"free title 2 empty, same last names",
         {.first2 = "Mary", .last2 = "Smith", .title1 = "Opt1b", .title2 = "Opt2e"},
         {"sal2"}},
        {"free title 2 empty, different last names",
         {.first2 = "Mary", .last2 = "Jones", .title1 = "Opt1b", .title2 = "Opt2e"},
         {}},
        {"state required unless foreign", {.state = ""}, {"txtState"}},
        {"double name needs two last names",
         {.first2 = "Mary", .last2 = "Smith", .hyphen = true, .title1 = "Opt1b", .title2 = "Opt2e"},
         {"txtlastname2"}},
    };
    for (const Case& k : cases) expect(k.entry, k.marked, k.what, k.warning);
}

TEST_F(Validation, ZipAndState) {
    struct Case {
        const char* zip;
        bool foreign;
        const char* state;
        bool ok;
    };
    const Case cases[] = {
        {"62701", false, "IL", true},       {"62701-1234", false, "IL", true},
        {"6270", false, "IL", false},       {"627011234", false, "IL", false},
        {"62701 1234", false, "IL", false}, {"6270-11234", false, "IL", false},
        {"12.34", false, "IL", false},      {"-1234", false, "IL", false},
        {"1E+03", false, "IL", false},      {"", false, "IL", false},
        {"  62701 ", false, "IL", true},    {"", true, "", true},
        {"SW1A 1AA", true, "", true},       {"62701-12AB", false, "IL", false},
        {"62701-ABCD", false, "IL", false},
    };
    for (const Case& k : cases) {
        Entry e;
        e.zip = k.zip;
        e.foreign = k.foreign;
        e.state = k.state;
        expect(e, k.ok ? QStringList{} : QStringList{"txtZip"}, k.zip);
    }
}

TEST_F(Validation, ASecondCheckResetsTheMarks) {
    new_record([&](Controls& c) {
        marked_after_save(c, {.zip = "1"});  // keeps the form open
        c.txtlastname2->setText("JONES");    // only code can do this: the box is out of use
        c.Comsave->click();
        EXPECT_EQ(marked(c), (QStringList{"TxtFirstName2", "txtZip"}));
        type(c.TxtFirstName2, "mary");
        click(c.Opt1b);
        c.Comsave->click();
        EXPECT_EQ(marked(c), (QStringList{"txtZip", "Opt2a"}));
        c.txtZip->setText("62701");
        click(c.Opt2c);  // choosing a title clears the red on the group
        EXPECT_EQ(back_color(c.Opt2a), color::kButtonFace);
        c.txtCity->setText("");
        c.Comsave->click();
        EXPECT_EQ(marked(c), QStringList{"txtCity"});
        c.txtCity->setText("Urbana");
        record().error_flag = "no";  // as the save button does before every check
        record().check_required_fields();
        EXPECT_TRUE(marked(c).isEmpty());
        EXPECT_EQ(back_color(c.txtZip), color::kWhite);
        EXPECT_EQ(c.lblWarning->text(), " ");
        EXPECT_EQ(c.lblWarning->font().pointSize(), 12);
    });
}

}  // namespace
