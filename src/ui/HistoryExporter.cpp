// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryExporter.h"

#include "session/HistoryAccess.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <QStatusBar>

void HistoryExporter::Run(HistoryAccess& history, QWidget* parent, QStatusBar* status) {
    const QString csv = tr("CSV files (*.csv)");
    const QString json = tr("JSON files (*.json)");
    QFileDialog dialog(parent, tr("Export History"), QStringLiteral("ordalune-history.csv"),
                       csv + ";;" + json);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().first();
    const bool asJson = dialog.selectedNameFilter() == json;
    if (QFileInfo(path).suffix().isEmpty()) // a name without one takes the type's
        path += asJson ? QStringLiteral(".json") : QStringLiteral(".csv");
    history.Export(
        asJson ? HistoryExport::Format::Json : HistoryExport::Format::Csv,
        [window = QPointer(parent), bar = QPointer(status), path](const HistoryAccess::Exported& exported) {
            QString failure = exported.held
                                  ? tr("The history of time spent is held by another program just now, "
                                       "so nothing was exported. Try again in a moment.")
                                  : tr("The history of time spent is not available in this copy of "
                                       "Ordalune, so nothing was exported.");
            if (const std::optional<std::string>& text = exported.text) {
                QSaveFile file(path); // written aside and renamed: a failed export leaves no cut file
                if (file.open(QIODevice::WriteOnly) &&
                    file.write(text->data(), static_cast<qint64>(text->size())) ==
                        static_cast<qint64>(text->size()) &&
                    file.commit()) {
                    if (bar)
                        bar->showMessage(tr("The history was exported to %1.").arg(path), 15000);
                    return;
                }
                failure = tr("The history could not be written to %1: %2").arg(path, file.errorString());
            }
            if (window)
                QMessageBox::warning(window, QStringLiteral("Ordalune"), failure);
        });
}
