// SPDX-License-Identifier: MIT
#include "app/dialog_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "app/code_page.h"
#include "app/text_validator.h"
#include "ui/dialog_model.h"

namespace app {
namespace {

constexpr int NoTextLimit = 32767;

QString qtText(const std::string& bytes)
{
    return fromCodePage(bytes);
}

// What the user typed, in the core's bytes; characters outside the code page never get this
// far (the validator refuses them), but a refusal here keeps the model's text.
std::optional<std::string> coreText(const QString& text)
{
    return toCodePage(text);
}

// The picture of an Icon control, by the name in its text.
QPixmap iconNamed(std::string_view name, const QStyle& style)
{
    constexpr int Side = 32;
    if (name == ui::NoticeIcon) {
        return style.standardIcon(QStyle::SP_MessageBoxInformation).pixmap(Side, Side);
    }
    if (name == ui::TickIcon) {
        QPixmap tick(Side, Side);
        tick.fill(Qt::transparent);
        QPainter painter(&tick);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 128, 0), Side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(Side * 0.18, Side * 0.55), QPointF(Side * 0.42, Side * 0.78),
                                        QPointF(Side * 0.84, Side * 0.24)}));
        return tick;
    }
    return QApplication::windowIcon().pixmap(Side, Side);
}

void setIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text) {
        return;
    }
    const int cursor = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void syncList(QComboBox* list, const ui::ControlState& state)
{
    QStringList items;
    for (const std::string& item : state.items) {
        items.append(qtText(item));
    }
    bool isSame = list->count() == items.size();
    for (int i = 0; isSame && i < list->count(); ++i) {
        isSame = list->itemText(i) == items[i];
    }
    if (!isSame) {
        list->clear();
        list->addItems(items);
    }
    list->setCurrentIndex(state.selection);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    // The average width of the Latin letters, rounded as the dialog manager of the original
    // platform does, so layouts drawn for it keep their proportions.
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = std::max(1, (letters / 26 + 1) / 2);
    m_baseHeight = std::max(1, metrics.height());
}

int DialogUnits::x(int dialogUnits) const
{
    return (dialogUnits * m_baseWidth + 2) / 4;
}
int DialogUnits::y(int dialogUnits) const
{
    return (dialogUnits * m_baseHeight + 4) / 8;
}

QRect DialogUnits::rect(const ui::DialogRect& r) const
{
    const int left = x(r.x);
    const int top = y(r.y);
    return {left, top, x(r.x + r.width) - left, y(r.y + r.height) - top};
}

QFont dialogFont(const ui::DialogTemplate& dialog)
{
    QFont font = QApplication::font();
    font.setPointSize(dialog.fontPointSize > 0 ? dialog.fontPointSize + 1 : font.pointSize());
    return font;
}

DialogView::DialogView(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, QWidget* parent,
                       const CustomWidgetFactory& customWidgets)
    : QWidget(parent), m_model(model)
{
    setFont(dialogFont(dialog));
    const DialogUnits units(font());
    setFixedSize(units.x(dialog.dialogUnits.width), units.y(dialog.dialogUnits.height));

    m_model.open(dialog, host);
    for (const ui::ControlTemplate& control : dialog.controls) {
        QWidget* widget = createWidget(control, customWidgets);
        QRect geometry = units.rect(control.dialogUnits);
        if (control.kind == ui::ControlKind::DropDownList) {
            // The template's height includes the opened list; the closed box keeps its own.
            geometry.setHeight(widget->sizeHint().height());
        }
        widget->setGeometry(geometry);
        widget->setObjectName(QStringLiteral("control%1").arg(control.id.value()));
        if (control.kind == ui::ControlKind::GroupBox) {
            widget->lower(); // the frame stays behind the controls it groups
        }
        if (control.id.value() > 0) {
            m_widgets[control.id] = widget;
            connectWidget(control.id, widget);
        }
    }
    syncFromModel();
}

QWidget* DialogView::widgetFor(ui::ControlId id) const
{
    const auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

QWidget* DialogView::createWidget(const ui::ControlTemplate& control, const CustomWidgetFactory& customWidgets)
{
    const QString text = qtText(std::string(control.text));
    const bool isRightAligned = ui::hasStyle(control.style, ui::ControlStyle::RightAligned);
    switch (control.kind) {
    case ui::ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ui::ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, this);
        radio->setAutoExclusive(false); // the model chooses; see dialog_model.h
        return radio;
    }
    case ui::ControlKind::DropDownList:
        return new QComboBox(this);
    case ui::ControlKind::Edit: {
        if (ui::hasStyle(control.style, ui::ControlStyle::Multiline)) {
            auto* edit = new QPlainTextEdit(text, this);
            edit->setReadOnly(ui::hasStyle(control.style, ui::ControlStyle::ReadOnly));
            return edit;
        }
        auto* edit = new QLineEdit(text, this);
        edit->setReadOnly(ui::hasStyle(control.style, ui::ControlStyle::ReadOnly));
        if (ui::hasStyle(control.style, ui::ControlStyle::Password)) {
            edit->setEchoMode(QLineEdit::Password);
        }
        if (isRightAligned) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        edit->setValidator(new TextValidator(edit));
        return edit;
    }
    case ui::ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ui::ControlKind::PushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(ui::hasStyle(control.style, ui::ControlStyle::DefaultButton));
        button->setAutoDefault(false);
        return button;
    }
    case ui::ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setScaledContents(true);  // the template's box gives the size
        icon->setPixmap(iconNamed(control.text, *style()));
        return icon;
    }
    case ui::ControlKind::Custom:
        if (customWidgets) {
            if (QWidget* custom = customWidgets(control.id, this)) {
                return custom;
            }
        }
        return new QWidget(this);
    case ui::ControlKind::Label:
        break;
    }
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment((isRightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    if (ui::hasStyle(control.style, ui::ControlStyle::Sunken)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    return label;
}

void DialogView::connectWidget(ui::ControlId id, QWidget* widget)
{
    widget->installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { dispatch([this, id] { m_model.click(id); }); });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this,
                [this, id](int index) { dispatch([this, id, index] { m_model.select(id, index); }); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            if (const std::optional<std::string> bytes = coreText(text)) {
                dispatch([this, id, &bytes] { m_model.edit(id, *bytes); });
            } else {
                syncFromModel();
            }
        });
        connect(edit, &QLineEdit::returnPressed, this,
                [this, id] { dispatch([this, id] { m_model.finishEditing(id); }); });
    } else if (auto* multiline = qobject_cast<QPlainTextEdit*>(widget)) {
        connect(multiline, &QPlainTextEdit::textChanged, this, [this, id, multiline] {
            if (m_isSyncing) {
                return;
            }
            if (const std::optional<std::string> bytes = coreText(multiline->toPlainText())) {
                dispatch([this, id, &bytes] { m_model.edit(id, *bytes); });
            } else {
                syncFromModel();
            }
        });
    }
}

bool DialogView::eventFilter(QObject* watched, QEvent* event)
{
    // A read-only box that shows codes opens their editor when clicked.
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit != nullptr && edit->isReadOnly() && edit->isEnabled()) {
            for (const auto& [id, widget] : m_widgets) {
                if (widget == watched) {
                    const ui::ControlId controlId = id;
                    dispatch([this, controlId] { m_model.click(controlId); });
                    return true;
                }
            }
        }
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [id, widget] : m_widgets) {
            if (widget != watched) {
                continue;
            }
            const ui::ControlId controlId = id;
            if (event->type() == QEvent::FocusIn) {
                dispatch([this, controlId] { m_model.focusChanged(controlId); });
            } else {
                dispatch([this, controlId] { m_model.finishEditing(controlId); });
            }
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DialogView::send(const std::function<void(ui::DialogModel&)>& event)
{
    dispatch([this, &event] { event(m_model); });
}

void DialogView::dispatch(const std::function<void()>& call)
{
    if (m_isDispatching || m_isSyncing) {
        return;
    }
    m_isDispatching = true;
    call();
    m_isDispatching = false;
    syncFromModel();
}

void DialogView::syncFromModel()
{
    m_isSyncing = true;
    const ui::Controls& controls = m_model.controlStates();
    for (const ui::ControlState& state : controls.all()) {
        if (QWidget* widget = widgetFor(state.id)) {
            syncWidget(state, widget);
        }
    }
    const QString title = qtText(controls.title());
    if (title != m_title) {
        m_title = title;
        setWindowTitle(title);
        emit titleChanged(title);
    }
    if (controls.focusRequests() != m_seenFocusRequests) {
        m_seenFocusRequests = controls.focusRequests();
        if (QWidget* focus = widgetFor(controls.focus())) {
            focus->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
                edit->selectAll();
            }
        }
    }
    m_isSyncing = false;
    emit modelChanged();
    if (m_model.result() && !m_isCloseReported) {
        m_isCloseReported = true;
        emit closeRequested(*m_model.result());
    }
}

void DialogView::syncWidget(const ui::ControlState& state, QWidget* widget)
{
    widget->setEnabled(state.isEnabled);
    widget->setHidden(!state.isVisible);
    const QString text = qtText(state.text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        if (button->isCheckable()) {
            button->setChecked(state.isChecked);
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        syncList(list, state);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setMaxLength(state.textLimit > 0 ? state.textLimit : NoTextLimit);
        setIfDifferent(edit, text);
        if (state.isHighlighted != edit->property("isHighlighted").toBool()) {
            edit->setProperty("isHighlighted", state.isHighlighted);
            QPalette palette = edit->parentWidget()->palette();
            if (state.isHighlighted) {
                palette.setColor(QPalette::Base, Qt::blue);
                palette.setColor(QPalette::Text, Qt::blue);
            }
            edit->setPalette(palette);
        }
    } else if (auto* multiline = qobject_cast<QPlainTextEdit*>(widget)) {
        if (multiline->toPlainText() != text) {
            multiline->setPlainText(text);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->pixmap().isNull()) {
        // A static text writes a shown ampersand as two, as buttons and boxes do.
        label->setText(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")));
    }
}

} // namespace app
