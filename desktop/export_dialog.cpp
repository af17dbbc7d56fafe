#include "desktop/export_dialog.h"

#include <QFileInfo>

namespace quintel {

namespace {

QString extensionOf(ExportFormat format) {
    return format == ExportFormat::Csv ? QStringLiteral("csv") : QStringLiteral("json");
}

QString csvFilter() {
    return ExportDialog::tr("CSV files (*.csv)");
}

QString jsonFilter() {
    return ExportDialog::tr("JSON files (*.json)");
}

} // namespace

QString withExtension(const QString& path, ExportFormat format) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + extensionOf(format);
}

ExportFormat formatOf(const QString& path, ExportFormat chosen) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv")) {
        return ExportFormat::Csv;
    }
    if (suffix == QLatin1String("json")) {
        return ExportFormat::Json;
    }
    return chosen;
}

ExportDialog::ExportDialog(QWidget* parent, const QString& title) : QFileDialog(parent, title) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({csvFilter(), jsonFilter()});
}

void ExportDialog::accept() {
    // The dialog adds its default suffix before it asks whether to replace a file: it must be the
    // chosen form's, or saving "games" as JSON would ask about games.csv.
    setDefaultSuffix(extensionOf(chosenFormat()));
    QFileDialog::accept();
}

ExportFormat ExportDialog::chosenFormat() const {
    return selectedNameFilter() == jsonFilter() ? ExportFormat::Json : ExportFormat::Csv;
}

ExportTarget ExportDialog::target() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty()) {
        return {};
    }
    const ExportFormat format = formatOf(files.front(), chosenFormat());
    return {withExtension(files.front(), format), format};
}

} // namespace quintel
