#pragma once

#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFont;

namespace platform {

// ---- Fonts: the printing code asks for the original's font names; this table maps them to
// installed faces and holds the tab column width of the original font.
struct PrintFace {
    QString asked;      // "Arial"
    QString family;     // installed face drawn, "Liberation Sans"
    double tab_em = 0;  // the original font's average character width, in em
};
// The face for a font name; unknown names draw in Liberation Sans with Arial's columns.
PrintFace print_face(const QString& asked);
// The installed font for a name, size (points) and weight; stretch in percent (100 = as designed).
QFont print_font(const QString& asked, double size, bool bold, int stretch = 100);

constexpr int kScaleTwips = 1;
constexpr int kScaleInches = 5;
constexpr int kColorModeMono = 1;
constexpr int kColorModeColor = 2;
// The device that writes PDF files, listed after the CUPS queues.
inline const QString kPdfDevice = QStringLiteral("PDF");

// One piece of text as a back end draws it. Positions are inches from the top-left of the
// printable area; y is the top of the text line.
struct DrawnText {
    double x = 0;
    double y = 0;
    QString text;
    QString font;  // the asked name ("Arial")
    double size = 0;
    bool bold = false;
    std::uint32_t color = 0;  // colour number &H00BBGGRR
    int color_mode = kColorModeMono;
    int stretch = 100;  // percent; below 100 when the text was condensed to fit
};

// The width of a drawn text and the height of its line, in inches, in the face drawn.
QSizeF drawn_size(const DrawnText& text);

// Where the printable area lies on the page, in inches from the page's top-left corner.
struct PageGeometry {
    double page_width = 8.5;
    double page_height = 11;
    QRectF printable{0.25, 0.25, 8.5 - 0.25 - 1.0 / 6, 11 - 0.25 - 1.0 / 6};
};
// The PDF device models the laser printers the sheets were drawn for: US Letter, printable
// area inset 1/4 in from the left and top edges (1/6 in from the others), so the last label
// row fits above the bottom at every line number the calibration offers. Every CUPS queue is
// driven with this page too.
PageGeometry pdf_device_geometry();

// What the printer object draws through: the real one (QPrinter + QPainter) or a recorder.
// begin_job/end_job raise VbError (kErrPrinter) when a job cannot start or end.
class PrintBackend {
public:
    virtual ~PrintBackend() = default;
    // Raises VbError (kErrPrinter) when the device cannot print now, before anything is drawn.
    virtual void check_ready() {}
    // Starts a job (on a PDF file already open for the command: its next page).
    virtual void begin_job(int color_mode) = 0;
    virtual void new_page() = 0;
    virtual void draw(const DrawnText& text) = 0;
    virtual void end_job() = 0;
    // The print command is over: a PDF file collecting the command's jobs is closed.
    virtual void finish() {}
};

// The back end for a device. pdf_file is the chosen file for the PDF device, else empty.
using PrintBackendFactory =
    std::function<std::unique_ptr<PrintBackend>(const QString& device, const QString& pdf_file)>;
// The real back end: QPrinter + QPainter at high resolution.
std::unique_ptr<PrintBackend> make_qt_backend(const QString& device, const QString& pdf_file);

// ---- Print items: texts and Tab(n).
struct PrintItem {
    enum class Kind { Text, Tab };
    Kind kind = Kind::Text;
    QString text;
    int column = 0;
    // Text only: when > 0, the right edge (scale units from the printable area's left) the text
    // must end before; a longer text is condensed horizontally just enough.
    double fit_right = 0;

    PrintItem(const QString& t) : text(t) {}
    PrintItem(const char* t) : text(QString::fromUtf8(t)) {}
};
PrintItem Tab(int n);
PrintItem FitText(const QString& text, double fit_right);

// Everything the recorder saw, for tests.
struct RecordedJob {
    QString device;
    int pages = 1;
    bool ended = false;
};
struct RecordedText : DrawnText {
    int job = 0;   // 0-based index into jobs
    int page = 1;  // 1-based page within the job
    QString device;
};
class PrintRecorder {
public:
    std::vector<RecordedJob> jobs;
    std::vector<RecordedText> texts;
    // Makes the next job start fail, as a queue that is gone would.
    bool fail_next_begin = false;

    // The texts of one job, in the order drawn.
    std::vector<RecordedText> job_texts(int job) const;
    void clear() {
        jobs.clear();
        texts.clear();
    }
};

// The program-wide printer object: the installed printers, the current printer and the
// drawing state of the job in progress. One instance per run: platform::printer().
class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // ---- Printers: the CUPS queues in the platform's order, then "PDF".
    QStringList Printers() const;
    QString DeviceName() const;
    // Makes the installed printer at index current (ignored out of range).
    void set_current_printer(int index);
    // Makes current every installed printer whose name equals name exactly (the last one
    // wins); true when one matched.
    bool select_by_name(const QString& name);

    // ---- Print commands. A command is one press of PRINT; the PDF device asks for its file
    // name here, once, and collects all jobs of the command in that file. False when the user
    // cancelled the file dialog (nothing printed).
    bool begin_command(const QString& suggested_file_name);
    // Closes the command's PDF file; raises kErrPrinter when it cannot be finished.
    void end_command();
    // Raises kErrPrinter when the current printer cannot print now: a queue that is stopped,
    // rejects jobs, cannot take US Letter or whose server is gone. The PDF device always can.
    // A command asks this before its first question, so nothing is asked in vain.
    void check_printer();

    // ---- Scale and position (in the current scale's units, from the printable area's top-left).
    int ScaleMode() const { return scale_mode_; }
    void set_ScaleMode(int mode);
    double CurrentX() const;
    double CurrentY() const;
    void set_CurrentX(double x);
    void set_CurrentY(double y);
    // The printable area's size in scale units.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // The page and printable area, in inches: the same on every device.
    PageGeometry geometry() const { return pdf_device_geometry(); }

    // ---- Font and ink.
    QString FontName() const { return font_name_; }
    void set_FontName(const QString& name) { font_name_ = name; }
    double FontSize() const { return font_size_; }
    void set_FontSize(double points) { font_size_ = points; }
    bool FontBold() const { return bold_; }
    void set_FontBold(bool bold) { bold_ = bold; }
    std::uint32_t ForeColor() const { return fore_color_; }
    void set_ForeColor(std::uint32_t color) { fore_color_ = color; }
    // 1 monochrome, 2 colour.
    int ColorMode() const { return color_mode_; }
    void set_ColorMode(int mode) { color_mode_ = mode; }
    // Width of a text and height of a line in the current font, in scale units.
    double TextWidth(const QString& text) const;
    double TextHeight() const;
    // Width of one tab column of the current font, in scale units.
    double TabWidth() const;

    // ---- Output. Print draws the items and ends the line (CurrentX := 0, CurrentY += one line);
    // PrintContinue leaves CurrentX after the last text, on the same line. A line that would
    // cross the printable bottom starts a new page first. A text followed by Tab(n) and then by
    // a text with ink is condensed (down to 60 %) to end half a tab column before column n (the
    // last such tab before that text); one that still does not fit puts the next item one blank
    // after its end. Tabs followed by nothing, or by blanks only, condense nothing. No text
    // passes the printable area's right edge.
    void Print(const std::vector<PrintItem>& items = {});
    void PrintContinue(const std::vector<PrintItem>& items);
    void NewPage();
    // Ends the job: the page(s) go to the device. Raises kErrPrinter when it cannot.
    void EndDoc();
    bool job_open() const { return job_open_; }

    // ---- Seams.
    void set_backend_factory(PrintBackendFactory factory);
    // Tests: the installed printers instead of the CUPS queues (PDF is still added).
    void set_installed_queues(std::optional<QStringList> queues);

private:
    double to_inches(double units) const;
    double from_inches(double inches) const;
    void start_output();
    void print_items(const std::vector<PrintItem>& items, bool end_line);
    int stretch_to_fit(const QString& text, double width, double room, int lowest) const;
    PrintBackend& backend();
    void drop_backend();
    QString ask_pdf_file(const QString& suggested);

    QString current_;
    int scale_mode_ = kScaleTwips;
    double x_in_ = 0;
    double y_in_ = 0;
    QString font_name_ = QStringLiteral("Arial");
    double font_size_ = 10;
    bool bold_ = false;
    std::uint32_t fore_color_ = 0;
    int color_mode_ = kColorModeMono;
    bool job_open_ = false;
    bool in_command_ = false;
    QString pdf_file_;
    QString backend_device_;
    std::unique_ptr<PrintBackend> backend_;
    PrintBackendFactory factory_;
    const QFontMetricsF& current_metrics() const;
    mutable std::optional<QFontMetricsF> metrics_;
    mutable QString metrics_font_;
    mutable double metrics_size_ = 0;
    mutable bool metrics_bold_ = false;
    std::optional<QStringList> queues_;
};

// The printer object of the current run.
Printer& printer();

// Tests: routes every printout of the current run into a recorder (kept by the run).
PrintRecorder& use_print_recorder();

// A print command for the current printer, closed when it goes out of scope.
class PrintCommand {
public:
    explicit PrintCommand(const QString& suggested_file_name);
    ~PrintCommand();
    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;
    bool cancelled() const { return cancelled_; }
    // Closes the command now, raising kErrPrinter on failure.
    void finish();

private:
    bool cancelled_ = false;
    bool open_ = false;
};

}  // namespace platform
