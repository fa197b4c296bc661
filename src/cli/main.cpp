// SPDX-License-Identifier: MIT
// formwright-cli: parses the command line and hands over to one subcommand.
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_support.h"
#include "cli/commands.h"

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
    return text.empty() ? std::nullopt : std::optional<std::filesystem::path>(text);
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"formwright-cli: create, upgrade, inspect, check, export and import Q720 project files"};
    app.set_version_flag("--version", std::string("formwright-cli ") + FORMWRIGHT_VERSION);
    app.require_subcommand(1);

    cli::NewOptions newOptions;
    cli::UpgradeOptions upgradeOptions;
    ModelOption newModel;
    ModelOption upgradeModel;
    std::string newLanguage;
    std::string upgradeLanguage;
    std::string input;
    std::string output;
    std::string exportOutput;

    CLI::App* newCommand = app.add_subcommand("new", "write a new project, as the designer saves it after New");
    newCommand->add_option("OUT", newOptions.output, "project file to write")->required();
    addModelAndLanguage(*newCommand, newModel, newLanguage);

    CLI::App* upgradeCommand =
        app.add_subcommand("upgrade", "open a project as the designer does and save it as version Q720-1.14");
    upgradeCommand->add_option("IN", upgradeOptions.input, "project file to read")->required();
    upgradeCommand->add_option("OUT", upgradeOptions.output, "project file to write (may be IN)")->required();
    addModelAndLanguage(*upgradeCommand, upgradeModel, upgradeLanguage);

    CLI::App* infoCommand = app.add_subcommand("info", "print a short summary of a project file");
    infoCommand->add_option("IN", input, "project file")->required();

    CLI::App* checkCommand =
        app.add_subcommand("check", "validate a project file; exit 1 when something is found");
    checkCommand->add_option("IN", input, "project file")->required();

    CLI::App* exportCommand = app.add_subcommand("export", "write the JSON mirror of a project file");
    exportCommand->add_option("IN", input, "project file")->required();
    exportCommand->add_option("-o,--output", exportOutput, "JSON file to write; standard output if absent");

    CLI::App* importCommand = app.add_subcommand("import", "write the project file of a JSON mirror");
    importCommand->add_option("IN", input, "JSON mirror")->required();
    importCommand->add_option("OUT", output, "project file to write")->required();

    std::string languageFile;
    CLI::App* languageTemplateCommand =
        app.add_subcommand("language-template", "write a language file of every built-in text, to translate");
    languageTemplateCommand->add_option("OUT", languageFile, "language file (.lng) to write")->required();

    CLI::App* languageCheckCommand =
        app.add_subcommand("language-check", "review a language file; exit 1 when something is found");
    languageCheckCommand->add_option("FILE", languageFile, "language file (.lng)")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? cli::ExitSuccess : cli::ExitFailure;
    }

    std::ostream& out = std::cout;
    std::ostream& err = std::cerr;
    if (newCommand->parsed()) {
        newOptions.model = *cli::parseModel(newModel.name);
        newOptions.language = optionalPath(newLanguage);
        return cli::runNew(newOptions, out, err);
    }
    if (upgradeCommand->parsed()) {
        upgradeOptions.model = *cli::parseModel(upgradeModel.name);
        upgradeOptions.language = optionalPath(upgradeLanguage);
        return cli::runUpgrade(upgradeOptions, out, err);
    }
    if (infoCommand->parsed()) {
        return cli::runInfo(input, out, err);
    }
    if (checkCommand->parsed()) {
        return cli::runCheck(input, out, err);
    }
    if (exportCommand->parsed()) {
        return cli::runExport({input, optionalPath(exportOutput)}, out, err);
    }
    if (languageTemplateCommand->parsed()) {
        return cli::runLanguageTemplate(languageFile, out, err);
    }
    if (languageCheckCommand->parsed()) {
        return cli::runLanguageCheck(languageFile, out, err);
    }
    return cli::runImport(input, output, out, err);
}
