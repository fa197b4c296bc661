// SPDX-License-Identifier: MIT
#include <system_error>

#include "cli/command_support.h"
#include "project/disk_file.h"
#include "texts/language.h"

namespace cli {
namespace {

// The same bound the designer applies when it loads a language: larger is not a language file.
constexpr std::uintmax_t MaxLanguageFileBytes = 4u * 1024u * 1024u;

}  // namespace

TextSourceResult makeTextSource(const std::optional<std::filesystem::path>& language)
{
    TextSourceResult result;
    if (!language) {
        result.source = std::make_unique<texts::BuiltinTextSource>();
        return result;
    }
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(*language, ec);
    if (ec) {
        result.error = "cannot open the file: " + ec.message();
        return result;
    }
    if (size == 0) {
        result.error = "not a language file: the file is empty";
        return result;
    }
    if (size > MaxLanguageFileBytes) {
        result.error = "not a language file: larger than 4 MiB";
        return result;
    }
    const project::FileReadResult file = project::readFilePrefix(*language, static_cast<std::size_t>(size));
    if (!file.ok) {
        result.error = "cannot open the file: " + file.error;
        return result;
    }
    const texts::LanguageFile parsed = texts::parseLanguageFile(file.bytes);
    if (parsed.name.empty()) {
        result.error = "not a language file: the first line (the language's name) is empty";
        return result;
    }
    auto table = std::make_unique<texts::LanguageTable>();
    table->apply(parsed);
    result.source = std::move(table);
    return result;
}

}  // namespace cli
