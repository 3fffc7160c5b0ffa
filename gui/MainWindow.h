#pragma once
// The main window "mdi": every other window of the program opens inside its MDI area.
#include <QMainWindow>

class QMdiArea;
class QToolBar;

namespace corvalet::gui {

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    [[nodiscard]] QMdiArea* mdiArea() const { return m_mdiArea; }
    [[nodiscard]] QToolBar* toolBar() const { return m_toolBar; }

private:
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar;
};

} // namespace corvalet::gui
