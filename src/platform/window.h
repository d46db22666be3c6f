#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QAbstractButton;

namespace platform {

class Window;

// The top-level widget of a dialog-like window. Its close box and Esc go to the window.
class FormDialog : public QDialog {
public:
    explicit FormDialog(Window* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void done(int) override {}

private:
    Window* owner_;
};

// The top-level widget of a window with a menu bar.
class FormMainWindow : public QMainWindow {
public:
    explicit FormMainWindow(Window* owner);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Window* owner_;
};

// One window of the program. The object lives for the whole run and holds the window's
// variables; its controls exist only while it is loaded. Touching a control (through the
// subclass's ui()), the caption, the help topic or the enabled state loads the window and runs
// Form_Load once per load; unloading destroys the controls and keeps the variables.
class Window : public QObject {
    Q_OBJECT
public:
    explicit Window(const QString& name);
    ~Window() override;

    const QString& name() const { return name_; }
    bool is_loaded() const { return widget_ != nullptr; }
    // Visible on screen; never loads.
    bool is_shown() const;

    void load();
    void unload();
    void show();
    // Returns when the window is hidden or unloaded.
    void show_modal();
    void hide();

    QWidget* widget();
    QString caption();
    void set_caption(const QString& caption);
    int help_context_id();
    void set_help_context_id(int id);
    bool enabled();
    void set_enabled(bool enabled);

    // What the close box and the Esc key do: the window's cancel button when it has one
    // (close box without one: unload).
    virtual void close_box();
    virtual void escape_key();

    // Used by App when the run is thrown away: destroys controls without running handlers.
    void discard_controls();

protected:
    // Destroys the top-level widget only; the derived window has released its controls.
    void discard_widget();

signals:
    void hidden_or_unloaded();

protected:
    virtual QWidget* create_widget();
    virtual void create_controls(QWidget* form) = 0;
    virtual void destroy_controls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The button that Esc and the close box press, or null.
    virtual QAbstractButton* cancel_button() { return nullptr; }

private:
    void destroy_widget();

    QString name_;
    QPointer<QWidget> widget_;
    bool loading_ = false;
    bool positioned_ = false;
};

// A window whose controls are the members of Controls, rebuilt from the design at every load.
template <class Controls>
class Form : public Window {
public:
    using Window::Window;
    // Releases the controls while this class still exists (the base cannot reach them).
    ~Form() override { discard_controls(); }

    // The controls; loads the window first.
    Controls& ui() {
        load();
        return *ui_;
    }

protected:
    virtual void build(QWidget* form, Controls& c) = 0;

private:
    void create_controls(QWidget* form) final {
        ui_ = std::make_unique<Controls>();
        build(form, *ui_);
    }
    void destroy_controls() final { ui_.reset(); }

    std::unique_ptr<Controls> ui_;
};

}  // namespace platform
