// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/shared/routine_text.h"

#include <QCoreApplication>

#include "qt_glue/qt_text.h"
#include "sorting/stable_floor.h"

namespace sentinel {

QString RoutineChoice(Routine routine)
{
    const QString name = ToQString(NameOf(routine));
    return IsVariant(routine) ? QCoreApplication::translate("Routines", "%1 (variant)").arg(name) : name;
}

QString RoutineChoiceTip(Routine routine)
{
    if (!IsVariant(routine))
        return QCoreApplication::translate("Routines", "A routine of the demo");
    return QCoreApplication::translate("Routines", "A variant of SortNumbers, not a routine of the demo: %1")
        .arg(QCoreApplication::translate("Routines", Describe(routine).variant.data()));
}

QString ReferenceName(Routine routine)
{
    switch (EqualKeysOf(routine)) {
    case EqualKeys::InputOrder: return QCoreApplication::translate("Routines", "the standard stable sort");
    case EqualKeys::ReverseInput:
        return QCoreApplication::translate("Routines", "the stable sort with equal keys in reverse order");
    case EqualKeys::FirstOnly: break;
    }
    return QCoreApplication::translate("Routines", "the stable sort keeping the first of each key");
}

}  // namespace sentinel
