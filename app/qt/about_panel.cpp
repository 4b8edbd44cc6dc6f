#include "app/qt/about_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

#include "app/qt/guide_panel.h"
#include "app/qt/jpeg_decode.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "io/qt/panel_glyphs.h"

#ifndef Q417_VERSION
#define Q417_VERSION "unknown"
#endif

namespace q417 {

namespace {

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int pixels,
              const QColor& colour) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(pixels);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

AboutPanel::AboutPanel(QWidget* settingsPanel) : QWidget(settingsPanel) {
    setObjectName(QStringLiteral("SPanel3"));
    setGeometry(2, 1, 316, 151);
    setAutoFillBackground(true);
    const QColor red(192, 0, 0), green(0, 110, 0);
    title_ = Label(this, QCoreApplication::translate("About", "Cipher machine Q417"), 2, 1, 16, red);
    version_ = Label(this, QCoreApplication::translate("About", "Version %1").arg(QStringLiteral(Q417_VERSION)), 4, 22,
                     11, Qt::black);
    version_->setObjectName(QStringLiteral("version"));
    Label(this, QCoreApplication::translate("About", "A simulator of the rotor cipher machine"), 4, 44, 11, red);
    Label(this, QCoreApplication::translate("About", "Machine model, pictures"), 4, 66, 11, green);
    Label(this, QCoreApplication::translate("About", "and sounds: the Q417 team"), 4, 80, 11, green);
    Label(this, QCoreApplication::translate("About", "Built with Qt 6 and libjpeg"), 4, 102, 11, green);
    Label(this, QCoreApplication::translate("About", "Free software, MIT licence"), 4, 116, 11, green);

    auto* guide = new QToolButton(this);
    guide->setObjectName(QStringLiteral("guide"));
    guide->setText(QCoreApplication::translate("About", "Guide  F1"));
    guide->setToolTip(QCoreApplication::translate("About", "how to work the machine"));
    guide->setGeometry(230, 24, 70, 20);
    guide->setFocusPolicy(Qt::NoFocus);
    connect(guide, &QToolButton::clicked, this, [this] { GuidePanel::openIn(this); });

    logo_ = new PictureElement(QStringLiteral("Image27"), QRect(200, 64, 109, 90), true, this);
    const QImage logo = DecodeJpeg(Sprites::Bytes(QStringLiteral("logo.jpg")));
    logo_->image().fill(palette().color(QPalette::Window));
    if (!logo.isNull())
        logo_->image() = logo.scaled(109, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    logo_->update();

    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("SpeedButton17"));
    close_->setGeometry(296, 3, 16, 16);
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setIcon(PanelGlyph(Glyph::Close));
    close_->setIconSize(QSize(12, 12));
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

}  // namespace q417
