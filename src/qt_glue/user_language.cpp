// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_glue/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "runtime/user_text.h"

namespace sentinel {
namespace {

void Install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void SpeakUserLanguage(const QString& catalog)
{
    Install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(catalog, QStringLiteral(":/i18n"));
    InstallTextCatalog([](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    });
}

}  // namespace sentinel
