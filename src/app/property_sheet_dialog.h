// SPDX-License-Identifier: MIT
// The editor property sheet on screen: one tab per page, each page a DialogView made when the
// page is first shown, OK and Cancel below. Every decision is the PropertySheetModel's.
#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>
#include <vector>

#include "editor/property_sheet_model.h"

class QTabWidget;

namespace editor::shell {
struct EditorSession;
}

namespace app {

class DialogView;

class PropertySheetDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit PropertySheetDialog(const editor::shell::EditorSession& session, QWidget* parent = nullptr);
    ~PropertySheetDialog() override;

    [[nodiscard]] editor::PropertySheetModel& sheet() { return *m_sheet; }
    [[nodiscard]] QTabWidget& tabs() { return *m_tabs; }
    // The view of a page that has been shown, else nullptr.
    [[nodiscard]] DialogView* pageView(int index) const;

    void accept() override; // OK: the pages apply; a refusing page keeps the sheet open
    void reject() override; // Cancel, Esc, the close box

private:
    void showTab(int index);
    void attachView(int index, const ui::DialogTemplate& dialog, ui::DialogModel& model);
    void syncViews();

    ui::Host& m_host;
    QTabWidget* m_tabs = nullptr;
    std::vector<DialogView*> m_views;
    std::unique_ptr<editor::PropertySheetModel> m_sheet;
    bool m_isSwitching = false;
};

// Runs the sheet modally over `parent`; true when it was closed with OK.
bool runPropertySheet(QWidget* parent, const editor::shell::EditorSession& session);

// The sheet's window icon: a stack of tabbed pages.
[[nodiscard]] QPixmap sheetIconPixmap(int size);

} // namespace app
