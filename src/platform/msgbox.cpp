#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "application.h"
#include "errors.h"

namespace platform {

namespace {

const QString kProgramTitle = QStringLiteral("OVRA");

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int result;
};

std::vector<ButtonSpec> buttons_for(int style) {
    switch (style & 7) {
        case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
        case vbAbortRetryIgnore:
            return {{QMessageBox::Abort, vbAbort},
                    {QMessageBox::Retry, vbRetry},
                    {QMessageBox::Ignore, vbIgnore}};
        case vbYesNoCancel:
            return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
        case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
        default: return {{QMessageBox::Ok, vbOK}};
    }
}

QMessageBox::Icon icon_for(int style) {
    switch (style & 0x70) {
        case vbCritical: return QMessageBox::Critical;
        case vbQuestion: return QMessageBox::Question;
        case vbExclamation: return QMessageBox::Warning;
        case vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int msgbox(const QString& prompt, int style, const QString& title) {
    const MsgBoxCall call{prompt, style, title.isEmpty() ? kProgramTitle : title};
    if (App::exists() && App::current().msgbox_hook()) return App::current().msgbox_hook()(call);

    QMessageBox box(icon_for(style), call.title, prompt, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto specs = buttons_for(style);
    for (const auto& s : specs) box.addButton(s.button);
    // Escape answers Cancel where there is one, otherwise the only button.
    for (const auto& s : specs)
        if (s.result == vbCancel || specs.size() == 1) box.setEscapeButton(s.button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& s : specs)
        if (s.button == clicked) return s.result;
    return specs.size() == 1 ? specs.front().result : vbCancel;
}

void report_error(const QString& where, const std::exception& e) {
    QString text;
    if (auto* vb = dynamic_cast<const VbError*>(&e)) {
        text = QStringLiteral("%1 (error %2)").arg(vb->description()).arg(vb->number());
    } else {
        text = QString::fromLocal8Bit(e.what());
    }
    msgbox(QStringLiteral("An unexpected error stopped \"%1\":\n%2").arg(where, text), vbCritical);
}

}  // namespace platform
