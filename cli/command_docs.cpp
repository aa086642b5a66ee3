// What each command takes, in one table: --help prints it, and the build writes the manual page
// and the bash completion from it, so the three always agree.
#include "cli/command_docs.h"

#include "art/settings.h"
#include "glyph/char_codes.h"
#include "glyph/request.h"
#include "print/page_layout.h"

#include <algorithm>

namespace lumina::cli {
namespace {

std::string Between(long low, long high) {
    return std::to_string(low) + "-" + std::to_string(high);
}

std::string Hex(long value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value > 0; --i, value /= 16)
        text[static_cast<std::size_t>(i)] = kDigits[value % 16];
    return "0x" + text;
}

// The art options take the settings grid's ranges; the default is the window's own.
std::string Within(int low, int high, int fallback) {
    return Between(low, high) + "; default " + std::to_string(fallback);
}

const char kCodeRangeNote[] = "decimal or 0x hexadecimal";

std::string CodeRange() {
    return Between(kMinCode, kMaxCode) + " (" + Hex(kMinCode, 4) + "-" + Hex(kMaxCode, 4) + ")";
}

std::vector<OptionDoc> GlyphOptions() {
    const GlyphRequest defaults;
    return {
        {"--char", "TEXT",
         "the character (文字): one Unicode character, optionally followed by a variation "
         "selector, or the same as U+ and hex digits (U+20B9F; U+845B + U+E0100 for a variant)",
         "default " + defaults.Char},
        {"--code", "N",
         "the character by its code page 932 code (SJIS Code), " + std::string(kCodeRangeNote),
         CodeRange()},
        {"--font", "FACE", "the face (フォント), a family name as fc-list shows it",
         "default " + defaults.FontName + ", or what fontconfig puts in its place"},
        {"--size", "PT", "the size (サイズ) in points",
         "1-1000; default " + std::to_string(defaults.FontSize)},
        {"--angle", "DEG", "the angle (角度) in degrees, counter-clockwise",
         "0-360; default " + std::to_string(defaults.FontDeg)},
        {"--bold", "", "bold (太字)", ""},
        {"--italic", "", "italic (イタリック)", ""},
    };
}

std::vector<OptionDoc> With(std::vector<OptionDoc> options, const std::vector<OptionDoc>& more) {
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

const OptionDoc kUnhinted{"--unhinted", "",
                          "the glyph without the font's hinting (ヒンティング 無効)", ""};

const OptionDoc kMode{"--mode", "outline|bitmap|drawing",
                      "the picture: アウトライン, ビットマップ or 実際の描画", "required"};
const OptionDoc kView{"--view", "WxH", "the size of the view in pixels",
                      "each 1-10000; default 800x600"};

std::string ClassList() {
    std::string list;
    for (const CharClassInfo& info : kCharClasses)
        list += (list.empty() ? "" : ", ") + std::string(info.word) + " (" +
                std::string(info.caption) + ")";
    return list + "; default all";
}

CommandDoc ArtDoc() {
    const ArtSettings d;
    return {
        "art",
        "INPUT [--font FACE] [--size PT] [--bold] [--italic] [--angle DEG] "
        "[--classes kigou,num,alphau,alphal,hira,kata,kanji] [--char-spacing N] "
        "[--line-spacing N] [--brightness 1-9] [--red 1-9] [--green 1-9] [--blue 1-9] [--mono] "
        "[--char-colour 0xBBGGRR] [--background 0xBBGGRR] [--random] [--out-width N] "
        "[--tone none|stretch|equalize] [--dither] "
        "[--text FILE] [--image FILE [--picture-size]] [--cells FILE] [--progress]",
        "Character art (文字絵) of a picture with the window's defaults (never the stored "
        "settings); writes the text and image exports and prints the layout.",
        {
            {"INPUT", "", "the picture: .jpg, .jpeg, .gif, .bmp, .png, .tif or .tiff", ""},
            {"--font", "FACE", "the face (フォント)",
             "at most " + std::to_string(kFaceNameMaxBytes) + " bytes in code page 932; default " +
                 d.FontName},
            {"--size", "PT", "the size of the characters in points",
             Within(kFontSizeMin, kFontSizeMax, d.FontSize)},
            {"--bold", "", "bold (太字)", ""},
            {"--italic", "", "italic (イタリック)", ""},
            {"--angle", "DEG", "the angle (角度) in degrees, counter-clockwise",
             Within(-zoviv::kMaxAngle, zoviv::kMaxAngle, d.FontDeg)},
            {"--classes", "LIST", "the output characters (出力文字種), comma-separated",
             ClassList()},
            {"--char-spacing", "N", "the space between characters (字間) in pixels",
             Within(kSpacingMin, kSpacingMax, d.CharMa)},
            {"--line-spacing", "N", "the space between lines (行間) in pixels",
             Within(kSpacingMin, kSpacingMax, d.LineMa)},
            {"--brightness", "N", "the brightness (明るさ), 1 bright to 9 dark",
             Within(kBrightMin, kBrightMax, d.BrightAll)},
            {"--red", "N", "the strength of red (色相(赤)), 1 weak to 9 strong",
             Within(kBrightMin, kBrightMax, d.BrightR)},
            {"--green", "N", "the strength of green (色相(緑)), 1 weak to 9 strong",
             Within(kBrightMin, kBrightMax, d.BrightG)},
            {"--blue", "N", "the strength of blue (色相(青)), 1 weak to 9 strong",
             Within(kBrightMin, kBrightMax, d.BrightB)},
            {"--mono", "", "one colour: every character in the character colour (カラー off)", ""},
            {"--char-colour", "0xBBGGRR", "the character colour (文字色) for --mono",
             "blue, green, red bytes, 0x000000-0xFFFFFF; default " + Hex(d.CharCol, 6)},
            {"--background", "0xBBGGRR", "the background colour (背景色)",
             "blue, green, red bytes, 0x000000-0xFFFFFF; default " + Hex(d.BkCol, 6)},
            {"--random", "", "characters at random angles (ランダム)", ""},
            {"--out-width", "N", "the width of the image export (出力幅) in pixels",
             Within(kOutWMin, kOutWMax, d.OutW)},
            {"--tone", "none|stretch|equalize",
             "the tone (階調補正): none measures darkness as the product of the channels; "
             "stretch spreads the picture's 1st to 99th percentile of CIE L* over the "
             "palette's lightest to darkest character, by the ink each draws; equalize uses "
             "every density alike",
             "default none"},
            {"--dither", "",
             "error diffusion (誤差拡散): each cell's error goes on to its neighbours "
             "(Floyd-Steinberg, serpentine)",
             ""},
            {"--text", "FILE", "writes the art as text (テキスト出力), code page 932 with CR LF",
             ""},
            {"--image", "FILE", "writes the art as a picture (イメージ出力) at the drawn size",
             "the extension picks the type: jpeg, gif, bmp, png or tiff"},
            {"--picture-size", "", "with --image: at the output width and the picture's aspect",
             ""},
            {"--cells", "FILE",
             "writes why each cell got its character as CSV, UTF-8 with CR LF: row, column, "
             "wanted darkness, character, its code, its density, the runner-up and its density",
             "darkness and densities on the palette's scale, 0 lightest to 1000 darkest; with "
             "--tone stretch or equalize the densities are those of the ink as drawn"},
            {"--progress", "", "shows the rows done on standard error", ""},
        },
    };
}

CommandDoc BitsDoc() {
    return {
        "bits",
        "(--char TEXT | --code N) [--font FACE] [--size PT] [--angle DEG] [--bold] [--italic] "
        "[--unhinted] [--ink STR] [--background STR] [-o FILE]",
        "The bit picture (文字文字) of one glyph, byte for byte as the window writes it.",
        With(GlyphOptions(),
             {
                 kUnhinted,
                 {"--ink", "STR", "the string for an inked bit (文字部分)", "default 1"},
                 {"--background", "STR", "the string for a blank bit (外周部分)", "default 0"},
                 {"-o", "FILE", "writes to FILE", "default standard output"},
             }),
    };
}

std::vector<CommandDoc> MakeDocs() {
    const std::string glyphUsage =
        "(--char TEXT | --code N) [--font FACE] [--size PT] [--angle DEG] [--bold] [--italic]";
    return {
        ArtDoc(),
        BitsDoc(),
        {"code",
         "TEXT",
         "Prints the code page 932 code of one character, decimal and hexadecimal.",
         {{"TEXT", "", "one character that code page 932 can represent", ""}}},
        {"codes",
         "TEXT [--format text|json]",
         "Prints one character in every code: Unicode code points, name and block, UTF-8, "
         "UTF-16, code page 932, JIS X 0208 区点, JIS X 0213 面区点, EUC-JIS-2004 and "
         "Shift_JIS-2004 bytes.",
         {
             {"TEXT", "",
              "one character, or one followed by a variation selector (U+FE00-FE0F, "
              "U+E0100-E01EF); or its code points typed as U+845B or \"U+845B + U+E0100\"",
              "the Japanese codes are the base character's, and only codes that read back as "
              "it (U+301C has none in code page 932); name adds the selector's after ' + '"},
             {"--format", "text|json",
              "key=value lines, none where a code lacks the character; or one JSON object of "
              "the same keys, null there",
              "default text"},
         }},
        {"convert",
         "INPUT OUTPUT [--size WxH]",
         "Loads a picture by the character-art window's rules and saves it through the image "
         "encoders, printing what the load found.",
         {
             {"INPUT", "", "the picture: .jpg, .jpeg, .gif, .bmp, .png, .tif or .tiff", ""},
             {"OUTPUT", "", "the file to write",
              "the extension picks the type: jpeg, gif, bmp, png or tiff"},
             {"--size", "WxH", "stretches the picture to this size in pixels",
              "each 1-65535; default the picture's own"},
         }},
        {"metrics", glyphUsage + " [--unhinted] [--vertical] [--format text|json]",
         "The text and glyph metrics (TEXTMETRIC, GLYPHMETRICS) of one character, with the face "
         "and file the font resolved to, the glyph's index and the face's own lines (hhea, OS/2, "
         "BASE) in pixels.",
         With(GlyphOptions(), {kUnhinted,
                               {"--vertical", "",
                                "also the glyph and advance of the character in vertical text", ""},
                               {"--format", "text|json",
                                "name=value lines, or one JSON object of the same names and values",
                                "default text"}})},
        {"outline", glyphUsage + " [--unhinted] [--control-points] [--format text|json] [-o FILE]",
         "The outline point file (折点座標ファイル) of one glyph, byte for byte as the window "
         "writes it.",
         With(GlyphOptions(),
              {
                  kUnhinted,
                  {"--control-points", "", "with the control points of the curves", ""},
                  {"--format", "text|json",
                   "the point file, or one JSON object: face, file, index, ppem, hinted, the "
                   "font's own contours (points in pixels, y up from the origin, unturned, "
                   "type on, conic or cubic) and the blocks of the point file",
                   "default text"},
                  {"-o", "FILE", "writes to FILE", "default standard output"},
              })},
        {"print",
         glyphUsage + " --mode outline|bitmap|drawing [--view WxH] [--paper N] [--orientation 1|2] "
                      "[--margins L,R,T,B] [--one-page] [--pages FROM-TO | --page N] -o FILE.pdf",
         "The glyph view printed (印刷) into a PDF file, tiled over pages as the print dialog "
         "tiles it.",
         With(
             GlyphOptions(),
             {
                 kMode,
                 kView,
                 {"--paper", "N",
                  "the paper (用紙) by its number: 9 A4, 8 A3, 11 A5, 12 B4, 13 B5, 1 Letter",
                  "a size the printer knows; default 9"},
                 {"--orientation", "1|2", "1 portrait (縦) or 2 landscape (横)", "default 1"},
                 {"--margins", "L,R,T,B",
                  "the margins (余白) in millimetres: left, right, top, bottom",
                  "each 0-" + std::to_string(kMaxMarginMm) +
                      ", raised to what the printer reaches; default " +
                      std::to_string(Margins{}.left) + "," + std::to_string(Margins{}.right) + "," +
                      std::to_string(Margins{}.top) + "," + std::to_string(Margins{}.bottom)},
                 {"--one-page", "", "fits the view onto one page (全1ページ)", ""},
                 {"--pages", "FROM-TO", "prints these pages only (ページ指定)", "each 1-100000"},
                 {"--page", "N", "prints this page only (現在のページ)", "1-100000"},
                 {"-o", "FILE.pdf", "the PDF file to write", "required"},
             })},
        {"render",
         glyphUsage + " --mode outline|bitmap|drawing [--view WxH] [--origin X,Y] [--hide KEY,...] "
                      "[--curves] [--font-points] [--spread-numbers] [--hinting on|off|compare] "
                      "[--unhinted] [--zoom N] [--pan X,Y] [--compare FACE [--compare-bold] "
                      "[--compare-italic]] [--frames] [--vertical] -o FILE.png",
         "One of the glyph view's three pictures as a PNG file, with the counts and the ink ratio "
         "the window shows.",
         With(GlyphOptions(),
              {
                  kMode,
                  kView,
                  {"--origin", "X,Y", "the drawing origin (描画基点) in view pixels",
                   "each from -100000 to 100000; default the view's centre"},
                  {"--hide", "KEY,...", "turns off these overlays, by their settings keys",
                   "DspPos (折点), DspNo (№), DspCenter (中心線), DspDrawOrg (描画基点), "
                   "DspGlyphOrg (グリフ基点), DspGlyphOrgX, DspGlyphOrgY, DspCellIncX, "
                   "DspCellIncY, DspBlackBoxX, DspBlackBoxY, DspAscent, DspDescent"},
                  {"--curves", "", "the outline as its curves, with the control points (曲線)", ""},
                  {"--font-points", "",
                   "the font's own points, numbered from 0 in its order (元の点)", ""},
                  {"--spread-numbers", "",
                   "numbers moved apart so that none overlaps another (番号を重ねない)", ""},
                  {"--hinting", "on|off|compare",
                   "with the font's hinting, without it, or with the unhinted outline beneath "
                   "(ヒンティング 有効, 無効, 比較)",
                   "default on"},
                  kUnhinted,
                  {"--zoom", "N", "zooms the outline and the bitmap about the view's centre",
                   "1-64; default 1"},
                  {"--pan", "X,Y", "moves the zoomed pictures by X,Y view pixels",
                   "each from -1000000 to 1000000; default 0,0"},
                  {"--compare", "FACE",
                   "draws FACE's glyph of the same character over the first, in a second colour, "
                   "with a legend naming both (比較フォント)",
                   "its values go to standard output as compare.*= lines"},
                  {"--compare-bold", "", "the compared face in bold", ""},
                  {"--compare-italic", "", "the compared face in italic", ""},
                  {"--frames", "",
                   "the ideographic em box, the character face box and the hhea, OS/2 typo and "
                   "OS/2 win ascent and descent lines, labelled, in the drawing (字面枠)",
                   ""},
                  {"--vertical", "",
                   "the glyph of vertical text (the font's vert/vrt2 form) on the vertical "
                   "origin with the vertical advance (縦書き)",
                   ""},
                  {"-o", "FILE.png", "the PNG file to write", "required"},
              })},
        {"text",
         "CODE",
         "Prints the character of a code page 932 code.",
         {{"CODE", "", "the code, " + std::string(kCodeRangeNote), CodeRange()}}},
    };
}

void AppendOptionLines(std::string& text, const std::vector<OptionDoc>& options) {
    constexpr std::size_t kMaxColumn = 24;
    std::size_t column = 0;
    for (const auto& option : options)
        column = std::max(column, std::min(OptionLabel(option).size(), kMaxColumn));
    for (const auto& option : options) {
        const std::string label = OptionLabel(option);
        text += "  " + label + std::string(column > label.size() ? column - label.size() : 0, ' ') +
                "  " + option.meaning;
        if (!option.range.empty())
            text += "; " + option.range;
        text += "\n";
    }
}

} // namespace

const std::vector<CommandDoc>& CommandDocs() {
    static const std::vector<CommandDoc> docs = MakeDocs();
    return docs;
}

const CommandDoc* FindCommandDoc(std::string_view name) {
    for (const auto& command : CommandDocs()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

const std::vector<OptionDoc>& GlobalOptionDocs() {
    static const std::vector<OptionDoc> options{
        {"-h, --help", "", "shows this help; after a command, that command's", ""},
        {"--version", "", "prints the version", ""},
    };
    return options;
}

std::string_view ToolSummary() {
    return "The batch tool of ルミナ・グラフ (Lumina Graph): glyph pictures, outlines, metrics and "
           "character art without a window.";
}

std::string OptionLabel(const OptionDoc& option) {
    return option.value.empty() ? option.name : option.name + " " + option.value;
}

std::string OverviewHelp() {
    std::string text = "usage: lumina-cli COMMAND [OPTIONS]\n"
                       "       lumina-cli COMMAND --help\n"
                       "       lumina-cli --version\n";
    text += std::string(ToolSummary()) + "\n\ncommands:\n";
    std::vector<OptionDoc> commands;
    for (const auto& command : CommandDocs())
        commands.push_back({command.name, "", command.summary, ""});
    AppendOptionLines(text, commands);
    text += "\noptions:\n";
    AppendOptionLines(text, GlobalOptionDocs());
    return text;
}

std::string CommandHelp(const CommandDoc& command) {
    std::string text = "usage: lumina-cli " + command.name + " " + command.synopsis + "\n" +
                       command.summary + "\n\n";
    AppendOptionLines(text, command.options);
    return text;
}

bool AsksForHelp(const CommandDoc& command, const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h")
            return true;
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const OptionDoc& o) { return o.name == args[i]; });
        if (option != command.options.end() && !option->value.empty())
            ++i;
    }
    return false;
}

} // namespace lumina::cli
