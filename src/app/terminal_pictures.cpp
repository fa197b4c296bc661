// SPDX-License-Identifier: MIT
#include "app/terminal_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "app/terminal_screen.h"
#include "editor/shell/panel_layout.h"

namespace app {
namespace {

using editor::shell::PanelKey;

enum class KeyShape { Plain, ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Menu };

struct KeyStyle
{
    QColor face;
    QColor ink;
    const char* label;
    KeyShape shape = KeyShape::Plain;
};

const QColor Grey(0xe4, 0xe6, 0xe9);
const QColor Slate(0x5d, 0x6d, 0x7e);
const QColor Ink(0x20, 0x24, 0x28);
const QColor White(0xf6, 0xf7, 0xf8);

// Faces and legends of keys 1 to 25: two large keys, the cursor cluster, the keypad.
KeyStyle keyStyle(int number)
{
    switch (number) {
    case 1:
        return {QColor(0xc6, 0x3b, 0x32), White, "ESC"};
    case 2:
        return {QColor(0x2f, 0x9a, 0x4f), White, "ENT"};
    case 3:
        return {QColor(0xe8, 0x8a, 0x1a), Ink, "Fn"};
    case 4:
        return {Slate, White, "BS"};
    case 5:
        return {Grey, Ink, "", KeyShape::ArrowUp};
    case 6:
        return {Grey, Ink, "", KeyShape::ArrowDown};
    case 7:
        return {Grey, Ink, "", KeyShape::ArrowLeft};
    case 8:
        return {Grey, Ink, "", KeyShape::ArrowRight};
    case 9:
        return {Slate, White, "ABC"};
    case 10:
        return {Slate, White, "SP"};
    default:
        break;
    }
    static const char* const grid[] = {"1", "2", "3", "F1", "4", "5", "6", "F2", "7", "8", "9", "F3", ".", "0", "-"};
    const int index = number - 11;
    const bool isFunctionColumn = index % 4 == 3;
    return {isFunctionColumn ? Slate : Grey, isFunctionColumn ? White : Ink, grid[index]};
}

QRectF keyArea(const PanelKey& key)
{
    return QRectF(key.left, key.top, key.right - key.left + 1, key.bottom - key.top + 1);
}

QPainterPath outlinePath()
{
    QPolygonF polygon;
    for (const editor::shell::PanelPoint& p : editor::shell::windowOutline()) {
        polygon << QPointF(p.x, p.y);
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

void drawArrow(QPainter& painter, const QRectF& face, KeyShape shape, const QColor& ink)
{
    const QPointF c = face.center();
    const qreal s = 5.5;
    QPolygonF tri;
    switch (shape) {
    case KeyShape::ArrowUp:
        tri << QPointF(c.x(), c.y() - s) << QPointF(c.x() - s, c.y() + s * 0.6) << QPointF(c.x() + s, c.y() + s * 0.6);
        break;
    case KeyShape::ArrowDown:
        tri << QPointF(c.x(), c.y() + s) << QPointF(c.x() - s, c.y() - s * 0.6) << QPointF(c.x() + s, c.y() - s * 0.6);
        break;
    case KeyShape::ArrowLeft:
        tri << QPointF(c.x() - s, c.y()) << QPointF(c.x() + s * 0.6, c.y() - s) << QPointF(c.x() + s * 0.6, c.y() + s);
        break;
    case KeyShape::ArrowRight:
        tri << QPointF(c.x() + s, c.y()) << QPointF(c.x() - s * 0.6, c.y() - s) << QPointF(c.x() - s * 0.6, c.y() + s);
        break;
    case KeyShape::Menu:
        painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (const qreal dy : {-4.0, 0.0, 4.0}) {
            painter.drawLine(QPointF(c.x() - 5, c.y() + dy), QPointF(c.x() + 5, c.y() + dy));
        }
        return;
    case KeyShape::Plain:
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(tri);
}

// Light shading down from `top` (at y = from) to `bottom` (at y = to).
QLinearGradient verticalShade(qreal from, qreal to, const QColor& top, const QColor& bottom)
{
    QLinearGradient shade(0, from, 0, to);
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    return shade;
}

// A key as it stands up (a shadow below, light from above) or held down (sunk, darker, no
// shadow), kept inside its click area so that neighbouring key images never overlap.
void paintKey(QPainter& painter, const QRectF& area, const KeyStyle& style, KeyLook look)
{
    const bool isPressed = look == KeyLook::Pressed;
    const QRectF inner = area.adjusted(1, 1, -1, -2);
    const qreal radius = std::min(inner.width(), inner.height()) * 0.28;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, isPressed ? 150 : 110));
    painter.drawRoundedRect(isPressed ? inner.adjusted(-0.5, -0.5, 0.5, 1.5) : inner.translated(0, 2), radius, radius);
    const QRectF face = isPressed ? inner.translated(0, 1.5) : inner;
    const QColor base = isPressed ? style.face.darker(135) : style.face;
    painter.setBrush(verticalShade(face.top(), face.bottom(), isPressed ? base.darker(115) : base.lighter(118),
                                   isPressed ? base : base.darker(112)));
    painter.setPen(QPen(base.darker(160), 0.8));
    painter.drawRoundedRect(face, radius, radius);
    if (!isPressed) {
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        painter.drawLine(face.topLeft() + QPointF(radius, 1), face.topRight() + QPointF(-radius, 1));
    }
    const QColor ink = isPressed ? style.ink.darker(120) : style.ink;
    if (style.shape != KeyShape::Plain) {
        drawArrow(painter, face, style.shape, ink);
        return;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qstrlen(style.label) > 2 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(face, Qt::AlignCenter, QString::fromLatin1(style.label));
}

void paintShell(QPainter& painter)
{
    const QPainterPath body = outlinePath();
    QLinearGradient side(0, 0, editor::shell::PanelWidth, 0);
    side.setColorAt(0, QColor(0x26, 0x2a, 0x30));
    side.setColorAt(0.18, QColor(0x47, 0x4e, 0x57));
    side.setColorAt(0.5, QColor(0x52, 0x59, 0x63));
    side.setColorAt(0.82, QColor(0x47, 0x4e, 0x57));
    side.setColorAt(1, QColor(0x22, 0x26, 0x2b));
    painter.fillPath(body, side);
    painter.setPen(QPen(QColor(0x12, 0x14, 0x17), 2));
    painter.drawPath(body);

    // Scan window in the head, side trigger in the notch on the right.
    painter.setPen(QPen(QColor(0x15, 0x15, 0x15), 1));
    painter.setBrush(verticalShade(5, 22, QColor(0xb0, 0x1c, 0x22), QColor(0x3c, 0x06, 0x08)));
    painter.drawRoundedRect(QRectF(82, 6, 92, 15), 6, 6);
    painter.setBrush(QColor(0xe8, 0x8a, 0x1a));
    painter.drawRoundedRect(QRectF(252.5, 63.5, 6, 38), 2, 2);

    // Keypad plate.
    painter.setPen(QPen(QColor(0x1b, 0x1e, 0x22), 1));
    painter.setBrush(verticalShade(318, 612, QColor(0x3a, 0x40, 0x47), QColor(0x2c, 0x31, 0x37)));
    painter.drawRoundedRect(QRectF(48.5, 318.5, 156, 290), 16, 16);

    // Scan button between the two large keys, and the ring of the cursor keys.
    QRadialGradient scan(126, 349, 22);
    scan.setColorAt(0, QColor(0xff, 0xb1, 0x3b));
    scan.setColorAt(1, QColor(0xd0, 0x6c, 0x0c));
    painter.setBrush(scan);
    painter.setPen(QPen(QColor(0x6a, 0x36, 0x05), 1));
    painter.drawEllipse(QRectF(104, 333, 45, 32));
    painter.setPen(QPen(QColor(0x3a, 0x1e, 0x02), 1.4));
    for (int x = 114; x <= 138; x += 3 + (x % 2)) {
        painter.drawLine(QPointF(x, 342), QPointF(x, 356));
    }
    painter.setPen(QPen(QColor(0x1b, 0x1e, 0x22), 1));
    painter.setBrush(QColor(0x30, 0x35, 0x3b));
    painter.drawEllipse(QRectF(86, 397, 82, 76));
}

// The screen's bezel and its empty display; the panel draws the preview's lines onto it.
void paintScreen(QPainter& painter, project::Model model)
{
    const bool isPocketPc = model == project::Model::Q720PPC;
    painter.setPen(QPen(QColor(0x0c, 0x0d, 0x0f), 1));
    painter.setBrush(QColor(0x17, 0x1a, 0x1e));
    painter.drawRoundedRect(QRectF(27.5, 44.5, 203, 252), 14, 14);

    const QRectF lcd(terminalScreenArea());
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalShade(lcd.top(), lcd.bottom(),
                                   isPocketPc ? QColor(0xf4, 0xf7, 0xfb) : QColor(0xc9, 0xdc, 0xc4),
                                   isPocketPc ? QColor(0xd9, 0xe2, 0xee) : QColor(0xa4, 0xbf, 0x9f)));
    painter.drawRect(lcd);

    const QString name = isPocketPc ? QStringLiteral("Q720PPC") : QStringLiteral("Q720CE");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    painter.setPen(QColor(0xa8, 0xb0, 0xba));
    painter.drawText(QRectF(40, 268, 178, 14), Qt::AlignCenter, name);
    painter.setBrush(QColor(0x3a, 0xd0, 0x5a));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(204, 272, 6, 6));
}

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

TerminalPictures::TerminalPictures()
{
    QPixmap shell = transparentPixmap(editor::shell::PanelWidth, editor::shell::PanelHeight);
    {
        QPainter painter(&shell);
        painter.setRenderHint(QPainter::Antialiasing);
        paintShell(painter);
        paintKey(painter, keyArea(*editor::shell::findPanelKey(editor::shell::MenuKeyNumber)),
                 KeyStyle{QColor(0x2a, 0x6c, 0xc4), White, "", KeyShape::Menu}, KeyLook::Released);
    }
    QPixmap withKeys = shell;
    {
        QPainter painter(&withKeys);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const PanelKey& key : editor::shell::panelKeys()) {
            if (key.number <= editor::shell::MovingKeyCount) {
                paintKey(painter, keyArea(key), keyStyle(key.number), KeyLook::Released);
            }
        }
    }
    for (const project::Model model : {project::Model::Q720CE, project::Model::Q720PPC}) {
        QPixmap& background = m_backgrounds[static_cast<int>(model)];
        background = withKeys;
        QPainter painter(&background);
        painter.setRenderHint(QPainter::Antialiasing);
        paintScreen(painter, model);
    }
    // A key image starts as the picture around the key, with the key itself cleared back to
    // the bare plate and then drawn up or down.
    for (const PanelKey& key : editor::shell::panelKeys()) {
        if (key.number > editor::shell::MovingKeyCount) {
            continue;
        }
        const QRect imageRect(key.image.x, key.image.y, key.imageWidth(), key.imageHeight());
        for (const KeyLook look : {KeyLook::Pressed, KeyLook::Released}) {
            QPixmap image = withKeys.copy(imageRect);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(-imageRect.topLeft());
            painter.setClipRect(keyArea(key));
            painter.drawPixmap(0, 0, shell);
            paintKey(painter, keyArea(key), keyStyle(key.number), look);
            (look == KeyLook::Pressed ? m_pressed : m_released)[key.number - 1] = image;
        }
    }
}

const QPixmap& TerminalPictures::background(project::Model model) const
{
    return m_backgrounds[model == project::Model::Q720PPC ? 1 : 0];
}

const QPixmap& TerminalPictures::key(int number, KeyLook look) const
{
    const int index = std::clamp(number, 1, editor::shell::MovingKeyCount) - 1;
    return look == KeyLook::Pressed ? m_pressed[index] : m_released[index];
}

QPixmap programIconPixmap(int size)
{
    QPixmap icon = transparentPixmap(size, size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    painter.scale(s, s);
    painter.setPen(QPen(QColor(0x12, 0x14, 0x17), 1));
    painter.setBrush(QColor(0x47, 0x4e, 0x57));
    painter.drawRoundedRect(QRectF(7.5, 1.5, 17, 29), 4, 4);
    painter.setBrush(QColor(0xc9, 0xdc, 0xc4));
    painter.drawRect(QRectF(10.5, 5.5, 11, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe4, 0xe6, 0xe9));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawRect(QRectF(11 + column * 3.6, 18 + row * 3.6, 2.6, 2.6));
        }
    }
    painter.setBrush(QColor(0xb0, 0x1c, 0x22));
    painter.drawRect(QRectF(12, 2.5, 8, 1.5));
    return icon;
}

}  // namespace app
