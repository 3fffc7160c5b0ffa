#include "gui/SplashView.h"

#include "gui/BindingSupport.h"
#include "gui/ControlBinders.h"

#include <QFontInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace corvalet::gui {

namespace {

// A curve that looks like a log reading: a few sines of unrelated periods summed, so the
// picture is the same on every start.
double logReading(double depth, double a, double b, double c)
{
    return 0.5 + 0.22 * std::sin(depth * a) + 0.14 * std::sin(depth * b + 1.3) + 0.08 * std::sin(depth * c + 0.4);
}

} // namespace

QPixmap SplashView::picture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = side * 0.06;
    const QRectF card(margin, margin, side - 2 * margin, side - 2 * margin);
    p.setPen(QPen(QColor(40, 60, 90), side / 60.0 + 0.5));
    p.setBrush(QColor(250, 248, 240));
    p.drawRoundedRect(card, side * 0.06, side * 0.06);

    // Three tracks with a depth scale at the left.
    const qreal scale = card.width() * 0.14;
    const qreal trackWidth = (card.width() - scale) / 3.0;
    const qreal top = card.top() + side * 0.05, bottom = card.bottom() - side * 0.05;
    p.setPen(QPen(QColor(170, 170, 170), 0.8));
    for (int i = 0; i <= 3; ++i) {
        const qreal x = card.left() + scale + i * trackWidth;
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    for (int i = 0; i <= 8; ++i) {
        const qreal y = top + (bottom - top) * i / 8.0;
        p.drawLine(QPointF(card.left() + scale * 0.45, y), QPointF(card.left() + scale, y));
    }

    struct Curve {
        int track;
        QColor colour;
        double a, b, c;
    };
    const Curve curves[] = {
        {0, QColor(30, 140, 60), 0.21, 0.53, 1.7},
        {1, QColor(200, 40, 40), 0.17, 0.61, 1.3},
        {1, QColor(40, 80, 200), 0.29, 0.37, 2.1},
        {2, QColor(120, 60, 160), 0.13, 0.71, 1.9},
    };
    for (const Curve& curve : curves) {
        const qreal left = card.left() + scale + curve.track * trackWidth;
        QPainterPath path;
        const int steps = 120;
        for (int i = 0; i <= steps; ++i) {
            const qreal y = top + (bottom - top) * i / steps;
            const qreal x = left + trackWidth * (0.08 + 0.84 * logReading(i, curve.a, curve.b, curve.c));
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setPen(QPen(curve.colour, side / 90.0 + 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    return pixmap;
}

QIcon SplashView::programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 64})
        icon.addPixmap(picture(side));
    return icon;
}

QFont SplashView::titleFont(const shell::SplashPanel& panel)
{
    QFont font;
    font.setFamily(toQt(panel.lblTitle.fontName()));
    font.setPointSizeF(panel.lblTitle.fontSize() > 0 ? panel.lblTitle.fontSize() : 10.0);
    font.setBold(panel.lblTitle.fontBold());
    return font;
}

std::string SplashView::suppliedFamily(const std::string& family)
{
    return fromQt(QFontInfo(QFont(toQt(family))).family());
}

SplashView::SplashView(shell::SplashPanel& panel, QWidget* parent)
    : QWidget(parent), m_panel(panel), m_title(new QLabel(this)), m_picture(new QLabel(this)),
      m_version(new QLabel(this)), m_loading(new QLabel(this))
{
    setObjectName(QStringLiteral("flash"));
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_version->setObjectName(QStringLiteral("verLab"));
    m_loading->setObjectName(QStringLiteral("loLab"));
    new LabelBinder(m_title, panel.lblTitle);
    new LabelBinder(m_version, panel.verLab);
    new LabelBinder(m_loading, panel.loLab);
    m_picture->setPixmap(picture());
    m_picture->resize(kPictureSide, kPictureSide);
    for (QLabel* label : {m_title, m_version, m_loading})
        label->setStyleSheet(QStringLiteral("color: #1c2c44;"));
    m_version->setAlignment(Qt::AlignCenter);
    m_loading->setAlignment(Qt::AlignCenter);
    m_loading->setWordWrap(true);
    m_connections.push_back(panel.contentChanged.connect([this] { placeContent(); }));
    m_connections.push_back(panel.lblTitle.changed.connect([this] { placeContent(); }));
    m_connections.push_back(panel.verLab.changed.connect([this] { placeContent(); }));
    placeContent();
}

int SplashView::pixels(int twips) const { return int(std::lround(twips * logicalDpiX() / 1440.0)); }

void SplashView::placeContent()
{
    const shell::SplashContent& c = m_panel.content();
    m_title->adjustSize();
    m_title->move(pixels(c.titleLeft), pixels(300));
    const int width = std::max(pixels(c.loadingWidth), 1);
    const int below = m_title->geometry().bottom() + 8;
    m_loading->setGeometry(0, below, width, m_loading->heightForWidth(width));
    m_version->setGeometry(0, m_loading->geometry().bottom() + 6, width, m_version->sizeHint().height());
    m_picture->move(pixels(c.imageLeft), std::max(pixels(c.imageTop), m_version->geometry().bottom() + 8));
}

void SplashView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(226, 234, 244));
    fill.setColorAt(1, QColor(190, 206, 226));
    p.fillRect(rect(), fill);
}

} // namespace corvalet::gui
