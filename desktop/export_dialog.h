#pragma once

#include "records/record_export.h"

#include <QFileDialog>
#include <QString>

namespace quintel {

// Where an export goes and in which form.
struct ExportTarget {
    QString path;
    ExportFormat format = ExportFormat::Csv;
};

// `path` with the extension of `format` added when its name has none.
QString withExtension(const QString& path, ExportFormat format);
// The form a file of this name is written in: by its extension, ".csv" or ".json"; by `chosen`
// (the dialog's filter) for any other name.
ExportFormat formatOf(const QString& path, ExportFormat chosen);

// The save dialog of an export: CSV or JSON as its filter says, the filter's extension added to a
// name typed without one, so that the file it asks about before replacing it is the file that
// will be written.
class ExportDialog : public QFileDialog {
    Q_OBJECT
public:
    ExportDialog(QWidget* parent, const QString& title);

    ExportFormat chosenFormat() const;
    // What the accepted dialog chose.
    ExportTarget target() const;

public slots:
    void accept() override;
};

} // namespace quintel
