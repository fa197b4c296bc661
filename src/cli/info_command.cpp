// SPDX-License-Identifier: MIT
// info: a short summary of a project file as stored.
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/project_labels.h"
#include "project/disk_file.h"
#include "project/file_format.h"

namespace cli {
namespace {

using project::Byte;

int lastUsedLine(const project::FormDef& form)
{
    int last = 0;
    for (int line = 1; line <= project::LineSlots; ++line) {
        if (form.lineType[static_cast<std::size_t>(line - 1)] != 0) {
            last = line;
        }
    }
    return last;
}

// Prints `title` and, on lines of their own, the entries of records 1 to `count` that are in
// use; `entry` writes one record's entry and returns false (having written nothing) when the
// record is not in use. " none" stands for an empty list.
template <typename Entry> void printInUse(std::ostream& out, std::string_view title, int count, Entry entry)
{
    out << title;
    bool any = false;
    for (int n = 1; n <= count; ++n) {
        std::ostringstream text;
        if (entry(n, text)) {
            any = true;
            out << "\n  " << text.view();
        }
    }
    out << (any ? "\n" : " none\n");
}

void printForms(const project::Project& p, std::ostream& out)
{
    printInUse(out, "forms in use:", project::MaxForms, [&](int n, std::ostream& text) {
        const project::FormDef& form = p.form(n);
        const int last = lastUsedLine(form);
        if (last == 0) {
            return false;
        }
        text << "form " << n << " \"" << form.exportName.view() << "\": " << recordActionName(form.recordAction)
             << ", next " << targetName(form.nextTarget) << "\n    lines:";
        for (int line = 1; line <= last; ++line) {
            text << (line > 1 ? "," : "") << ' ' << line << ' '
                 << lineTypeName(form.lineType[static_cast<std::size_t>(line - 1)]);
        }
        return true;
    });
}

void printMenus(const project::Project& p, std::ostream& out)
{
    printInUse(out, "menus in use:", project::MaxMenus, [&](int n, std::ostream& text) {
        const project::MenuDef& menu = p.menu(n);
        std::string items;
        for (int i = 0; i < project::MenuItemSlots; ++i) {
            const auto& name = menu.itemName[static_cast<std::size_t>(i)];
            if (!name.isEmpty()) {
                items += (items.empty() ? "" : ", ") + std::string("\"") + name.str() + "\" -> " +
                         targetName(menu.itemNext[static_cast<std::size_t>(i)]);
            }
        }
        if (items.empty() && menu.caption.isEmpty()) {
            return false;
        }
        text << "menu " << n << " \"" << menu.caption.view() << "\": " << (items.empty() ? "no items" : items);
        return true;
    });
}

void printLookups(const project::Project& p, std::ostream& out)
{
    printInUse(out, "lookup files:", project::MaxLookups, [&](int n, std::ostream& text) {
        const project::LookupDef& lookup = p.lookup(n);
        if (lookup.numFields == 0) {
            return false;
        }
        text << "lookup " << n << " \"" << lookup.exportName.view() << "\": " << int{lookup.numFields}
             << " fields, key field " << lookup.keyField + 1 << "\n    fields:";
        const int count = std::min<int>(lookup.numFields, project::LookupFieldSlots);
        for (int i = 0; i < count; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            text << (i > 0 ? "," : "") << " \"" << lookup.fieldName[slot].view() << "\" "
                 << lookupFieldTypeName(lookup.fieldType[slot]) << '(' << int{lookup.fieldLength[slot]} << ')';
        }
        return true;
    });
}

}  // namespace

int runInfo(const std::filesystem::path& input, std::ostream& out, std::ostream& err)
{
    const InputImage image = readProjectImage(input);
    if (!image.ok) {
        reportError(err, input, image.error);
        return ExitFailure;
    }
    auto p = std::make_unique<project::Project>(project::zeroProject());
    if (!project::parseProjectImage(image.bytes, *p).ok) {
        reportError(err, input, "cannot parse the file");
        return ExitFailure;
    }
    const Byte stamp = p->device.modelStamp;
    out << "file: " << project::utf8Of(input) << '\n'
        << "version: " << image.magic.printable() << '\n'
        << "size: " << image.totalBytes << " bytes (layout " << image.layoutBytes << ")\n"
        << "model: " << (stamp <= 1 ? modelName(static_cast<project::Model>(stamp)) : "unknown") << " (stamp "
        << int{stamp} << ")\n"
        << "reader: " << readerTypeName(p->device.readerType) << '\n'
        << "start: " << (p->device.startFrom == 0 ? "form 1" : "menu 1") << '\n';
    printForms(*p, out);
    printMenus(*p, out);
    printLookups(*p, out);
    return ExitSuccess;
}

int runInfo(std::span<const std::filesystem::path> inputs, std::ostream& out, std::ostream& err)
{
    int status = ExitSuccess;
    bool hasPrinted = false;
    for (const std::filesystem::path& input : inputs) {
        std::ostringstream summary;
        status = std::max(status, runInfo(input, summary, err));
        if (!summary.view().empty()) {
            out << (hasPrinted ? "\n" : "") << summary.view();
            hasPrinted = true;
        }
    }
    return status;
}

}  // namespace cli
