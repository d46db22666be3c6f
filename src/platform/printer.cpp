#include "printer.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <limits>

#include "application.h"
#include "errors.h"
#include "file_dialog.h"
#include "print_queue.h"

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kMeasureDpi = 1200;

// Metrics are taken at 1200 dpi, the resolution the real back end draws at, so the recorder
// and the page agree.
const QPaintDevice* measure_device() {
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_Mono);
        const int dpm = int(std::lround(kMeasureDpi / 0.0254));
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    return &image;
}

QFontMetricsF metrics(const QFont& font) {
    return QFontMetricsF(font, const_cast<QPaintDevice*>(measure_device()));
}

double width_in(const QFont& font, const QString& text) {
    return metrics(font).horizontalAdvance(text) / kMeasureDpi;
}

// A text of blanks leaves no ink to keep clear of.
bool inked(const PrintItem& item) {
    return std::any_of(item.text.begin(), item.text.end(), [](QChar c) { return !c.isSpace(); });
}

}  // namespace

PrintFace print_face(const QString& asked) {
    // Tab columns use the original faces' declared average widths, never the substitute's.
    static const PrintFace faces[] = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), 904.0 / 2048},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), 821.0 / 2048},
        {QStringLiteral("Papyrus"), QStringLiteral("Liberation Serif"), 840.0 / 2048},
        {QStringLiteral("News Gothic MT"), QStringLiteral("Liberation Sans Narrow"), 840.0 / 2048},
    };
    for (const PrintFace& face : faces)
        if (face.asked.compare(asked, Qt::CaseInsensitive) == 0) return face;
    return {asked, faces[0].family, faces[0].tab_em};
}

QFont print_font(const QString& asked, double size, bool bold, int stretch) {
    // Liberation has no Han, kana or Hangul: one named face fills in for those, ahead of
    // whatever fontconfig would pick, while text Liberation has keeps its metrics.
    QFont font(QStringList{print_face(asked).family, QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(size > 0 ? size : 1);
    font.setBold(bold);
    font.setStretch(stretch);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QSizeF drawn_size(const DrawnText& t) {
    const QFont font = print_font(t.font, t.size, t.bold, t.stretch);
    return {width_in(font, t.text), metrics(font).lineSpacing() / kMeasureDpi};
}

PageGeometry pdf_device_geometry() {
    return {};
}

PrintItem Tab(int n) {
    PrintItem item(QString{});
    item.kind = PrintItem::Kind::Tab;
    item.column = n;
    return item;
}

PrintItem FitText(const QString& text, double fit_right) {
    PrintItem item(text);
    item.fit_right = fit_right;
    return item;
}

std::vector<RecordedText> PrintRecorder::job_texts(int job) const {
    std::vector<RecordedText> out;
    for (const RecordedText& t : texts)
        if (t.job == job) out.push_back(t);
    return out;
}

// ---- The real back end.

namespace {

class QtBackend : public PrintBackend {
public:
    QtBackend(const QString& device, const QString& pdf_file)
        : printer_(QPrinter::HighResolution), device_(device), pdf_(device == kPdfDevice) {
        // Every device gets the PDF device's page: a queue is sent that same PDF, one per job.
        printer_.setOutputFormat(QPrinter::PdfFormat);
        if (pdf_) printer_.setOutputFileName(pdf_file);
        const PageGeometry g = pdf_device_geometry();
        printer_.setFullPage(false);
        printer_.setPageLayout(QPageLayout(
            QPageSize(QPageSize::Letter), QPageLayout::Portrait,
            QMarginsF(g.printable.left(), g.printable.top(), g.page_width - g.printable.right(),
                      g.page_height - g.printable.bottom()),
            QPageLayout::Inch));
        printer_.setDocName(QStringLiteral("ovra"));
    }
    ~QtBackend() override {
        if (painter_.isActive()) painter_.end();
    }

    void begin_job(int color_mode) override {
        drawn_with_ = {};
        if (painter_.isActive()) {
            // The command's PDF file is open: the next job is its next page.
            if (!printer_.newPage()) fail();
            return;
        }
        if (!pdf_) {
            // The queue may have stopped since the command began.
            check_ready();
            job_file_ = std::make_unique<QTemporaryFile>(
                QDir(QDir::tempPath()).filePath(QStringLiteral("ovra-job-XXXXXX.pdf")));
            if (!job_file_->open()) fail();
            printer_.setOutputFileName(job_file_->fileName());
        }
        printer_.setColorMode(color_mode == kColorModeColor ? QPrinter::Color
                                                            : QPrinter::GrayScale);
        if (!painter_.begin(&printer_)) fail();
    }
    void check_ready() override {
        if (!pdf_) check_print_queue(device_);
    }
    void new_page() override {
        drawn_with_ = {};
        if (!printer_.newPage()) fail();
    }
    void draw(const DrawnText& t) override {
        const double dpi = printer_.resolution();
        // A label sheet draws hundreds of texts in one font and colour: set them on a change.
        DrawnWith& w = drawn_with_;
        if (!w.set || w.font != t.font || w.size != t.size || w.bold != t.bold ||
            w.stretch != t.stretch) {
            const QFont font = print_font(t.font, t.size, t.bold, t.stretch);
            painter_.setFont(font);
            w.ascent = QFontMetricsF(font, &printer_).ascent();
            w.font = t.font;
            w.size = t.size;
            w.bold = t.bold;
            w.stretch = t.stretch;
        }
        if (!w.set || w.color != t.color) {
            painter_.setPen(QColor(int(t.color & 0xFF), int((t.color >> 8) & 0xFF),
                                   int((t.color >> 16) & 0xFF)));
            w.color = t.color;
        }
        w.set = true;
        painter_.drawText(QPointF(t.x * dpi, t.y * dpi + w.ascent), t.text);
    }
    void end_job() override {
        // A queue gets one job per EndDoc; the PDF file stays open for the rest of the command.
        if (pdf_) return;
        const std::unique_ptr<QTemporaryFile> file = std::move(job_file_);
        if (!painter_.end()) fail();
        send_print_job(device_, file->fileName(), printer_.docName());
    }
    void finish() override {
        if (painter_.isActive() && !painter_.end()) fail();
    }

private:
    [[noreturn]] void fail() {
        throw VbError(kErrPrinter,
                      pdf_ ? QStringLiteral("The PDF file %1 could not be written.")
                                 .arg(QDir::toNativeSeparators(printer_.outputFileName()))
                           : QStringLiteral("The printer %1 could not print.").arg(device_));
    }

    QPrinter printer_;
    QPainter painter_;
    QString device_;
    bool pdf_;
    // A queue's job, drawn into a PDF of its own and sent at EndDoc.
    std::unique_ptr<QTemporaryFile> job_file_;
    // The font and pen the painter holds since the page began.
    struct DrawnWith {
        bool set = false;
        QString font;
        double size = 0;
        bool bold = false;
        int stretch = 100;
        std::uint32_t color = 0;
        double ascent = 0;
    } drawn_with_;
};

class RecorderBackend : public PrintBackend {
public:
    RecorderBackend(PrintRecorder& rec, const QString& device) : rec_(rec), device_(device) {}
    void begin_job(int) override {
        if (rec_.fail_next_begin) {
            rec_.fail_next_begin = false;
            throw VbError(kErrPrinter,
                          QStringLiteral("The printer %1 could not print.").arg(device_));
        }
        rec_.jobs.push_back({device_, 1, false});
    }
    void new_page() override { ++rec_.jobs.back().pages; }
    void draw(const DrawnText& t) override {
        RecordedText r;
        static_cast<DrawnText&>(r) = t;
        r.job = int(rec_.jobs.size()) - 1;
        r.page = rec_.jobs.back().pages;
        r.device = device_;
        rec_.texts.push_back(r);
    }
    void end_job() override { rec_.jobs.back().ended = true; }

private:
    PrintRecorder& rec_;
    QString device_;
};

}  // namespace

std::unique_ptr<PrintBackend> make_qt_backend(const QString& device, const QString& pdf_file) {
    return std::make_unique<QtBackend>(device, pdf_file);
}

// ---- The printer object.

Printer::Printer() : factory_(make_qt_backend) {}

Printer::~Printer() = default;

QStringList Printer::Printers() const {
    QStringList names = queues_ ? *queues_ : QPrinterInfo::availablePrinterNames();
    names.append(kPdfDevice);
    return names;
}

QString Printer::DeviceName() const {
    if (!current_.isEmpty()) return current_;
    const QString queue = queues_ ? QString() : QPrinterInfo::defaultPrinterName();
    return queue.isEmpty() ? kPdfDevice : queue;
}

void Printer::set_current_printer(int index) {
    const QStringList names = Printers();
    if (index >= 0 && index < names.size()) current_ = names[index];
}

bool Printer::select_by_name(const QString& name) {
    const QStringList names = Printers();
    bool found = false;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            set_current_printer(i);
            found = true;
        }
    }
    return found;
}

QString Printer::ask_pdf_file(const QString& suggested) {
    return get_save_file_name(QStringLiteral("Save the printout as PDF"), documents_folder(),
                              suggested, QStringLiteral("PDF files (*.pdf)"));
}

bool Printer::begin_command(const QString& suggested_file_name) {
    if (in_command_) end_command();
    pdf_file_.clear();
    if (DeviceName() == kPdfDevice) {
        pdf_file_ = ask_pdf_file(suggested_file_name);
        if (pdf_file_.isEmpty()) return false;
    }
    in_command_ = true;
    return true;
}

void Printer::end_command() {
    in_command_ = false;
    pdf_file_.clear();
    if (job_open_) EndDoc();
    drop_backend();
}

void Printer::check_printer() {
    if (DeviceName() != kPdfDevice) backend().check_ready();
}

void Printer::drop_backend() {
    if (!backend_) return;
    std::unique_ptr<PrintBackend> done = std::move(backend_);
    backend_device_.clear();
    done->finish();
}

PrintBackend& Printer::backend() {
    const QString device = DeviceName();
    if (backend_ && backend_device_ == device) return *backend_;
    drop_backend();
    QString file;
    if (device == kPdfDevice) {
        file = in_command_ ? pdf_file_ : QString();
        if (file.isEmpty()) file = ask_pdf_file(QStringLiteral("Printout.pdf"));
        if (file.isEmpty())
            throw VbError(kErrPrintCancelled, QStringLiteral("Printing cancelled."));
    }
    backend_ = factory_(device, file);
    backend_device_ = device;
    return *backend_;
}

void Printer::set_backend_factory(PrintBackendFactory factory) {
    drop_backend();
    job_open_ = false;
    factory_ = std::move(factory);
}

void Printer::set_installed_queues(std::optional<QStringList> queues) {
    queues_ = std::move(queues);
    current_.clear();
}

double Printer::to_inches(double units) const {
    return scale_mode_ == kScaleInches ? units : units / kTwipsPerInch;
}

double Printer::from_inches(double inches) const {
    return scale_mode_ == kScaleInches ? inches : inches * kTwipsPerInch;
}

void Printer::set_ScaleMode(int mode) {
    scale_mode_ = mode == kScaleInches ? kScaleInches : kScaleTwips;
}

double Printer::CurrentX() const {
    return from_inches(x_in_);
}
double Printer::CurrentY() const {
    return from_inches(y_in_);
}
void Printer::set_CurrentX(double x) {
    x_in_ = to_inches(x);
}
void Printer::set_CurrentY(double y) {
    y_in_ = to_inches(y);
}
double Printer::ScaleWidth() const {
    return from_inches(geometry().printable.width());
}
double Printer::ScaleHeight() const {
    return from_inches(geometry().printable.height());
}

double Printer::TextWidth(const QString& text) const {
    return from_inches(current_metrics().horizontalAdvance(text) / kMeasureDpi);
}

// Printing asks for the same font's metrics line after line: they are made on a change only.
const QFontMetricsF& Printer::current_metrics() const {
    if (!metrics_ || metrics_font_ != font_name_ || metrics_size_ != font_size_ ||
        metrics_bold_ != bold_) {
        metrics_.emplace(metrics(print_font(font_name_, font_size_, bold_)));
        metrics_font_ = font_name_;
        metrics_size_ = font_size_;
        metrics_bold_ = bold_;
    }
    return *metrics_;
}

double Printer::TextHeight() const {
    return from_inches(current_metrics().lineSpacing() / kMeasureDpi);
}

double Printer::TabWidth() const {
    return from_inches(print_face(font_name_).tab_em * font_size_ / 72.0);
}

void Printer::start_output() {
    if (job_open_) return;
    backend().begin_job(color_mode_);
    job_open_ = true;
}

// The stretch (percent, at least lowest) at which text ends within room; 100 when it fits.
int Printer::stretch_to_fit(const QString& text, double width, double room, int lowest) const {
    if (width <= room) return 100;
    if (room <= 0) return lowest;
    int stretch = std::clamp(int(std::floor(100 * room / width)), lowest, 100);
    while (stretch > lowest &&
           width_in(print_font(font_name_, font_size_, bold_, stretch), text) > room)
        --stretch;
    return stretch;
}

void Printer::print_items(const std::vector<PrintItem>& items, bool end_line) {
    start_output();
    const double line = to_inches(TextHeight());
    if (y_in_ > 0 && y_in_ + line > geometry().printable.height()) NewPage();
    const double tab = to_inches(TabWidth());
    const double page_right = geometry().printable.width();
    auto column_x = [tab](const PrintItem& t) { return (std::max(t.column, 1) - 1) * tab; };
    for (size_t i = 0; i < items.size(); ++i) {
        const PrintItem& item = items[i];
        if (item.kind == PrintItem::Kind::Tab) {
            // A line never wraps: a column already passed leaves the position where it is.
            x_in_ = std::max(x_in_, column_x(item));
            continue;
        }
        if (item.text.isEmpty()) continue;
        // The substitute faces are wider than the originals the columns were laid out for: a
        // text is condensed (not below 60 %) to end half a column short of the column where
        // the line's next inked text starts, and nothing passes the label edge asked for or
        // the printable area's edge. Tabs to columns left empty make no room for anything.
        double next_column = -1;
        size_t j = i + 1;
        for (; j < items.size() && !(items[j].kind == PrintItem::Kind::Text && inked(items[j]));
             ++j)
            if (items[j].kind == PrintItem::Kind::Tab)
                next_column = std::max(next_column, column_x(items[j]));
        const double column_end = j < items.size() && next_column >= 0
                                      ? next_column - tab / 2 - x_in_
                                      : std::numeric_limits<double>::infinity();
        double edge = page_right - x_in_;
        if (item.fit_right > 0) edge = std::min(edge, to_inches(item.fit_right) - x_in_);
        const double full = current_metrics().horizontalAdvance(item.text) / kMeasureDpi;
        int stretch = stretch_to_fit(item.text, full, column_end, 60);
        const auto width_at = [&](int s) {
            return s == 100 ? full
                            : width_in(print_font(font_name_, font_size_, bold_, s), item.text);
        };
        double width = width_at(stretch);
        if (width > edge && edge > 0) {
            stretch = std::min(stretch, stretch_to_fit(item.text, full, edge, 1));
            width = width_at(stretch);
        }
        DrawnText t;
        t.x = x_in_;
        t.y = y_in_;
        t.text = item.text;
        t.font = font_name_;
        t.size = font_size_;
        t.bold = bold_;
        t.color = fore_color_;
        t.color_mode = color_mode_;
        t.stretch = stretch;
        backend().draw(t);
        // A text that still does not fit keeps one blank before the next item.
        if (width > column_end)
            width += current_metrics().horizontalAdvance(QLatin1Char(' ')) / kMeasureDpi;
        x_in_ += width;
    }
    if (end_line) {
        x_in_ = 0;
        y_in_ += line;
    }
}

void Printer::Print(const std::vector<PrintItem>& items) {
    print_items(items, true);
}

void Printer::PrintContinue(const std::vector<PrintItem>& items) {
    print_items(items, false);
}

void Printer::NewPage() {
    if (!job_open_) {
        start_output();
    } else {
        backend().new_page();
    }
    x_in_ = 0;
    y_in_ = 0;
}

void Printer::EndDoc() {
    if (!job_open_) return;
    x_in_ = 0;
    y_in_ = 0;
    fore_color_ = 0;
    job_open_ = false;
    try {
        backend().end_job();
        if (!in_command_) drop_backend();
    } catch (const VbError&) {
        backend_.reset();
        backend_device_.clear();
        throw;
    }
}

Printer& printer() {
    return form<Printer>();
}

PrintRecorder& use_print_recorder() {
    PrintRecorder& rec = form<PrintRecorder>();
    printer().set_backend_factory(
        [&rec](const QString& device, const QString&) -> std::unique_ptr<PrintBackend> {
            return std::make_unique<RecorderBackend>(rec, device);
        });
    form<FileDialogSeam>().answer = [](const FileDialogCall& call) { return call.path(); };
    return rec;
}

PrintCommand::PrintCommand(const QString& suggested_file_name) {
    open_ = printer().begin_command(suggested_file_name);
    cancelled_ = !open_;
}

PrintCommand::~PrintCommand() {
    try {
        finish();
    } catch (const VbError&) {
        // The caller that cares calls finish() itself.
    }
}

void PrintCommand::finish() {
    if (!open_) return;
    open_ = false;
    printer().end_command();
}

}  // namespace platform
