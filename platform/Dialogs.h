#pragma once
// The dialogs the models show: message box, input box, file open/save, folder picker, font
// chooser. The models never see a toolkit; the view layer supplies the real dialogs, quiet mode
// supplies answers without showing anything, tests script the answers and read back the calls.
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::platform {

// Message box style bits, combined by addition: one button set + one icon + one default button.
namespace MsgStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton1 = 0;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int ButtonMask = 7;
inline constexpr int IconMask = 0x70;
inline constexpr int DefaultMask = 0x300;
} // namespace MsgStyle

// Message box results: the number of the button pressed.
namespace MsgResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgResult

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// The answers of the buttons a style shows, left to right (an unknown button set shows OK).
[[nodiscard]] std::vector<int> msgButtons(int style);
[[nodiscard]] MsgIcon msgIcon(int style);
// The answer of the default button; a default past the last button falls back to the first, as
// the original platform does.
[[nodiscard]] int msgDefaultAnswer(int style);

struct InputResult {
    std::string text; // empty when cancelled
    bool cancelled = false;
};

// One entry of a "Description|pattern;pattern|Description|pattern" filter.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};
// Splits the pipe form into entries; a description without a pattern gets "*".
[[nodiscard]] std::vector<FileFilter> parseFileFilter(std::string_view filter);

struct FileRequest {
    std::string title;
    std::string filter;      // "Text (*.txt)|*.txt|All (*.*)|*.*"; empty offers every file
    std::string folder;      // initial folder
    std::string fileName;    // initial file name (may be a full path)
    std::string defaultExt;  // added to a typed name without extension ("las"), empty for none
    bool multiSelect = false; // open only
};

struct FileResult {
    bool cancelled = true;
    std::vector<std::string> paths;
    [[nodiscard]] std::string path() const { return paths.empty() ? std::string() : paths.front(); }
};

struct FontChoice {
    std::string name;
    double size = 10;
    bool bold = false;
    bool operator==(const FontChoice&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the MsgResult of the button pressed. `quietAnswer` is the answer quiet mode gives
    // (0: the default button's); a shown box ignores it.
    virtual int msgBox(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
                       int quietAnswer = 0) = 0;
    // A message shown in every mode: a box like msgBox on screen; in quiet mode it still reaches
    // the user, as one line on standard error.
    virtual int notify(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
                       int quietAnswer = 0) = 0;
    virtual InputResult inputBox(const std::string& prompt, const std::string& title = {},
                                 const std::string& defaultText = {}) = 0;
    virtual FileResult openFile(const FileRequest& request) = 0;
    virtual FileResult saveFile(const FileRequest& request) = 0;
    // The chosen folder, or "" when cancelled.
    virtual std::string pickFolder(const std::string& title, const std::string& startFolder) = 0;
    // Shows `font` as the starting choice and writes the accepted choice back; false on cancel.
    virtual bool chooseFont(FontChoice& font) = 0;
};

// The title a box without its own title gets.
inline constexpr std::string_view defaultDialogTitle = "Corvalet";

// Quiet mode: nothing is shown. A question gets its quiet answer (or the default button's);
// input, file, folder and font dialogs are cancelled; notify() writes "title: text" as one line
// to the error stream.
class QuietDialogs final : public Dialogs {
public:
    QuietDialogs();
    explicit QuietDialogs(std::ostream& errors);

    int msgBox(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    int notify(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    InputResult inputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;
    FileResult openFile(const FileRequest& request) override;
    FileResult saveFile(const FileRequest& request) override;
    std::string pickFolder(const std::string& title, const std::string& startFolder) override;
    bool chooseFont(FontChoice& font) override;

    // The answer quiet mode gives to a box of this style.
    [[nodiscard]] static int quietAnswerFor(int style, int quietAnswer);
    // "title: text" with line breaks folded to blanks.
    [[nodiscard]] static std::string oneLine(const std::string& title, const std::string& text);

private:
    std::ostream* m_errors;
};

enum class DialogKind { Message, Notify, Input, OpenFile, SaveFile, Folder, Font };

// What a scripted dialog was asked: `text` is the message or prompt; for the file dialogs it is
// the filter, for the folder picker the start folder, for the font chooser the starting name.
// `answered` is false when no scripted answer was waiting.
struct DialogCall {
    DialogKind kind = DialogKind::Message;
    std::string title;
    std::string text;
    int style = 0;
    std::string folder;
    std::string fileName;
    bool answered = true;
};

// Tests: answers are queued per dialog kind and taken in order; every call is recorded. A call
// with no queued answer is recorded as unanswered and gets the default button's answer, or a
// cancel for the other dialogs.
class ScriptedDialogs final : public Dialogs {
public:
    void answerMsg(int result) { m_msgAnswers.push_back(result); }
    void answerInput(const std::string& text) { m_inputAnswers.push_back(text); }
    void cancelInput() { m_inputAnswers.push_back(std::nullopt); }
    void answerFile(const std::string& path) { m_fileAnswers.push_back(std::vector<std::string>{path}); }
    void answerFiles(const std::vector<std::string>& paths) { m_fileAnswers.push_back(paths); }
    void cancelFile() { m_fileAnswers.push_back(std::nullopt); }
    void answerFolder(const std::string& path) { m_folderAnswers.push_back(path); }
    void answerFont(const FontChoice& font) { m_fontAnswers.push_back(font); }
    void cancelFont() { m_fontAnswers.push_back(std::nullopt); }

    int msgBox(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    int notify(const std::string& text, int style = MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    InputResult inputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;
    FileResult openFile(const FileRequest& request) override;
    FileResult saveFile(const FileRequest& request) override;
    std::string pickFolder(const std::string& title, const std::string& startFolder) override;
    bool chooseFont(FontChoice& font) override;

    [[nodiscard]] const std::vector<DialogCall>& calls() const { return m_calls; }
    [[nodiscard]] std::size_t unansweredCount() const;
    // Queued answers no call has taken yet.
    [[nodiscard]] std::size_t pendingAnswers() const;
    void clearCalls() { m_calls.clear(); }

private:
    int message(DialogKind kind, const std::string& text, int style, const std::string& title);
    FileResult file(DialogKind kind, const FileRequest& request);

    std::vector<DialogCall> m_calls;
    std::deque<int> m_msgAnswers;
    std::deque<std::optional<std::string>> m_inputAnswers;
    std::deque<std::optional<std::vector<std::string>>> m_fileAnswers;
    std::deque<std::string> m_folderAnswers;
    std::deque<std::optional<FontChoice>> m_fontAnswers;
};

} // namespace corvalet::platform
