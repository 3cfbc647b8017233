// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the step-through's tests look up and read back.
#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstring>

#include <gif_lib.h>

#include "explorer/step_through/step_view.h"

namespace sentinel {

// The GIF read back with giflib's decoder; null when it is no GIF.
inline GifFileType* OpenGif(QByteArray& bytes)
{
    int error = 0;
    GifFileType* gif = DGifOpen(&bytes, [](GifFileType* file, GifByteType* to, int length) {
        auto* from = static_cast<QByteArray*>(file->UserData);
        const int taken = std::min<int>(length, static_cast<int>(from->size()));
        std::memcpy(to, from->constData(), static_cast<std::size_t>(taken));
        from->remove(0, taken);
        return taken;
    }, &error);
    return gif && DGifSlurp(gif) == GIF_OK ? gif : nullptr;
}

inline void FailOnProblem(StepView& view)
{
    QObject::connect(&view, &StepView::problem, [](const QString& problem) { FAIL() << problem.toStdString(); });
}

// Whether the pane's run is on show at its end.
inline bool Done(const StepView& view, StepSession::Pane pane)
{
    const auto& run = view.Session().Run(pane);
    return run && view.Session().Shown(pane) == run->Events();
}

inline void ChooseRoutine(StepView& view, Routine routine)
{
    for (QComboBox* box : view.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            box->setCurrentIndex(int(routine));
}

inline QPushButton* ButtonNamed(StepView& view, const char* name)
{
    for (QPushButton* button : view.findChildren<QPushButton*>())
        if (button->accessibleName() == name)
            return button;
    return nullptr;
}

}  // namespace sentinel
