// SPDX-License-Identifier: MIT
#include "app/property_sheet_dialog.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/code_page.h"
#include "app/dialog_view.h"
#include "editor/shell/editor_session.h"
#include "texts/text_source.h"
#include "ui/dialog_model.h"

namespace app {

PropertySheetDialog::PropertySheetDialog(const editor::shell::EditorSession& session, QWidget* parent)
    : QDialog(parent), m_host(session.host)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(QIcon(sheetIconPixmap(32)));
    m_tabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertySheetDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tabs exist before the model, which opens its first page while it is made.
    m_views.assign(editor::SheetPageCount, nullptr);
    for (int index = 0; index < editor::SheetPageCount; ++index) {
        auto* holder = new QWidget(m_tabs);
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(holder, QString());
    }
    m_sheet = std::make_unique<editor::PropertySheetModel>(
        session, [this](int index, const ui::DialogTemplate& dialog, ui::DialogModel& model) {
            attachView(index, dialog, model);
        });
    for (int index = 0; index < m_sheet->pageCount(); ++index) {
        m_tabs->setTabText(index, fromCodePage(m_sheet->pageTitle(index)));
    }
    setWindowTitle(decodedText(m_sheet->caption()));
    buttons->button(QDialogButtonBox::Ok)->setText(fromCodePage(m_sheet->okText()));
    buttons->button(QDialogButtonBox::Cancel)->setText(fromCodePage(m_sheet->cancelText()));
    syncViews();
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheetDialog::showTab);
}

PropertySheetDialog::~PropertySheetDialog()
{
    // The views refer to the page models: they go first.
    for (DialogView* view : m_views) {
        delete view;
    }
}

DialogView* PropertySheetDialog::pageView(int index) const
{
    return index >= 0 && index < static_cast<int>(m_views.size()) ? m_views[static_cast<std::size_t>(index)] : nullptr;
}

void PropertySheetDialog::attachView(int index, const ui::DialogTemplate& dialog, ui::DialogModel& model)
{
    QWidget* holder = m_tabs->widget(index);
    auto* view = new DialogView(dialog, model, m_host, holder);
    holder->layout()->addWidget(view);
    m_views[static_cast<std::size_t>(index)] = view;
}

void PropertySheetDialog::showTab(int index)
{
    if (m_isSwitching) {
        return;
    }
    if (!m_sheet->showPage(index)) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_sheet->currentPage());
    }
    syncViews();
}

void PropertySheetDialog::syncViews()
{
    for (DialogView* view : m_views) {
        if (view != nullptr) {
            view->syncFromModel();
        }
    }
}

void PropertySheetDialog::accept()
{
    const bool isApplied = m_sheet->ok();
    if (!isApplied) {
        m_isSwitching = true;
        m_tabs->setCurrentIndex(m_sheet->currentPage());
        m_isSwitching = false;
        syncViews();
        return;
    }
    QDialog::accept();
}

void PropertySheetDialog::reject()
{
    m_sheet->cancel();
    QDialog::reject();
}

bool runPropertySheet(QWidget* parent, const editor::shell::EditorSession& session)
{
    PropertySheetDialog dialog(session, parent);
    return dialog.exec() == QDialog::Accepted;
}

QPixmap sheetIconPixmap(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    painter.scale(s, s);
    painter.setPen(QPen(QColor(0x3a, 0x40, 0x48), 1));
    for (int sheet = 2; sheet >= 0; --sheet) {
        const qreal offset = sheet * 3.0;
        painter.setBrush(sheet == 0 ? QColor(0xfa, 0xfa, 0xf5) : QColor(0xd8, 0xdc, 0xe2));
        painter.drawRect(QRectF(4.5 + offset, 9.5 - offset, 20, 19));
        painter.drawRect(QRectF(4.5 + offset, 5.5 - offset, 8, 4));
    }
    painter.setPen(QPen(QColor(0x47, 0x7a, 0xb8), 1.5));
    for (int line = 0; line < 4; ++line) {
        painter.drawLine(QPointF(8, 14 + line * 3.5), QPointF(21, 14 + line * 3.5));
    }
    return icon;
}

} // namespace app
