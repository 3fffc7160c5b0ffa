#pragma once
// The splash panel "flash" down the left side of the MDI area: the program's title, its
// version, a loading line and a picture of a well log, placed where the panel model says.
#include "shell/About.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace corvalet::gui {

class SplashView final : public QWidget {
    Q_OBJECT
public:
    explicit SplashView(shell::SplashPanel& panel, QWidget* parent = nullptr);

    // The picture's side in pixels.
    static constexpr int kPictureSide = 150;
    // A stylised log plot: three tracks of curves against depth, drawn here, nothing loaded.
    [[nodiscard]] static QPixmap picture(int side = kPictureSide);
    // The program's icon: the same picture, small.
    [[nodiscard]] static QIcon programIcon();
    // The title as the panel shows it, so the main window can measure it before the panel exists.
    [[nodiscard]] static QFont titleFont(const shell::SplashPanel& panel);
    // The family the system really gives for `family` (the panel's font probe).
    [[nodiscard]] static std::string suppliedFamily(const std::string& family);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeContent();
    [[nodiscard]] int pixels(int twips) const;

    shell::SplashPanel& m_panel;
    QLabel* m_title;
    QLabel* m_picture;
    QLabel* m_version;
    QLabel* m_loading;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::gui
