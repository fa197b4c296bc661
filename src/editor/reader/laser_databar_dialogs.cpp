// SPDX-License-Identifier: MIT
// RSS14_1DDLG, RSS14LIMITED_1DDLG and RSS14EXPANDED_1DDLG: the laser reader's GS1 DataBar codes.
// The boxes run from the code ID down to the check digit, the bytes the other way.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserDataBarId;
using project::reader_map::joined;
using project::reader_map::Literal;
using texts::sid;

template <Literal Symbology, int Title, const ui::DialogTemplate& (*Template)()> struct DataBar
{
    static constexpr Binding bindings[] = {
        flag(Id::TransmitCodeIdCheck, readerField(joined<"laser", Symbology, "TransmitCodeId">)),
        flag(Id::TransmitApplicationIdCheck, readerField(joined<"laser", Symbology, "TransmitApplicationId">)),
        flag(Id::TransmitCheckDigitCheck, readerField(joined<"laser", Symbology, "TransmitCheckDigit">)),
    };
    static constexpr ui::TextReplacement captions[] = {{Id::TransmitCodeIdCheck, sid(Title + 1), 3}};
    static constexpr ParameterDialogSpec dialog{
        .dialogTemplate = Template,
        .titleEntry = sid(Title),
        .captions = captions,
        .bindings = bindings,
    };
};

// Expanded has the code ID only.
constexpr Binding expandedBindings[] = {
    flag(Id::TransmitCodeIdCheck, readerField("laserDataBarExpandedTransmitCodeId")),
};
constexpr ui::TextReplacement expandedCaptions[] = {{Id::TransmitCodeIdCheck, sid(842)}};
constexpr ParameterDialogSpec expanded{
    .dialogTemplate = resources::laserDataBarExpandedTemplate,
    .titleEntry = sid(841),
    .captions = expandedCaptions,
    .bindings = expandedBindings,
};

}  // namespace

const ParameterDialogSpec& laserDataBar14Dialog()
{
    return DataBar<"DataBar14", 821, resources::laserDataBar14Template>::dialog;
}
const ParameterDialogSpec& laserDataBarLimitedDialog()
{
    return DataBar<"DataBarLimited", 831, resources::laserDataBarLimitedTemplate>::dialog;
}
const ParameterDialogSpec& laserDataBarExpandedDialog() { return expanded; }

}  // namespace editor::reader
