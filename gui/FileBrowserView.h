#pragma once
// The file browser "main": the source folder's file list with its caption, the source and the
// destination folder boxes with their buttons, the size and the file-check labels, all bound to
// the FileBrowser model. The destination folder list and the window list stay hidden.
#include "shell/FileBrowser.h"

#include <QWidget>

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace corvalet::gui {

class QtWindowHost;

class FileBrowserView final : public QWidget {
    Q_OBJECT
public:
    explicit FileBrowserView(shell::FileBrowser& browser, QWidget* parent = nullptr);
    // Makes the host show this view for `browser`.
    static void registerWith(QtWindowHost& host, shell::FileBrowser& browser);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void refreshListCaption();
    void refreshCheckColour();

    shell::FileBrowser& m_browser;
    QGroupBox* m_listBox;
    QLineEdit* m_source;
    QLineEdit* m_destination;
    QLabel* m_check;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::gui
