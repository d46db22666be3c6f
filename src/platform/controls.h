#pragma once

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace platform {

// ---- Twips: 1440 per inch, 15 per pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
constexpr int tw(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// Positions and sizes in twips. What was set is read back exactly while the widget has not
// been moved or resized otherwise.
void place(QWidget* w, int left, int top, int width = -1, int height = -1);
void set_left(QWidget* w, int twips);
void set_top(QWidget* w, int twips);
void set_width(QWidget* w, int twips);
void set_height(QWidget* w, int twips);
int left(const QWidget* w);
int top(const QWidget* w);
int width(const QWidget* w);
int height(const QWidget* w);
// Client area of a window in twips.
void set_client_size(QWidget* form, int width, int height);

// ---- Colours as the original's numbers: &H00BBGGRR, or &H800000nn for system colour nn.
namespace color {
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLightRed = 0x8080FF;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGrey = 0xC0C0C0;
constexpr std::uint32_t kMenu = 0x80000004;
constexpr std::uint32_t kWindow = 0x80000005;
constexpr std::uint32_t kButtonFace = 0x8000000F;
constexpr std::uint32_t kWindowText = 0x80000008;
constexpr std::uint32_t kButtonText = 0x80000012;
}  // namespace color

QColor to_qcolor(std::uint32_t number);
// Paints the widget's background and remembers the number.
void set_back_color(QWidget* w, std::uint32_t number);
std::uint32_t back_color(const QWidget* w);
// Paints the widget's text and remembers the number.
void set_fore_color(QWidget* w, std::uint32_t number);
std::uint32_t fore_color(const QWidget* w);

// ---- Text boxes.
// Limits what the user can type; text set by code is not cut. 0 means no limit.
void set_max_length(QLineEdit* box, int max_length);
int max_length(const QLineEdit* box);
// A locked box shows its text and takes no typing.
inline void set_locked(QLineEdit* box, bool locked) { box->setReadOnly(locked); }
inline bool locked(const QLineEdit* box) { return box->isReadOnly(); }

// ---- Check boxes: 0 unticked, 1 ticked, 2 greyed.
int value(const QCheckBox* box);
void set_value(QCheckBox* box, int value);

// ---- Option buttons: a group may have no button chosen; the user cannot unchoose the
// chosen button by clicking it again.
class OptionButton : public QRadioButton {
public:
    explicit OptionButton(const QString& caption, QWidget* parent);

protected:
    void nextCheckState() override;
};

// Makes the buttons one group: choosing one unchooses the others before its own rule runs.
// Must be called before the buttons' rules are connected.
void make_option_group(std::initializer_list<OptionButton*> buttons);

// ---- A caption made of what the user typed (a category, a name) shows as typed: each & in it
// is doubled, so it is a character and not an accelerator.
QString typed_caption(const QString& typed);

// ---- Labels that size themselves to their caption.
void set_autosize_caption(QLabel* label, const QString& caption);

// ---- Handlers. Each runs to its end; an error that escapes it is reported in a message box
// and the program goes on.
void guarded(const QString& where, const std::function<void()>& handler);
void on_click(QAbstractButton* button, std::function<void()> handler);
// Change rules run whenever the state changes, by the user or by code.
void on_change(QLineEdit* box, std::function<void()> handler);
void on_toggle(QCheckBox* box, std::function<void()> handler);
// Runs when the button becomes chosen.
void on_chosen(OptionButton* button, std::function<void()> handler);

// ---- Small factories that set the objectName, the design caption and the twips geometry.
QLabel* make_label(QWidget* parent, const char* name, const QString& caption, int left = -1,
                   int top = -1, int width = -1, int height = -1);
// An unnamed, right-aligned caption for the box beside it.
QLabel* make_caption(QWidget* parent, const QString& caption, int left, int top, int width, int height = 315);
QLineEdit* make_text(QWidget* parent, const char* name, int max_length = 0, int left = -1,
                     int top = -1, int width = -1, int height = -1);
QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, int left = -1,
                         int top = -1, int width = -1, int height = -1);
// A button whose caption wraps onto several lines, for narrow, tall buttons.
QPushButton* make_wrap_button(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height);
QCheckBox* make_check(QWidget* parent, const char* name, const QString& caption, int left = -1,
                      int top = -1, int width = -1, int height = -1);
OptionButton* make_option(QWidget* parent, const char* name, const QString& caption,
                          int left = -1, int top = -1, int width = -1, int height = -1);

}  // namespace platform
