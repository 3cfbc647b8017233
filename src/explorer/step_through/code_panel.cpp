// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/code_panel.h"

#include <QFontDatabase>
#include <QPainter>

#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

constexpr int kMargin = 8;
constexpr int kIndent = 2;  // characters a level

QString LineText(const CodeLine& line, std::size_t number, bool lit)
{
    return QStringLiteral("%1 %2 %3%4")
        .arg(number, 2)
        .arg(lit ? QStringLiteral("\u25B6") : QStringLiteral(" "), QString(kIndent * line.indent, QLatin1Char(' ')),
             ToQString(line.text));
}

}  // namespace

QString SpokenCode(const StepThrough& run, std::size_t events)
{
    const std::vector<CodeLine> code = CodeOf(run.Input().routine);
    const std::size_t line = LineAt(run, events);
    return CodePanel::tr("Code line %1 of %2: %3 \u2014 %4")
        .arg(line + 1)
        .arg(code.size())
        .arg(ToQString(code[line].text), ToQString(ValuesAt(run, events)));
}

CodePanel::CodePanel(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("The routine's code"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    Show(nullptr, 0);
}

QFont CodePanel::CodeFont() const
{
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() * 0.95);
    return mono;
}

int CodePanel::LineHeight() const
{
    return QFontMetrics(CodeFont()).height() + 2;
}

void CodePanel::Show(const StepThrough* run, std::size_t events)
{
    if (!run) {
        code_.clear();
        values_ = tr("Load a run to see its routine's code.");
        setAccessibleDescription(values_);
    } else {
        code_ = CodeOf(run->Input().routine);
        lit_ = LineAt(*run, events);
        values_ = ToQString(ValuesAt(*run, events));
        setAccessibleName(tr("Code of %1").arg(ToQString(NameOf(run->Input().routine))));
        setAccessibleDescription(SpokenCode(*run, events));
    }
    setMinimumHeight(heightForWidth(width()));  // the scroll area around it scrolls rather than cuts
    updateGeometry();
    update();
}

void CodePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setMinimumHeight(heightForWidth(width()));
}

QRect CodePanel::LitRow() const
{
    return {kMargin, kMargin + LineHeight() * static_cast<int>(lit_), width() - 2 * kMargin, LineHeight()};
}

QRect CodePanel::ValuesRect(int width) const
{
    const int top = kMargin + LineHeight() * static_cast<int>(code_.size()) + kMargin;
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, std::max(40, width - 2 * kMargin), 10000),
                                                    Qt::TextWordWrap, values_);
    return {kMargin, top, std::max(40, width - 2 * kMargin), bounds.height()};
}

int CodePanel::heightForWidth(int width) const
{
    return ValuesRect(width).bottom() + kMargin;
}

QSize CodePanel::sizeHint() const
{
    int widest = 0;
    const QFontMetrics metrics(CodeFont());
    for (std::size_t k = 0; k < code_.size(); ++k)
        widest = std::max(widest, metrics.horizontalAdvance(LineText(code_[k], k + 1, true)));
    const int width = std::max(widest + 2 * kMargin, 300);
    return {width, heightForWidth(width)};
}

QSize CodePanel::minimumSizeHint() const
{
    return {240, heightForWidth(240)};
}

void CodePanel::Render(QPainter& painter, int width) const
{
    painter.save();
    painter.setFont(CodeFont());
    const int lineHeight = LineHeight();
    for (std::size_t k = 0; k < code_.size(); ++k) {
        const QRect row(kMargin, kMargin + lineHeight * static_cast<int>(k), width - 2 * kMargin, lineHeight);  // as LitRow
        const bool lit = k == lit_;
        if (lit)
            painter.fillRect(row, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(lit ? QPalette::HighlightedText
                                           : code_[k].step == CodeStep::Comment ? QPalette::PlaceholderText
                                                                                : QPalette::Text));
        painter.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::TextDontClip, LineText(code_[k], k + 1, lit));
    }
    painter.restore();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(ValuesRect(width), Qt::TextWordWrap, values_);
}

void CodePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    Render(painter, width());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace sentinel
