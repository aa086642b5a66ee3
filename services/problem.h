#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace lumina {

// Ids of the program's message texts (the table is in services/messages.cpp).
enum MessageId : int {
    kMsgNone = 0, // no message: a stop the window passes over in silence
    kMsgVersionMenu = 101,
    kMsgNoMemory = 30001,
    kMsgNoWorkFolder = 30002,
    kMsgLowColour = 30003,
    kMsgOneCharacter = 30005,
    kMsgBlankBackground = 30006,
    kMsgEnterCharacter = 30010,
    kMsgBitmapInfo = 30011,
    kMsgSavedShowFolder = 30012,
    kMsgBlankInk = 30013,
    kMsgOverwrite = 30015,
    kMsgOpenFailed = 30016,
    kMsgFontFailed = 30017,
    kMsgControlPoints = 30018,
    kMsgTooFewColumns = 30019,
    kMsgKeepAspect = 30020,
    kMsgNoClasses = 30021,
    kMsgNoFont = 30022,
    kMsgNotImage = 30029,
    kMsgFileManager = 30048,
    kMsgPrinterDc = 30064,
    kMsgNoVertices = 30066,
    kMsgNoOutline = 30067,
    kMsgNoBitmap = 30068,
    kMsgBlockNotClosed = 30079,
    kMsgBlockNot3n1 = 30080,
    kMsgPrinterInit = 30082,
    kMsgNoManual = 30173,
    kMsgManualName = 30174,
    kMsgHistory100 = 30200,
    kMsgHistory101 = 30201,
    kMsgHistory102 = 30202,
    kMsgHistory103 = 30203,
    // Texts of this program's own, beyond the original table.
    kMsgNotCp932 = 30300,
    kMsgPictureTooLarge = 30301,
    kMsgPictureUnreadable = 30302,
};

enum class MsgIcon { None, Information, Warning, Error, Question };

// Why an operation of the engine did not do (all of) what it was asked: the message the window
// shows (prefix followed by the text of id, with the icon) and, for the batch tool, the cause in
// plain words where the message alone does not say it. The engine never shows anything itself.
struct Problem {
    MessageId id = kMsgNone;
    std::string prefix;
    MsgIcon icon = MsgIcon::Error;
    std::string detail; // "" when the message says it all

    // Refused input: the information icon.
    static Problem Refused(MessageId id, std::string prefix = {}) {
        return {id, std::move(prefix), MsgIcon::Information, {}};
    }
    // A failure: the error icon.
    static Problem Failed(MessageId id, std::string prefix = {}, std::string detail = {}) {
        return {id, std::move(prefix), MsgIcon::Error, std::move(detail)};
    }
    // A stop without a message of its own; detail says why.
    static Problem Silent(std::string detail) {
        return {kMsgNone, {}, MsgIcon::None, std::move(detail)};
    }
    friend bool operator==(const Problem&, const Problem&) = default;
};

// The problems of one operation in the order they arose: notes the work went on after, and at
// most one that stopped it, last.
using Problems = std::vector<Problem>;

// A value, or the problem that kept the operation from making it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem)
        : m_state(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() {
        assert(ok());
        return std::get<0>(m_state);
    }
    const T& value() const {
        assert(ok());
        return std::get<0>(m_state);
    }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Problem& problem() const {
        assert(!ok());
        return std::get<1>(m_state);
    }

private:
    std::variant<T, Problem> m_state;
};

// Success, or the problem that stopped the operation.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Problem problem)
        : m_problem(std::move(problem))
        , m_failed(true) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const Problem& problem() const {
        assert(m_failed);
        return m_problem;
    }

private:
    Problem m_problem;
    bool m_failed = false;
};

using Status = Result<void>;

} // namespace lumina
