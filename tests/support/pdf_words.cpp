#include "pdf_words.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace testing_support {

namespace {

QString run_pdftotext(const QString& pdf_path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf_path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << pdf_path.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString unescape(QString s) {
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

}  // namespace

std::vector<PdfWord> pdf_words(const QString& pdf_path) {
    std::vector<PdfWord> words;
    static const QRegularExpression word_re(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re"));
    int page = 0;
    for (const QString& line : run_pdftotext(pdf_path).split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("<page "))) ++page;
        const auto m = word_re.match(line);
        if (!m.hasMatch()) continue;
        const double x0 = m.captured(1).toDouble() / 72, y0 = m.captured(2).toDouble() / 72;
        const double x1 = m.captured(3).toDouble() / 72, y1 = m.captured(4).toDouble() / 72;
        words.push_back({page, QRectF(QPointF(x0, y0), QPointF(x1, y1)), unescape(m.captured(5))});
    }
    return words;
}

int pdf_page_count(const QString& pdf_path) {
    return int(run_pdftotext(pdf_path).count(QStringLiteral("<page ")));
}

QStringList layout_faults(const std::vector<PdfWord>& words, const QStringList& texts,
                          double margin) {
    QSet<QString> known;
    for (const QString& text : texts)
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) known << word;
    const QRectF page = QRectF(0, 0, 8.5, 11).adjusted(margin, margin, -margin, -margin);
    auto where = [](const PdfWord& w) {
        return QStringLiteral("\"%1\" (page %2, %3 in, %4 in)")
            .arg(w.text)
            .arg(w.page)
            .arg(w.box.left(), 0, 'f', 3)
            .arg(w.box.top(), 0, 'f', 3);
    };
    QStringList faults;
    for (size_t i = 0; i < words.size(); ++i) {
        const PdfWord& w = words[i];
        if (!known.contains(w.text)) faults << QStringLiteral("not a printed word: ") + where(w);
        if (!page.contains(w.box)) faults << QStringLiteral("near the page edge: ") + where(w);
        for (size_t j = i + 1; j < words.size(); ++j) {
            // A face's box is taller than its line: words overlap when they share most of a line.
            const QRectF both = w.box.intersected(words[j].box);
            const double line = std::min(w.box.height(), words[j].box.height());
            if (words[j].page == w.page && both.width() > 0.001 && both.height() > line / 2)
                faults << QStringLiteral("overlap: ") + where(w) + QStringLiteral(" and ") +
                              where(words[j]);
        }
    }
    return faults;
}

QSizeF pdf_page_size(const QString& pdf_path) {
    static const QRegularExpression page_re(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const auto m = page_re.match(run_pdftotext(pdf_path));
    if (!m.hasMatch()) return {};
    return {m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72};
}

bool pdf_page_png(const QString& pdf_path, int page, const QString& png_path, int dpi) {
    QString root = png_path;
    root.chop(4);
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
             QString::number(dpi), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), pdf_path, root});
    return p.waitForFinished(30000) && p.exitCode() == 0 && QFile::exists(png_path);
}

}  // namespace testing_support
