// SPDX-License-Identifier: MIT
#include "editor/sheet_caption.h"

#include "texts/text_source.h"

namespace editor {
namespace {

constexpr texts::StringId ProgramName = texts::sid(1);
constexpr texts::StringId NewFileText = texts::sid(2);
constexpr texts::StringId FirstModelName = texts::sid(1311);

} // namespace

std::vector<texts::EncodedText> sheetCaption(const texts::TextSource& texts, project::Model model,
                                             std::string_view currentFilePath)
{
    const int modelIndex = model == project::Model::Q720PPC ? 1 : 0;
    const bool namesFile = !currentFilePath.empty() && currentFilePath != NoFileMarker;
    std::string head = texts.text(texts::sid(texts::value(FirstModelName) + modelIndex));
    head += ' ';
    head += texts.text(ProgramName);
    head += " - [ ";
    texts::EncodedText file = namesFile
                                  ? texts::EncodedText{std::string(currentFilePath), texts::TextEncoding::FileSystem}
                                  : texts::EncodedText{texts.text(NewFileText)};
    return {texts::EncodedText{std::move(head)}, std::move(file), texts::EncodedText{" ]"}};
}

} // namespace editor
