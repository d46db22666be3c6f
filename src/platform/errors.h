#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// Error numbers the program tests or reports, as the original runtime numbered them.
enum ErrorNumber : int {
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrFileAlreadyOpen = 55,
    kErrFileExists = 58,
    kErrInputPastEnd = 62,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrObjectNotSet = 91,
    kErrPrinter = 482,
    kErrNoCurrentIndex = 3019,
    kErrUpdateWithoutEdit = 3020,
    kErrNoCurrentRecord = 3021,
    kErrDuplicateKey = 3022,
    kErrCantFindFile = 3024,
    kErrTableNotFound = 3078,
    kErrDatabaseExists = 3204,
    kErrItemNotFound = 3265,
    kErrUnrecognizedFormat = 3343,
    kErrDatabaseEngine = 3000,
    kErrMailFailure = 32002,
    kErrMailLoginFailure = 32003,
    kErrMailUnknownRecipient = 32014,
    kErrPrintCancelled = 32755,
};

class VbError : public std::runtime_error {
public:
    VbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

}  // namespace platform

namespace platform {

// Runs one step whose failure is passed over; true when it succeeded.
template <class F>
bool resume_next(F&& step) {
    try {
        step();
        return true;
    } catch (const VbError&) {
        return false;
    }
}

}  // namespace platform
