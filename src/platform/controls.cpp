#include "controls.h"

#include <QClipboard>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "errors.h"
#include "msgbox.h"

namespace platform {

namespace {

void remember(QWidget* w, const char* key, int twips) { w->setProperty(key, twips); }

int recall(const QWidget* w, const char* key, int pixels) {
    const QVariant v = w->property(key);
    if (v.isValid() && tw(v.toInt()) == pixels) return v.toInt();
    return pixels * kTwipsPerPixel;
}

}  // namespace

void place(QWidget* w, int left, int top, int width, int height) {
    if (left >= 0) set_left(w, left);
    if (top >= 0) set_top(w, top);
    if (width >= 0) set_width(w, width);
    if (height >= 0) set_height(w, height);
}

void set_left(QWidget* w, int twips) {
    remember(w, "twipsLeft", twips);
    w->move(tw(twips), w->y());
}

void set_top(QWidget* w, int twips) {
    remember(w, "twipsTop", twips);
    w->move(w->x(), tw(twips));
}

void set_width(QWidget* w, int twips) {
    remember(w, "twipsWidth", twips);
    w->resize(std::max(0, tw(twips)), w->height());
}

void set_height(QWidget* w, int twips) {
    remember(w, "twipsHeight", twips);
    w->resize(w->width(), std::max(0, tw(twips)));
}

int left(const QWidget* w) { return recall(w, "twipsLeft", w->x()); }
int top(const QWidget* w) { return recall(w, "twipsTop", w->y()); }
int width(const QWidget* w) { return recall(w, "twipsWidth", w->width()); }
int height(const QWidget* w) { return recall(w, "twipsHeight", w->height()); }

void set_client_size(QWidget* form, int width, int height) {
    form->setFixedSize(tw(width), tw(height));
}

QColor to_qcolor(std::uint32_t number) {
    if (number & 0x80000000u) {
        switch (number & 0xFF) {
            case 4: return QColor(0xE4, 0xE4, 0xE4);   // menu
            case 5: return QColor(0xFF, 0xFF, 0xFF);   // window
            case 15: return QColor(0xF0, 0xF0, 0xF0);  // button face
            case 8: return QColor(0, 0, 0);            // window text
            case 18: return QColor(0, 0, 0);           // button text
            default: return QColor(0xF0, 0xF0, 0xF0);
        }
    }
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

void set_back_color(QWidget* w, std::uint32_t number) {
    w->setProperty("BackColor", QVariant::fromValue<qulonglong>(number));
    QPalette p = w->palette();
    const QColor c = to_qcolor(number);
    if (qobject_cast<QLineEdit*>(w)) {
        p.setColor(QPalette::Base, c);
    } else {
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Button, c);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

std::uint32_t back_color(const QWidget* w) {
    const QVariant v = w->property("BackColor");
    if (v.isValid()) return static_cast<std::uint32_t>(v.toULongLong());
    return qobject_cast<const QLineEdit*>(w) ? color::kWindow : color::kButtonFace;
}

void set_fore_color(QWidget* w, std::uint32_t number) {
    w->setProperty("ForeColor", QVariant::fromValue<qulonglong>(number));
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, to_qcolor(number));
    p.setColor(QPalette::Text, to_qcolor(number));
    w->setPalette(p);
}

std::uint32_t fore_color(const QWidget* w) {
    const QVariant v = w->property("ForeColor");
    if (v.isValid()) return static_cast<std::uint32_t>(v.toULongLong());
    return qobject_cast<const QLineEdit*>(w) ? color::kWindowText : color::kButtonText;
}

namespace {

// Limits what the user types or pastes; text set by code is not cut, and a longer text can
// still be edited down.
const QString kName = QStringLiteral("maxLengthFilter");

class MaxLengthFilter : public QObject {
public:
    MaxLengthFilter(QLineEdit* box, int max) : QObject(box), box_(box), max_(max) {
        setObjectName(kName);
        box->setAcceptDrops(false);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
            QMenu* menu = box_->createStandardContextMenu();
            for (QAction* a : menu->actions()) {
                if (a->objectName() == QLatin1String("edit-paste")) {
                    a->disconnect();
                    QObject::connect(a, &QAction::triggered, this, [this] { paste(); });
                }
            }
            menu->exec(box_->mapToGlobal(at));
            delete menu;
        });
    }
    int max() const { return max_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || box_->isReadOnly()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) return false;
        const qsizetype room = this->room();
        if (room >= text.size()) return false;
        if (room > 0) box_->insert(text.left(room));
        return true;
    }

private:
    qsizetype room() const {
        return max_ - (box_->text().size() - box_->selectedText().size());
    }
    void paste() {
        QString text = QGuiApplication::clipboard()->text();
        text = text.left(text.indexOf(QLatin1Char('\n')) >= 0 ? text.indexOf(QLatin1Char('\n')) : text.size());
        const qsizetype room = this->room();
        if (room > 0) box_->insert(text.left(room));
    }

    QLineEdit* box_;
    int max_;
};

MaxLengthFilter* filter_of(const QLineEdit* box) {
    return dynamic_cast<MaxLengthFilter*>(box->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
}

}  // namespace

void set_max_length(QLineEdit* box, int max_length) {
    if (auto* old = filter_of(box)) {
        box->removeEventFilter(old);
        delete old;
    }
    if (max_length > 0) box->installEventFilter(new MaxLengthFilter(box, max_length));
}

int max_length(const QLineEdit* box) {
    auto* f = filter_of(box);
    return f ? f->max() : 0;
}

int value(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

void set_value(QCheckBox* box, int value) {
    box->setCheckState(value == 1   ? Qt::Checked
                       : value == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    setAutoExclusive(false);
}

void OptionButton::nextCheckState() {
    if (!isChecked()) setChecked(true);
}

void make_option_group(std::initializer_list<OptionButton*> buttons) {
    std::vector<OptionButton*> group(buttons);
    for (OptionButton* b : group) {
        QObject::connect(b, &QAbstractButton::toggled, b, [group, b](bool on) {
            if (!on) return;
            for (OptionButton* other : group)
                if (other != b) other->setChecked(false);
        });
    }
}

void set_autosize_caption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

void guarded(const QString& where, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        report_error(where, e);
    }
}

void on_click(QAbstractButton* button, std::function<void()> handler) {
    const QString where = button->objectName() + "_Click";
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [where, handler = std::move(handler)] { guarded(where, handler); });
}

void on_change(QLineEdit* box, std::function<void()> handler) {
    const QString where = box->objectName() + "_Change";
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [where, handler = std::move(handler)] { guarded(where, handler); });
}

void on_toggle(QCheckBox* box, std::function<void()> handler) {
    const QString where = box->objectName() + "_Click";
    QObject::connect(box, &QCheckBox::stateChanged, box,
                     [where, handler = std::move(handler)] { guarded(where, handler); });
}

void on_chosen(OptionButton* button, std::function<void()> handler) {
    const QString where = button->objectName() + "_Click";
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [where, handler = std::move(handler)](bool on) {
                         if (on) guarded(where, handler);
                     });
}

namespace {
template <class W>
W* finish(W* w, const char* name, int left, int top, int width, int height) {
    w->setObjectName(QString::fromLatin1(name));
    place(w, left, top, width, height);
    return w;
}
}  // namespace

QString typed_caption(const QString& typed) {
    return QString(typed).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* make_label(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    return finish(new QLabel(caption, parent), name, left, top, width, height);
}

QLabel* make_caption(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* l = new QLabel(caption, parent);
    place(l, left, top, width, height);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLineEdit* make_text(QWidget* parent, const char* name, int max_length, int left, int top,
                     int width, int height) {
    auto* box = finish(new QLineEdit(parent), name, left, top, width, height);
    set_max_length(box, max_length);
    return box;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, int left,
                         int top, int width, int height) {
    auto* b = finish(new QPushButton(caption, parent), name, left, top, width, height);
    b->setAutoDefault(false);
    return b;
}

namespace {
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         text());
    }
};
}  // namespace

QPushButton* make_wrap_button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                              int width, int height) {
    auto* b = finish(new WrapButton(caption, parent), name, left, top, width, height);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* make_check(QWidget* parent, const char* name, const QString& caption, int left,
                      int top, int width, int height) {
    return finish(new QCheckBox(caption, parent), name, left, top, width, height);
}

OptionButton* make_option(QWidget* parent, const char* name, const QString& caption, int left,
                          int top, int width, int height) {
    return finish(new OptionButton(caption, parent), name, left, top, width, height);
}

}  // namespace platform
