#pragma once
// The Qt face of the toolbox: the tab "&Ascii View" with the byte grid, its display options,
// page buttons and the termination check, and the tab "Search && &Replace" with the search
// mode, the two boxes under their captions and the file label; the caution note below both.
#include "reports/Toolbox.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace corvalet::shell {
class App;
class Toolbar;
} // namespace corvalet::shell

namespace corvalet::gui {

class GridView;
class QtWindowHost;

class ToolboxView final : public QWidget {
    Q_OBJECT
public:
    explicit ToolboxView(reports::Toolbox& tools, QWidget* parent = nullptr);

    [[nodiscard]] GridView* grid() const { return m_grid; }
    [[nodiscard]] QTabWidget* tabs() const { return m_tabs; }
    // movebut(0..3), then "Find Bad Termination" as index 4.
    [[nodiscard]] QPushButton* button(int index) const { return m_buttons[std::size_t(index)]; }
    [[nodiscard]] QRadioButton* displayOption(int index) const { return m_display[std::size_t(index)]; }
    [[nodiscard]] QLineEdit* box(int index) const { return m_boxes[std::size_t(index)]; }

private:
    void refreshCaptions();

    reports::Toolbox& m_tools;
    QTabWidget* m_tabs;
    GridView* m_grid;
    QLabel* m_gridCaption;
    std::vector<QPushButton*> m_buttons;
    std::vector<QRadioButton*> m_display;
    std::vector<QLineEdit*> m_boxes;
    std::vector<QLabel*> m_boxCaptions;
    std::vector<platform::Connection> m_connections;
};

// Makes the host show `tools` with a ToolboxView.
void registerToolboxView(QtWindowHost& host, reports::Toolbox& tools);

// The hooks that tie the toolbox to the program: the common window set-up beside the side
// window `flash` (none: no placement), closing the other windows, the shared grid font, the
// toolbar's "ID_Process" and "ID_SAVE" (none: no toolbar), and the destination folder as the
// start of the save dialog.
[[nodiscard]] reports::ToolboxHooks toolboxHooks(shell::App& app, shell::Toolbar* toolbar,
                                                 const platform::Window* flash);

} // namespace corvalet::gui
