#include "shell/About.h"

#include "platform/Text.h"
#include "shell/Startup.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace corvalet::shell {

std::string versionNumbers(const ProgramVersion& version)
{
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

std::string licenceText(const std::filesystem::path& dataFolder, std::string_view title)
{
    std::string text;
    std::ifstream in(dataFolder / "license.txt", std::ios::binary);
    if (!in)
        return text;
    char block[16384];
    while (in) {
        in.read(block, sizeof block);
        text.append(block, std::size_t(in.gcount()));
    }
    platform::replaceAllNoCase(text, "prog_name", title);
    return text;
}

AboutBox::AboutBox(const core::AppState& state, platform::WindowHost& host, std::filesystem::path dataFolder,
                   platform::EventPump& pump, std::function<void()> endProgram)
    : platform::Window("intro", "About"), m_state(state), m_host(host), m_dataFolder(std::move(dataFolder)),
      m_pump(pump), m_endProgram(std::move(endProgram))
{
    for (platform::Control* c : std::initializer_list<platform::Control*>{&introText, &label1, &label2, &but, &command1})
        addControl(*c);
    introText.setText("License Agreement");
    introText.setLocked(true);
    but.setCaption("Accept");
    command1.setCaption("Do Not Accept");
    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(introText.keyPress.connect([](int& key) { key = 0; }));
    m_connections.push_back(but.click.connect([this] { m_host.unload(*this); }));
    m_connections.push_back(command1.click.connect([this] {
        if (m_endProgram)
            m_endProgram();
    }));
}

void AboutBox::onLoad()
{
    core::applyFontToControls(*this, sharedFont(m_state));
    if (!m_state.quietMode)
        m_pump.doEvents();
    introText.setText(licenceText(m_dataFolder));
    setCaption("About " + std::string(applicationTitle));
    label1.setCaption(std::string(applicationTitle) + " " + versionNumbers());
    label2.setCaption(std::string(kAttribution));
    if (!m_state.quietMode)
        m_pump.doEvents();
}

int splashPanelWidth(int titleWidth, int imageWidth)
{
    return int(std::lround(1.1 * std::max(titleWidth, imageWidth)));
}

SplashContent splashContent(int panelWidth, int panelHeight, int titleWidth, int imageWidth, int imageHeight)
{
    SplashContent c;
    c.titleLeft = panelWidth / 2 - titleWidth / 2 + 30;
    c.imageLeft = panelWidth / 2 - imageWidth / 2;
    c.imageTop = int(std::lround(panelHeight - 1.5 * imageHeight));
    c.loadingWidth = panelWidth;
    return c;
}

void probeSharedFonts(core::AppState& state, const SplashPanel::FontProbe& probe)
{
    if (!probe)
        return;
    state.fixedFontName = probe("Courier New");
    // The saved font (read at start-up) stays unless the system cannot supply it.
    const std::string fallback = probe("Arial");
    if (state.uiFontName.empty() || !platform::equalsNoCase(probe(state.uiFontName), state.uiFontName))
        state.uiFontName = fallback;
}

SplashPanel::SplashPanel(core::AppState& state, const platform::WindowHost& host, platform::EventPump& pump,
                         FontProbe probe)
    : platform::Window("flash"), m_state(state), m_host(host), m_pump(pump), m_probe(std::move(probe))
{
    for (platform::Control* c : std::initializer_list<platform::Control*>{&lblTitle, &verLab, &loLab})
        addControl(*c);
    lblTitle.setCaption(std::string(applicationTitle));
    lblTitle.setFont("Arial", 20, true);
    loLab.setCaption("LAS 1.2 and 2.0 workbench");
    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(activate.connect([this] { onActivate(); }));
    // The panel's size changes when the working area does: the content follows.
    m_connections.push_back(changed.connect([this] { layoutContent(); }));
}

void SplashPanel::setContentSizes(int titleWidth, int imageWidth, int imageHeight)
{
    m_titleWidth = titleWidth;
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
}

void SplashPanel::fitToWorkArea()
{
    move(0, 0, splashPanelWidth(m_titleWidth, m_imageWidth), m_host.workArea().height);
    layoutContent();
}

void SplashPanel::onLoad()
{
    fitToWorkArea();
    probeSharedFonts(m_state, m_probe);
    verLab.setCaption("Version " + versionNumbers());
}

void SplashPanel::onActivate()
{
    if (!m_state.quietMode)
        m_pump.doEvents();
    layoutContent();
}

void SplashPanel::layoutContent()
{
    const SplashContent next = splashContent(width(), height(), m_titleWidth, m_imageWidth, m_imageHeight);
    if (next == m_content)
        return;
    m_content = next;
    contentChanged.send();
}

} // namespace corvalet::shell
