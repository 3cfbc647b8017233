#include "explorer/step_through/step_animation.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "explorer/step_through/gif_writer.h"
#include "explorer/shared/palette.h"
#include "explorer/step_through/trace_canvas.h"

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

Animation AnimateRun(const StepThrough& run, FramesPer asked, int width)
{
    Animation animation;
    animation.plan = PlanFrames(run, asked);
    TraceCanvas canvas;
    canvas.resize(width, 100);
    const std::shared_ptr<const StepThrough> shown(std::shared_ptr<void>(), &run);  // the canvas lives no longer than the run
    int height = 0;
    for (const std::size_t events : animation.plan.events) {
        canvas.ShowFrame(shown, events);
        height = std::max(height, canvas.minimumHeight());
    }
    canvas.resize(width, height);
    GifWriter writer(canvas.size(), ColourTable(canvas.palette()));
    const int delay = animation.plan.per == FramesPer::Test ? kTestFrameDelay : kEntryFrameDelay;
    for (const std::size_t events : animation.plan.events) {
        canvas.ShowFrame(shown, events);
        QImage frame(canvas.size(), QImage::Format_RGB32);
        frame.fill(canvas.palette().color(QPalette::Window));
        canvas.render(&frame, QPoint(), QRegion(), QWidget::DrawChildren);
        writer.Add(frame, events == run.Events() ? kLastFrameDelay : delay);
    }
    animation.gif = writer.Finish();
    animation.error = writer.Error();
    return animation;
}

}  // namespace sentinel
