// SPDX-License-Identifier: MIT
#include "app/character_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/code_page.h"
#include "editor/settings/character_grid_dialog.h"
#include "resources/settings_templates.h"
#include "ui/dialog_model.h"

namespace app {
namespace {

using editor::settings::GridCells;
using resources::CharacterGridId;

const QColor HeaderColour(0xd4, 0xd0, 0xc8);
const QColor LineColour(0xc0, 0xc0, 0xc0);
const QColor CurrentColour(0x00, 0x00, 0xff);

QString headerText(int column, int row)
{
    if (row == 0 && column > 0) {
        return QStringLiteral("%1").arg(column - 1, 1, 16).toUpper() + QLatin1Char('0');
    }
    if (column == 0 && row > 0) {
        return QStringLiteral("0") + QStringLiteral("%1").arg(row - 1, 1, 16).toUpper();
    }
    return {};
}

// The resulting text: a white box with a sunken frame, the names in grey on one line.
class ResultingTextWidget final : public QWidget
{
public:
    ResultingTextWidget(DialogView& view, QWidget* parent) : QWidget(parent), m_view(view)
    {
        connect(&view, &DialogView::modelChanged, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect box = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(box, Qt::white);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        painter.setPen(Qt::gray);
        const QString text = fromCodePage(m_view.model().controlStates().text(CharacterGridId::ResultingText));
        painter.drawText(rect().adjusted(5, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

private:
    DialogView& m_view;
};

} // namespace

CharacterGridWidget::CharacterGridWidget(DialogView& view, const editor::settings::CharacterGridDialog& grid)
    : QWidget(&view), m_view(view), m_grid(grid)
{
    connect(&view, &DialogView::modelChanged, this, qOverload<>(&QWidget::update));
}

QRect CharacterGridWidget::cellRect(int column, int row) const
{
    const int cellWidth = width() / GridCells;
    const int cellHeight = height() / GridCells;
    return {column * cellWidth, row * cellHeight, cellWidth, cellHeight};
}

QPoint CharacterGridWidget::cellAt(QPoint position) const
{
    const int cellWidth = std::max(1, width() / GridCells);
    const int cellHeight = std::max(1, height() / GridCells);
    return {position.x() / cellWidth, position.y() / cellHeight};
}

void CharacterGridWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect whole = cellRect(0, 0).united(cellRect(GridCells - 1, GridCells - 1));
    painter.fillRect(whole, Qt::white);
    painter.fillRect(cellRect(0, 0).united(cellRect(GridCells - 1, 0)), HeaderColour);
    painter.fillRect(cellRect(0, 0).united(cellRect(0, GridCells - 1)), HeaderColour);
    for (int column = 0; column < GridCells; ++column) {
        for (int row = 0; row < GridCells; ++row) {
            const QRect cell = cellRect(column, row);
            painter.setPen(LineColour);
            painter.drawRect(cell);
            if (column == 0 || row == 0) {
                painter.setPen(Qt::black);
                painter.drawText(cell, Qt::AlignCenter, headerText(column, row));
                continue;
            }
            const auto code = static_cast<project::Byte>(editor::settings::codeAt(column, row));
            const bool isCurrent = column == m_grid.currentColumn() && row == m_grid.currentRow();
            if (isCurrent) {
                painter.fillRect(cell.adjusted(1, 1, 0, 0), CurrentColour);
            }
            painter.setPen(isCurrent ? Qt::white : (editor::settings::isGreyed(code) ? Qt::lightGray : Qt::black));
            const std::string name = editor::settings::displayForm(std::string(editor::settings::codeName(code)) + ' ');
            painter.drawText(cell, Qt::AlignCenter, fromCodePage(name.substr(0, name.size() - 1)));
        }
    }
    painter.setPen(Qt::black);
    painter.drawRect(whole);
    painter.drawLine(cellRect(1, 0).topLeft(), cellRect(1, GridCells - 1).bottomLeft());
    painter.drawLine(cellRect(0, 1).topLeft(), cellRect(GridCells - 1, 1).topRight());
}

void CharacterGridWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    m_view.send([cell](ui::DialogModel& model) {
        if (auto* grid = dynamic_cast<editor::settings::CharacterGridDialog*>(&model)) {
            grid->clickCell(cell.x(), cell.y());
        }
    });
}

QWidget* characterGridWidgets(ui::ControlId id, QWidget* parent)
{
    auto* view = qobject_cast<DialogView*>(parent);
    const auto* grid = view ? dynamic_cast<const editor::settings::CharacterGridDialog*>(&view->model()) : nullptr;
    if (grid == nullptr) {
        return nullptr;
    }
    if (id == CharacterGridId::Grid) {
        return new CharacterGridWidget(*view, *grid);
    }
    if (id == CharacterGridId::ResultingText) {
        return new ResultingTextWidget(*view, parent);
    }
    return nullptr;
}

} // namespace app
