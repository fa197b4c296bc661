// SPDX-License-Identifier: MIT
#include "app/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "app/character_grid_widget.h"
#include "app/code_page.h"
#include "app/dialog_window.h"
#include "app/file_names.h"
#include "texts/text_source.h"
#include "ui/message_texts.h"

namespace app {
namespace {

QString filterList(const std::vector<ui::FileFilter>& filters)
{
    QStringList parts;
    for (const ui::FileFilter& filter : filters) {
        QString patterns = fromCodePage(filter.patterns);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString description = fromCodePage(filter.description);
        parts.append(
            description.contains(QLatin1Char('('))
                ? QStringLiteral("%1 (%2)").arg(description.section(QLatin1Char('('), 0, 0).trimmed(), patterns)
                : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return parts.join(QStringLiteral(";;"));
}

std::optional<std::string> runChooser(QWidget* owner, const ui::FileChooserRequest& request,
                                      QFileDialog::AcceptMode mode)
{
    QFileDialog chooser(owner, fromCodePage(request.title));
    chooser.setAcceptMode(mode);
    chooser.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.filters.empty()) {
        chooser.setNameFilter(filterList(request.filters));
    }
    if (!request.initialDirectory.empty()) {
        chooser.setDirectory(qStringFromPathText(request.initialDirectory));
    }
    if (!request.initialFile.empty()) {
        chooser.selectFile(qStringFromPathText(request.initialFile));
    }
    if (!request.defaultExtension.empty()) {
        chooser.setDefaultSuffix(fromCodePage(request.defaultExtension));
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // The name goes to the core whole, never through the Windows code page.
    return utf8PathText(QDir::toNativeSeparators(chooser.selectedFiles().constFirst()));
}

} // namespace

QtHost::QtHost(const texts::TextSource& texts, QWidget* fallbackOwner)
    : m_texts(texts), m_fallbackOwner(fallbackOwner), m_customWidgets(characterGridWidgets)
{
}

QWidget* QtHost::owner() const
{
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : m_fallbackOwner.data();
}

bool QtHost::warning(texts::StringId title, texts::StringId text)
{
    const std::optional<ui::MessageTexts> shown = ui::warningTexts(m_texts, title, text);
    if (!shown) {
        return false;
    }
    QMessageBox box(QMessageBox::Warning, fromCodePage(shown->title), fromCodePage(shown->text), QMessageBox::Ok,
                    owner());
    box.exec();
    return true;
}

ui::SaveChangesAnswer QtHost::askSaveChanges()
{
    const ui::MessageTexts shown = ui::saveChangesTexts(m_texts);
    QMessageBox box(QMessageBox::Question, fromCodePage(shown.title), fromCodePage(shown.text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner());
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ui::SaveChangesAnswer::Yes;
    case QMessageBox::No:
        return ui::SaveChangesAnswer::No;
    default:
        return ui::SaveChangesAnswer::Cancel;
    }
}

std::optional<std::string> QtHost::chooseFileToOpen(const ui::FileChooserRequest& request)
{
    return runChooser(owner(), request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtHost::chooseFileToSave(const ui::FileChooserRequest& request)
{
    return runChooser(owner(), request, QFileDialog::AcceptSave);
}

ui::DialogResult QtHost::runDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model)
{
    // The dialog underneath shows what its model did before opening this one (a code display
    // painted blue while its grid is open).
    if (QWidget* parent = owner()) {
        for (DialogView* view : parent->findChildren<DialogView*>()) {
            view->syncFromModel();
        }
    }
    return runModalDialog(dialog, model, *this, owner(), m_customWidgets);
}

} // namespace app
