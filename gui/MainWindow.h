#pragma once
// The main window "mdi": the menus and the button bar built from the command table, a status
// bar that shows the tool under the pointer, and the MDI area every other window opens in, with
// the splash panel down its left side.
#include "shell/CommandTable.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

class QAction;
class QMdiArea;
class QToolBar;

namespace corvalet::shell {
class SplashPanel;
}

namespace corvalet::gui {

class QtWindowHost;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(shell::Toolbar& toolbar, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] QMdiArea* mdiArea() const { return m_mdiArea; }
    [[nodiscard]] QToolBar* toolBar() const { return m_toolBar; }
    [[nodiscard]] QtWindowHost& host() const { return *m_host; }
    // The action of a tool (identifier in any case); null for an unknown one.
    [[nodiscard]] QAction* action(std::string_view id) const;

    // Shows the splash panel at the left edge of the MDI area, as high as the area, and keeps
    // it so when the area changes size.
    void showSplash(shell::SplashPanel& flash);
    // Runs when the main window closes (the program's exit clean-up).
    void setCloseHandler(std::function<void()> handler) { m_onClose = std::move(handler); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();

    shell::Toolbar& m_toolbar;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    QtWindowHost* m_host;
    std::unordered_map<std::string, QAction*> m_actions; // by lower-case identifier
    shell::SplashPanel* m_flash = nullptr;
    std::function<void()> m_onClose;
};

} // namespace corvalet::gui
