#pragma once

#include <QDateEdit>

namespace platform {

// The date picker: a date box with a drop-down month calendar. Dates only, no time of day.
QDateEdit* make_date_picker(QWidget* parent, const char* name, int left, int top, int width,
                            int height);

}  // namespace platform
