// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_demo.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <new>
#include <optional>

#include "commands/start_up_data.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

int TwipsToPixels(int twips, qreal dotsPerInch)
{
    return qRound(twips * dotsPerInch / 1440.0);
}

QRect PixelRect(const TwipRect& place, const QScreen& screen)
{
    const qreal dpiX = screen.logicalDotsPerInchX();
    const qreal dpiY = screen.logicalDotsPerInchY();
    return {TwipsToPixels(place.left, dpiX), TwipsToPixels(place.top, dpiY), TwipsToPixels(place.width, dpiX),
            TwipsToPixels(place.height, dpiY)};
}

// The width a push button needs for `caption` in `font`: the text, the
// style's margin and frame, and the frame of a button that Enter can click.
int ButtonWidthFor(const QPushButton& button, const QString& caption, const QFont& font)
{
    const QStyle& style = *button.style();
    int width = QFontMetrics(font).size(Qt::TextShowMnemonic, caption).width()
        + style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button)
        + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (button.autoDefault())
        width += 2 * style.pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, &button);
    return width;
}

bool EveryCaptionFits(const QWidget& window, const QFont& font)
{
    const auto buttons = window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    return std::all_of(buttons.begin(), buttons.end(), [&font](const QPushButton* button) {
        return ButtonWidthFor(*button, button->text(), font) <= button->width();
    });
}

}  // namespace

FrmDemo::FrmDemo(ErrorReporter reportError, QWidget* parent)
    : QWidget(parent), reportError_(std::move(reportError))
{
    const QScreen& screen = *QGuiApplication::primaryScreen();
    setWindowTitle(ToQString(kWindowCaption));
    setFixedSize(TwipsToPixels(kClientWidthTwips, screen.logicalDotsPerInchX()),
                 TwipsToPixels(kClientHeightTwips, screen.logicalDotsPerInchY()));
    form_.decimalSeparator = static_cast<char16_t>(QLocale().decimalPoint().front().unicode());

    QWidget* previous = nullptr;
    for (const ControlRow& row : kControls) {
        QWidget* control = CreateControl(row);
        control->setObjectName(ToQString(row.name));
        control->setAccessibleDescription(control->objectName());
        control->setGeometry(PixelRect(row.place, screen));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    QFont font = QApplication::font();
    font.setPointSizeF(CaptionPointSize(font, *this));
    setFont(font);
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->adjustSize();  // a label sizes itself to its text in the form's font
    Dispatch(Form_Load);
}

qreal FrmDemo::CaptionPointSize(const QFont& system, const QWidget& window)
{
    constexpr qreal kSmallest = 7;
    constexpr qreal kStep = 0.5;
    QFont font = system;
    while (font.pointSizeF() > kSmallest && !EveryCaptionFits(window, font))
        font.setPointSizeF(std::max(kSmallest, font.pointSizeF() - kStep));
    return font.pointSizeF();
}

QWidget* FrmDemo::CreateControl(const ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::ListBox: {
        auto* list = new QListWidget(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setUniformItemSizes(true);  // every row is one line: lets long lists lay out at once
        list->setAccessibleName(ToQString(row.name));  // a list has no visible text to name it
        (form_.*row.list).Follow([list] { list->clear(); },
                                 [list](const Text& added) { list->addItem(ToQString(added)); });
        return list;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(ToQString(row.caption), this);
        button->setEnabled(row.available);
        button->setAutoDefault(true);  // Return and Enter click a focused button, as Space does
        const Handler onClick = row.onClick;
        connect(button, &QPushButton::clicked, this, [this, onClick] { Dispatch(onClick); });
        return button;
    }
    case ControlKind::Label:
        break;
    }
    auto* label = new QLabel(ToQString(row.caption), this);
    label->lower();  // a label that grows with its text stays under the buttons
    (form_.*row.label).Follow([label](const Text& caption) {
        label->setText(ToQString(caption));
        label->adjustSize();  // a label always fits its text
    });
    return label;
}

void FrmDemo::Dispatch(Handler handler)
{
    std::optional<RuntimeError> error;
    try {
        handler(form_);
    } catch (const RuntimeError& raised) {
        error = raised;
    } catch (const std::bad_alloc&) {
        error = RuntimeError(ErrorKind::OutOfMemory, "the data does not fit in memory");
    }
    if (error)
        reportError_(*error);
}

void FrmDemo::ShowErrorAndQuit(const RuntimeError& error)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("FrmDemo"),
                          QStringLiteral("Run-time error %1:\n\n%2")
                              .arg(error.Number())
                              .arg(QString::fromStdString(error.Description())));
    // exit() is ignored until the event loop runs, so queue it for then.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(EXIT_FAILURE); });
}

}  // namespace sentinel
