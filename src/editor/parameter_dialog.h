// SPDX-License-Identifier: MIT
// The parameter-dialog engine: a dialog that edits bytes of a record is described as data (its
// template, caption texts, bindings of controls to fields, enabling rules, an optional length
// group and a commit policy) and run by one model. A dialog with a special case adds a small
// hook; it never becomes a class of its own. See docs/parameter-dialogs.md for a worked example.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/field_map.h"
#include "project/reader_fields.h"
#include "project/record_fields.h"
#include "texts/string_id.h"
#include "texts/text_source.h"
#include "ui/control_range.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/localisation.h"

namespace editor {

// The records a parameter dialog can edit.
enum class RecordKind : std::uint8_t {
    Reader,       // block 4
    Device,       // block 5
    Form,         // the current form of the Form page's working copy
    FormLine,     // a column of the current form, at the current line
    Transaction,  // block 61
};

struct FieldRef
{
    RecordKind record = RecordKind::Reader;
    std::size_t offset = 0;
};

// Fields by their name in the field maps; a misspelt name does not build.
consteval FieldRef readerField(std::string_view name) { return {RecordKind::Reader, project::readerByte(name)}; }
consteval FieldRef deviceField(std::string_view name) { return {RecordKind::Device, project::deviceByte(name)}; }
consteval FieldRef formField(std::string_view name) { return {RecordKind::Form, project::formByte(name)}; }
consteval FieldRef lineField(std::string_view name) { return {RecordKind::FormLine, project::formLineColumn(name)}; }
consteval FieldRef transactionField(std::string_view name)
{
    return {RecordKind::Transaction, project::fieldNamed(project::transactionFields, name).offset};
}

// The bytes the dialog edits. A dialog that binds a record it is not given reads zeros and
// writes nothing (the loop test makes sure every registered dialog is given what it binds).
struct ParameterRecords
{
    std::span<project::Byte> reader;
    std::span<project::Byte> device;
    std::span<project::Byte> form;
    int line = 0;  // 0-based slot of the current line for FormLine fields
    std::span<project::Byte> transaction = {};
    // The form editor's state outside the record: the current form's number (1 to 20, for
    // captions) and the current line's show-input-mark flag (none: the dialog keeps its own).
    int formNumber = 0;
    bool* showInputMark = nullptr;
    // What the opener passes to a dialog that several callers open differently (the coupon
    // content dialog's mode).
    int argument = 0;
};

enum class BindingKind : std::uint8_t {
    Flag,          // check box: checked = 1
    InvertedFlag,  // check box: checked = 0
    Radio,         // `count` radio buttons from `control`; button i stores values[i] (or i)
    List,          // drop-down list of `count` entries from string `firstEntry`; entry i stores values[i] (or i)
    Number,        // numeric edit box, `minimum`..`maximum`, at most `maxChars` characters
                   // (`isSigned`: a negative minimum, see signedNumber())
    Character,     // one-character edit box; empty stores 0
    Text,          // edit box of at most `maxChars` characters over a NUL-terminated slot of maxChars + 1
};

struct Binding
{
    BindingKind kind = BindingKind::Flag;
    ui::ControlId control;
    FieldRef field;
    int count = 0;
    texts::StringId firstEntry{};
    std::span<const int> values = {};
    int minimum = 0;
    int maximum = 255;
    int maxChars = 3;
    bool isDigitsOnly = true;
    bool isCorrectedOnOpen = false;
    bool isSigned = false;
    // List entries that are not one run of string IDs; used instead of `firstEntry`.
    std::vector<std::string> (*entries)(const texts::TextSource& texts) = nullptr;
};

constexpr Binding flag(ui::ControlId control, FieldRef field) { return {BindingKind::Flag, control, field}; }
constexpr Binding invertedFlag(ui::ControlId control, FieldRef field)
{
    return {BindingKind::InvertedFlag, control, field};
}
// The run of check boxes `checks` (a template's check-box column), each bound to the flag of its
// field, in order. A run and a list of fields of different lengths do not build.
template <std::size_t N>
consteval std::array<Binding, N> flagColumn(ui::ControlRange checks, const FieldRef (&fields)[N])
{
    if (checks.count != static_cast<int>(N)) {
        throw "the run of check boxes and its fields differ in length";
    }
    std::array<Binding, N> flags{};
    for (std::size_t i = 0; i < N; ++i) {
        flags[i] = flag(checks.at(static_cast<int>(i)), fields[i]);
    }
    return flags;
}
constexpr Binding radio(ui::ControlRange buttons, FieldRef field, std::span<const int> values = {})
{
    return {BindingKind::Radio, buttons.at(0), field, buttons.count, {}, values};
}
constexpr Binding list(ui::ControlId control, texts::StringId firstEntry, int count, FieldRef field,
                       std::span<const int> values = {})
{
    return {BindingKind::List, control, field, count, firstEntry, values};
}
// A list whose `count` entries a function gives (an entry of another run, numbers).
constexpr Binding list(ui::ControlId control, std::vector<std::string> (*entries)(const texts::TextSource&), int count,
                       FieldRef field)
{
    Binding b{BindingKind::List, control, field, count};
    b.entries = entries;
    return b;
}
constexpr Binding number(ui::ControlId control, FieldRef field, int minimum, int maximum, int maxChars)
{
    return {BindingKind::Number, control, field, 0, {}, {}, minimum, maximum, maxChars};
}
constexpr Binding character(ui::ControlId control, FieldRef field)
{
    return {BindingKind::Character, control, field, 0, {}, {}, 0, 255, 1, false};
}
// A number box whose range starts below 0 (a start position of -1): the box takes an optional
// leading "-" and digits, and a typed value outside the range becomes the minimum at once. A
// negative value is stored as 256 plus the value, so a stored byte above `maximum` is shown as
// that negative number; a box left empty or with a lone "-" stores the minimum.
constexpr Binding signedNumber(ui::ControlId control, FieldRef field, int minimum, int maximum, int maxChars)
{
    Binding b = number(control, field, minimum, maximum, maxChars);
    b.isDigitsOnly = false;
    b.isSigned = true;
    return b;
}
// A number box that takes characters of any kind; what is not a number becomes the minimum when
// editing finishes.
constexpr Binding anyCharacters(Binding number)
{
    number.isDigitsOnly = false;
    return number;
}
// A number box of a dialog that edits a working copy: a stored value outside the range is shown
// corrected at opening, and OK stores what the box shows, whether a rule disabled it or not.
constexpr Binding correctedOnOpen(Binding number)
{
    number.isCorrectedOnOpen = true;
    return number;
}

// OK writes the text and its NUL and leaves the bytes behind the NUL as they are.
constexpr Binding text(ui::ControlId control, FieldRef field, int maxChars)
{
    return {BindingKind::Text, control, field, 0, {}, {}, 0, 255, maxChars, false};
}

// What a control shows while a rule disables it.
enum class WhenDisabled : std::uint8_t {
    Clear,  // a check box is cleared (and so stores 0)
    Keep,   // the control keeps what it shows and stores it
};

// `target` is enabled only while `source` (a check box) is checked (unchecked when
// `isInverted`), or while the selection of `source` (a list) is one of the bits of `selections`;
// with an `otherSource` check box, also while that one is checked (`isBothNeeded`: only while
// both are).
struct EnablingRule
{
    ui::ControlId target;
    ui::ControlId source;
    std::uint32_t selections = 0;  // 0: `source` is a check box
    WhenDisabled whenDisabled = WhenDisabled::Clear;
    bool isInverted = false;
    ui::ControlId otherSource = {};
    bool isBothNeeded = false;
};

constexpr EnablingRule enabledWhileChecked(ui::ControlId target, ui::ControlId source,
                                           WhenDisabled whenDisabled = WhenDisabled::Clear)
{
    return {target, source, 0, whenDisabled};
}
constexpr EnablingRule enabledWhileUnchecked(ui::ControlId target, ui::ControlId source,
                                             WhenDisabled whenDisabled = WhenDisabled::Clear)
{
    return {target, source, 0, whenDisabled, true};
}
// Enabled while either check box is checked (an enabled one: a disabled box counts as clear).
constexpr EnablingRule enabledWhileEitherChecked(ui::ControlId target, ui::ControlId source, ui::ControlId otherSource,
                                                 WhenDisabled whenDisabled = WhenDisabled::Clear)
{
    return {target, source, 0, whenDisabled, false, otherSource};
}
// Enabled only while both check boxes are checked (and enabled).
constexpr EnablingRule enabledWhileBothChecked(ui::ControlId target, ui::ControlId source, ui::ControlId otherSource,
                                               WhenDisabled whenDisabled = WhenDisabled::Clear)
{
    return {target, source, 0, whenDisabled, false, otherSource, true};
}
// `selections`: a bit per list position, position 0 the lowest.
constexpr EnablingRule enabledWhileSelected(ui::ControlId target, ui::ControlId source, std::uint32_t selections,
                                            WhenDisabled whenDisabled = WhenDisabled::Clear)
{
    return {target, source, selections, whenDisabled};
}

// How a length group chooses its mode and stores its lengths.
enum class LengthStyle : std::uint8_t {
    // The 2D and long-range readers: a list of four modes (Any Length, One Length, Two Lengths,
    // Range) and boxes of two digits; OK checks the boxes the mode uses and stores them ascending.
    ModeList,
    // The laser reader: two radio buttons, "Fixed Length" and "Max / Min Length", and boxes of
    // 1..127 in three characters; OK never refuses, stores fixed lengths as they are and a
    // maximum and minimum larger first (a 0 counting as 1).
    FixedOrMaxMin,
};

// A length group: the mode control and two length boxes. `mode` is followed by length 1 and
// length 2 in the record.
struct LengthGroup
{
    ui::ControlId modeList;  // the list, or the first of the two radio buttons
    ui::ControlId length1Edit;
    ui::ControlId length2Edit;
    ui::ControlId length1Label;
    ui::ControlId length2Label;
    FieldRef mode;
    // Four labels: the two of the Range (or Max / Min) mode, then the two of every other mode.
    texts::StringId firstLabel = texts::sid(571);
    LengthStyle style = LengthStyle::ModeList;
    bool isDigitsOnly = true;
};

// Whether OK writes only at its end, or the record is copied when the dialog opens and copied
// back on Cancel (for dialogs that change bytes while they are open).
enum class CommitPolicy : std::uint8_t { OnOk, SnapshotOnOpen };

class ParameterDialogModel;

// Special cases, each optional.
struct ParameterHooks
{
    // After opening and after every user change (`changed` is a default ControlId at opening).
    void (*afterChange)(ParameterDialogModel& dialog, ui::ControlId changed) = nullptr;
    // At OK, after the checks and before anything is stored; false keeps the dialog open.
    bool (*beforeStore)(ParameterDialogModel& dialog) = nullptr;
    // At OK, after everything is stored.
    void (*afterStore)(ParameterDialogModel& dialog) = nullptr;
};

struct ParameterDialogSpec
{
    const ui::DialogTemplate& dialogTemplate;
    std::optional<texts::StringId> titleEntry;
    std::span<const ui::TextReplacement> captions;
    std::span<const Binding> bindings = {};  // none: a dialog of hooks alone (the coupon code)
    std::span<const EnablingRule> rules = {};
    const LengthGroup* lengthGroup = nullptr;
    CommitPolicy commit = CommitPolicy::OnOk;
    ParameterHooks hooks = {};
};

class ParameterDialogModel final : public ui::DialogModel
{
public:
    ParameterDialogModel(const ParameterDialogSpec& spec, ParameterRecords records, const texts::TextSource& texts,
                         ui::LanguageState language);
    // The model keeps the spec by reference: a temporary one would dangle.
    ParameterDialogModel(ParameterDialogSpec&&, ParameterRecords, const texts::TextSource&, ui::LanguageState) = delete;

    [[nodiscard]] const ParameterDialogSpec& spec() const { return m_spec; }

    // For hooks: the bytes, the controls, the host and the texts of the dialog.
    [[nodiscard]] project::Byte& byte(FieldRef field);
    [[nodiscard]] project::Byte byte(FieldRef field) const;
    [[nodiscard]] ui::Controls& shown() { return controls(); }
    [[nodiscard]] ui::Host& dialogHost() { return host(); }
    [[nodiscard]] const texts::TextSource& texts() const { return m_texts; }
    [[nodiscard]] ui::LanguageState language() const { return m_language; }
    // Shows the stored value of one binding again (a hook that refuses a choice).
    void showStored(ui::ControlId control);
    // The records and editor state the dialog was given.
    [[nodiscard]] const ParameterRecords& records() const { return m_records; }
    // Enables or disables a control for a reason of the hook's own; what the control enables
    // follows, as after a user change.
    void setEnabled(ui::ControlId control, bool isEnabled);
    // A hook changed a control's state itself: the controls it enables follow.
    void reapplyRules(ui::ControlId source) { applyRules(source); }
    // Ends the dialog as its Cancel does, from a hook (a child dialog was cancelled at OK): the
    // snapshot comes back and the result is Cancel. The hook then returns false.
    void endAsCancelled();

private:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    void onTextChange(ui::ControlId id) override;
    bool onOk() override;
    void onCancel() override;

    void show(const Binding& binding);
    void store(const Binding& binding);
    void applyRules(ui::ControlId source);
    // The chosen length mode (list position or radio button), -1 when none is.
    [[nodiscard]] int lengthMode() const;
    void showLengthMode(bool isUserChange);
    [[nodiscard]] bool checkLengths();
    void storeLengths();
    void changed(ui::ControlId id);
    [[nodiscard]] const Binding* bindingOf(ui::ControlId id) const;
    // The slot of a Text binding; empty when the dialog was not given its record.
    // The `width` bytes of a field (at the current line for a column); empty when the dialog
    // was not given its record.
    [[nodiscard]] std::span<project::Byte> fieldBytes(FieldRef field, std::size_t width);
    [[nodiscard]] std::span<project::Byte> textSlot(const Binding& binding);

    const ParameterDialogSpec& m_spec;
    ParameterRecords m_records;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    std::vector<project::Byte> m_readerSnapshot;
    std::vector<project::Byte> m_deviceSnapshot;
    std::vector<project::Byte> m_formSnapshot;
    std::vector<project::Byte> m_transactionSnapshot;
    project::Byte m_discarded = 0;  // the target of writes to a record the dialog was not given
};

}  // namespace editor
