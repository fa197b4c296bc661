// SPDX-License-Identifier: MIT
#include "seed_inputs.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string_view>

#ifdef FORMWRIGHT_FUZZ_CLI
#include "cli/json_mirror.h"
#endif
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "texts/builtin_strings.h"
#include "texts/preferences.h"
#include "texts/text_source.h"

namespace fuzz_seeds {
namespace {

using project::Byte;
using project::LineType;
using project::Model;
using project::Project;
using project::RecordAction;

constexpr std::string_view projectVersions[] = {
    "Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.05", "Q720-1.09",
    "Q720-1.10", "Q720-1.11", "Q720-1.12", "Q720-1.13", "Q720-1.14",
};

std::unique_ptr<Project> startedProject(Model model)
{
    return project::startedProject(texts::BuiltinTextSource{}, model);
}

// Sets a line of the form; the form's last input line moves down to it.
void setLine(project::FormDef& form, int line, LineType type, Byte maxLength)
{
    const auto slot = static_cast<std::size_t>(line - 1);
    form.lineType[slot] = static_cast<Byte>(type);
    form.maxLength[slot] = maxLength;
    form.dataLength[slot] = maxLength;
    form.lastInputLine = std::max(form.lastInputLine, static_cast<Byte>(line));
}

// A menu whose items lead to `targets` in order.
void setMenuItems(project::MenuDef& menu, std::initializer_list<Byte> targets)
{
    std::copy(targets.begin(), targets.end(), menu.itemNext.begin());
    menu.itemCount = static_cast<Byte>(targets.size());
}

// A lookup file whose fields have `lengths` in order.
void setLookupFields(project::LookupDef& lookup, std::initializer_list<Byte> lengths)
{
    std::copy(lengths.begin(), lengths.end(), lookup.fieldLength.begin());
    lookup.numFields = static_cast<Byte>(lengths.size());
}

// Forms, menus and lookups that take every path of the pre-save derivation: automatic keys,
// menu data, stamps, lookup and image lines, pass-down chains (one of them a circle), record
// lengths past 255, MSQI links (one to a lookup file that does not exist), code IDs, RFID.
std::unique_ptr<Project> busyProject(Model model)
{
    auto p = startedProject(model);

    auto& f1 = p->form(1);
    f1.recordAction = static_cast<Byte>(RecordAction::Save);
    f1.autoKey = 1;
    f1.indexLine = 2;
    f1.stampPosition = 1;
    f1.lookupFile = 1;
    f1.msqiEnabled = 1;
    setLine(f1, 1, LineType::Msqi, 12);
    setLine(f1, 2, LineType::Text, 20);
    setLine(f1, 3, LineType::Integer, 8);
    setLine(f1, 4, LineType::Lookup, 0);
    f1.initialValueOn[3] = 1;
    f1.lookupLink[3] = 2;
    setLine(f1, 5, LineType::Image, 30);
    f1.imageSavePath[4] = 1;
    f1.imageEditPath[4] = 1;
    setLine(f1, 6, LineType::Counter, 5);

    for (int n : {2, 3}) {
        p->form(n).recordAction = static_cast<Byte>(RecordAction::PassDown);
        setLine(p->form(n), 1, LineType::Text, 10);
    }
    p->form(2).nextTarget = 3;
    p->form(3).nextTarget = 2;

    p->form(4).recordAction = static_cast<Byte>(RecordAction::PassDown);
    p->form(4).nextTarget = 5;
    auto& f5 = p->form(5);
    f5.recordAction = static_cast<Byte>(RecordAction::SaveAndUpdate);
    f5.stampPosition = 2;
    for (int line = 1; line <= 15; ++line) {
        setLine(f5, line, LineType::Alphameric, 255);
    }
    f5.indexLine = 15;

    auto& f6 = p->form(6);
    f6.recordAction = static_cast<Byte>(RecordAction::UpdateLookup);
    f6.msqiEnabled = 1;
    f6.lookupFile = 9;
    setLine(f6, 1, LineType::Text, 20);

    p->menu(1).saveCaption = 1;
    setMenuItems(p->menu(1), {1, 2, 4, 22, 5});
    setMenuItems(p->menu(2), {6});

    setLookupFields(p->lookup(1), {10, 25, 0});
    p->lookup(1).keyField = 1;

    p->device.readerType = 13;
    p->device.codeIdOn = 1;
    p->device.vibratorDuration = 3;
    p->device.modelStamp = static_cast<Byte>(model);
    p->transaction.oneDataFile = 1;
    return p;
}

// A file image of any version as the designer saves it (derived bytes computed), with another
// magic and cut to that version's size.
std::vector<std::uint8_t> imageOfVersion(const Project& p, std::string_view magic)
{
    auto saved = std::make_unique<Project>(p);
    const Model model = p.device.modelStamp == 1 ? Model::Q720PPC : Model::Q720CE;
    std::vector<std::uint8_t> image = project::saveProject(*saved, model);
    std::memset(image.data(), 0, project::MagicBytes);
    std::memcpy(image.data(), magic.data(), std::min(magic.size(), project::MagicBytes));
    image.resize(project::fileSizeForVersion(project::FileMagic::of(magic)));
    return image;
}

// Files of version 1.11 stored some texts with trailing blanks; reading them repairs that.
void blankSlotsOfVersion1_11(Project& p)
{
    for (int index : {0}) {
        auto slot = p.texts.textSlot(52, index);
        std::fill(slot.begin(), slot.end() - 1, std::uint8_t{' '});
        slot.back() = 0;
    }
    for (int index : {5, 6, 7}) {
        auto slot = p.texts.textSlot(59, index);
        std::memcpy(slot.data(), "Item   ", 8);
    }
}

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// Every built-in text as a language file, each text passed through `translate`.
template <typename Translate>
std::string languageFileOfBuiltinTexts(std::string_view name, std::string_view lineEnd, Translate translate)
{
    std::string file(name);
    file += lineEnd;
    for (int id = 0; id <= texts::MaxStringId; ++id) {
        if (texts::hasBuiltinString(texts::sid(id))) {
            file += std::to_string(id) + "=" + translate(texts::builtinString(texts::sid(id))) + std::string(lineEnd);
        }
    }
    return file;
}

std::string versionTag(std::string_view magic)
{
    std::string tag(magic.substr(5));
    std::replace(tag.begin(), tag.end(), '.', '_');
    return "v" + tag;
}

}  // namespace

std::vector<Seed> projectFileSeeds()
{
    std::vector<Seed> seeds;
    const auto plain = startedProject(Model::Q720CE);
    const auto busyCe = busyProject(Model::Q720CE);
    const auto busyPpc = busyProject(Model::Q720PPC);
    for (std::string_view magic : projectVersions) {
        const std::string tag = versionTag(magic);
        seeds.push_back({"plain_" + tag + ".q72", imageOfVersion(*plain, magic)});
        seeds.push_back({"busy_ce_" + tag + ".q72", imageOfVersion(*busyCe, magic)});
        seeds.push_back({"busy_ppc_" + tag + ".q72", imageOfVersion(*busyPpc, magic)});
    }
    auto blanks = busyProject(Model::Q720CE);
    blankSlotsOfVersion1_11(*blanks);
    seeds.push_back({"blank_texts_v1_11.q72", imageOfVersion(*blanks, "Q720-1.11")});
    return seeds;
}

#ifdef FORMWRIGHT_FUZZ_CLI
// Mirrors as `export` writes them, of a few versions, and small hand-written ones.
std::vector<Seed> mirrorSeeds()
{
    std::vector<Seed> seeds;
    for (const Seed& project : projectFileSeeds()) {
        const bool isWanted = project.name == "plain_v1_14.q72" || project.name == "busy_ppc_v1_14.q72" ||
                              project.name == "busy_ce_v1_00.q72" || project.name == "blank_texts_v1_11.q72";
        if (isWanted) {
            const std::string json = cli::mirrorOf(project.bytes).dump();
            seeds.push_back({project.name + ".json", bytesOf(json)});
        }
    }
    seeds.push_back({"empty_object.json", bytesOf("{}")});
    seeds.push_back({"version_only.json", bytesOf(R"({"version": "Q720-1.00"})")});
    seeds.push_back({"newer.json", bytesOf(R"({"version": "Q720-1.15", "forms": []})")});
    return seeds;
}
#endif

std::vector<Seed> languageFileSeeds()
{
    const auto same = [](std::string text) { return text; };
    const auto upper = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        return text;
    };
    std::vector<Seed> seeds;
    seeds.push_back({"english.lng", bytesOf(languageFileOfBuiltinTexts("English", "\r\n", same))});
    seeds.push_back({"shouting_lf.lng", bytesOf(languageFileOfBuiltinTexts("Shouting", "\n", upper))});
    seeds.push_back({"five_letters.lng", bytesOf("Deutsch\r\n3001=Datei\r\n2651=\r\n")});
    using namespace std::string_literals;
    const std::string edges = "A name that is longer than forty characters in all\r\n"s +
                              " 3002 =padded id\r\n4000=out of range\r\n-1=negative\r\n" +
                              "x=not a number\r\n3003\r\n3101=" + std::string(200, 'W') + "\r\n3102=nul\0inside\r\n"s +
                              "3103=no line end";
    seeds.push_back({"edges.lng", bytesOf(edges)});
    seeds.push_back({"name_only.lng", bytesOf("Nur Name")});
    return seeds;
}

std::vector<Seed> preferencesFileSeeds()
{
    texts::Preferences written;
    written.lastFile = "/home/user/projects/stock.Q72";
    written.isAutoPreloadOn = true;
    written.language = "Deutsch";
    written.recentFiles = {"/home/user/projects/stock.Q72", "/srv/share/inventory.Q72", "/home/user/old/a.Q72",
                           "/home/user/old/b.Q72"};
    written.model = project::Model::Q720PPC;

    std::vector<Seed> seeds;
    seeds.push_back({"defaults.ini", texts::serialisePreferences(texts::Preferences{})});
    seeds.push_back({"four_recent.ini", texts::serialisePreferences(written)});
    seeds.push_back({"six_lines.ini", bytesOf("/p/stock.Q72\r1\r0\r0\r/p/stock.Q72\r1\r")});
    seeds.push_back({"hand_edited_lf.ini", bytesOf("C:\\Q720\\a.Q72\n0\n\n1\nEnglish\n/missing/X.Q72\n0\n")});
    seeds.push_back({"long_path.ini", bytesOf(std::string(300, 'p') + "\r1\r1\r" + std::string(60, 'L') + "\r")});
    return seeds;
}

std::map<std::string, std::vector<Seed>> allCorpora()
{
    std::map<std::string, std::vector<Seed>> corpora;
    corpora["project_file"] = projectFileSeeds();
    corpora["project_in_editor"] = corpora["project_file"];
#ifdef FORMWRIGHT_FUZZ_CLI
    corpora["cli_check"] = corpora["project_file"];
    corpora["cli_check"].push_back(
        {"too_long.q72", bytesOf(std::string(project::CurrentFileBytes + 7, '\0').replace(0, 9, "Q720-1.14"))});
    corpora["cli_check"].push_back({"truncated.q72", bytesOf(std::string(100, '\0').replace(0, 9, "Q720-1.09"))});
    corpora["cli_import"] = mirrorSeeds();
#endif
    corpora["language_file"] = languageFileSeeds();
    corpora["preferences_file"] = preferencesFileSeeds();
    return corpora;
}

}  // namespace fuzz_seeds
