#include "date_picker.h"

#include "controls.h"

namespace platform {

QDateEdit* make_date_picker(QWidget* parent, const char* name, int left, int top, int width,
                            int height) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    place(picker, left, top, width, height);
    return picker;
}

}  // namespace platform
