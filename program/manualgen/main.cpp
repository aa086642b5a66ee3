// Builds the user manual (Manual.pdf) from its Markdown source at build time.
//
//   lumina-manualgen <manual.md> <Manual.pdf>
//
// Images are taken relative to the source's folder; a missing image leaves its caption in the
// text instead, so that the manual still builds before every screenshot exists. The Japanese
// faces IPAGothic and IPAMincho are required: without them the PDF would carry no Japanese
// glyphs, so the build fails instead.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

const QString kBodyFace = QStringLiteral("IPAMincho");
const QString kHeadFace = QStringLiteral("IPAGothic");
// Where Debian's fonts-ipafont packages put the faces, for a font configuration without them.
const char* const kFontFiles[] = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
};
// The text width of an A4 page less the 2 cm margins, in the 96-dpi pixels images are sized in.
constexpr double kMaxImageWidth = 600;
constexpr double kMaxImageHeight = 760;

void Fail(const QString& text) {
    std::fprintf(stderr, "lumina-manualgen: %s\n", text.toLocal8Bit().constData());
}

bool HaveJapaneseFaces() {
    auto have = [] {
        const QStringList families = QFontDatabase::families();
        return families.contains(kBodyFace) && families.contains(kHeadFace);
    };
    if (have())
        return true;
    for (const char* file : kFontFiles)
        QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    return have();
}

// Images whose file is missing become their caption, marked as a missing picture; the others
// are named by their absolute paths.
QString ResolveImages(const QString& markdown, const QString& folder) {
    static const QRegularExpression image(QStringLiteral(R"(!\[([^\]]*)\]\(([^)\s]+)\))"));
    QString result;
    qsizetype done = 0;
    auto it = image.globalMatch(markdown);
    while (it.hasNext()) {
        const auto match = it.next();
        result += markdown.mid(done, match.capturedStart() - done);
        const QString path = folder + QLatin1Char('/') + match.captured(2);
        if (QFileInfo(path).isFile() && QImageReader(path).canRead()) {
            // Absolute, since printing lays out a copy of the document that resolves nothing
            // against the source's folder.
            result += QStringLiteral("![%1](%2)")
                          .arg(match.captured(1), QFileInfo(path).absoluteFilePath());
        } else {
            Fail(QStringLiteral("warning: no picture %1; its caption stands in").arg(path));
            result += QStringLiteral("**［画像準備中：%1］**").arg(match.captured(1));
        }
        done = match.capturedEnd();
    }
    result += markdown.mid(done);
    return result;
}

void SetFace(QTextCursor& cursor, const QString& face, bool bold) {
    QTextCharFormat format;
    format.setFontFamilies({face});
    if (bold)
        format.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(format);
}

// Headings and code in the gothic face, body text in the mincho face; each chapter on a page
// of its own; pictures no wider than the text.
void Style(QTextDocument& document, const QString& folder) {
    bool firstChapter = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        const int level = block.blockFormat().headingLevel();
        if (level == 1) {
            if (!firstChapter) {
                QTextBlockFormat format;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                cursor.mergeBlockFormat(format);
            }
            firstChapter = false;
        }
        const bool codeBlock = block.blockFormat().hasProperty(QTextFormat::BlockCodeFence) ||
                               block.blockFormat().nonBreakableLines();
        if (codeBlock) {
            // File examples stand apart from the text on a shaded, indented ground.
            QTextBlockFormat format;
            format.setBackground(QColor(240, 240, 236));
            format.setLeftMargin(12);
            cursor.mergeBlockFormat(format);
        }
        if (level > 0) {
            QTextBlockFormat format;
            format.setTopMargin(level == 1 ? 0 : 14);
            format.setBottomMargin(6);
            cursor.mergeBlockFormat(format);
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            QTextCursor range(&document);
            range.setPosition(part.position());
            range.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            const QTextCharFormat format = part.charFormat();
            if (format.isImageFormat()) {
                QTextImageFormat picture = format.toImageFormat();
                const QSize size = QImageReader(QDir(folder).filePath(picture.name())).size();
                if (size.isValid()) {
                    const double scale = std::min(
                        {1.0, kMaxImageWidth / size.width(), kMaxImageHeight / size.height()});
                    picture.setWidth(size.width() * scale);
                    picture.setHeight(size.height() * scale);
                    range.setCharFormat(picture);
                }
                continue;
            }
            const bool code = format.fontFixedPitch() || codeBlock;
            SetFace(range, level > 0 || code ? kHeadFace : kBodyFace, level > 0);
        }
    }
}

// Tables as ruled grids across the text width, the header row shaded.
void StyleTables(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorder(0.6);
            format.setBorderBrush(QColor(120, 120, 120));
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat shade = cell.format();
                shade.setBackground(QColor(226, 232, 242));
                cell.setFormat(shade);
            }
        }
        StyleTables(child);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        Fail(QStringLiteral("usage: lumina-manualgen <manual.md> <Manual.pdf>"));
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (!HaveJapaneseFaces()) {
        Fail(QStringLiteral("the faces %1 and %2 are not installed (fonts-ipafont-gothic, "
                            "fonts-ipafont-mincho)")
                 .arg(kHeadFace, kBodyFace));
        return 1;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("cannot read %1").arg(source));
        return 1;
    }
    const QString folder = QFileInfo(source).absolutePath();
    const QString markdown = ResolveImages(QString::fromUtf8(file.readAll()), folder);

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
    document.setDefaultFont(QFont(kBodyFace, 10));
    document.setMarkdown(markdown);
    Style(document, folder);
    StyleTables(document.rootFrame());

    const QString part = target + QStringLiteral(".part");
    {
        QPdfWriter writer(part);
        writer.setResolution(300);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("ルミナ・グラフ 取扱い説明書"));
        writer.setCreator(QStringLiteral("lumina-manualgen"));
        document.print(&writer);
    }
    // The writer completes the file when it goes; only a complete file takes the manual's name,
    // so an interrupted build never leaves a broken manual behind.
    QFile::remove(target);
    if (!QFile::rename(part, target)) {
        Fail(QStringLiteral("cannot write %1").arg(target));
        return 1;
    }
    return 0;
}
