// SPDX-License-Identifier: MIT
// Language files are edited by hand. Whatever one holds, loading it must not crash, must keep
// every entry inside the table's limits, and the runtime texts it gives a project must fit
// their slots, so that the project still saves and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "project/text_tables.h"
#include "texts/builtin_strings.h"
#include "texts/language.h"

namespace {

using project::Model;
using project::Project;

const Project& startedProject()
{
    static const std::unique_ptr<Project> started =
        project::startedProject(texts::BuiltinTextSource{}, Model::Q720CE);
    return *started;
}

void checkParsedFile(const texts::LanguageFile& file)
{
    FUZZ_CHECK(file.name.size() <= texts::MaxLanguageNameChars, "language name longer than its slot");
    FUZZ_CHECK(file.name.find_first_of("\r\n") == std::string::npos, "language name holds a line end");
    for (const texts::LanguageLine& line : file.lines) {
        FUZZ_CHECK(texts::value(line.id) >= 0 && texts::value(line.id) <= texts::MaxStringId, "string ID out of range");
        FUZZ_CHECK(line.text.size() <= texts::MaxLanguageTextChars, "language text longer than its entry");
        FUZZ_CHECK(line.text.find('\n') == std::string::npos, "language text runs over its line");
        FUZZ_CHECK(line.text.find('\0') == std::string::npos, "language text holds a NUL");
    }
}

// The last line for an ID wins; an empty text clears the entry, so the built-in text shows.
void checkTableFollowsFile(const texts::LanguageFile& file, const texts::LanguageTable& table)
{
    std::map<int, std::string> last;
    for (const texts::LanguageLine& line : file.lines) {
        last[texts::value(line.id)] = line.text;
    }
    for (const auto& [id, text] : last) {
        const std::string expected = text.empty() ? texts::builtinString(texts::sid(id)) : text;
        FUZZ_CHECK(table.text(texts::sid(id)) == expected, "text lookup does not follow the language file");
    }
}

// Every runtime text slot keeps its NUL and holds the language-first text, cut to the slot.
void checkRuntimeSlots(const Project& p, const texts::TextSource& source)
{
    for (const project::TextTableSpec& table : project::textTables) {
        for (int i = 0; i < table.count; ++i) {
            const auto slot = p.texts.textSlot(table.block, i);
            const auto* nul = static_cast<const std::uint8_t*>(std::memchr(slot.data(), 0, slot.size()));
            FUZZ_CHECK(nul != nullptr, "a runtime text slot lost its NUL");
            const std::string inSlot(reinterpret_cast<const char*>(slot.data()), static_cast<std::size_t>(nul - slot.data()));
            const std::string text = source.text(texts::sid(table.firstId + i));
            FUZZ_CHECK(text.compare(0, inSlot.size(), inSlot) == 0, "a runtime text slot holds another text");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const texts::LanguageFile file = texts::parseLanguageFile(bytes);
    checkParsedFile(file);
    FUZZ_CHECK(texts::languageNameFromBytes(bytes) == file.name, "enumeration and loading disagree on the name");

    texts::LanguageTable table;
    table.apply(file);
    FUZZ_CHECK(table.isLoaded(), "a parsed language is not loaded");
    checkTableFollowsFile(file, table);

    // Preferences OK: the language's texts go into every runtime table of the open project.
    auto p = std::make_unique<Project>(startedProject());
    project::fillAllTables(*p, table);
    checkRuntimeSlots(*p, table);

    const std::vector<std::uint8_t> image = project::saveProject(*p, Model::Q720CE);
    auto reread = std::make_unique<Project>(startedProject());
    const project::LoadResult loaded = project::loadProject(image, *reread, {table, Model::Q720CE});
    FUZZ_CHECK(loaded.ok, "a project with this language's texts is refused on reading");
    FUZZ_CHECK(std::memcmp(&reread->texts, &p->texts, sizeof(p->texts)) == 0,
               "the language's runtime texts do not read back unchanged");
    return 0;
}
