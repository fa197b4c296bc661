// SPDX-License-Identifier: MIT
// The Host of the Qt designer: message boxes, file choosers and modal child dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/dialog_view.h"
#include "ui/host.h"

namespace texts {
class TextSource;
}

namespace app {

class QtHost final : public ui::Host
{
public:
    // Texts are fetched from `texts` at the moment they are shown, so a language loaded later
    // is honoured. Boxes are owned by the active window, else by `fallbackOwner`.
    explicit QtHost(const texts::TextSource& texts, QWidget* fallbackOwner = nullptr);

    // Custom-drawn controls of child dialogs are built by this factory.
    void setCustomWidgetFactory(CustomWidgetFactory factory) { m_customWidgets = std::move(factory); }

    bool warning(texts::StringId title, texts::StringId text) override;
    [[nodiscard]] ui::SaveChangesAnswer askSaveChanges() override;
    [[nodiscard]] std::optional<std::string> chooseFileToOpen(const ui::FileChooserRequest& request) override;
    [[nodiscard]] std::optional<std::string> chooseFileToSave(const ui::FileChooserRequest& request) override;
    ui::DialogResult runDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model) override;

private:
    [[nodiscard]] QWidget* owner() const;

    const texts::TextSource& m_texts;
    QPointer<QWidget> m_fallbackOwner;
    CustomWidgetFactory m_customWidgets;
};

} // namespace app
