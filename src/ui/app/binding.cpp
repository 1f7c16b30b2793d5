#include "ui/app/binding.h"

#include "core/app/window_state.h"
#include "ui/app/chart_view.h"
#include "ui/app/event_boundary.h"
#include "ui/app/grid_view.h"
#include "ui/app/qt_text.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace bulbicalc::ui {
namespace {

// Focus changes caused by a box, a popup or another window are not a leave.
bool isWindowInternal(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

bool isInsideSpinBox(QWidget* widget)
{
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(w))
            return true;
    return false;
}

// The mask edit stores blanks in the positions the user did not fill; the
// widget shows them as "_".
QString maskedShown(const std::string& stored)
{
    QString text = qt(stored);
    text.replace(QLatin1Char(' '), QLatin1Char('_'));
    return text;
}

std::string maskedStored(const QLineEdit* edit)
{
    QString text = edit->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return utf8(text);
}

// A memo's lines. A line may hold a carriage return of its own (the advice
// texts do): the memo shows it as a break inside the line (a line separator)
// rather than as the start of a new line, so that editing the memo never
// splits a line the program wrote. An empty memo has no lines.
std::vector<std::string> memoLines(const QPlainTextEdit* memo)
{
    const QString raw = memo->document()->toRawText();
    std::vector<std::string> lines;
    if (raw.isEmpty())
        return lines;
    for (QString line : raw.split(QChar::ParagraphSeparator)) {
        line.replace(QChar::LineSeparator, QLatin1Char('\r'));
        lines.push_back(utf8(line));
    }
    return lines;
}

QString memoText(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const auto& line : lines)
        list << qt(line).replace(QLatin1Char('\r'), QChar::LineSeparator);
    return list.join(QLatin1Char('\n'));
}

// A caption of several lines. The metric-compatible Tahoma has less line
// spacing than its height, so plain lines would touch each other; as rich text
// the lines get room, and pre-wrap keeps the caption's blanks.
QString labelMarkup(std::string_view caption)
{
    const QString text = shownCaption(caption);
    if (!text.contains(QLatin1Char('\n')))
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap; line-height:125%\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString richText(const Control& c)
{
    QString html = QStringLiteral("<html><body>");
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        const LineFormat f = i < c.lineFormats.size() ? c.lineFormats[i] : LineFormat{};
        QString line = qt(c.items[i]).toHtmlEscaped();
        // An empty line keeps its height; underlining its placeholder blank
        // would draw a stray dash.
        if (line.isEmpty())
            line = QStringLiteral("&nbsp;");
        else if (f.bold)
            line = QStringLiteral("<b>") + line + QStringLiteral("</b>");
        if (f.underline && !c.items[i].empty())
            line = QStringLiteral("<u>") + line + QStringLiteral("</u>");
        html += QStringLiteral("<p style=\"margin:0; line-height:120%; color:rgb(%1,%2,%3)\">%4</p>")
                    .arg(f.colour.red)
                    .arg(f.colour.green)
                    .arg(f.colour.blue)
                    .arg(line);
    }
    return html + QStringLiteral("</body></html>");
}

} // namespace

Binding::Binding(WindowState& core, EventBoundary& boundary, QObject* parent)
    : QObject(parent), core_(core), boundary_(boundary)
{
}

void Binding::bind(QWidget* root)
{
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const std::string name = utf8(widget->objectName());
        if (name.empty())
            continue;
        if (auto* grid = qobject_cast<GridView*>(widget); grid && core_.hasGrid(name)) {
            grid->attach(core_, boundary_);
            grids_.emplace_back(grid);
            continue;
        }
        if (auto* chart = qobject_cast<ChartView*>(widget); chart && core_.hasChart(name)) {
            charts_.emplace_back(chart);
            continue;
        }
        if (core_.controls().contains(name) && !isInsideSpinBox(widget))
            bindControl(name, widget);
    }
    refresh();
}

void Binding::bindControl(const std::string& name, QWidget* widget)
{
    controls_.push_back(Bound{name, widget});
    const ControlKind kind = core_.control(name).kind;
    WindowState& core = core_;
    EventBoundary& boundary = boundary_;

    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const bool masked = kind == ControlKind::MaskEdit;
        connect(edit, &QLineEdit::textEdited, this,
                [&core, &boundary, name, edit, masked](const QString& text) {
                    const std::string value = masked ? maskedStored(edit) : utf8(text);
                    boundary.run([&] { core.type(name, value); });
                });
        watchKeysAndFocus(edit, name);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this,
                [&core, &boundary, name](int index) { boundary.run([&] { core.select(name, index); }); });
        if (combo->isEditable()) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [&core, &boundary, name](const QString& text) {
                        boundary.run([&] { core.type(name, utf8(text)); });
                    });
            watchKeysAndFocus(combo->lineEdit(), name);
        }
        watchKeysAndFocus(combo, name);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::clicked, this,
                [&core, &boundary, name] { boundary.run([&] { core.click(name); }); });
        watchKeysAndFocus(box, name);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        connect(radio, &QRadioButton::clicked, this,
                [&core, &boundary, name] { boundary.run([&] { core.click(name); }); });
        watchKeysAndFocus(radio, name);
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        connect(spin, &QSpinBox::valueChanged, this,
                [&core, &boundary, name](int value) { boundary.run([&] { core.spin(name, value); }); });
        // The spin box holds the focus and the keys for its edit, which is the
        // field of the key rules and of the tab's default button.
        if (const std::string& buddy = core_.control(name).buddy; !buddy.empty())
            watchKeysAndFocus(spin, buddy);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (kind == ControlKind::Button) {
            connect(button, &QAbstractButton::clicked, this,
                    [&core, &boundary, name] { boundary.run([&] { core.click(name); }); });
            watchKeysAndFocus(button, name);
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        connect(memo, &QPlainTextEdit::textChanged, this, [&core, &boundary, name, memo] {
            boundary.run([&] { core.typeLines(name, memoLines(memo)); });
        });
        watchKeysAndFocus(memo, name);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        connect(list, &QListWidget::itemChanged, this, [&core, &boundary, name, list](QListWidgetItem* item) {
            const int row = list->row(item);
            const bool on = item->checkState() == Qt::Checked;
            boundary.run([&] { core.check(name, row, on); });
        });
        connect(list, &QListWidget::itemClicked, this, [&core, &boundary, name, list](QListWidgetItem* item) {
            const int row = list->row(item);
            const bool on = item->checkState() == Qt::Checked;
            boundary.run([&] { core.check(name, row, on); });
        });
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        connect(date, &QDateEdit::dateChanged, this, [&core, &boundary, name](const QDate& d) {
            boundary.run([&] { core.pickDate(name, Date{d.year(), d.month(), d.day()}); });
        });
        watchKeysAndFocus(date, name);
    }
}

void Binding::watchKeysAndFocus(QWidget* widget, const std::string& name)
{
    widget->setProperty("bulbicalcControl", qt(name));
    widget->installEventFilter(this);
}

std::string Binding::nameOf(QObject* object) const
{
    return utf8(object->property("bulbicalcControl").toString());
}

bool Binding::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const std::string name = nameOf(watched);
    if (name.empty())
        return QObject::eventFilter(watched, event);

    if (type == QEvent::FocusIn) {
        if (isWindowInternal(static_cast<QFocusEvent*>(event)->reason()))
            boundary_.run([&] { core_.focus(name); });
        return false;
    }
    if (type == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (isWindowInternal(reason) && core_.focused() == name)
            boundary_.run([&] { core_.leave(name); });
        return false;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool modified = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (enter && !modified && !qobject_cast<QPlainTextEdit*>(watched)) {
        boundary_.run([&] { core_.enter(name); });
        moveFocusToCore();
        return true;
    }
    const QString text = key->text();
    const QList<uint> codes = text.toUcs4();
    if (enter || codes.size() != 1 || !text.at(0).isPrint())
        return false;
    const auto typed = static_cast<char32_t>(codes.front());
    char32_t result = typed;
    boundary_.run([&] { result = core_.keyPress(name, typed); });
    if (result == typed)
        return false;
    if (result != kKeyNone) {
        QLineEdit* line = qobject_cast<QLineEdit*>(watched);
        if (!line)
            if (auto* combo = qobject_cast<QComboBox*>(watched))
                line = combo->lineEdit();
        if (line) {
            // The replaced key is typed like the original one.
            QKeyEvent replaced(QEvent::KeyPress, 0, key->modifiers(), QString::fromUcs4(&result, 1));
            QApplication::sendEvent(line, &replaced);
        }
    }
    return true;
}

void Binding::moveFocusToCore()
{
    const std::string target = core_.focused();
    QWidget* w = widget(target);
    if (w && QApplication::focusWidget() != w && w->isVisible())
        w->setFocus(Qt::OtherFocusReason);
}

QWidget* Binding::widget(const std::string& name) const
{
    for (const auto& bound : controls_)
        if (bound.name == name)
            return bound.widget;
    return nullptr;
}

std::vector<std::string> Binding::unboundNames() const
{
    std::vector<std::string> names;
    for (const auto& [name, control] : core_.controls().all()) {
        const bool bound =
            std::any_of(controls_.begin(), controls_.end(), [&](const Bound& b) { return b.name == name; });
        if (!bound)
            names.push_back(name);
    }
    for (const auto& [name, grid] : core_.grids()) {
        const bool bound = std::any_of(grids_.begin(), grids_.end(), [&](const QPointer<GridView>& g) {
            return g && utf8(g->objectName()) == name;
        });
        if (!bound)
            names.push_back(name);
    }
    return names;
}

void Binding::refresh()
{
    for (const auto& bound : controls_)
        if (bound.widget)
            refreshControl(bound);
    for (const auto& grid : grids_)
        if (grid)
            grid->refresh();
    for (const auto& chart : charts_)
        if (chart)
            chart->show(core_.chart(utf8(chart->objectName())));
}

void Binding::refreshControl(const Bound& bound)
{
    const Control& c = core_.control(bound.name);
    QWidget* widget = bound.widget;
    const QSignalBlocker blocker(widget);
    if (c.kind == ControlKind::Image) {
        widget->setVisible(c.visible);
        return;
    }
    // Labels and edit fields that the program hides and shows again.
    if ((c.kind == ControlKind::Label || c.kind == ControlKind::Edit) && widget->isHidden() == c.visible)
        widget->setVisible(c.visible);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (c.kind == ControlKind::MaskEdit) {
            if (maskedStored(edit) != c.text)
                edit->setText(maskedShown(c.text));
        } else if (edit->text() != qt(c.text)) {
            edit->setText(qt(c.text));
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        bool sameItems = combo->count() == static_cast<int>(c.items.size());
        for (int i = 0; sameItems && i < combo->count(); ++i)
            sameItems = combo->itemText(i) == qt(c.items[static_cast<std::size_t>(i)]);
        if (!sameItems) {
            const QSignalBlocker lineBlocker(combo->lineEdit());
            combo->clear();
            for (const auto& item : c.items)
                combo->addItem(qt(item));
        }
        if (combo->isEditable()) {
            const QSignalBlocker lineBlocker(combo->lineEdit());
            if (combo->currentIndex() != c.itemIndex)
                combo->setCurrentIndex(c.itemIndex);
            if (combo->currentText() != qt(c.text))
                combo->setEditText(qt(c.text));
        } else if (combo->currentIndex() != c.itemIndex) {
            combo->setCurrentIndex(c.itemIndex);
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        if (box->text() != shownCaption(c.text))
            box->setText(shownCaption(c.text));
        if (box->isChecked() != c.checked)
            box->setChecked(c.checked);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        if (radio->text() != shownCaption(c.text))
            radio->setText(shownCaption(c.text));
        if (radio->isChecked() != c.checked) {
            // Radio buttons of a Qt group switch each other; the core has the
            // whole group's state, so each button just takes its own.
            const bool exclusive = radio->autoExclusive();
            radio->setAutoExclusive(false);
            radio->setChecked(c.checked);
            radio->setAutoExclusive(exclusive);
        }
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        spin->setRange(c.minimum, c.maximum);
        if (spin->value() != c.position)
            spin->setValue(c.position);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != shownCaption(c.text))
            button->setText(shownCaption(c.text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString markup = labelMarkup(c.text);
        if (label->text() != markup)
            label->setText(markup);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        // An empty memo and a memo of one empty line look the same.
        const bool same = memoLines(memo) == c.items || (c.items.size() == 1 && c.items.front().empty() &&
                                                         memo->document()->toRawText().isEmpty());
        if (!same)
            memo->setPlainText(memoText(c.items));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (list->count() != static_cast<int>(c.items.size())) {
            list->clear();
            for (const auto& item : c.items) {
                auto* entry = new QListWidgetItem(qt(item), list);
                entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
                // Without a state of its own an item shows no check box at all.
                entry->setCheckState(Qt::Unchecked);
            }
        }
        for (int i = 0; i < list->count(); ++i) {
            const auto index = static_cast<std::size_t>(i);
            const bool on = index < c.itemChecked.size() && c.itemChecked[index];
            QListWidgetItem* entry = list->item(i);
            if (entry->text() != qt(c.items[index]))
                entry->setText(qt(c.items[index]));
            const Qt::CheckState state = on ? Qt::Checked : Qt::Unchecked;
            if (entry->checkState() != state)
                entry->setCheckState(state);
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        const QDate d(c.date.year, c.date.month, c.date.day);
        if (date->date() != d)
            date->setDate(d);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        const QString html = richText(c);
        if (rich->property("bulbicalcHtml").toString() != html) {
            rich->setHtml(html);
            rich->setProperty("bulbicalcHtml", html);
        }
    }
}

} // namespace bulbicalc::ui
