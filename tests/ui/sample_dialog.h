// SPDX-License-Identifier: MIT
// The dialog layer's own fixture: one of each control kind and one of each edit rule. Dialogs
// that edit record fields are written on the parameter-dialog engine (docs/parameter-dialogs.md).
#pragma once

#include <cstdint>
#include <string>

#include "texts/text_source.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/localisation.h"

namespace ui::sample {

enum class SampleId {
    LimitCheck = 101,
    ModeList = 301,
    LengthEdit = 401,  // 5 to 99, 13 refused, enabled by LimitCheck
    NameEdit = 402,    // upper case, 8 characters, must not be empty at OK
    FixedRadio = 701,  // mode 0 (like the list's first entry)
    DelimitedRadio = 702,
};

inline constexpr ControlTemplate sampleControls[] = {
    {ControlKind::CheckBox, SampleId::LimitCheck, "Limit", {7, 20, 60, 10}},
    {ControlKind::DropDownList, SampleId::ModeList, "", {70, 20, 80, 60}},
    {ControlKind::Edit, SampleId::LengthEdit, "", {7, 36, 30, 12}, ControlStyle::DigitsOnly},
    {ControlKind::Edit, SampleId::NameEdit, "", {75, 36, 80, 12}},
    {ControlKind::RadioButton, SampleId::FixedRadio, "Fixed", {7, 52, 50, 10}},
    {ControlKind::RadioButton, SampleId::DelimitedRadio, "Delimited", {60, 52, 60, 10}},
    {ControlKind::PushButton, OkButton, "OK", {60, 70, 50, 14}, ControlStyle::DefaultButton},
    {ControlKind::PushButton, CancelButton, "Cancel", {113, 70, 50, 14}},
};

inline constexpr DialogTemplate sampleTemplate{"SAMPLEDLG", "Sample", {170, 90}, sampleControls};

// What the dialog edits: a stand-in for a record.
struct SampleRecord
{
    std::uint8_t isLimited = 1;
    std::uint8_t mode = 0;
    std::uint8_t length = 10;
    std::string name = "A";
};

class SampleDialog final : public DialogModel
{
public:
    explicit SampleDialog(SampleRecord& record) : m_record(record), m_working(record) {}

    int textChanges = 0;
    int finishedEdits = 0;

private:
    void onInit() override
    {
        fillList(controls(), SampleId::ModeList, m_texts, texts::sid(2601), 2);
        makeNumeric(SampleId::LengthEdit, NumericEditSpec::range(5, 99).refusing([](int v) { return v == 13; }));
        controls().setTextLimit(SampleId::NameEdit, 8);
        show();
    }

    // Rewrites every control from the working record.
    void show()
    {
        controls().setChecked(SampleId::LimitCheck, m_working.isLimited != 0);
        controls().setEnabled(SampleId::LengthEdit, m_working.isLimited != 0);
        controls().setSelection(SampleId::ModeList, m_working.mode);
        controls().setText(SampleId::LengthEdit, std::to_string(m_working.length));
        controls().setText(SampleId::NameEdit, m_working.name);
        controls().checkRadio(SampleId::FixedRadio, SampleId::DelimitedRadio,
                              m_working.mode == 0 ? ControlId(SampleId::FixedRadio) : SampleId::DelimitedRadio);
    }

    void onClick(ControlId id) override
    {
        if (id == SampleId::LimitCheck) {
            m_working.isLimited = toggleCheck(id) ? 1 : 0;
        } else {
            m_working.mode = id == SampleId::FixedRadio ? 0 : 1;
        }
        show();
    }

    void onSelectionChange(ControlId id) override
    {
        m_working.mode = static_cast<std::uint8_t>(controls().selection(id));
        show();
    }

    void onTextChange(ControlId id) override
    {
        ++textChanges;
        if (id == SampleId::NameEdit) {
            // Rewriting the text told about must not come back as another change.
            std::string upper = controls().text(id);
            for (char& c : upper) {
                c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            }
            controls().setText(id, upper);
            m_working.name = upper;
        }
    }

    void onEditingFinished(ControlId id) override
    {
        ++finishedEdits;
        if (id == SampleId::LengthEdit) {
            m_working.length = static_cast<std::uint8_t>(numberIn(id).value_or(0));
        }
    }

    bool onOk() override
    {
        if (m_working.name.empty()) {
            host().warning(texts::sid(2602), texts::sid(2854));
            controls().requestFocus(SampleId::NameEdit);
            return false;
        }
        m_record = m_working;
        return true;
    }

    bool onApply() override { return onOk(); }

    SampleRecord& m_record;
    SampleRecord m_working;
    texts::BuiltinTextSource m_texts;
};

}  // namespace ui::sample
