// SPDX-License-Identifier: MIT
// The editor property sheet: five pages in a fixed tab order, created when first shown,
// applied in tab order on OK. The sheet holds no project data; its pages copy their edits into
// the project.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"
#include "texts/string_id.h"
#include "texts/text_source.h"
#include "ui/localisation.h"

namespace ui {
class DialogModel;
class Host;
struct DialogTemplate;
} // namespace ui

namespace editor {

class PropertySheetModel;
namespace shell {
struct EditorSession;
}
namespace settings {
class SettingsPage;
}
namespace reader {
class BarcodePage;
}

// The tabs, in the order the user sees them; the Form page is shown when the sheet opens.
enum class SheetPage { Form = 0, Menu, Lookup, Barcode, Settings };
inline constexpr int SheetPageCount = 5;

// What the sheet hands to each page it creates.
struct SheetContext
{
    project::Project& project;
    const texts::TextSource& texts;
    ui::LanguageState language;
    project::Model model;      // the model preference
    bool& isModified;          // the document's modified flag; only some pages set it on OK
    PropertySheetModel* sheet; // for pages that read another page's working copy
};

// A created page: the template it is laid out from and its model.
struct CreatedPage
{
    const ui::DialogTemplate* dialog = nullptr;
    std::unique_ptr<ui::DialogModel> model;
};

using PageFactory = CreatedPage (*)(const SheetContext& context);

struct PageEntry
{
    texts::StringId title;
    PageFactory create; // nullptr: a page still to be built, shown as a short notice
};

// Opens a newly created page. Headless, the sheet opens the model on its template itself; the
// Qt sheet builds the page's view instead, which opens the model.
using PageOpener = std::function<void(int index, const ui::DialogTemplate& dialog, ui::DialogModel& model)>;

// The five pages in tab order (sheet_pages.cpp: one line per page).
[[nodiscard]] std::span<const PageEntry> sheetPages();

class PropertySheetModel
{
public:
    // The sheet opens on its first page, which is created and activated at once.
    PropertySheetModel(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                       project::Model model, bool& isModified, std::string_view currentFilePath, ui::Host& host,
                       std::span<const PageEntry> pages = sheetPages(), PageOpener opener = {});
    // The sheet for the designer's Edit command.
    explicit PropertySheetModel(const shell::EditorSession& session, PageOpener opener = {});
    ~PropertySheetModel();
    PropertySheetModel(const PropertySheetModel&) = delete;
    PropertySheetModel& operator=(const PropertySheetModel&) = delete;

    [[nodiscard]] const std::vector<texts::EncodedText>& caption() const { return m_caption; }
    // The texts of the OK and Cancel buttons, language entry first.
    [[nodiscard]] std::string okText() const;
    [[nodiscard]] std::string cancelText() const;
    [[nodiscard]] int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Tab title, language entry first.
    [[nodiscard]] std::string pageTitle(int index) const;
    [[nodiscard]] int currentPage() const { return m_current; }
    [[nodiscard]] bool isCreated(int index) const;

    // Switches tabs: the page shown is told it is left (it may refuse, then nothing changes),
    // the new page is created and opened on its first showing, then told it is active.
    bool showPage(int index);

    // The template and model of a page that has been shown; nullptr before that.
    [[nodiscard]] const ui::DialogTemplate* pageTemplate(int index) const;
    [[nodiscard]] ui::DialogModel* pageModel(int index) const;
    [[nodiscard]] ui::DialogModel* pageModel(SheetPage page) const { return pageModel(static_cast<int>(page)); }
    // The current Settings page while it exists (nullptr before it is first shown), so that the
    // Barcode page can update its "2D Image Capture" box when image capture is switched.
    [[nodiscard]] settings::SettingsPage* settingsPage() const;
    // The current Barcode page while it exists, for the coupon dialogs that set its check boxes.
    [[nodiscard]] reader::BarcodePage* barcodePage() const;

    // OK: the page shown is left, then every created page applies, in tab order. False keeps
    // the sheet open on the page that refused.
    bool ok();
    // Cancel: every created page drops its edits.
    void cancel();

private:
    bool isValid(int index) const { return index >= 0 && index < pageCount(); }
    void create(int index);

    SheetContext m_context;
    ui::Host& m_host;
    PageOpener m_opener;
    std::vector<texts::EncodedText> m_caption;
    std::vector<PageEntry> m_entries;
    std::vector<CreatedPage> m_pages;
    int m_current = 0;
};

} // namespace editor
