#include <QTest>

#include "editor_fixture.h"
#include "platform/controls.h"

using platform::back_color;
using platform::form;
namespace color = platform::color;

namespace {

// What the user puts into the form; titles by button name, "" = leave as set up.
struct Entry {
    QString first1 = "John", last1 = "Smith", first2, last2;
    bool hyphen = false;
    QString title1, title2, sal1, sal2;
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
        for (QWidget* w :
             {static_cast<QWidget*>(c.TxtFirstName1), static_cast<QWidget*>(c.txtLastName1),
              static_cast<QWidget*>(c.TxtFirstName2), static_cast<QWidget*>(c.txtlastname2),
              static_cast<QWidget*>(c.txtaddress1), static_cast<QWidget*>(c.txtCity),
              static_cast<QWidget*>(c.txtState), static_cast<QWidget*>(c.txtZip),
              static_cast<QWidget*>(c.sal1), static_cast<QWidget*>(c.sal2),
              static_cast<QWidget*>(c.Opt2a)})
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
    Entry one;
    expect(one, {}, "one person");

    Entry copied;
    copied.first2 = "Mary";
    new_record([&](Controls& c) { EXPECT_TRUE(marked_after_save(c, copied).isEmpty()); });
    EXPECT_EQ(count_rows("OVRAData"), 2);

    Entry hyphen_no_last2;
    hyphen_no_last2.first2 = "Mary";
    hyphen_no_last2.hyphen = true;
    new_record([&](Controls& c) {
        EXPECT_EQ(marked_after_save(c, hyphen_no_last2), QStringList{"txtlastname2"});
        EXPECT_EQ(c.txtlastname2->text(), "");
    });

    Entry no_last_names;
    no_last_names.last1 = "  ";
    no_last_names.first2 = "Mary";
    expect(no_last_names, {"txtLastName1"}, "second first name without any last name");

    Entry blanks;
    blanks.first1 = "   ";
    blanks.address1 = " ";
    blanks.city = "  ";
    expect(blanks, {"TxtFirstName1", "txtaddress1", "txtCity"}, "blanks are trimmed and missing");

    Entry commas;
    commas.last1 = "Smith, Jr";
    commas.first1 = "A,B";
    expect(commas, {"TxtFirstName1", "txtLastName1"}, "a comma would break the key",
           "NO COMMA IN NAMES: RED FIELDS REQUIRED");

    Entry untitled2;
    untitled2.first2 = "Mary";
    expect(untitled2, {}, "person 1 None, person 2 untitled");
    untitled2.title1 = "Opt1b";
    expect(untitled2, {"Opt2a"}, "person 1 Mr., person 2 untitled");

    Entry free1;
    free1.title1 = "Opt1f";
    expect(free1, {"sal1"}, "free title 1 empty");
    free1.sal1 = " ";
    expect(free1, {"sal1"}, "free title 1 one blank");
    free1.sal1 = "  ";
    expect(free1, {}, "free title 1 two blanks");

    Entry free2;
    free2.first2 = "Mary";
    free2.last2 = "Smith";
    free2.title1 = "Opt1b";
    free2.title2 = "Opt2e";
    expect(free2, {"sal2"}, "free title 2 empty, same last names");
    free2.last2 = "Jones";
    expect(free2, {}, "free title 2 empty, different last names");
    free2.last2 = "Smith";
    free2.hyphen = true;
    expect(free2, {"txtlastname2"}, "double name needs two last names");
}

TEST_F(Validation, LastNameTwoWithoutFirstNameTwo) {
    new_record([&](Controls& c) {
        Entry e;
        e.zip = "1";  // keeps the form open
        marked_after_save(c, e);
        c.txtlastname2->setText("JONES");  // only code can do this: the box is out of use
        c.Comsave->click();
        EXPECT_EQ(marked(c), (QStringList{"TxtFirstName2", "txtZip"}));
    });
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
    Entry no_state;
    no_state.state = "";
    expect(no_state, {"txtState"}, "state required unless foreign");
}

TEST_F(Validation, ASecondCheckResetsTheMarks) {
    new_record([&](Controls& c) {
        Entry bad;
        bad.zip = "1";
        bad.first2 = "Mary";
        bad.title1 = "Opt1b";
        marked_after_save(c, bad);
        ASSERT_FALSE(marked(c).isEmpty());
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
