#include "pdf_words.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

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
