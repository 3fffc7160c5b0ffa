#pragma once
// The Qt face of the library editor: four pages of grids, each under the caption its grid's tag
// holds, with the buttons below them.
#include "functions/LibraryEditor.h"

#include <QWidget>

#include <vector>

namespace corvalet::gui {

class QtWindowHost;

class LibraryEditorView final : public QWidget {
    Q_OBJECT
public:
    explicit LibraryEditorView(functions::LibraryEditor& model, QWidget* parent = nullptr);
    // Makes the host show this view for `model`.
    static void registerWith(QtWindowHost& host, functions::LibraryEditor& model);

private:
    functions::LibraryEditor& m_model;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::gui
