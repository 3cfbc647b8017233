#include "app/frm_demo.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <new>
#include <optional>

#include "commands/start_up_data.h"

namespace sentinel {
namespace {

QString ToQString(TextView text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString ControlName(const ControlRow& row)
{
    return QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

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
        control->setObjectName(ControlName(row));
        control->setAccessibleDescription(control->objectName());
        control->setGeometry(PixelRect(row.place, screen));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    Run(Form_Load);
}

QWidget* FrmDemo::CreateControl(const ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::ListBox: {
        auto* list = new QListWidget(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setUniformItemSizes(true);  // every row is one line: lets long lists lay out at once
        list->setAccessibleName(ControlName(row));  // a list has no visible text to name it
        lists_.push_back({list, row.list, (form_.*row.list).Clears()});
        return list;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(ToQString(row.caption), this);
        button->setEnabled(row.available);
        const Handler onClick = row.onClick;
        connect(button, &QPushButton::clicked, this, [this, onClick] { Run(onClick); });
        return button;
    }
    case ControlKind::Label:
        break;
    }
    auto* label = new QLabel(ToQString(row.caption), this);
    labels_.push_back({label, row.label});
    return label;
}

void FrmDemo::Run(Handler handler)
{
    std::optional<RuntimeError> error;
    try {
        handler(form_);
    } catch (const RuntimeError& raised) {
        error = raised;
    } catch (const std::bad_alloc&) {
        error = RuntimeError(ErrorKind::OutOfMemory, "the data does not fit in memory");
    }
    ShowForm();  // what the handler changed stays, error or not
    if (error)
        reportError_(*error);
}

void FrmDemo::ShowForm()
{
    for (ShownList& shown : lists_) {
        const ListBox& list = form_.*shown.list;
        if (shown.clears != list.Clears()) {
            shown.widget->clear();
            shown.clears = list.Clears();
        }
        QStringList added;
        for (auto row = list.Rows().begin() + shown.widget->count(); row != list.Rows().end(); ++row)
            added.append(ToQString(*row));
        if (!added.isEmpty())
            shown.widget->addItems(added);
    }
    for (const ShownLabel& shown : labels_) {
        const QString caption = ToQString((form_.*shown.label).caption);
        if (shown.widget->text() != caption)
            shown.widget->setText(caption);
        shown.widget->adjustSize();  // a label always fits its text
    }
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
