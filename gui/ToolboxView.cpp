#include "gui/ToolboxView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/GridView.h"
#include "gui/QtWindowHost.h"
#include "gui/TextCodec.h"
#include "shell/App.h"
#include "shell/CommandTable.h"
#include "shell/Startup.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvalet::gui {

namespace {

// A colour sample with its meaning, for the legend under the byte grid.
QLabel* legendEntry(QWidget* parent, platform::Color color, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setMargin(2);
    return label;
}

// One radio button per option of the group, laid out in `box` and bound to the group.
std::vector<QRadioButton*> bindRadioButtons(QGroupBox* box, QBoxLayout* layout, platform::OptionGroup& group)
{
    std::vector<QRadioButton*> radios;
    std::vector<QAbstractButton*> buttons;
    for (const std::string& caption : group.captions()) {
        auto* radio = new QRadioButton(fromBytes(caption), box);
        layout->addWidget(radio);
        radios.push_back(radio);
        buttons.push_back(radio);
    }
    new OptionGroupBinder(box, buttons, group);
    return radios;
}

} // namespace

ToolboxView::ToolboxView(reports::Toolbox& tools, QWidget* parent)
    : QWidget(parent), m_tools(tools), m_tabs(new QTabWidget(this)), m_grid(new GridView(tools.asd(), this)),
      m_gridCaption(new QLabel(this))
{
    setObjectName(QStringLiteral("tools"));

    // --- "&Ascii View"
    auto* viewPage = new QWidget(m_tabs);
    m_grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);

    auto* displayBox = new QGroupBox(QStringLiteral("Display"), viewPage);
    m_display = bindRadioButtons(displayBox, new QVBoxLayout(displayBox), tools.taOpt());

    auto* moveBox = new QGroupBox(QStringLiteral("Page"), viewPage);
    auto* moveLayout = new QGridLayout(moveBox);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(moveBox);
        new ButtonBinder(button, tools.movebut(i));
        moveLayout->addWidget(button, i / 2, i % 2);
        m_buttons.push_back(button);
    }
    auto* check = new QPushButton(viewPage);
    new ButtonBinder(check, tools.but());
    m_buttons.push_back(check);

    auto* side = new QVBoxLayout;
    side->addWidget(displayBox);
    side->addWidget(moveBox);
    side->addWidget(check);
    side->addSpacing(8);
    side->addWidget(legendEntry(viewPage, reports::kByteRed, QStringLiteral("LF without CR")));
    side->addWidget(legendEntry(viewPage, reports::kByteGreen, QStringLiteral("CR, CR LF")));
    side->addWidget(legendEntry(viewPage, reports::kByteMagenta, QStringLiteral("Other control code")));
    side->addStretch();

    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_gridCaption);
    gridColumn->addWidget(m_grid, 1);
    auto* viewLayout = new QHBoxLayout(viewPage);
    viewLayout->addLayout(gridColumn, 1);
    viewLayout->addLayout(side);

    // --- "Search && &Replace"
    auto* replacePage = new QWidget(m_tabs);
    auto* modeBox = new QGroupBox(QStringLiteral("Search for"), replacePage);
    bindRadioButtons(modeBox, new QHBoxLayout(modeBox), tools.inOpt());

    auto* fileLabel = new QLabel(replacePage);
    new LabelBinder(fileLabel, tools.repLab());
    auto* replaceLayout = new QVBoxLayout(replacePage);
    replaceLayout->addWidget(modeBox);
    replaceLayout->addWidget(fileLabel);
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(replacePage);
        auto* edit = new QLineEdit(replacePage);
        new TextBoxBinder(edit, tools.repT(i));
        replaceLayout->addWidget(caption);
        replaceLayout->addWidget(edit);
        m_boxCaptions.push_back(caption);
        m_boxes.push_back(edit);
        m_connections.push_back(tools.repT(i).changed.connect([this] { refreshCaptions(); }));
    }
    replaceLayout->addStretch();

    m_tabs->addTab(viewPage, QString());
    m_tabs->addTab(replacePage, QString());
    new TabBinder(m_tabs, tools.tabb());

    auto* caution = new QLabel(this);
    caution->setWordWrap(true);
    new LabelBinder(caution, tools.label1());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(caution);

    m_connections.push_back(tools.asd().changed.connect([this] { refreshCaptions(); }));
    m_connections.push_back(tools.focusBox.connect([this](int index) {
        m_tabs->setCurrentIndex(1);
        m_boxes[std::size_t(index)]->setFocus();
    }));
    refreshCaptions();
    resize(760, 560);
}

void ToolboxView::refreshCaptions()
{
    m_gridCaption->setText(fromBytes(m_tools.asd().tag()));
    for (int i = 0; i < 2; ++i)
        m_boxCaptions[std::size_t(i)]->setText(fromBytes(m_tools.repT(i).tag()));
}

void registerToolboxView(QtWindowHost& host, reports::Toolbox& tools)
{
    host.registerView(tools, [&tools] { return new ToolboxView(tools); });
}

reports::ToolboxHooks toolboxHooks(shell::App& app, shell::Toolbar* toolbar, const platform::Window* flash)
{
    reports::ToolboxHooks hooks;
    hooks.initForm = [&app, flash](platform::Window& window) {
        platform::WindowHost* host = app.services().host;
        if (host && flash)
            shell::initFormCommon(window, *flash, app.state(), *host);
        if (host)
            shell::unloadOtherForms(*host, window.name());
    };
    hooks.applyGridFonts = [&app](platform::Window& window) { shell::applyGridFonts(window, app.state()); };
    hooks.setJobTools = [toolbar](bool on) {
        if (!toolbar)
            return;
        toolbar->setEnabled("ID_Process", on);
        toolbar->setEnabled("ID_SAVE", on);
    };
    hooks.startFolder = [&app] { return app.state().outDir; };
    return hooks;
}

} // namespace corvalet::gui
