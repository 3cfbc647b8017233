// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/step_animation.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

#include "explorer/step_through/code_panel.h"
#include "explorer/step_through/gif_writer.h"
#include "explorer/shared/palette.h"
#include "explorer/step_through/trace_canvas.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// One table for every frame, 256 colours: the theme's colours, the charts'
// palette and the shade of a placed cell exactly, a ramp of greys for the
// edges of text, and a colour cube.
QList<QRgb> ColourTable(const QPalette& palette)
{
    QList<QRgb> colours;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Text,
                                           QPalette::PlaceholderText, QPalette::Mid, QPalette::Highlight})
        colours.append(palette.color(role).rgb());
    for (std::size_t k = 0; k < 8; ++k)
        colours.append(PaletteColour(k).rgb());
    colours.append(PlacedFill(palette.color(QPalette::Base)).rgb());
    for (int grey = 0; grey < 24; ++grey)
        colours.append(qRgb(grey * 255 / 23, grey * 255 / 23, grey * 255 / 23));
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours.append(qRgb(r * 51, g * 51, b * 51));
    return colours;
}

}  // namespace

Animation AnimateRun(const StepThrough& run, FramesPer asked, int width, bool withCode)
{
    const Titled one[] = {{&run, ToQString(NameOf(run.Input().routine))}};
    return AnimateRuns(one, asked, width, withCode);
}

Animation AnimateRuns(std::span<const Titled> runs, FramesPer asked, int width, bool withCode)
{
    const auto longest = std::max_element(runs.begin(), runs.end(), [](const Titled& a, const Titled& b) {
        return a.run->Events() < b.run->Events();
    });
    Animation animation;
    animation.plan = PlanFrames(*longest->run, asked);
    const int share = width / static_cast<int>(runs.size());
    std::vector<std::unique_ptr<TraceCanvas>> canvases;
    std::vector<std::unique_ptr<CodePanel>> code;
    for (const Titled& titled : runs) {
        canvases.push_back(std::make_unique<TraceCanvas>());
        canvases.back()->resize(share, 100);
        canvases.back()->SetCaption(titled.title);
        code.push_back(std::make_unique<CodePanel>());
    }
    // The canvases live no longer than the runs.
    const auto show = [&](std::size_t events) {
        for (std::size_t k = 0; k < runs.size(); ++k) {
            canvases[k]->ShowFrame(std::shared_ptr<const StepThrough>(std::shared_ptr<void>(), runs[k].run), events);
            code[k]->Show(runs[k].run, events);
        }
    };
    int height = 0;
    int codeHeight = 0;
    for (const std::size_t events : animation.plan.events) {
        show(events);
        for (std::size_t k = 0; k < runs.size(); ++k) {
            height = std::max(height, canvases[k]->minimumHeight());
            codeHeight = withCode ? std::max(codeHeight, code[k]->heightForWidth(share)) : 0;
        }
    }
    const QPalette& colours = canvases.front()->palette();
    GifWriter writer(QSize(share * static_cast<int>(runs.size()), height + codeHeight), ColourTable(colours));
    const int delay = animation.plan.per == FramesPer::Test ? kTestFrameDelay : kEntryFrameDelay;
    for (const std::size_t events : animation.plan.events) {
        show(events);
        QImage frame(writer.Size(), QImage::Format_RGB32);
        frame.fill(colours.color(QPalette::Window));
        for (std::size_t k = 0; k < canvases.size(); ++k) {
            canvases[k]->resize(share, height);
            canvases[k]->render(&frame, QPoint(share * static_cast<int>(k), 0), QRegion(), QWidget::DrawChildren);
            if (withCode) {
                code[k]->resize(share, codeHeight);
                code[k]->render(&frame, QPoint(share * static_cast<int>(k), height), QRegion(), QWidget::DrawChildren);
            }
        }
        writer.Add(frame, events == longest->run->Events() ? kLastFrameDelay : delay);
    }
    animation.gif = writer.Finish();
    animation.error = writer.Error();
    return animation;
}

}  // namespace sentinel
