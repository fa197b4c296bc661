// SPDX-License-Identifier: MIT
// The Barcode page of the property sheet (BARCODEDLG). Unlike the other pages it edits the live
// reader settings (block 4) and the reader bytes of block 5: the parameter dialogs it opens and
// its at-once rules write them while the sheet is open. A snapshot taken when the page is
// created undoes all of it on the sheet's Cancel.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "editor/parameter_dialog.h"
#include "project/project.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::reader {

struct ReaderTypePage;

// How the page reaches the other pages of the sheet; either may be empty.
struct BarcodePageLinks
{
    // Block 5 byte 2 has a new RFID state: the Form page corrects input sources and lists.
    std::function<void()> readerSwitched;
    // Block 4 byte 291 changed: the Settings page offers "2D Image Capture" or not.
    std::function<void()> imageCaptureSwitched;
};

class BarcodePage final : public ui::DialogModel
{
public:
    // `isModified` is the document's modified flag, which Apply sets.
    BarcodePage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language, bool& isModified,
                BarcodePageLinks links = {});

    // The reader type whose controls are shown (1 to 3).
    [[nodiscard]] int readerType() const { return m_readerType; }

    // For the coupon dialogs, which write UPC-A, EAN-13, GS1-128 and the coupon code into the
    // record: the page shows those four rows of the current type again, with their buttons and
    // Bookland EAN following them.
    void showCouponRows();

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    bool onApply() override;
    void onCancel() override;

private:
    [[nodiscard]] const ReaderTypePage& page() const;
    [[nodiscard]] project::Byte& byte(FieldRef field);
    [[nodiscard]] std::span<project::Byte> deviceBytes();
    [[nodiscard]] const Binding* symbologyBinding(ui::ControlId check) const;
    [[nodiscard]] bool isRfidChecked() const;

    void takeSnapshot();
    void showReaderAndGoodRead();
    void showReaderType();
    void showBehaviour();
    void showSymbologies();
    void applyRules();
    void setCheck(ui::ControlId check, bool isChecked);

    void symbologyClicked(ui::ControlId check);
    void switchCoupon(bool isOn);
    void runCouponProcedure();
    [[nodiscard]] ui::DialogResult runCouponSetting();
    void endCouponWithGs1128();
    void rfidClicked();
    void readerChosen();
    void openDialog(ui::ControlId button);
    void afterDialog(ui::ControlId button);
    void reset();

    project::Project& m_project;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    bool& m_isModified;
    BarcodePageLinks m_links;
    int m_readerType = 1;
    std::vector<project::Byte> m_readerSnapshot;
    std::vector<project::Byte> m_deviceSnapshot;
};

}  // namespace editor::reader
