#pragma once
// The real dialogs: Qt's message, input, file, folder and font dialogs behind the models'
// Dialogs interface.
#include "platform/Dialogs.h"

#include <QStringList>

class QWidget;

namespace corvalet::gui {

class QtDialogs final : public platform::Dialogs {
public:
    // Dialogs are parented to `parent`, or to the active window when it is null.
    explicit QtDialogs(QWidget* parent = nullptr);

    int msgBox(const std::string& text, int style = platform::MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    int notify(const std::string& text, int style = platform::MsgStyle::OkOnly, const std::string& title = {},
               int quietAnswer = 0) override;
    platform::InputResult inputBox(const std::string& prompt, const std::string& title = {},
                                   const std::string& defaultText = {}) override;
    platform::FileResult openFile(const platform::FileRequest& request) override;
    platform::FileResult saveFile(const platform::FileRequest& request) override;
    std::string pickFolder(const std::string& title, const std::string& startFolder) override;
    bool chooseFont(platform::FontChoice& font) override;

private:
    [[nodiscard]] QWidget* parentWidget() const;
    platform::FileResult fileDialog(const platform::FileRequest& request, bool save);
    QWidget* m_parent;
};

// Qt name filters for a "Description|*.a;*.b|..." filter: "Description (*.a *.b)". "*.*"
// becomes "*" so files without an extension are offered too.
[[nodiscard]] QStringList qtNameFilters(const std::string& pipeFilter);

} // namespace corvalet::gui
