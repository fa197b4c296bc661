// SPDX-License-Identifier: MIT
#include "app/terminal_screen.h"

#include <QFont>
#include <QLinearGradient>
#include <QPolygonF>

#include "app/code_page.h"
#include "app/terminal_font.h"

namespace app {
namespace {

constexpr int StatusHeight = 14;
constexpr int RowHeight = 16;
constexpr int ColumnWidth = 6;
constexpr int Margin = 3;

struct ScreenColours
{
    QColor glassTop;
    QColor glassBottom;
    QColor ink;
    QColor bar;
    QColor barInk;
};

ScreenColours coloursOf(project::Model model)
{
    if (model == project::Model::Q720PPC) {
        return {QColor(0xf4, 0xf7, 0xfb), QColor(0xd9, 0xe2, 0xee), QColor(0x1c, 0x2a, 0x44), QColor(0x1f, 0x5f, 0xb0),
                QColor(0xf0, 0xf4, 0xf8)};
    }
    return {QColor(0xc9, 0xdc, 0xc4), QColor(0xa4, 0xbf, 0x9f), QColor(0x1f, 0x33, 0x1d), QColor(0x3b, 0x55, 0x38),
            QColor(0xe8, 0xf0, 0xe4)};
}

// One character a column, so that prompts and input areas line up as on the terminal.
void drawColumns(QPainter& painter, int left, int baseline, const std::string& bytes)
{
    const QString text = fromCodePage(bytes);
    for (int column = 0; column < text.size(); ++column) {
        painter.drawText(QPoint(left + column * ColumnWidth, baseline), QString(text[column]));
    }
}

void drawScrollMark(QPainter& painter, QPointF tip, bool pointsUp, const QColor& colour)
{
    const qreal h = pointsUp ? 4 : -4;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{tip, QPointF(tip.x() - 4, tip.y() + h), QPointF(tip.x() + 4, tip.y() + h)});
}

void paintStatus(QPainter& painter, const QRect& area, const editor::shell::PreviewScreen& screen,
                 const ScreenColours& c)
{
    const QRect bar(area.left(), area.top(), area.width(), StatusHeight);
    painter.fillRect(bar, c.bar);
    painter.setFont(terminalFont(9, TerminalWeight::Bold));
    painter.setPen(c.barInk);
    painter.drawText(bar.adjusted(5, 0, -24, 0), Qt::AlignVCenter | Qt::AlignLeft, fromCodePage(screen.name));
    const qreal x = bar.right() - 9;
    if (screen.hasRowsAbove) {
        drawScrollMark(painter, QPointF(x - 8, bar.top() + 4), true, c.barInk);
    }
    if (screen.hasRowsBelow) {
        drawScrollMark(painter, QPointF(x + 2, bar.bottom() - 3), false, c.barInk);
    }
}

void paintRow(QPainter& painter, const QRect& line, const editor::shell::PreviewRow& row, const ScreenColours& c)
{
    const int left = line.left() + Margin;
    const int baseline = line.bottom() - 4;
    QColor ink = c.ink;
    if (row.isCurrent) {
        painter.fillRect(line, c.ink);
        ink = c.glassTop;
    }
    if (row.inputWidth > 0) {
        // The input area: its input marks, or a dotted rule under its columns where the line
        // has none; the cursor at its start on the line the cursor stands on.
        const int from = left + row.inputColumn * ColumnWidth;
        const int to = from + row.inputWidth * ColumnWidth - 1;
        const bool hasMarks = static_cast<int>(row.text.size()) > row.inputColumn;
        if (!hasMarks) {
            painter.setPen(QPen(ink, 1, Qt::DotLine));
            painter.drawLine(from, baseline + 2, to, baseline + 2);
        }
        if (row.isCurrent) {
            painter.fillRect(QRect(from, line.top() + 2, 2, RowHeight - 4), ink);
        }
    }
    painter.setPen(ink);
    drawColumns(painter, left, baseline, row.text);
}

}  // namespace

QRect terminalScreenArea() { return QRect(36, 54, 186, 208); }

void paintTerminalScreen(QPainter& painter, const editor::shell::PreviewScreen& screen, project::Model model)
{
    const QRect area = terminalScreenArea();
    const ScreenColours c = coloursOf(model);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintStatus(painter, area, screen, c);
    int top = area.top() + StatusHeight + 1;
    if (screen.title) {
        const QRect line(area.left(), top, area.width(), RowHeight);
        painter.setFont(terminalFont(10, TerminalWeight::Bold));
        painter.setPen(c.ink);
        drawColumns(painter, line.left() + Margin, line.bottom() - 4, *screen.title);
        painter.setPen(QPen(c.ink, 1));
        painter.drawLine(line.left() + Margin, line.bottom(), line.right() - Margin, line.bottom());
        top += RowHeight;
    }
    painter.setFont(terminalFont(10, TerminalWeight::Regular));
    for (const editor::shell::PreviewRow& row : screen.rows) {
        paintRow(painter, QRect(area.left(), top, area.width(), RowHeight), row, c);
        top += RowHeight;
    }
    painter.restore();
}

}  // namespace app
