// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QGraphicsTextItem>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStringList>
#include <QTabBar>

namespace sentinel {

// The widgets of a kind that the window shows, its pages in view only.
template <class Widget>
QList<const Widget*> Shown(const QWidget& window)
{
    QList<const Widget*> shown;
    for (const Widget* widget : window.findChildren<Widget*>())
        if (widget->isVisibleTo(&window))
            shown << widget;
    return shown;
}

// The mnemonic letters of what a keyboard user can reach on the page in view.
inline QStringList Mnemonics(const QWidget& window)
{
    QStringList letters;
    const auto take = [&](const QString& text) {
        const QString plain = QString(text).replace("&&", "");
        const qsizetype at = plain.indexOf('&');
        if (at >= 0 && at + 1 < plain.size())
            letters << plain.mid(at + 1, 1).toLower();
    };
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        take(menu->text());
    for (const QWidget* widget : Shown<QWidget>(window)) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            take(label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            take(button->text());
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                take(tabs->tabText(tab));
    }
    return letters;
}

// The texts a window shows cut short: a label or a button narrower than its
// text, a wrapped label shorter than its lines, a group's title wider than
// the group, a tab narrower than its title, an item of a choice box wider
// than the box's field. A box whose items are expected to be long (it keeps a
// minimum length and shows the whole in a tip) is left out. Each as
// "kind: text".
inline QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : Shown<QWidget>(window)) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const bool whole = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                                 : label->width() >= label->sizeHint().width();
            if (!whole && !label->text().isEmpty())
                cut << QStringLiteral("label: ") + label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                cut << QStringLiteral("button: ") + button->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (group->width() < group->fontMetrics().horizontalAdvance(group->title()))
                cut << QStringLiteral("group: ") + group->title();
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                if (tabs->tabRect(tab).width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab).remove('&')))
                    cut << QStringLiteral("tab: ") + tabs->tabText(tab);
        } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            if (box->sizeAdjustPolicy() == QComboBox::AdjustToMinimumContentsLengthWithIcon)
                continue;
            QStyleOptionComboBox option;
            option.initFrom(box);
            const int field =
                box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
            for (int item = 0; item < box->count(); ++item)
                if (box->fontMetrics().horizontalAdvance(box->itemText(item)) > field)
                    cut << QStringLiteral("choice: ") + box->itemText(item);
        }
    }
    return cut;
}

// The controls a window shows on top of one another: two visible siblings,
// each a label, button, slider, choice or number box, whose rectangles
// meet. A layout squeezed below its controls' least sizes does this.
inline QStringList OverlappingControls(const QWidget& window)
{
    const auto isControl = [](const QWidget* widget) {
        return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
               qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QComboBox*>(widget) ||
               qobject_cast<const QAbstractSpinBox*>(widget);
    };
    const auto named = [](const QWidget* widget) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            return button->text().isEmpty() ? button->accessibleName() : button->text();
        return widget->accessibleName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->accessibleName();
    };
    QStringList overlaps;
    for (const QWidget* parent : window.findChildren<QWidget*>()) {
        QList<const QWidget*> controls;
        for (const QObject* child : parent->children())
            if (const auto* widget = qobject_cast<const QWidget*>(child);
                widget && !widget->isWindow() && widget->isVisibleTo(&window) && isControl(widget))
                controls << widget;
        for (qsizetype a = 0; a < controls.size(); ++a)
            for (qsizetype b = a + 1; b < controls.size(); ++b)
                if (controls[a]->geometry().intersects(controls[b]->geometry()))
                    overlaps << named(controls[a]) + QStringLiteral(" overlaps ") + named(controls[b]);
    }
    return overlaps;
}

// The sliders a window squeezes below the width they need to be used.
inline QStringList CollapsedSliders(const QWidget& window)
{
    QStringList collapsed;
    for (const QAbstractSlider* slider : Shown<QAbstractSlider>(window))
        if (slider->orientation() == Qt::Horizontal &&
            slider->width() < std::max(slider->minimumWidth(), 60))
            collapsed << QStringLiteral("slider %1 is %2 px wide").arg(slider->accessibleName()).arg(slider->width());
    return collapsed;
}

// The texts of the window's charts (titles, axis titles, tick labels) that
// the chart shortened with an ellipsis for want of room.
inline QStringList CutChartTexts(const QWidget& window)
{
    QStringList cut;
    for (const QChartView* view : Shown<QChartView>(window)) {
        for (const QGraphicsItem* item : view->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
                if (const QString shown = text->toPlainText(); shown.endsWith(QStringLiteral("...")) ||
                                                               shown.endsWith(QChar(0x2026)))
                    cut << QStringLiteral("chart text: ") + shown;
    }
    return cut;
}

}  // namespace sentinel
