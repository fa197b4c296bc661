// SPDX-License-Identifier: MIT
// formwright-cli: parses the command line and hands over to one subcommand.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/diff_command.h"
#include "project/disk_file.h"

namespace {

struct ModelOption
{
    std::string name = "Q720CE";
};

void addModelAndLanguage(CLI::App& command, ModelOption& model, std::string& language)
{
    command.add_option("--model", model.name, "terminal model preference")
        ->check(CLI::IsMember({"Q720CE", "Q720PPC"}))
        ->capture_default_str();
    command.add_option("--language", language, "language file (.lng) for the terminal texts; built-in if absent");
}

std::optional<std::filesystem::path> optionalPath(const std::string& text)
{
    return text.empty() ? std::nullopt : std::optional<std::filesystem::path>(project::pathFromUtf8(text));
}

std::vector<std::filesystem::path> paths(const std::vector<std::string>& texts)
{
    std::vector<std::filesystem::path> result;
    for (const std::string& text : texts) {
        result.push_back(project::pathFromUtf8(text));
    }
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    // Paths come and go as UTF-8 on every system; exports are bytes, not text.
    project::useBinaryStandardOutput();
    std::vector<std::string> arguments = project::utf8Arguments(argc, argv);
    std::vector<char*> argumentPointers;
    for (std::string& argument : arguments) {
        argumentPointers.push_back(argument.data());
    }
    argumentPointers.push_back(nullptr);

    CLI::App app{"formwright-cli: create, upgrade, inspect, check, export and import Q720 project files"};
    app.set_version_flag("--version", std::string("formwright-cli ") + FORMWRIGHT_VERSION);
    app.require_subcommand(1);

    cli::NewOptions newOptions;
    ModelOption newModel;
    std::string newOutput;
    ModelOption upgradeModel;
    std::string newLanguage;
    std::string upgradeLanguage;
    std::string input;
    std::vector<std::string> inputs;
    std::vector<std::string> upgradeFiles;
    std::string upgradeFolder;
    std::string output;
    std::string exportOutput;

    CLI::App* newCommand = app.add_subcommand("new", "write a new project, as the designer saves it after New");
    newCommand->add_option("OUT", newOutput, "project file to write")->required();
    addModelAndLanguage(*newCommand, newModel, newLanguage);

    CLI::App* upgradeCommand =
        app.add_subcommand("upgrade", "open a project as the designer does and save it as version Q720-1.14");
    upgradeCommand->add_option("FILES", upgradeFiles, "IN OUT (OUT may be IN), or the files of --in-place or --output-dir")
        ->required();
    CLI::Option* inPlace = upgradeCommand->add_flag("--in-place")->description("replace every FILE by its upgrade");
    CLI::Option* outputFolder =
        upgradeCommand->add_option("--output-dir", upgradeFolder, "write every FILE's upgrade into this folder")
            ->excludes(inPlace);
    addModelAndLanguage(*upgradeCommand, upgradeModel, upgradeLanguage);

    CLI::App* infoCommand = app.add_subcommand("info", "print a short summary of a project file");
    infoCommand->add_option("FILES", inputs, "project files")->required();

    CLI::App* checkCommand =
        app.add_subcommand("check", "validate a project file; exit 1 when something is found");
    checkCommand->add_option("FILES", inputs, "project files")->required();

    CLI::App* exportCommand = app.add_subcommand("export", "write the JSON mirror of a project file");
    exportCommand->add_option("IN", input, "project file")->required();
    exportCommand->add_option("-o,--output", exportOutput, "JSON file to write; standard output if absent");

    CLI::App* importCommand = app.add_subcommand("import", "write the project file of a JSON mirror");
    importCommand->add_option("IN", input, "JSON mirror")->required();
    importCommand->add_option("OUT", output, "project file to write")->required();

    cli::DiffOptions diffOptions;
    std::string diffOld;
    std::string diffNew;
    ModelOption diffModel;
    std::string diffLanguage;
    CLI::App* diffCommand =
        app.add_subcommand("diff", "list the fields in which two project files differ; exit 1 when they differ");
    diffCommand->add_option("OLD", diffOld, "project file")->required();
    diffCommand->add_option("NEW", diffNew, "project file")->required();
    diffCommand->add_flag("--json", diffOptions.json, "print the changes as a JSON array");
    diffCommand->add_option("--model", diffModel.name, "model for upgrading an older file; default: the newer file's")
        ->check(CLI::IsMember({"Q720CE", "Q720PPC"}));
    diffCommand->add_option("--language", diffLanguage, "language file (.lng) for upgrading an older file");

    std::string languageFile;
    CLI::App* languageTemplateCommand =
        app.add_subcommand("language-template", "write a language file of every built-in text, to translate");
    languageTemplateCommand->add_option("OUT", languageFile, "language file (.lng) to write")->required();

    CLI::App* languageCheckCommand =
        app.add_subcommand("language-check", "review a language file; exit 1 when something is found");
    languageCheckCommand->add_option("FILE", languageFile, "language file (.lng)")->required();

    try {
        app.parse(static_cast<int>(arguments.size()), argumentPointers.data());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? cli::ExitSuccess : cli::ExitFailure;
    }

    std::ostream& out = std::cout;
    std::ostream& err = std::cerr;
    if (newCommand->parsed()) {
        newOptions.output = project::pathFromUtf8(newOutput);
        newOptions.model = *cli::parseModel(newModel.name);
        newOptions.language = optionalPath(newLanguage);
        return cli::runNew(newOptions, out, err);
    }
    if (upgradeCommand->parsed()) {
        const project::Model model = *cli::parseModel(upgradeModel.name);
        if (*inPlace || *outputFolder) {
            return cli::runUpgradeMany({paths(upgradeFiles), optionalPath(upgradeFolder), model,
                                        optionalPath(upgradeLanguage), project::standardErrorIsTerminal(), {}},
                                       out, err);
        }
        if (upgradeFiles.size() != 2) {
            err << "upgrade: give IN OUT, or --in-place or --output-dir DIR with the files\n";
            return cli::ExitFailure;
        }
        return cli::runUpgrade({project::pathFromUtf8(upgradeFiles[0]), project::pathFromUtf8(upgradeFiles[1]), model, optionalPath(upgradeLanguage)}, out, err);
    }
    if (infoCommand->parsed()) {
        return cli::runInfo(paths(inputs), out, err);
    }
    if (checkCommand->parsed()) {
        return cli::runCheck(paths(inputs), out, err);
    }
    if (diffCommand->parsed()) {
        if (diffCommand->count("--model") > 0) {
            diffOptions.model = cli::parseModel(diffModel.name);
        }
        diffOptions.oldFile = project::pathFromUtf8(diffOld);
        diffOptions.newFile = project::pathFromUtf8(diffNew);
        diffOptions.language = optionalPath(diffLanguage);
        return cli::runDiff(diffOptions, out, err);
    }
    if (exportCommand->parsed()) {
        return cli::runExport({project::pathFromUtf8(input), optionalPath(exportOutput)}, out, err);
    }
    if (languageTemplateCommand->parsed()) {
        return cli::runLanguageTemplate(project::pathFromUtf8(languageFile), out, err);
    }
    if (languageCheckCommand->parsed()) {
        return cli::runLanguageCheck(project::pathFromUtf8(languageFile), out, err);
    }
    return cli::runImport(project::pathFromUtf8(input), project::pathFromUtf8(output), out, err);
}
