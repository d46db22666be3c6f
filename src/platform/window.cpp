#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>

#include "application.h"
#include "errors.h"

namespace platform {

FormDialog::FormDialog(Window* owner) : QDialog(nullptr), owner_(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
}

void FormDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    owner_->close_box();
}

void FormDialog::reject() {
    owner_->escape_key();
}

FormMainWindow::FormMainWindow(Window* owner) : QMainWindow(nullptr), owner_(owner) {}

void FormMainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    owner_->close_box();
}

Window::Window(const QString& name) : name_(name) {}

// The derived Form has already released its controls; only the widget may be left.
Window::~Window() {
    discard_widget();
}

bool Window::is_shown() const {
    return widget_ && widget_->isVisible();
}

QWidget* Window::create_widget() {
    return new FormDialog(this);
}

void Window::load() {
    if (widget_ || loading_) return;
    loading_ = true;
    QWidget* w = create_widget();
    w->setObjectName(name_);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    widget_ = w;
    positioned_ = false;
    // A window whose design or load handler fails stays unloaded: no half-built controls.
    try {
        create_controls(w);
        loading_ = false;
        Form_Load();
    } catch (...) {
        loading_ = false;
        destroy_widget();
        throw;
    }
    // A window that unloads itself while loading is gone for the caller too.
    if (!widget_) throw VbError(364, QStringLiteral("Object was unloaded"));
}

void Window::unload() {
    if (!widget_) return;
    Form_Unload();
    destroy_widget();
    emit hidden_or_unloaded();
}

void Window::discard_controls() {
    destroy_widget();
}

void Window::discard_widget() {
    if (!widget_) return;
    QWidget* w = widget_;
    widget_ = nullptr;
    for (QObject* child : w->findChildren<QObject*>()) child->blockSignals(true);
    w->blockSignals(true);
    w->hide();
    w->deleteLater();
}

void Window::destroy_widget() {
    if (!widget_) return;
    destroy_controls();
    // The controls of an unloaded window fire nothing more (timers included); a handler of one
    // of its own controls may be running, so the widget goes once it has returned.
    discard_widget();
}

void Window::show() {
    load();
    if (!widget_->isVisible()) widget_->setWindowModality(Qt::NonModal);
    if (!positioned_) {
        positioned_ = true;
        if (!widget_->testAttribute(Qt::WA_Resized)) widget_->adjustSize();
        const QRect screen = widget_->screen()->availableGeometry();
        QWidget* owner = QApplication::activeWindow();
        QRect g = widget_->frameGeometry();
        g.moveCenter(owner && owner != widget_ ? owner->frameGeometry().center() : screen.center());
        g.moveTop(std::max(g.top(), screen.top()));
        g.moveLeft(std::max(g.left(), screen.left()));
        widget_->move(g.topLeft());
    }
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::show_modal() {
    load();
    QPointer<QWidget> w = widget_;
    if (!w->isVisible()) w->setWindowModality(Qt::ApplicationModal);
    show();
    if (const auto& hook = App::current().modal_hook()) {
        hook(*this);
        if (is_shown()) hide();
        return;
    }
    if (!is_shown()) return;
    QEventLoop loop;
    connect(this, &Window::hidden_or_unloaded, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void Window::hide() {
    if (!widget_) return;
    const bool was_shown = widget_->isVisible();
    widget_->hide();
    widget_->setWindowModality(Qt::NonModal);
    if (was_shown) emit hidden_or_unloaded();
}

QWidget* Window::widget() {
    load();
    return widget_;
}

QString Window::caption() {
    return widget()->windowTitle();
}

void Window::set_caption(const QString& caption) {
    widget()->setWindowTitle(caption);
}

int Window::help_context_id() {
    return widget()->property("HelpContextID").toInt();
}

void Window::set_help_context_id(int id) {
    widget()->setProperty("HelpContextID", id);
}

bool Window::enabled() {
    return widget()->isEnabled();
}

void Window::set_enabled(bool enabled) {
    widget()->setEnabled(enabled);
}

void Window::close_box() {
    if (!widget_) return;
    if (QAbstractButton* b = cancel_button()) {
        if (b->isEnabled()) b->click();
        return;
    }
    unload();
}

void Window::escape_key() {
    if (!widget_) return;
    if (QAbstractButton* b = cancel_button(); b && b->isEnabled()) b->click();
}

}  // namespace platform
