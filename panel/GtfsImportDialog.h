#pragma once
// "GTFSから路線を作成...": a route from a GTFS (GTFS-JP) feed, in the
// simulator. The user chooses a feed (zip or folder), a route, a direction
// or one trip, ticket numbering per stop or per zone and the route number,
// and sees the stops and any warnings; OK writes the fare file and the
// announcement file into the fare and announcement data folders of the
// options (asking before it replaces a file). The work is gtfs::Importer's,
// the same as lumena-data route from-gtfs.

#include "panel/GtfsImport.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace lumena {

class RunOptions;

class GtfsImportDialog final : public QDialog {
    Q_OBJECT
public:
    explicit GtfsImportDialog(const RunOptions& options, QWidget* parent = nullptr);
    ~GtfsImportDialog() override;

    // Reads the feed as the two choose buttons do; false when it cannot be used
    // (the problem is shown in the dialog).
    bool openFeed(const QString& path);

    // The route number written, once the dialog was accepted.
    int writtenRoute() const { return m_written; }

    // Writes the two files; the dialog stays open when the user does not want
    // a file replaced or a file cannot be written.
    void accept() override;

private:
    void chooseFeed(bool folder);
    void routeChosen();
    void refresh();
    void showTargets();

    const RunOptions& m_options;
    std::unique_ptr<gtfs::Feed> m_feed;
    std::unique_ptr<gtfs::Importer> m_importer;
    std::optional<gtfs::ImportedRoute> m_route;
    QList<gtfs::RouteSummary> m_routes;
    int m_written = 0;

    QLineEdit* m_feedPath = nullptr;
    QTreeWidget* m_routeList = nullptr;
    QComboBox* m_tripChoice = nullptr;
    QCheckBox* m_perZone = nullptr;
    QSpinBox* m_number = nullptr;
    QLabel* m_summary = nullptr;
    QPlainTextEdit* m_messages = nullptr;
    QLabel* m_targets = nullptr;
    QPushButton* m_ok = nullptr;
};

// Adds "GTFSから路線を作成..." to `menu`. Its dialog (owned by `owner`) reads
// the folders from `options` when it writes, and hands the route number of
// the route written to `setRoute`.
QAction* addGtfsImportAction(QMenu* menu, QWidget* owner, const RunOptions& options,
                             std::function<void(const QString&)> setRoute);

} // namespace lumena
