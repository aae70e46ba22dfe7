// Build-time tool: the printable user manual (PDF) from the help pages, in the order of toc.txt.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "base/HelpIndex.h"

namespace {

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// What lies between <body> and </body>, or the whole text when there is no body.
QString Body(const QString& html) {
  static const QRegularExpression body(
      QStringLiteral("<body[^>]*>(.*)</body>"),
      QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = body.match(html);
  return m.hasMatch() ? m.captured(1) : html;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_manual OUT.pdf HELPDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString dir = QString::fromLocal8Bit(argv[2]);
  const std::vector<gw::HelpTopic> topics =
      gw::ParseHelpContents(ReadText(dir + QStringLiteral("/toc.txt")).toStdString());
  if (topics.empty()) {
    std::fprintf(stderr, "make_manual: no topics in %s/toc.txt\n", argv[2]);
    return 2;
  }

  QString html = QStringLiteral(
      "<html><body><h1 style=\"font-size:28pt\">Gridwright 98</h1>"
      "<p style=\"font-size:16pt\">User Manual</p><h2>Contents</h2>");
  for (const gw::HelpTopic& t : topics)
    html +=
        QStringLiteral("<p style=\"-qt-block-indent:%1; margin-top:0; margin-bottom:2px\">%2</p>")
            .arg(t.depth)
            .arg(QString::fromStdString(t.title).toHtmlEscaped());
  for (const gw::HelpTopic& t : topics) {
    const QString page = ReadText(dir + QLatin1Char('/') + QString::fromStdString(t.page));
    if (page.isEmpty()) {
      std::fprintf(stderr, "make_manual: cannot read %s\n", t.page.c_str());
      return 2;
    }
    // Every chapter starts a new sheet; the topics inside it follow on.
    html += t.depth == 0 ? QStringLiteral("<div style=\"page-break-before: always\">")
                         : QStringLiteral("<div>");
    html += Body(page) + QStringLiteral("</div>");
  }
  html += QStringLiteral("</body></html>");

  QTextDocument doc;
  doc.setBaseUrl(QUrl::fromLocalFile(dir + QLatin1Char('/')));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(10.5);
  doc.setDefaultFont(font);
  doc.setDefaultStyleSheet(
      QStringLiteral("h1 { font-size: 18pt; } h2 { font-size: 14pt; } h3 { font-size: 12pt; } "
                     "img { max-width: 100%; } .key { font-family: 'Liberation Mono'; }"));
  // The text column of a letter page with the margins below, in the document's pixels.
  constexpr int kTextColumnPixels = 540;
  // The document loads no files itself: hand it every picture the pages show.
  static const QRegularExpression picture(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
  QStringList sources;
  for (auto it = picture.globalMatch(html); it.hasNext();) sources << it.next().captured(1);
  sources.removeDuplicates();
  for (const QString& src : sources) {
    const QImage image(dir + QLatin1Char('/') + src);
    // A page may name a picture scripts/help-screenshots has not taken yet (the help tests
    // catch one that stays missing): the manual is made without it.
    if (image.isNull()) {
      std::fprintf(stderr, "make_manual: warning: no picture %s\n", qPrintable(src));
      continue;
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(src), image);
    // Wide windows are drawn smaller to stay inside the page's text column.
    if (image.width() > kTextColumnPixels)
      html.replace(QStringLiteral("src=\"%1\"").arg(src),
                   QStringLiteral("width=\"%1\" src=\"%2\"").arg(kTextColumnPixels).arg(src));
  }
  doc.setHtml(html);

  QPdfWriter pdf(out);
  pdf.setTitle(QStringLiteral("Gridwright 98 User Manual"));
  pdf.setCreator(QStringLiteral("Gridwright 98"));
  pdf.setPageSize(QPageSize(QPageSize::Letter));
  pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  doc.print(&pdf);
  return QFile::exists(out) ? 0 : 3;
}
