#include "services/messages.h"

#include "services/services.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace lumina {
namespace {

struct Entry {
    int id;
    const char* text;
};

// The string table, sorted by id. "\n" is a line break.
constexpr std::array kTable{
    Entry{kMsgVersionMenu, "バージョン情報(&A)"},
    Entry{kMsgNoMemory, "メモリの確保に失敗しました"},
    Entry{kMsgNoWorkFolder, "作業フォルダの取得に失敗しました"},
    Entry{kMsgLowColour,
          "このアプリケーションは、16bitカラー以上の色数のディスプレーでないと正常に動作"
          "しません"},
    Entry{kMsgOneCharacter, "１文字入力してください"},
    Entry{kMsgBlankBackground, "\"外周\"が空欄ですが、\"0\"でよろしいですか"},
    Entry{kMsgEnterCharacter, "表示する文字を入力してください"},
    Entry{kMsgBitmapInfo, "ビットマップファイルの情報取得に失敗しました"},
    Entry{kMsgSavedShowFolder, "正常に保存しました\n保存場所を表示しますか"},
    Entry{kMsgBlankInk, "\"文字部分\"が空欄ですが、\"1\"でよろしいですか"},
    Entry{kMsgOverwrite, "指定したファイルは既に存在します\n上書きしてもよろしいですか"},
    Entry{kMsgOpenFailed, "ファイルのオープンに失敗しました"},
    Entry{kMsgFontFailed, "フォントの作成に失敗しました"},
    Entry{kMsgControlPoints, "制御点も出力しますか\n※ 「いいえ」のときは、折点のみを出力します"},
    Entry{kMsgTooFewColumns,
          "出力する水平方向の文字数が２以下です。\nフォントサイズを小さくするか、出力幅を"
          "広くしてください"},
    Entry{kMsgKeepAspect,
          "原本イメージに合せて縦横比を調整しますか\n\n「いいえ」のときは、出力する文字サ"
          "イズなどにより出力サイズを決定します\n※ 最初に設定された「出力幅」と異なる"
          "ことがあります"},
    Entry{kMsgNoClasses, "出力文字種が指定されていません"},
    Entry{kMsgNoFont, "フォントが指定されていません"},
    Entry{kMsgNotImage, "イメージ以外はセットできません"},
    Entry{kMsgFileManager, "エクスプローラの起動に失敗しました"},
    Entry{kMsgPrinterDc, "プリンタＤＣの取得に失敗しました"},
    Entry{kMsgNoVertices, "描画する折点がありません"},
    Entry{kMsgNoOutline, "アウトラインを取得できません"},
    Entry{kMsgNoBitmap, "ビットマップを取得できません"},
    Entry{kMsgBlockNotClosed, "ブロックの最初と最後が違います"},
    Entry{kMsgBlockNot3n1, "3の倍数+1 でないブロックがあります"},
    Entry{kMsgPrinterInit, "プリンタの初期化に失敗しました"},
    Entry{kMsgNoManual, "実行ファイルと同じ場所にＰＤＦファイルがありません"},
    Entry{kMsgManualName, "Manual"},
    Entry{kMsgHistory100, "Ver. 1.00 2012.04.05 新規作成"},
    Entry{kMsgHistory101, "Ver. 1.01 2012.07.26 透過イメージの読込みを追加"},
    Entry{kMsgHistory102, "Ver. 1.02 2014.08.14 64bit版を追加"},
    Entry{kMsgHistory103, "Ver. 1.03 2022.11.14 Windows 11対応"},
    Entry{kMsgNotCp932, "シフトJISで表せない文字が含まれています\n「文字部分」と「外周部分」には"
                        "シフトJISの文字を入力してください"},
    Entry{kMsgPictureTooLarge,
          "イメージが大きすぎます\n2億ピクセル以下のイメージを指定してください"},
    Entry{kMsgPictureUnreadable,
          "イメージを読み込めません\nファイルが壊れているか、途中で切れています"},
};

static_assert(std::is_sorted(kTable.begin(), kTable.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

} // namespace

const char* MessageText(int id) {
    const auto it = std::lower_bound(kTable.begin(), kTable.end(), id,
                                     [](const Entry& e, int value) { return e.id < value; });
    if (it == kTable.end() || it->id != id)
        return nullptr;
    return it->text;
}

int ShowMessageById(Prompter& prompter, std::string_view caption, Owner owner,
                    std::string_view prefix, int id, MessageStyle style) {
    const char* text = MessageText(id);
    if (!text)
        return kIdNone;
    MessageRequest request;
    request.owner = owner;
    request.text = std::string(prefix) + text;
    request.caption = std::string(caption);
    request.style = style;
    return prompter.Message(request);
}

int ShowMessageById(const Services& services, Owner owner, std::string_view prefix, int id,
                    MessageStyle style) {
    return ShowMessageById(services.prompter, services.appName, owner, prefix, id, style);
}

bool ShowInExplorer(const Services& services, const std::string& fullPath) {
    // The folder is the path up to its last separator; a bare name lies in the current folder.
    const auto slash = fullPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : fullPath.substr(0, slash);
    if (services.prompter.OpenFolder(folder))
        return true;
    ShowMessageById(services, nullptr, "", kMsgFileManager, kErrorOk);
    return false;
}

int ShowProblem(const Services& services, Owner owner, const Problem& problem) {
    if (problem.id == kMsgNone)
        return kIdNone;
    return ShowMessageById(services, owner, problem.prefix, problem.id,
                           MessageStyle{problem.icon, MsgButtons::Ok});
}

void ShowProblems(const Services& services, Owner owner, const Problems& problems) {
    for (const Problem& problem : problems)
        ShowProblem(services, owner, problem);
}

namespace {

// Line breaks and the blanks around them become one ": ".
std::string OneLine(std::string_view text) {
    std::string out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view part = text.substr(start, end - start);
        if (!part.empty()) {
            if (!out.empty())
                out += ": ";
            out += part;
        }
        start = end + 1;
    }
    return out;
}

} // namespace

std::string ProblemLine(const Problem& problem) {
    std::string text = problem.prefix;
    if (const char* message = problem.id != kMsgNone ? MessageText(problem.id) : nullptr)
        text += message;
    std::string line = OneLine(text);
    if (!problem.detail.empty())
        line += line.empty() ? problem.detail : " (" + problem.detail + ")";
    return line;
}

} // namespace lumina
