// SPDX-License-Identifier: MIT
// language-template and language-check: the translator's starting point and its review.
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "project/disk_file.h"
#include "texts/language_check.h"

namespace cli {
namespace {

// The designer loads no language file larger than this.
constexpr std::uintmax_t MaxLanguageFileBytes = 4u * 1024u * 1024u;

}  // namespace

int runLanguageTemplate(const std::filesystem::path& output, std::ostream&, std::ostream& err)
{
    return writeOutput(output, texts::languageTemplate(), err) ? ExitSuccess : ExitFailure;
}

int runLanguageCheck(const std::filesystem::path& input, std::ostream& out, std::ostream& err)
{
    const std::optional<std::uintmax_t> size = boundedInputSize(
        input, MaxLanguageFileBytes, "not a language file: larger than 4 MiB, the designer does not load it", err);
    if (!size) {
        return ExitFailure;
    }
    const project::FileReadResult file = project::readFilePrefix(input, static_cast<std::size_t>(*size));
    if (!file.ok) {
        reportError(err, input, "cannot open the file: " + file.error);
        return ExitFailure;
    }
    const std::vector<texts::LanguageFinding> findings = texts::checkLanguageFile(file.bytes);
    for (const texts::LanguageFinding& finding : findings) {
        out << project::utf8Of(input) << ':' << finding.line << ": " << finding.message << '\n';
    }
    return findings.empty() ? ExitSuccess : ExitFindings;
}

}  // namespace cli
