// SPDX-License-Identifier: MIT
// The pages of the property sheet, one line each, in tab order. A page without a factory is
// shown as a notice and applies nothing.
#include <array>
#include <memory>
#include <utility>

#include "editor/forms/form_page.h"
#include "editor/lookups/lookup_page.h"
#include "editor/menus/menu_page.h"
#include "editor/property_sheet_model.h"
#include "editor/reader/barcode_page.h"
#include "editor/settings/settings_page.h"
#include "resources/barcode_templates.h"
#include "resources/form_templates.h"
#include "resources/lookup_templates.h"
#include "resources/menu_templates.h"
#include "resources/settings_templates.h"

namespace editor {
namespace {

CreatedPage createFormPage(const SheetContext& c)
{
    return {&resources::formPageTemplate,
            std::make_unique<forms::FormPage>(c.project, c.texts, c.language, c.isModified)};
}

CreatedPage createMenuPage(const SheetContext& c)
{
    return {&resources::menuPageTemplate, std::make_unique<menus::MenuPage>(c.project, c.texts, c.language)};
}

// The Form page links its lines to the lookup files as the Lookup page last published them.
CreatedPage createLookupPage(const SheetContext& c)
{
    PropertySheetModel* sheet = c.sheet;
    auto toFormPage = [sheet](const lookups::LookupSet& published) {
        auto* formPage = sheet != nullptr ? dynamic_cast<forms::FormPage*>(sheet->pageModel(SheetPage::Form)) : nullptr;
        if (formPage != nullptr) {
            formPage->lookupsPublished(published);
        }
    };
    return {&resources::lookupPageTemplate,
            std::make_unique<lookups::LookupPage>(c.project, c.texts, c.language, std::move(toFormPage))};
}

// The Barcode page corrects the Form page's input sources when the RFID reader is switched and
// updates the Settings page's "2D Image Capture" when image capture is.
CreatedPage createBarcodePage(const SheetContext& c)
{
    PropertySheetModel* sheet = c.sheet;
    reader::BarcodePageLinks links{
        [sheet] {
            auto* formPage =
                sheet != nullptr ? dynamic_cast<forms::FormPage*>(sheet->pageModel(SheetPage::Form)) : nullptr;
            if (formPage != nullptr) {
                formPage->readerSwitched();
            }
        },
        [sheet] {
            if (settings::SettingsPage* settingsPage = sheet != nullptr ? sheet->settingsPage() : nullptr) {
                settingsPage->imageCaptureSwitched();
            }
        }};
    return {&resources::barcodePageTemplate,
            std::make_unique<reader::BarcodePage>(c.project, c.texts, c.language, c.isModified, std::move(links))};
}

CreatedPage createSettingsPage(const SheetContext& c)
{
    return {&resources::settingsPageTemplate,
            std::make_unique<settings::SettingsPage>(c.project, c.texts, c.language, c.model)};
}

constexpr std::array<PageEntry, SheetPageCount> pages = {{
    {texts::sid(3), &createFormPage},
    {texts::sid(4), &createMenuPage},
    {texts::sid(5), &createLookupPage},
    {texts::sid(6), &createBarcodePage},
    {texts::sid(7), &createSettingsPage},
}};

} // namespace

std::span<const PageEntry> sheetPages()
{
    return pages;
}

} // namespace editor
