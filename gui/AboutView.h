#pragma once
// The About window "intro": title and version, the attribution line, the licence text (read
// only) and the Accept / Do Not Accept buttons, all bound to the AboutBox model.
#include "shell/About.h"

#include <QWidget>

#include <vector>

class QPlainTextEdit;

namespace corvalet::gui {

class QtWindowHost;

class AboutView final : public QWidget {
    Q_OBJECT
public:
    explicit AboutView(shell::AboutBox& about, QWidget* parent = nullptr);
    // Makes the host show this view for `about`.
    static void registerWith(QtWindowHost& host, shell::AboutBox& about);

private:
    void refreshText();

    shell::AboutBox& m_about;
    QPlainTextEdit* m_text;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::gui
