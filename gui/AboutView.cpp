#include "gui/AboutView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"
#include "gui/QtWindowHost.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvalet::gui {

AboutView::AboutView(shell::AboutBox& about, QWidget* parent)
    : QWidget(parent), m_about(about), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("intro"));
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Label1"));
    auto* attribution = new QLabel(this);
    attribution->setObjectName(QStringLiteral("Label2"));
    m_text->setObjectName(QStringLiteral("introText"));
    // Read only, so no key reaches the text; the model swallows them as well.
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* accept = new QPushButton(this);
    accept->setObjectName(QStringLiteral("but"));
    auto* decline = new QPushButton(this);
    decline->setObjectName(QStringLiteral("Command1"));
    accept->setDefault(true);

    new LabelBinder(title, about.label1);
    new LabelBinder(attribution, about.label2);
    new ButtonBinder(accept, about.but);
    new ButtonBinder(decline, about.command1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(decline);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(attribution);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    setMinimumSize(560, 420);

    m_connections.push_back(about.introText.changed.connect([this] { refreshText(); }));
    refreshText();
}

void AboutView::refreshText()
{
    const QString text = toQt(m_about.introText.text());
    if (m_text->toPlainText() != text)
        m_text->setPlainText(text);
    QFont font = m_text->font();
    font.setFamily(toQt(m_about.introText.fontName()));
    if (m_about.introText.fontSize() > 0)
        font.setPointSizeF(m_about.introText.fontSize());
    font.setBold(m_about.introText.fontBold());
    if (font != m_text->font())
        m_text->setFont(font);
}

void AboutView::registerWith(QtWindowHost& host, shell::AboutBox& about)
{
    host.registerView(about, [&about] { return new AboutView(about); });
}

} // namespace corvalet::gui
