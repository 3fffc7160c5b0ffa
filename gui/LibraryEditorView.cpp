#include "gui/LibraryEditorView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/GridView.h"
#include "gui/QtWindowHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvalet::gui {

namespace {

// A caption that follows the grid's tag, the grid, and the grid's buttons.
QWidget* gridBlock(QWidget* parent, platform::Grid& grid, std::vector<platform::Button*> buttons,
                   std::vector<platform::Connection>& connections)
{
    auto* block = new QWidget(parent);
    auto* caption = new QLabel(block);
    auto* view = new GridView(grid, block);
    view->setObjectName(toQt(grid.name()));
    auto refresh = [caption, block, &grid] {
        caption->setText(toQt(grid.tag()));
        block->setVisible(grid.visible());
    };
    connections.push_back(grid.changed.connect(refresh));
    refresh();
    auto* layout = new QVBoxLayout(block);
    layout->addWidget(caption);
    layout->addWidget(view, 1);
    auto* row = new QHBoxLayout;
    for (platform::Button* b : buttons) {
        auto* button = new QPushButton(block);
        button->setObjectName(toQt(b->name() + "_" + std::to_string(b->index())));
        new ButtonBinder(button, *b);
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
    return block;
}

QWidget* page(QWidget* parent, std::vector<QWidget*> blocks)
{
    auto* p = new QWidget(parent);
    auto* layout = new QHBoxLayout(p);
    for (QWidget* b : blocks) {
        b->setParent(p);
        layout->addWidget(b, 1);
    }
    return p;
}

} // namespace

LibraryEditorView::LibraryEditorView(functions::LibraryEditor& model, QWidget* parent)
    : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("curvLib"));
    auto* tabs = new QTabWidget(this);
    auto& c = m_connections;
    tabs->addTab(page(tabs, {gridBlock(this, model.lrd, {&model.but(0), &model.but(1)}, c),
                             gridBlock(this, model.crd, {&model.but(3), &model.but(4)}, c)}),
                 QString());
    tabs->addTab(page(tabs, {gridBlock(this, model.ugd, {&model.but(5), &model.but(6)}, c),
                             gridBlock(this, model.urd, {&model.but(7), &model.but(8)}, c)}),
                 QString());
    tabs->addTab(page(tabs, {gridBlock(this, model.ard, {&model.but(2)}, c)}), QString());
    tabs->addTab(page(tabs, {gridBlock(this, model.lsrd, {}, c)}), QString());
    new TabBinder(tabs, model.tabb);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
}

void LibraryEditorView::registerWith(QtWindowHost& host, functions::LibraryEditor& model)
{
    host.registerView(model, [&model] { return new LibraryEditorView(model); });
}

} // namespace corvalet::gui
