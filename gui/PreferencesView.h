#pragma once
// The Qt face of the preferences window: the settings grid above the "E&xit" and "&Cancel"
// buttons. The window sees Esc before the grid and its cell editors, as the model expects.
#include "shell/Preferences.h"

#include <QWidget>

class QKeyEvent;
class QPushButton;

namespace corvalet::shell {
class App;
}

namespace corvalet::gui {

class GridView;
class QtWindowHost;

class PreferencesView final : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesView(shell::Preferences& model, QWidget* parent = nullptr);

    [[nodiscard]] GridView* grid() const { return m_grid; }
    // 0 "E&xit", 1 "&Cancel".
    [[nodiscard]] QPushButton* button(int index) const { return index == 0 ? m_exit : m_cancel; }

protected:
    // Esc that no child used ends here, before the dialog frame around the view sees it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    shell::Preferences& m_model;
    GridView* m_grid;
    QPushButton* m_exit;
    QPushButton* m_cancel;
};

// Shows the preferences window modally in `host` and returns once it has closed. The model must
// have been made with the same host, which unloads it on "E&xit", "&Cancel" and Esc.
void runPreferences(shell::Preferences& model, QtWindowHost& host);

// The preferences command of the main window: a fresh window over the program's settings, shown
// modally; it and its view are gone when this returns. `app` must use `host` as its window host.
void runPreferences(shell::App& app, QtWindowHost& host);

} // namespace corvalet::gui
