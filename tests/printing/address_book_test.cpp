#include "printing/address_book.h"

#include "long_names_fixture.h"

using namespace printing;

namespace {

using AddressBookOnPaper = LongNamesOnPaper;

TEST_F(AddressBookOnPaper, LongNamesAndEveryAddressStayApartOnTheirPages) {
    const QString pdf = print_all(&Dialog::Optprint2, "Address book.pdf");
    QStringList texts;
    for (const RecordImage& h : images()) {
        address_book::Page page;
        page.h = h;
        for (const address_book::Line& l : address_book::page_lines(page))
            texts << l.text << l.tab_text;
    }
    EXPECT_EQ(testing_support::pdf_page_count(pdf), int(keys.size()));
    EXPECT_EQ(testing_support::layout_faults(testing_support::pdf_words(pdf), texts),
              QStringList());
}

}  // namespace
