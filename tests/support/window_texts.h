// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStringList>
#include <QTabBar>

namespace sentinel {

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
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
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
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
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

}  // namespace sentinel
