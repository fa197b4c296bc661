// SPDX-License-Identifier: MIT
// TELEPEN_1DDLG: the laser reader's Telepen variant. The terminal reads byte 63 as "original
// Telepen", so the first button stores 1.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::TelepenId;
using texts::sid;

constexpr int originalFirst[] = {1, 0};

constexpr Binding bindings[] = {
    radio({Id::OriginalRadio, 2}, readerField("laserTelepenOriginal"), originalFirst),
};

constexpr ui::TextReplacement captions[] = {
    {Id::OriginalRadio, sid(812), 2},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::telepenTemplate,
    .titleEntry = sid(811),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& telepenDialog() { return dialog; }

}  // namespace editor::reader
